// A set of card numbers in two machine words, card n as bit n % 64 of word n / 64: the cards a
// seat may play, the cards of a colour, the cards of a hand. Asking which cards two sets share,
// and the lowest or highest of them, is a few instructions.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "cards.h"

namespace vorpo {

struct CardSet {
  std::uint64_t low = 0;
  std::uint64_t high = 0;

  constexpr CardSet operator|(CardSet other) const { return {low | other.low, high | other.high}; }
  constexpr CardSet operator&(CardSet other) const { return {low & other.low, high & other.high}; }
  constexpr CardSet operator~() const { return {~low, ~high}; }

  constexpr bool Empty() const { return (low | high) == 0; }
  constexpr int Count() const { return std::popcount(low) + std::popcount(high); }
  constexpr bool Contains(Card card) const {
    return ((card < 64 ? low : high) >> (card % 64) & 1u) != 0;
  }
  static constexpr CardSet Of(Card card) {
    CardSet set;
    set.Add(card);
    return set;
  }
  constexpr void Add(Card card) { (card < 64 ? low : high) |= Bit(card); }
  constexpr void Remove(Card card) { (card < 64 ? low : high) &= ~Bit(card); }

  // How many cards of the set have a lower number than card.
  constexpr int CountBelow(Card card) const {
    return card < 64 ? std::popcount(low & (Bit(card) - 1))
                     : std::popcount(low) + std::popcount(high & (Bit(card) - 1));
  }
  // The lowest and the highest card of a set that is not empty.
  constexpr Card Lowest() const {
    return static_cast<Card>(low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high));
  }
  constexpr Card Highest() const {
    return static_cast<Card>(high != 0 ? 127 - std::countl_zero(high) : 63 - std::countl_zero(low));
  }

 private:
  static constexpr std::uint64_t Bit(Card card) { return std::uint64_t{1} << (card % 64); }
};

// The cards whose number satisfies holds.
template <typename Predicate>
constexpr CardSet CardsWhere(Predicate holds) {
  CardSet cards;
  for (int n = 0; n < kDeckSize; ++n)
    if (holds(n)) cards.Add(static_cast<Card>(n));
  return cards;
}

// The whole deck.
inline constexpr CardSet kDeck = CardsWhere([](int n) { return n < kDeckSize; });

// The coloured cards of each kind, 0..9 and the Skip, Reverse and Draw Two.
inline constexpr std::array<CardSet, 13> kCardsOfKind = [] {
  std::array<CardSet, 13> sets{};
  for (int kind = 0; kind < 13; ++kind)
    sets[static_cast<std::size_t>(kind)] =
        CardsWhere([kind](int n) { return IsColoured(n) && KindOf(n) == kind; });
  return sets;
}();

inline constexpr CardSet kNumberCards = CardsWhere([](int n) { return IsNumberCard(n); });

// The cards of each colour (0..3), then the black cards, whose ColourOf is 4.
inline constexpr std::array<CardSet, 5> kCardsOfColour = {
    CardsWhere([](int n) { return ColourOf(n) == 0; }),
    CardsWhere([](int n) { return ColourOf(n) == 1; }),
    CardsWhere([](int n) { return ColourOf(n) == 2; }),
    CardsWhere([](int n) { return ColourOf(n) == 3; }),
    CardsWhere([](int n) { return ColourOf(n) == 4; })};

}  // namespace vorpo
