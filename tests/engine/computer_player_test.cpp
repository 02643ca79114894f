#include <gtest/gtest.h>

#include "recording_view.h"

namespace vorpo {
namespace {

using testing::TestTable;

std::string Order(int red, int blue, int yellow, int green) {
  static const char* names[] = {"red", "blue", "yellow", "green"};
  const int counts[4] = {red, blue, yellow, green};
  HandList hand;
  for (int colour = 0; colour < 4; ++colour)
    for (int i = 0; i < counts[colour]; ++i) hand.Append(static_cast<Card>(26 * colour + i));
  hand.Append(104);  // black cards are not counted
  hand.Sort();
  std::string text;
  for (int colour : ColourSearchOrder(hand))
    text += std::string(text.empty() ? "" : ", ") + names[colour];
  return text;
}

TEST(ComputerPlayer, ColourSearchOrder) {
  EXPECT_EQ(Order(1, 1, 1, 1), "green, yellow, blue, red");
  EXPECT_EQ(Order(2, 2, 0, 0), "blue, red, green, yellow");
  EXPECT_EQ(Order(2, 0, 2, 0), "red, yellow, green, blue");
  EXPECT_EQ(Order(0, 2, 2, 0), "blue, yellow, green, red");
  EXPECT_EQ(Order(0, 0, 2, 2), "green, yellow, red, blue");
  EXPECT_EQ(Order(2, 0, 0, 2), "green, red, yellow, blue");
  EXPECT_EQ(Order(0, 2, 0, 2), "green, blue, yellow, red");
  EXPECT_EQ(Order(2, 2, 2, 0), "red, yellow, blue, green");
  EXPECT_EQ(Order(3, 1, 1, 0), "red, blue, yellow, green");
  EXPECT_EQ(Order(0, 0, 0, 0), "green, yellow, blue, red");
}

constexpr Card kRed5 = 10, kRed3 = 6, kRedSkip = 21, kBlue5 = 36, kBlue7 = 40, kRed2 = 4,
               kRed7 = 14, kRed3Top = 7, kWild = 104, kWildDraw4 = 108, kRedDraw2 = 24,
               kBlueDraw2 = 50;

TEST(ComputerPlayer, TheLargestColourIsSearchedFirstHighestCardFirst) {
  TestTable t;
  t.s.Players = 2;
  t.Lay(kRed5, {{1}, {kRed3, kRedSkip, kBlue5}}, 1);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.TopCard, kRedSkip);

  t.Lay(kRed5, {{1}, {kBlue5, kBlue7, kRed2}}, 1);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.TopCard, kBlue5);
}

TEST(ComputerPlayer, TwoCardsOneBlackGoesOutFast) {
  TestTable t;
  t.s.Players = 2;
  t.Lay(kRed5, {{1}, {kWild, kWildDraw4}}, 1);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.TopCard, kWildDraw4);

  t.Lay(kRed5, {{1}, {kWild, kWildDraw4}}, 1);
  t.LeaveInStock(4, 0);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.TopCard, kWild);

  t.Lay(kRed3Top, {{1}, {kRed7, kWild}}, 1);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.TopCard, kWild);
}

TEST(ComputerPlayer, DrawsThenPlaysOrPasses) {
  TestTable t;
  t.s.Players = 2;
  t.Lay(kRed5, {{1}, {60, 64}}, 1);  // two yellow cards: nothing legal
  t.LeaveInStock(0, 0);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.Hands[1].Count(), 2);  // empty stock: passes without drawing
  EXPECT_EQ(t.view.sounds.back(), "SE11");
  EXPECT_EQ(t.s.CurSeat, 0);

  // A drawn card that is not legal is kept, and the seat passes. The one card left in the
  // stock is the last Wild Draw Four, which the emptied stock cannot allow.
  t.Lay(kRed5, {{1}, {60, 64}}, 1);
  t.LeaveInStock(1, 0);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.Hands[1].Count(), 3);
  EXPECT_TRUE(t.s.Hands[1].Contains(111));
  EXPECT_EQ(t.view.sounds.back(), "SE11");
}

TEST(ComputerPlayer, NotYamaLetsAnOldCardFollowTheDraw) {
  TestTable t;
  t.s.Players = 2;
  t.s.NotFig = false;
  t.s.NotYama = true;
  // The Skip alone may not finish the hand; after the draw it may be played.
  t.Lay(kRed5, {{1}, {kRedSkip}}, 1);
  t.LeaveInStock(1, 0);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.TopCard, kRedSkip);
  EXPECT_EQ(t.s.Hands[1].Count(), 1);
}

TEST(ComputerPlayer, AnswersAPenaltyWithTheLowestDrawCard) {
  TestTable t;
  t.s.Players = 3;
  t.s.DefDraw = true;
  t.Lay(kRedDraw2, {{1}, {kBlueDraw2, 109, 3}, {2}}, 1);
  t.s.PenaltyPending = true;
  t.s.PenaltyCount = 2;
  t.game.TimerTimer();
  EXPECT_EQ(t.s.TopCard, kBlueDraw2);
  EXPECT_EQ(t.s.PenaltyCount, 4);
}

TEST(ComputerPlayer, WithoutDefDrawTheTickPaysAtOnce) {
  TestTable t;
  t.s.Players = 3;
  t.Lay(kRedDraw2, {{1}, {kBlueDraw2, 3}, {2}}, 1);
  t.s.PenaltyPending = true;
  t.s.PenaltyCount = 2;
  t.game.TimerTimer();
  EXPECT_EQ(t.s.Hands[1].Count(), 4);
  EXPECT_EQ(t.s.TopCard, kRedDraw2);
}

TEST(ComputerPlayer, ChoosesTheColourOfTheLargestGroup) {
  auto choose = [](std::vector<Card> cards) {
    TestTable t;
    t.Lay(110, {cards});
    return t.game.ChooseColor();
  };
  EXPECT_EQ(choose({0, 1, 26, 27, 28, 52, 53, 54, 78}), 1);   // 2, 3, 3, 1: blue
  EXPECT_EQ(choose({0, 26, 27, 52, 53, 54, 78, 79, 80}), 2);  // 1, 2, 3, 3: yellow
  EXPECT_EQ(choose({104}), 0);                                // no coloured card: red
  EXPECT_EQ(choose({0, 52}), 0);                              // 1, 0, 1, 0: red
}

}  // namespace
}  // namespace vorpo
