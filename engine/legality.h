// Whether the seat whose turn it is may play a card now, under the local rules in force. The
// rules are worked out for all 112 cards at once, as a set: the computer player weighs most of
// its hand on every move and asks the set of each card.
#pragma once

#include <cstdint>

#include "game_state.h"

namespace vorpo {

// A Draw card may be played only while the stock still holds more cards than the penalty
// it would make, so that paying a penalty never empties the stock.
inline bool StockAllows(const GameState& s, Card card) {
  if (IsDrawTwo(card)) return s.StockCount > s.PenaltyCount + 2;
  if (IsWildDrawFour(card)) return s.StockCount > s.PenaltyCount + 4;
  return true;
}

// The cards that CurSeat may play as the game stands (the last-card condition reads its hand).
class PlayableCards {
 public:
  explicit PlayableCards(const GameState& s);

  bool Contains(Card card) const { return (words_[card / 64] >> (card % 64) & 1u) != 0; }

 private:
  // Card n is bit n % 64 of word n / 64.
  std::uint64_t words_[2];
};

inline bool CanPlay(const GameState& s, Card card) {
  return PlayableCards(s).Contains(card);
}

}  // namespace vorpo
