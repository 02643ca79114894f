// The cards of the stock as a set of card numbers, read off the owner codes, for drawing the
// r-th card in card-number order without walking the deck.
#pragma once

#include <array>
#include <cstdint>

#include "cards.h"

namespace vorpo {

class StockSet {
 public:
  // The cards whose owner code is kOwnerStock.
  explicit StockSet(const std::array<std::uint8_t, kDeckSize>& owner);

  // The card of the given rank (from 0) among the stock's cards in card-number order, taken out
  // of the set; rank must be below the number of cards in the set.
  Card Take(int rank);

 private:
  // Card n is bit n % 64 of word n / 64.
  std::array<std::uint64_t, 2> words_{};
};

}  // namespace vorpo
