#include <gtest/gtest.h>

#include <algorithm>

#include "recording_view.h"

namespace vorpo {
namespace {

using testing::TestTable;

constexpr Card kRed5 = 10, kRed6 = 12, kRedSkip = 20, kRedReverse = 22, kRedDraw2 = 24,
               kBlueDraw2 = 50, kWild = 104, kWildDraw4 = 108, kGreen9 = 97, kBlue3 = 32,
               kYellow1 = 54;

TEST(TurnEngine, SkipAndReverseWithTwoSeatsGiveTheSameSeatAgain) {
  for (Card card : {kRedSkip, kRedReverse}) {
    TestTable t;
    t.s.Players = 2;
    t.Lay(kRed5, {{card, 1, 2}, {3, 4}}, 0);
    t.game.PlayCard(card);
    EXPECT_EQ(t.s.CurSeat, 0) << int(card);
    EXPECT_TRUE(t.view.highlighted[0]);
  }
}

TEST(TurnEngine, SkipAndReverseWithFourSeats) {
  TestTable t;
  t.s.Players = 4;
  t.Lay(kRed5, {{1}, {2}, {3}, {kRedSkip, 4}}, 3);
  t.game.PlayCard(kRedSkip);
  EXPECT_EQ(t.s.CurSeat, 1);
  EXPECT_EQ(t.view.sounds.back(), "SE15");

  t.Lay(kRed5, {{kRedReverse, 1}, {2}, {3}, {4}}, 0);
  t.game.PlayCard(kRedReverse);
  EXPECT_EQ(t.s.CurSeat, 3);
  EXPECT_EQ(t.s.Direction, -1);
  EXPECT_TRUE(t.s.IsVisible(Indicator::ArrowUp));
  EXPECT_FALSE(t.s.IsVisible(Indicator::ArrowDown));
  EXPECT_EQ(t.view.sounds.back(), "SE14");
}

TEST(TurnEngine, ADrawTwoIsPaidByTheNextSeatWhoLosesTheTurn) {
  TestTable t;
  t.s.Players = 3;
  t.Lay(kRed5, {{1}, {kRedDraw2, 2}, {3}}, 1);
  t.game.PlayCard(kRedDraw2);
  EXPECT_EQ(t.s.CurSeat, 2);
  EXPECT_TRUE(t.s.PenaltyPending);
  EXPECT_EQ(t.view.sounds.back(), "SE16");
  t.game.DoPass();
  EXPECT_EQ(t.s.Hands[2].Count(), 3);
  EXPECT_EQ(t.view.sounds.back(), "SE17");
  EXPECT_EQ(t.s.PenaltyCount, 0);
  EXPECT_FALSE(t.s.PenaltyPending);
  EXPECT_EQ(t.s.CurSeat, 0);
}

TEST(TurnEngine, StackedDrawTwosAddUp) {
  TestTable t;
  t.s.Players = 3;
  t.s.DefDraw = true;
  t.Lay(kRed5, {{1}, {kRedDraw2, 2}, {kBlueDraw2, 3}}, 1);
  t.game.PlayCard(kRedDraw2);
  t.game.PlayCard(kBlueDraw2);
  EXPECT_EQ(t.view.penaltyCaption, "Draw: 4");
  EXPECT_TRUE(t.s.IsVisible(Indicator::Penalty));
  EXPECT_EQ(t.s.CurSeat, 0);
  t.game.DoPass();
  EXPECT_EQ(t.s.Hands[0].Count(), 5);
}

TEST(TurnEngine, PenaltyLabelStaysHiddenWithoutDefDraw) {
  TestTable t;
  t.s.Players = 3;
  t.Lay(kRed5, {{1}, {kRedDraw2, 2}, {3}}, 1);
  t.game.PlayCard(kRedDraw2);
  EXPECT_TRUE(t.s.PenaltyPending);
  EXPECT_FALSE(t.s.IsVisible(Indicator::Penalty));
}

TEST(TurnEngine, HumansBlackCardWaitsForTheColour) {
  TestTable t;
  t.s.Players = 3;
  t.Lay(kRed5, {{kWildDraw4, 1}, {2}, {3}}, 0);
  t.view.sounds.clear();
  t.game.PlayCard(kWildDraw4);
  EXPECT_TRUE(t.s.AwaitingColour);
  EXPECT_TRUE(t.s.IsVisible(Indicator::ColourChooser));
  EXPECT_EQ(t.s.PenaltyCount, 0);
  EXPECT_TRUE(t.view.sounds.empty());
  EXPECT_EQ(t.s.CurSeat, 0);

  // While the colour is awaited a pass is ignored.
  t.game.DoPass();
  EXPECT_EQ(t.s.CurSeat, 0);

  t.game.Label4Click(2);
  EXPECT_FALSE(t.s.AwaitingColour);
  EXPECT_FALSE(t.s.IsVisible(Indicator::ColourChooser));
  EXPECT_EQ(t.s.NamedColour, 2);
  EXPECT_EQ(t.s.PenaltyCount, 4);
  EXPECT_EQ(t.view.sounds.back(), "SE16");
  EXPECT_EQ(t.view.swatch, 2);
  EXPECT_TRUE(t.s.IsVisible(Indicator::ColourSwatch));
  EXPECT_EQ(t.s.CurSeat, 1);
}

TEST(TurnEngine, AWildAsTheLastCardEndsTheDealWithoutAColour) {
  TestTable t;
  t.s.Players = 3;
  t.Lay(kRed5, {{kWild}, {2}, {3}}, 0);
  t.game.PlayCard(kWild);
  EXPECT_FALSE(t.s.AwaitingColour);
  EXPECT_EQ(t.s.Direction, 0);
  EXPECT_EQ(t.view.sheetsShown, 1);
}

TEST(TurnEngine, TheEngineDecidesWhichHandsLieFaceDown) {
  for (const std::uint8_t openMode : {std::uint8_t{0}, std::uint8_t{2}}) {
    TestTable t;
    t.s.Players = 3;
    t.s.OpenMode = openMode;
    t.s.MatchState = 0;
    t.game.StartDeal();
    const auto& calls = t.view.calls;
    const bool down = openMode == 0;
    EXPECT_NE(std::find(calls.begin(), calls.end(), "DrawHand 0 up"), calls.end());
    for (const char* seat : {"DrawHand 1", "DrawHand 2"})
      EXPECT_NE(std::find(calls.begin(), calls.end(), std::string(seat) + (down ? " down" : " up")),
                calls.end())
          << seat << " with open mode " << int{openMode};
  }
}

TEST(TurnEngine, AComputerNamesTheColourOfItsLargestGroup) {
  TestTable t;
  t.s.Players = 3;
  t.Lay(kRed5, {{1}, {kWild, kGreen9, 95, kBlue3}, {3}}, 1);
  t.game.PlayCard(kWild);
  EXPECT_EQ(t.s.NamedColour, 3);
  EXPECT_EQ(t.view.sounds.back(), "SE18");
  EXPECT_TRUE(t.s.IsVisible(Indicator::SwatchCaption));
}

TEST(TurnEngine, PassingOnAnEmptyStock) {
  TestTable t;
  t.s.Players = 2;
  t.Lay(kRed5, {{kBlue3, 60}, {kYellow1, 61}}, 1);
  t.LeaveInStock(0, 1);
  t.game.DoPass();
  EXPECT_EQ(t.s.CurSeat, 0);
  EXPECT_TRUE(t.s.IsVisible(Indicator::Pass));
  EXPECT_FALSE(t.s.TimerEnabled);
  t.game.Image2Click();  // nothing to draw
  EXPECT_EQ(t.s.Hands[0].Count(), 2);
  t.game.DoPass();
  EXPECT_EQ(t.view.sounds.back(), "SE11");
  EXPECT_EQ(t.s.CurSeat, 1);
}

TEST(TurnEngine, APenaltyAgainstTheHumanWithoutDefDrawIsPaidByTheTimer) {
  TestTable t;
  t.s.Players = 2;
  t.Lay(kRed5, {{kBlue3, 60}, {kRedDraw2, 61}}, 1);
  t.game.PlayCard(kRedDraw2);
  EXPECT_EQ(t.s.CurSeat, 0);
  EXPECT_FALSE(t.s.IsVisible(Indicator::Penalty));
  EXPECT_FALSE(t.s.IsVisible(Indicator::Pass));
  EXPECT_TRUE(t.s.TimerEnabled);
  t.game.TimerTimer();
  EXPECT_EQ(t.s.Hands[0].Count(), 4);
  EXPECT_EQ(t.view.sounds.back(), "SE17");
}

TEST(TurnEngine, APenaltyAgainstTheHumanWithDefDrawOffersTheChoice) {
  TestTable t;
  t.s.Players = 2;
  t.s.DefDraw = true;
  t.Lay(kRed5, {{kBlue3, kBlueDraw2}, {kRedDraw2, 61}}, 1);
  t.game.PlayCard(kRedDraw2);
  EXPECT_TRUE(t.s.IsVisible(Indicator::Pass));
  EXPECT_FALSE(t.s.TimerEnabled);

  t.Lay(kRed5, {{kBlue3, 60}, {kRedDraw2, 61}}, 1);
  t.game.Show(Indicator::Pass, false);
  t.game.PlayCard(kRedDraw2);
  EXPECT_FALSE(t.s.IsVisible(Indicator::Pass));
  EXPECT_TRUE(t.s.TimerEnabled);
  t.game.TimerTimer();
  EXPECT_EQ(t.s.Hands[0].Count(), 4);
}

TEST(TurnEngine, EveryPlayShowsTheStockAgain) {
  TestTable t;
  t.s.Players = 2;
  t.Lay(kRed5, {{kRed6, 60}, {61, 62}}, 0);
  t.LeaveInStock(0, 1);
  t.game.Show(Indicator::Stock, false);
  t.game.PlayCard(kRed6);
  EXPECT_EQ(t.s.StockCount, 1);
  EXPECT_TRUE(t.s.IsVisible(Indicator::Stock));
}

TEST(TurnEngine, SymbolInForceIsShownUnderABlackCardWithWildFront) {
  TestTable t;
  t.s.Players = 3;
  t.s.WildFront = true;
  t.Lay(kRed5, {{1}, {kWild, 95, 96}, {3}}, 1);
  t.game.PlayCard(kWild);
  EXPECT_TRUE(t.s.SymbolShown);
  EXPECT_EQ(t.view.symbolCaption, '5');
}

TEST(TurnEngine, MatchStartAndAbort) {
  TestTable t;
  t.game.mnuStartClick();
  EXPECT_EQ(t.s.MatchState, 0);
  EXPECT_NE(t.s.Direction, 0);
  EXPECT_FALSE(t.view.startCommand);
  EXPECT_EQ(t.view.captions[3], "Seat3 (7)");
  EXPECT_TRUE(t.s.IsVisible(Indicator::TopCard));
  EXPECT_EQ(t.s.TimerEnabled, t.s.CurSeat != 0);

  // Abort with the colour chooser open: it stays, inert, until the next match.
  t.game.Show(Indicator::ColourChooser, true);
  t.s.AwaitingColour = true;
  t.game.mnuStartClick();
  EXPECT_EQ(t.s.MatchState, kNoMatch);
  EXPECT_EQ(t.s.Direction, 0);
  EXPECT_FALSE(t.s.AwaitingColour);
  EXPECT_FALSE(t.s.TimerEnabled);
  EXPECT_TRUE(t.view.startCommand);
  EXPECT_TRUE(t.s.IsVisible(Indicator::ColourChooser));
  const Card top = t.s.TopCard;
  t.game.Label4Click(1);
  t.game.Image2Click();
  EXPECT_EQ(t.s.TopCard, top);
  t.game.mnuStartClick();
  EXPECT_FALSE(t.s.IsVisible(Indicator::ColourChooser));
}

}  // namespace
}  // namespace vorpo
