#include "hand_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "game.h"
#include "random.h"

namespace vorpo {
namespace {

std::vector<Card> CardsOf(const HandList& hand) {
  return {hand.begin(), hand.end()};
}

void ExpectGroupsCounted(const HandList& hand) {
  for (int group = 0; group < kColourGroups; ++group) {
    const auto inGroup =
        std::count_if(hand.begin(), hand.end(), [&](Card c) { return ColourOf(c) == group; });
    EXPECT_EQ(hand.GroupCount(group), inGroup) << "group " << group;
  }
}

TEST(HandList, InsertingKeepsTheHandThatAppendingAndSortingMake) {
  Random random{3};
  for (int round = 0; round < 200; ++round) {
    HandList inserted, appended;
    std::array<bool, kDeckSize> held{};
    const auto size = random.Below(40);
    for (std::uint32_t i = 0; i < size; ++i) {
      const auto card = static_cast<Card>(random.Below(kDeckSize));
      if (held[card]) continue;
      held[card] = true;
      inserted.Insert(card);
      appended.Append(card);
      appended.Sort();
      ASSERT_EQ(CardsOf(inserted), CardsOf(appended));
    }
    ExpectGroupsCounted(inserted);
    EXPECT_TRUE(inserted.IsSorted());
  }
}

TEST(HandList, KnowsItsOrderAndItsColoursThroughEveryChange) {
  HandList hand;
  hand.Append(3);
  hand.Append(30);
  EXPECT_TRUE(hand.IsSorted());  // appended in order
  hand.Append(105);
  hand.Append(10);  // the human's drawn card, kept at the right-hand end
  EXPECT_FALSE(hand.IsSorted());
  EXPECT_EQ(hand.At(3), 10);
  ExpectGroupsCounted(hand);
  EXPECT_EQ(hand.GroupCount(0), 2);
  EXPECT_EQ(hand.GroupCount(kBlackGroup), 1);

  hand.Delete(3);  // the card out of place is gone: the hand is in order again
  EXPECT_TRUE(hand.IsSorted());
  EXPECT_EQ(hand.Find(30), 1);
  ExpectGroupsCounted(hand);

  hand.Insert(52);  // a yellow card goes between the blue one and the black one
  EXPECT_EQ(CardsOf(hand), (std::vector<Card>{3, 30, 52, 105}));
  ExpectGroupsCounted(hand);

  hand.Clear();
  EXPECT_TRUE(hand.IsSorted());
  ExpectGroupsCounted(hand);
}

// The colour order as the exchange sort of the counts leaves it, one exchange at a time.
std::array<int, 4> ExchangeOrder(const std::array<int, 4>& counts) {
  int count[4] = {counts[0], counts[1], counts[2], counts[3]};
  int order[4] = {0, 1, 2, 3};
  for (int p = 0; p < 4; ++p)
    for (int q = 0; q < 4; ++q)
      if (count[p] < count[q]) {
        std::swap(count[p], count[q]);
        std::swap(order[p], order[q]);
      }
  return {order[3], order[2], order[1], order[0]};
}

TEST(HandList, ColourSearchOrderFollowsTheExchangeSortForEveryCountPattern) {
  constexpr int kMost = 7;
  for (int n = 0; n < kMost * kMost * kMost * kMost; ++n) {
    const std::array<int, 4> count = {n % kMost, n / kMost % kMost, n / (kMost * kMost) % kMost,
                                      n / (kMost * kMost * kMost)};
    HandList hand;
    for (int colour = 0; colour < 4; ++colour)
      for (int i = 0; i < count[static_cast<std::size_t>(colour)]; ++i)
        hand.Insert(static_cast<Card>(26 * colour + 2 * i));
    hand.Insert(108);
    ASSERT_EQ(ColourSearchOrder(hand), ExchangeOrder(count))
        << count[0] << " " << count[1] << " " << count[2] << " " << count[3];
  }
}

}  // namespace
}  // namespace vorpo
