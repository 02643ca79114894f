#include "card_set.h"

#include <gtest/gtest.h>

namespace vorpo {
namespace {

// The cards either side of the seam between the two words are where a shift or a count goes
// wrong first.
TEST(CardSet, FindsTheLowestTheHighestAndThePlaceOfACardAcrossBothWords) {
  CardSet cards;
  for (Card card : {Card{0}, Card{63}, Card{64}, Card{111}}) cards.Add(card);
  EXPECT_EQ(cards.Lowest(), 0);
  EXPECT_EQ(cards.Highest(), 111);
  EXPECT_EQ(cards.CountBelow(63), 1);
  EXPECT_EQ(cards.CountBelow(64), 2);
  EXPECT_EQ(cards.CountBelow(111), 3);
  cards.Remove(0);
  cards.Remove(111);
  EXPECT_EQ(cards.Lowest(), 63);
  EXPECT_EQ(cards.Highest(), 64);
  cards.Remove(63);
  EXPECT_EQ(cards.Lowest(), 64);
  EXPECT_FALSE(cards.Contains(63));
  cards.Remove(64);
  EXPECT_TRUE(cards.Empty());
}

TEST(CardSet, EachColourHoldsItsTwentySixCardsAndTheBlackOnesTheRest) {
  CardSet all;
  for (int group = 0; group < 5; ++group) {
    const CardSet& cards = kCardsOfColour[static_cast<std::size_t>(group)];
    EXPECT_EQ(cards.Lowest(), 26 * group);
    EXPECT_EQ(cards.Highest(), group < 4 ? 26 * group + 25 : kDeckSize - 1);
    EXPECT_TRUE((all & cards).Empty());
    all = all | cards;
  }
  EXPECT_EQ(all.CountBelow(kDeckSize - 1), kDeckSize - 1);
}

}  // namespace
}  // namespace vorpo
