// Whether the seat whose turn it is may play a card now, under the local rules in force. The
// rules are worked out for all 112 cards at once, as a set: the computer player weighs most of
// its hand on every move and asks the set of each card.
#pragma once

#include "card_set.h"
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

  bool Contains(Card card) const { return cards_.Contains(card); }
  const CardSet& Cards() const { return cards_; }

 private:
  CardSet cards_;
};

inline bool CanPlay(const GameState& s, Card card) {
  return PlayableCards(s).Contains(card);
}

}  // namespace vorpo
