// Whether the seat whose turn it is may play a card now, under the local rules in force. The
// computer player asks this of most cards of its hand on every move, so it is defined here,
// where every caller can have it inline.
#pragma once

#include "game_state.h"

namespace vorpo {

// A Draw card may be played only while the stock still holds more cards than the penalty
// it would make, so that paying a penalty never empties the stock.
inline bool StockAllows(const GameState& s, Card card) {
  if (IsDrawTwo(card)) return s.StockCount > s.PenaltyCount + 2;
  if (IsWildDrawFour(card)) return s.StockCount > s.PenaltyCount + 4;
  return true;
}

namespace legality_detail {

inline bool IsLastCard(const GameState& s) {
  return !s.NotFig && s.Hands[static_cast<std::size_t>(s.CurSeat)].Count() == 1;
}

// Table A: a draw penalty is pending against the current seat.
inline bool CanAnswerPenalty(const GameState& s, Card card) {
  if (!s.DefDraw) return false;
  if (IsLastCard(s)) return false;
  if (IsWildDrawFour(s.TopCard)) {
    if (IsWildDrawFour(card)) return StockAllows(s, card);
    if (IsDrawTwo(card) && ColourOf(card) == s.NamedColour && s.DefDraw4)
      return StockAllows(s, card);
    return false;
  }
  if (IsDrawTwo(s.TopCard) && (IsDrawTwo(card) || IsWildDrawFour(card)))
    return StockAllows(s, card);
  return false;
}

inline bool Matches(const GameState& s, Card card) {
  if (IsBlack(s.TopCard)) return ColourOf(card) == s.NamedColour;
  return ColourOf(card) == ColourOf(s.TopCard) || KindOf(card) == KindOf(s.TopCard);
}

// Table B: no penalty pending.
inline bool CanPlayFreely(const GameState& s, Card card) {
  const bool last = IsLastCard(s);
  if (IsWild(card)) return !last;
  if (IsWildDrawFour(card)) return !last && StockAllows(s, card);
  if (!Matches(s, card)) return false;
  if (IsNumberCard(card)) return true;
  if (last) return false;
  return IsDrawTwo(card) ? StockAllows(s, card) : true;
}

}  // namespace legality_detail

// Asked always on behalf of CurSeat (the last-card condition reads its hand).
inline bool CanPlay(const GameState& s, Card card) {
  if (s.SymbolShown && IsColoured(card) && KindOf(card) == s.SymbolInForce)
    return StockAllows(s, card);
  if (s.PenaltyPending) return legality_detail::CanAnswerPenalty(s, card);
  return legality_detail::CanPlayFreely(s, card);
}

}  // namespace vorpo
