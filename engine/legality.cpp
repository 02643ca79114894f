#include "legality.h"

#include <array>

#include "card_set.h"

namespace vorpo {

namespace {

constexpr CardSet None{};

constexpr CardSet kSkipsAndReverses = CardsWhere([](int n) { return IsSkip(n) || IsReverse(n); });
constexpr CardSet kDrawTwos = CardsWhere([](int n) { return IsDrawTwo(n); });
constexpr CardSet kWilds = CardsWhere([](int n) { return IsWild(n); });
constexpr CardSet kWildDrawFours = CardsWhere([](int n) { return IsWildDrawFour(n); });

// A colour or kind read from the state; any other value names no card.
CardSet OfColour(int colour) {
  return colour >= 0 && colour < 4 ? kCardsOfColour[static_cast<std::size_t>(colour)] : None;
}
CardSet OfKind(int kind) {
  return kind >= 0 && kind < 13 ? kCardsOfKind[static_cast<std::size_t>(kind)] : None;
}

// The cards whose play the stock allows: every card but the Draw cards it could not pay for.
CardSet StockAllowed(const GameState& s) {
  constexpr Card kADrawTwo = 24, kAWildDrawFour = 108;
  CardSet refused;
  if (!StockAllows(s, kADrawTwo)) refused = refused | kDrawTwos;
  if (!StockAllows(s, kAWildDrawFour)) refused = refused | kWildDrawFours;
  return ~refused;
}

bool IsLastCard(const GameState& s) {
  return !s.NotFig && s.Hands[static_cast<std::size_t>(s.CurSeat)].Count() == 1;
}

// Table A: a draw penalty is pending against the current seat.
CardSet PenaltyAnswers(const GameState& s, CardSet allowed) {
  if (!s.DefDraw) return None;
  if (IsLastCard(s)) return None;
  if (IsWildDrawFour(s.TopCard)) {
    const CardSet drawTwos = s.DefDraw4 ? kDrawTwos & OfColour(s.NamedColour) : None;
    return (kWildDrawFours | drawTwos) & allowed;
  }
  if (IsDrawTwo(s.TopCard)) return (kDrawTwos | kWildDrawFours) & allowed;
  return None;
}

// Table B: no penalty pending. A black card on top is matched by the named colour only.
CardSet FreePlays(const GameState& s, CardSet allowed) {
  const CardSet matching = IsBlack(s.TopCard)
                               ? OfColour(s.NamedColour)
                               : OfColour(ColourOf(s.TopCard)) | OfKind(KindOf(s.TopCard));
  const CardSet numbers = matching & kNumberCards;
  if (IsLastCard(s)) return numbers;
  return numbers | (matching & kSkipsAndReverses) | kWilds |
         (((matching & kDrawTwos) | kWildDrawFours) & allowed);
}

}  // namespace

PlayableCards::PlayableCards(const GameState& s) {
  const CardSet allowed = StockAllowed(s);
  CardSet playable = s.PenaltyPending ? PenaltyAnswers(s, allowed) : FreePlays(s, allowed);
  // The symbol in force stays playable on a black card, whatever else holds, while the stock
  // allows it.
  if (s.SymbolShown) {
    const CardSet symbol = OfKind(s.SymbolInForce);
    playable = (playable & ~symbol) | (symbol & allowed);
  }
  cards_ = playable;
}

}  // namespace vorpo
