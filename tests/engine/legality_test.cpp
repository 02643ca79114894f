#include <gtest/gtest.h>

#include "recording_view.h"

namespace vorpo {
namespace {

using testing::TestTable;

constexpr Card kRed5 = 10, kBlue5 = 36, kRedSkip = 20, kBlue6 = 38, kGreenSkip = 98,
               kYellowSkip = 72, kRedDraw2 = 24, kBlueDraw2 = 50, kYellowDraw2 = 76, kRed3 = 6,
               kGreen3 = 84, kWild = 104, kWild2 = 105, kWildDraw4 = 108, kRed7 = 14, kBlue7 = 40;

TEST(Legality, MatchingByColourAndKind) {
  TestTable t;
  t.Lay(kRed5, {{kBlue5, kRedSkip, kBlue6}});
  EXPECT_TRUE(t.game.CanPlay(kBlue5));
  EXPECT_TRUE(t.game.CanPlay(kRedSkip));
  EXPECT_FALSE(t.game.CanPlay(kBlue6));

  t.Lay(kGreenSkip, {{kYellowSkip, 1}});
  EXPECT_TRUE(t.game.CanPlay(kYellowSkip));
}

TEST(Legality, LastCardMustBeANumberUnlessNotFig) {
  TestTable t;
  t.s.NotFig = false;
  t.Lay(kRed5, {{kRedSkip}});
  EXPECT_FALSE(t.game.CanPlay(kRedSkip));
  t.s.NotFig = true;
  EXPECT_TRUE(t.game.CanPlay(kRedSkip));
  t.s.NotFig = false;
  t.Lay(kRed5, {{kRed3}});
  EXPECT_TRUE(t.game.CanPlay(kRed3));
  t.Lay(kRed5, {{kWild}});
  EXPECT_FALSE(t.game.CanPlay(kWild));
}

TEST(Legality, DrawCardsNeedAStockLargerThanThePenalty) {
  TestTable t;
  t.Lay(kRed5, {{kWildDraw4, kRedDraw2, 1}});
  t.LeaveInStock(4);
  EXPECT_FALSE(t.game.CanPlay(kWildDraw4));
  EXPECT_TRUE(t.game.CanPlay(kRedDraw2));
  t.Lay(kRed5, {{kWildDraw4, kRedDraw2, 1}});
  t.LeaveInStock(5);
  EXPECT_TRUE(t.game.CanPlay(kWildDraw4));
  t.Lay(kRed5, {{kWildDraw4, kRedDraw2, 1}});
  t.LeaveInStock(2);
  EXPECT_FALSE(t.game.CanPlay(kRedDraw2));
  t.Lay(kRed5, {{kWildDraw4, kRedDraw2, 1}});
  t.LeaveInStock(3);
  EXPECT_TRUE(t.game.CanPlay(kRedDraw2));
}

TEST(Legality, AnsweringAPendingDrawTwo) {
  for (bool defDraw : {true, false}) {
    TestTable t;
    t.s.DefDraw = defDraw;
    t.Lay(kRedDraw2, {{kBlueDraw2, kRed5, 1}});
    t.s.PenaltyPending = true;
    t.s.PenaltyCount = 2;
    t.LeaveInStock(5);
    EXPECT_EQ(t.game.CanPlay(kBlueDraw2), defDraw);
    EXPECT_FALSE(t.game.CanPlay(kRed5));
    t.Lay(kRedDraw2, {{kBlueDraw2, kRed5, 1}});
    t.s.PenaltyPending = true;
    t.s.PenaltyCount = 2;
    t.LeaveInStock(4);
    EXPECT_FALSE(t.game.CanPlay(kBlueDraw2));
  }
}

TEST(Legality, AnsweringAPendingWildDrawFour) {
  TestTable t;
  auto lay = [&](int stock) {
    t.Lay(kWildDraw4, {{kBlueDraw2, kRedDraw2, 109, 1}});
    t.s.PenaltyPending = true;
    t.s.PenaltyCount = 4;
    t.s.NamedColour = 1;
    t.LeaveInStock(stock);
  };
  t.s.DefDraw = true;
  t.s.DefDraw4 = true;
  lay(7);
  EXPECT_TRUE(t.game.CanPlay(kBlueDraw2));
  EXPECT_FALSE(t.game.CanPlay(kRedDraw2));
  lay(6);
  EXPECT_FALSE(t.game.CanPlay(kBlueDraw2));
  t.s.DefDraw4 = false;
  lay(9);
  EXPECT_FALSE(t.game.CanPlay(kBlueDraw2));
  EXPECT_FALSE(t.game.CanPlay(kRedDraw2));
  EXPECT_TRUE(t.game.CanPlay(109));
  lay(8);
  EXPECT_FALSE(t.game.CanPlay(109));
}

TEST(Legality, APenaltyCannotBeAnsweredWithTheLastCard) {
  TestTable t;
  t.s.DefDraw = true;
  t.s.NotFig = false;
  t.Lay(kRedDraw2, {{kBlueDraw2}});
  t.s.PenaltyPending = true;
  t.s.PenaltyCount = 2;
  EXPECT_FALSE(t.game.CanPlay(kBlueDraw2));
}

TEST(Legality, SymbolInForceUnderABlackCard) {
  TestTable t;
  t.s.NotFig = false;
  t.Lay(kWild, {{kRed7, kBlue7, kRed3, kGreen3, kWild2}});
  t.s.NamedColour = 0;
  t.s.SymbolShown = true;
  t.s.SymbolInForce = 7;
  EXPECT_TRUE(t.game.CanPlay(kBlue7));
  EXPECT_TRUE(t.game.CanPlay(kRed3));
  EXPECT_FALSE(t.game.CanPlay(kGreen3));
  EXPECT_TRUE(t.game.CanPlay(kWild2));
  t.Lay(kWild, {{kWild2}});
  t.s.SymbolShown = true;
  t.s.SymbolInForce = 7;
  EXPECT_FALSE(t.game.CanPlay(kWild2));

  // A card of the symbol in force is legal even as the last card.
  t.Lay(kWild, {{kGreenSkip}});
  t.s.SymbolShown = true;
  t.s.SymbolInForce = kKindSkip;
  EXPECT_TRUE(t.game.CanPlay(kGreenSkip));
}

TEST(Legality, SymbolInForceAnswersAPenaltyEvenWithoutDefDraw) {
  TestTable t;
  auto lay = [&](int stock) {
    t.Lay(kWildDraw4, {{kYellowDraw2, 109, 1}});
    t.s.PenaltyPending = true;
    t.s.PenaltyCount = 4;
    t.s.SymbolShown = true;
    t.s.SymbolInForce = kKindDrawTwo;
    t.LeaveInStock(stock);
  };
  lay(7);
  EXPECT_TRUE(t.game.CanPlay(kYellowDraw2));
  EXPECT_FALSE(t.game.CanPlay(109));
  lay(6);
  EXPECT_FALSE(t.game.CanPlay(kYellowDraw2));
}

}  // namespace
}  // namespace vorpo
