#include "legality.h"

namespace vorpo {

bool StockAllows(const GameState& s, Card card) {
  if (IsDrawTwo(card)) return s.StockCount > s.PenaltyCount + 2;
  if (IsWildDrawFour(card)) return s.StockCount > s.PenaltyCount + 4;
  return true;
}

namespace {

bool IsLastCard(const GameState& s) {
  return !s.NotFig && s.Hands[static_cast<std::size_t>(s.CurSeat)].Count() == 1;
}

// Table A: a draw penalty is pending against the current seat.
bool CanAnswerPenalty(const GameState& s, Card card) {
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

bool Matches(const GameState& s, Card card) {
  if (IsBlack(s.TopCard)) return ColourOf(card) == s.NamedColour;
  return ColourOf(card) == ColourOf(s.TopCard) || KindOf(card) == KindOf(s.TopCard);
}

// Table B: no penalty pending.
bool CanPlayFreely(const GameState& s, Card card) {
  const bool last = IsLastCard(s);
  if (IsWild(card)) return !last;
  if (IsWildDrawFour(card)) return !last && StockAllows(s, card);
  if (!Matches(s, card)) return false;
  if (IsNumberCard(card)) return true;
  if (last) return false;
  return IsDrawTwo(card) ? StockAllows(s, card) : true;
}

}  // namespace

bool CanPlay(const GameState& s, Card card) {
  if (s.SymbolShown && IsColoured(card) && KindOf(card) == s.SymbolInForce)
    return StockAllows(s, card);
  if (s.PenaltyPending) return CanAnswerPenalty(s, card);
  return CanPlayFreely(s, card);
}

}  // namespace vorpo
