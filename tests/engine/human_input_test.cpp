#include <gtest/gtest.h>

#include "recording_view.h"

namespace vorpo {
namespace {

using testing::TestTable;

constexpr Card kRed5 = 10, kRed6 = 12, kBlue3 = 32, kGreen8 = 94, kWild = 104;

// Lays a human turn in which the stock holds one known card: the highest card left in it.
void LayDrawTurn(TestTable& t, std::vector<Card> hand) {
  t.s.Players = 2;
  t.Lay(kRed5, {hand, {60, 64}}, 0);
}

TEST(HumanInput, AfterADrawOnlyTheDrawnCardPlaysWithoutNotYama) {
  TestTable t;
  LayDrawTurn(t, {kRed6, kBlue3});
  // The one card left to draw is the last Wild Draw Four, which the emptied stock forbids.
  t.LeaveInStock(1, 1);
  t.game.Image2Click();
  EXPECT_EQ(t.s.Hands[0].At(2), 111);
  t.game.PlayHandPosition(0);  // the red 6 is legal, but it is not the drawn card
  EXPECT_EQ(t.s.TopCard, kRed5);
  t.game.DefaultMove();  // the drawn card cannot be played: the space bar passes
  EXPECT_EQ(t.view.sounds.back(), "SE11");
  EXPECT_EQ(t.s.Hands[0].Count(), 3);
  EXPECT_FALSE(t.s.IsVisible(Indicator::Pass));
  EXPECT_EQ(t.s.CurSeat, 1);
}

TEST(HumanInput, WithNotYamaAnyLegalCardFollowsTheDraw) {
  TestTable t;
  t.s.NotYama = true;
  LayDrawTurn(t, {kRed6, kBlue3});
  t.game.Image2Click();
  const int position = t.s.Hands[0].Find(kRed6);
  t.game.PlayHandPosition(position);
  EXPECT_EQ(t.s.TopCard, kRed6);
  EXPECT_FALSE(t.s.IsVisible(Indicator::Pass));
}

TEST(HumanInput, PressesOutsideTheTurnOrOfIllegalCardsAreIgnored) {
  TestTable t;
  LayDrawTurn(t, {kRed6, kBlue3});
  t.game.PlayHandPosition(1);  // blue 3 on red 5
  EXPECT_EQ(t.s.TopCard, kRed5);
  t.game.PlayHandPosition(99);  // beyond the hand: the last card, still illegal
  EXPECT_EQ(t.s.TopCard, kRed5);
  t.s.CurSeat = 1;
  t.game.PlayHandPosition(0);
  EXPECT_EQ(t.s.TopCard, kRed5);
  t.s.CurSeat = 0;
  t.s.Direction = 0;
  t.game.PlayHandPosition(0);
  t.game.DefaultMove();
  EXPECT_EQ(t.s.TopCard, kRed5);
  EXPECT_EQ(t.s.Hands[0].Count(), 2);
}

TEST(HumanInput, SpacePlaysAWholeTurn) {
  TestTable t;
  LayDrawTurn(t, {kBlue3, kGreen8, kWild});
  // The first legal card in hand order is the Wild; it waits for a colour.
  t.game.DefaultMove();
  EXPECT_TRUE(t.s.AwaitingColour);
  t.game.DefaultMove();  // names the colour a computer would: blue and green tie, blue wins
  EXPECT_FALSE(t.s.AwaitingColour);
  EXPECT_EQ(t.s.NamedColour, 1);
  EXPECT_EQ(t.s.CurSeat, 1);
}

TEST(HumanInput, SpaceDrawsWhenNothingIsLegalAndPassesOnAnEmptyStock) {
  TestTable t;
  LayDrawTurn(t, {kBlue3, kGreen8});
  t.game.DefaultMove();
  EXPECT_EQ(t.view.sounds.back(), "SE12");
  EXPECT_TRUE(t.s.HasDrawn);

  TestTable u;
  LayDrawTurn(u, {kBlue3, kGreen8});
  u.LeaveInStock(0, 1);
  u.game.Show(Indicator::Pass, true);  // offered at the start of the turn
  u.game.DefaultMove();
  EXPECT_EQ(u.view.sounds.back(), "SE11");
  EXPECT_EQ(u.s.CurSeat, 1);
}

}  // namespace
}  // namespace vorpo
