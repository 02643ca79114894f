// Settings come into the game as one value, settled as their source requires.
#include "game_settings.h"

#include <gtest/gtest.h>

#include "recording_view.h"

namespace vorpo {
namespace {

TEST(GameSettings, TheSettingsFileCountsOneHandMoreThanTheOptionsDialog) {
  // Ten seats of eleven cards: 110 cards for the dialog, 121 counted by the file.
  EXPECT_EQ(SettledStartingCards(11, 10, SettingsFrom::OptionsDialog), 11);
  EXPECT_EQ(SettledStartingCards(11, 10, SettingsFrom::SettingsFile), 10);
  EXPECT_EQ(SettledStartingCards(40, 2, SettingsFrom::SettingsFile), 37);
  EXPECT_EQ(SettledStartingCards(56, 2, SettingsFrom::OptionsDialog), 55);
  EXPECT_EQ(SettledStartingCards(0, 5, SettingsFrom::SettingsFile), 1);
}

TEST(GameSettings, EveryRangeIsSettledBeforeTheCardsAreCapped) {
  GameSettings read;
  read.Players = 200;
  read.CalcProc = 7;
  read.IRWScore = -4;
  read.JRTurns = 99;
  read.StartingCards = 30;
  const GameSettings s = Settled(read, SettingsFrom::SettingsFile);
  EXPECT_EQ(s.Players, 10);
  EXPECT_EQ(s.CalcProc, 1);
  EXPECT_EQ(s.IRWScore, 1);
  EXPECT_EQ(s.JRTurns, 30);
  EXPECT_EQ(s.StartingCards, 10);  // capped for the ten seats, not for 200
  read.Players = 1;
  EXPECT_EQ(Settled(read, SettingsFrom::SettingsFile).Players, 2);
}

TEST(GameSettings, RankingFixesTheStandardRulesAndKeepsTheRest) {
  GameSettings mine;
  mine.Players = 8;
  mine.CalcProc = 1;
  mine.IRWScore = 100;
  mine.StartingCards = 9;
  mine.OpenMode = mine.DefDraw = mine.NotYama = mine.WildFront = mine.UseOtherScoreTable = 1;
  mine.NotFig = 2;
  mine.JRTurns = 12;
  mine.DefDraw4 = 1;
  mine.ConfiguredNames[0] = "花子";
  const GameSettings ranked = WithRankingRules(mine);
  EXPECT_EQ(ranked.Players, 5);
  EXPECT_EQ(ranked.CalcProc, 0);
  EXPECT_EQ(ranked.IRWScore, 500);
  EXPECT_EQ(ranked.StartingCards, 7);
  EXPECT_EQ(ranked.OpenMode + ranked.DefDraw + ranked.NotYama + ranked.WildFront, 0);
  EXPECT_EQ(ranked.UseOtherScoreTable, 0);
  EXPECT_EQ(ranked.NotFig, 2);  // already on: the byte stays
  EXPECT_EQ(ranked.JRTurns, 12);
  EXPECT_EQ(ranked.DefDraw4, 1);
  EXPECT_EQ(ranked.ConfiguredNames[0], "花子");
}

TEST(GameSettings, ApplyingSettlesAndLeavesTheDealAlone) {
  testing::TestTable t;
  t.s.Players = 3;
  t.game.DealCards();
  const auto hand = t.s.Hands[0].Count();
  GameSettings next = t.game.State();
  next.Players = 0;
  next.WildFront = 3;
  t.game.ApplySettings(next, SettingsFrom::OptionsDialog);
  EXPECT_EQ(t.game.State().Players, 2);
  EXPECT_EQ(t.game.State().WildFront, 3);
  EXPECT_EQ(t.game.State().Hands[0].Count(), hand);
}

}  // namespace
}  // namespace vorpo
