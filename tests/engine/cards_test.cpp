#include <gtest/gtest.h>

#include "recording_view.h"

namespace vorpo {
namespace {

using testing::TestTable;

TEST(Cards, AttributesOfCardNumbers) {
  EXPECT_EQ(ColourOf(0), 0);
  EXPECT_EQ(KindOf(0), 0);
  EXPECT_EQ(KindOf(1), 0);
  EXPECT_TRUE(IsSkip(20));
  EXPECT_EQ(KindOf(20), kKindSkip);
  EXPECT_TRUE(IsDrawTwo(25));
  EXPECT_EQ(ColourOf(26), 1);
  EXPECT_EQ(KindOf(26), 0);
  EXPECT_EQ(ColourOf(103), 3);
  EXPECT_EQ(KindOf(103), kKindDrawTwo);
  EXPECT_EQ(ColourOf(104), 4);  // black cards match no colour
  EXPECT_FALSE(IsNumberCard(20));
  EXPECT_TRUE(IsNumberCard(19));
}

TEST(Cards, PictureCells) {
  EXPECT_EQ(ImageCell(25), 12);
  EXPECT_EQ(ImageCell(26), 13);
  EXPECT_EQ(ImageCell(77), 38);
  EXPECT_EQ(ImageCell(103), 51);
  for (int c = 104; c <= 107; ++c) EXPECT_EQ(ImageCell(c), 52);
  for (int c = 108; c <= 111; ++c) EXPECT_EQ(ImageCell(c), 53);
}

TEST(Cards, TextsAndSortedHands) {
  EXPECT_EQ(CardText(7), "007");
  EXPECT_EQ(CardText(104), "104");
  HandList hand;
  for (Card c : std::initializer_list<Card>{104, 3, 26}) hand.Append(c);
  EXPECT_EQ(hand.TextAt(0), "104");  // appended, not yet sorted
  hand.Sort();
  EXPECT_EQ(hand.TextAt(0), "003");
  EXPECT_EQ(hand.TextAt(1), "026");
  EXPECT_EQ(hand.TextAt(2), "104");
  EXPECT_EQ(hand.Find(26), 1);
  EXPECT_EQ(hand.Find(27), -1);
  hand.Delete(1);
  EXPECT_EQ(hand.Count(), 2);
  EXPECT_EQ(hand.At(1), 104);
}

TEST(Stock, DealingTenSeatsOfTen) {
  TestTable t;
  t.s.Players = 10;
  t.s.StartingCards = 10;
  t.game.DealCards();
  int inHands = 0;
  for (std::size_t seat = 0; seat < 10; ++seat) {
    EXPECT_EQ(t.s.Hands[seat].Count(), 10);
    inHands += t.s.Hands[seat].Count();
  }
  EXPECT_EQ(inHands, 100);
  EXPECT_EQ(t.s.StockCount, 11);
  EXPECT_TRUE(IsColoured(t.s.TopCard));
  EXPECT_EQ(t.s.SymbolInForce, KindOf(t.s.TopCard));
  EXPECT_EQ(t.s.CurSeat, t.s.PrevSeat);
}

TEST(Stock, FirstTopCardIsNeverBlack) {
  TestTable t;
  for (int deal = 0; deal < 2000; ++deal) {
    t.game.DealCards();
    ASSERT_TRUE(IsColoured(t.s.TopCard));
  }
}

TEST(Stock, DrawingTheLastCardHidesTheStock) {
  TestTable t;
  t.Lay(10, {{1, 2}, {3, 4}});
  t.LeaveInStock(1);
  Card only = 0;
  for (Card c = 0; c < kDeckSize; ++c)
    if (t.s.Owner[c] == kOwnerStock) only = c;
  t.game.Show(Indicator::Stock, true);
  EXPECT_EQ(t.game.DrawFromStock(1, true), only);
  EXPECT_EQ(t.s.StockCount, 0);
  EXPECT_FALSE(t.s.IsVisible(Indicator::Stock));
}

TEST(Stock, PlayingReturnsTheOldTopCardToTheStock) {
  TestTable t;
  t.Lay(10, {{36, 50}});
  const int before = t.s.StockCount;
  t.game.MoveToDiscard(0, 36);
  EXPECT_EQ(t.s.StockCount, before + 1);
  EXPECT_EQ(t.s.Owner[10], kOwnerStock);
  EXPECT_EQ(t.s.Owner[36], kOwnerDiscard);
  EXPECT_EQ(t.s.TopCard, 36);
  EXPECT_EQ(t.s.Hands[0].Count(), 1);
}

TEST(Stock, HumansDrawStaysLastWithoutNotYama) {
  for (bool notYama : {false, true}) {
    TestTable t;
    t.s.NotYama = notYama;
    // Only high cards are left in the hands, so the stock holds lower ones.
    t.Lay(10, {{100, 101}, {102, 103}});
    t.game.Image2Click();
    const HandList& hand = t.s.Hands[0];
    ASSERT_EQ(hand.Count(), 3);
    if (notYama) {
      EXPECT_LT(hand.At(0), 100);  // sorted at once
    } else {
      EXPECT_LT(hand.At(2), 100);  // the drawn card stays at the right-hand end
    }
    EXPECT_TRUE(t.s.HasDrawn);
    EXPECT_TRUE(t.s.IsVisible(Indicator::Pass));
    EXPECT_EQ(t.view.sounds.back(), "SE12");
  }
}

TEST(Stock, WrappingSeats) {
  TestTable t;
  t.s.Players = 4;
  EXPECT_EQ(t.game.WrapSeat(-2), 2);
  EXPECT_EQ(t.game.WrapSeat(-1), 3);
  EXPECT_EQ(t.game.WrapSeat(4), 0);
  EXPECT_EQ(t.game.WrapSeat(5), 1);
  t.s.Players = 2;
  EXPECT_EQ(t.game.WrapSeat(2), 0);
  EXPECT_EQ(t.game.WrapSeat(-2), 0);
  EXPECT_EQ(t.game.WrapSeat(3), 1);
}

// One seed gives one exact deal: any change to dealing shows here.
TEST(Stock, GoldenDeal) {
  testing::RecordingView view;
  Random random{2026};
  Game game{view, random};
  game.TestingState().Players = 3;
  game.TestingState().StartingCards = 5;
  game.DealCards();
  std::string dealt;
  for (std::size_t seat = 0; seat < 3; ++seat) {
    for (Card c : game.TestingState().Hands[seat]) dealt += CardText(c) + " ";
    dealt += "| ";
  }
  dealt += "top " + CardText(game.TestingState().TopCard) + " first " +
           std::to_string(game.TestingState().CurSeat);
  EXPECT_EQ(dealt,
            "018 022 079 097 105 | 031 046 083 089 095 | 004 011 050 053 073 | top 085 first 1");
}

// Callers keep these promises; a debug build stops at the first broken one instead of wrapping
// the stock count or reading past a hand.
#ifndef NDEBUG
TEST(EnginePreconditionsDeathTest, BrokenPromisesStopADebugBuild) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  TestTable t;
  t.s.Players = 2;
  t.s.StartingCards = 7;
  t.game.DealCards();
  t.s.StockCount = 0;
  EXPECT_DEATH(t.game.DrawFromStock(0, true), "empty stock");

  t.game.DealCards();
  t.s.CurSeat = 0;
  const Card notHeld = t.s.Hands[1].At(0);
  EXPECT_DEATH(t.game.PlayCard(notHeld), "hand whose turn it is");

  HandList unsorted;
  unsorted.Append(9);
  unsorted.Append(3);
  EXPECT_DEATH(unsorted.Find(3), "once sorted");
}
#endif

}  // namespace
}  // namespace vorpo
