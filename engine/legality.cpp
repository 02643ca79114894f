#include "legality.h"

#include <array>

namespace vorpo {

namespace {

// A set of card numbers, card n as bit n % 64 of word n / 64.
struct Cards {
  std::uint64_t low = 0;
  std::uint64_t high = 0;

  constexpr Cards operator|(Cards other) const { return {low | other.low, high | other.high}; }
  constexpr Cards operator&(Cards other) const { return {low & other.low, high & other.high}; }
  constexpr Cards operator~() const { return {~low, ~high}; }
};

constexpr Cards None{};

template <typename Predicate>
constexpr Cards CardsWhere(Predicate holds) {
  Cards cards;
  for (int n = 0; n < kDeckSize; ++n)
    if (holds(n)) (n < 64 ? cards.low : cards.high) |= std::uint64_t{1} << (n % 64);
  return cards;
}

constexpr std::array<Cards, 4> ColourSets() {
  std::array<Cards, 4> sets{};
  for (int colour = 0; colour < 4; ++colour)
    sets[static_cast<std::size_t>(colour)] =
        CardsWhere([colour](int n) { return IsColoured(n) && ColourOf(n) == colour; });
  return sets;
}

// The coloured cards of each kind, 0..9 and the Skip, Reverse and Draw Two.
constexpr std::array<Cards, 13> KindSets() {
  std::array<Cards, 13> sets{};
  for (int kind = 0; kind < 13; ++kind)
    sets[static_cast<std::size_t>(kind)] =
        CardsWhere([kind](int n) { return IsColoured(n) && KindOf(n) == kind; });
  return sets;
}

constexpr auto kColours = ColourSets();
constexpr auto kKinds = KindSets();
constexpr Cards kNumberCards = CardsWhere([](int n) { return IsNumberCard(n); });
constexpr Cards kSkipsAndReverses = CardsWhere([](int n) { return IsSkip(n) || IsReverse(n); });
constexpr Cards kDrawTwos = CardsWhere([](int n) { return IsDrawTwo(n); });
constexpr Cards kWilds = CardsWhere([](int n) { return IsWild(n); });
constexpr Cards kWildDrawFours = CardsWhere([](int n) { return IsWildDrawFour(n); });

// A colour or kind read from the state; any other value names no card.
Cards OfColour(int colour) {
  return colour >= 0 && colour < 4 ? kColours[static_cast<std::size_t>(colour)] : None;
}
Cards OfKind(int kind) {
  return kind >= 0 && kind < 13 ? kKinds[static_cast<std::size_t>(kind)] : None;
}

// The cards whose play the stock allows: every card but the Draw cards it could not pay for.
Cards StockAllowed(const GameState& s) {
  constexpr Card kADrawTwo = 24, kAWildDrawFour = 108;
  Cards refused;
  if (!StockAllows(s, kADrawTwo)) refused = refused | kDrawTwos;
  if (!StockAllows(s, kAWildDrawFour)) refused = refused | kWildDrawFours;
  return ~refused;
}

bool IsLastCard(const GameState& s) {
  return !s.NotFig && s.Hands[static_cast<std::size_t>(s.CurSeat)].Count() == 1;
}

// Table A: a draw penalty is pending against the current seat.
Cards PenaltyAnswers(const GameState& s, Cards allowed) {
  if (!s.DefDraw) return None;
  if (IsLastCard(s)) return None;
  if (IsWildDrawFour(s.TopCard)) {
    const Cards drawTwos = s.DefDraw4 ? kDrawTwos & OfColour(s.NamedColour) : None;
    return (kWildDrawFours | drawTwos) & allowed;
  }
  if (IsDrawTwo(s.TopCard)) return (kDrawTwos | kWildDrawFours) & allowed;
  return None;
}

// Table B: no penalty pending. A black card on top is matched by the named colour only.
Cards FreePlays(const GameState& s, Cards allowed) {
  const Cards matching = IsBlack(s.TopCard)
                             ? OfColour(s.NamedColour)
                             : OfColour(ColourOf(s.TopCard)) | OfKind(KindOf(s.TopCard));
  const Cards numbers = matching & kNumberCards;
  if (IsLastCard(s)) return numbers;
  return numbers | (matching & kSkipsAndReverses) | kWilds |
         (((matching & kDrawTwos) | kWildDrawFours) & allowed);
}

}  // namespace

PlayableCards::PlayableCards(const GameState& s) {
  const Cards allowed = StockAllowed(s);
  Cards playable = s.PenaltyPending ? PenaltyAnswers(s, allowed) : FreePlays(s, allowed);
  // The symbol in force stays playable on a black card, whatever else holds, while the stock
  // allows it.
  if (s.SymbolShown) {
    const Cards symbol = OfKind(s.SymbolInForce);
    playable = (playable & ~symbol) | (symbol & allowed);
  }
  words_[0] = playable.low;
  words_[1] = playable.high;
}

}  // namespace vorpo
