#include "stock_set.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "random.h"

namespace vorpo {
namespace {

using Owners = std::array<std::uint8_t, kDeckSize>;

std::vector<Card> StockCards(const Owners& owner) {
  std::vector<Card> cards;
  for (Card c = 0; c < kDeckSize; ++c)
    if (owner[c] == kOwnerStock) cards.push_back(c);
  return cards;
}

// Owner codes of every kind, with the stock holding about the given share of the deck; codes
// next to the stock's (10 and 12 would fool a careless byte comparison) are among them.
Owners MixedOwners(Random& random, std::uint32_t stockShare) {
  Owners owner{};
  for (auto& code : owner)
    code = random.Below(100) < stockShare ? kOwnerStock
                                          : static_cast<std::uint8_t>(random.Below(13) ^ 1);
  return owner;
}

TEST(StockSet, TakesTheCardOfEachRankInCardNumberOrder) {
  Random random{7};
  for (std::uint32_t share : {0u, 3u, 30u, 70u, 100u}) {
    for (int layout = 0; layout < 50; ++layout) {
      const Owners owner = MixedOwners(random, share);
      const std::vector<Card> expected = StockCards(owner);
      for (std::size_t rank = 0; rank < expected.size(); ++rank) {
        StockSet stock(owner);
        ASSERT_EQ(stock.Take(static_cast<int>(rank)), expected[rank])
            << "share " << share << " rank " << rank;
      }
    }
  }
}

TEST(StockSet, ATakenCardLeavesTheSet) {
  Random random{11};
  Owners owner = MixedOwners(random, 60);
  StockSet stock(owner);
  while (!StockCards(owner).empty()) {
    const std::vector<Card> left = StockCards(owner);
    const auto rank = random.Below(static_cast<std::uint32_t>(left.size()));
    const Card taken = stock.Take(static_cast<int>(rank));
    ASSERT_EQ(taken, left[rank]);
    owner[taken] = 0;
  }
}

}  // namespace
}  // namespace vorpo
