#include "match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorpo {
namespace {

// A match as the sheet sees it: seat names and one row of deal scores per deal.
GameState Match(std::vector<std::string> names, std::vector<std::vector<int>> deals,
                int calcProc = 0) {
  GameState s;
  s.Players = static_cast<std::uint8_t>(names.size());
  s.CalcProc = static_cast<std::uint8_t>(calcProc);
  s.IRWScore = 500;
  s.JRTurns = 5;
  s.MatchState = 0;
  for (std::size_t seat = 0; seat < names.size(); ++seat) s.SeatNames[seat] = names[seat];
  for (const auto& deal : deals)
    for (std::size_t seat = 0; seat < deal.size(); ++seat)
      s.ScoreLists[seat].push_back(std::to_string(deal[seat]));
  return s;
}

std::string Lines(std::vector<std::string> lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
  return text;
}

std::string Spaces(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

TEST(ScoreSheetText, ThreeSeatsTwoDealsComeOutColumnForColumn) {
  const GameState s = Match({"Taro", "Jiro", "Hana"}, {{45, 0, 0}, {0, 30, 0}});
  const std::string sheet = Lines({
      "Taro" + Spaces(9) + "Jiro" + Spaces(9) + "Hana",
      "",
      Spaces(6) + "45" + Spaces(12) + "0" + Spaces(12) + "0",
      Spaces(7) + "0" + Spaces(11) + "30" + Spaces(12) + "0",
      "",
      Spaces(6) + "45" + Spaces(11) + "30" + Spaces(12) + "0",
  });
  EXPECT_EQ(ScoreSheetText(s, false), sheet);
  EXPECT_EQ(ScoreSheetText(s, true), sheet + "\r\n\r\nWINNER : Taro");
  EXPECT_EQ(ScoreSheetCaption(false), "成績表");
  EXPECT_EQ(ScoreSheetCaption(true), "成績表 - ゲーム終了");
}

TEST(ScoreSheetText, NamesArePaddedByTheirShiftJisLength) {
  // 山田 is 4 bytes in CP932 (6 in UTF-8); twelve bytes and more get only the separating space.
  const GameState s = Match({"山田", "ABCDEFGHIJKL", "ABCDEFGHIJKLMN", "x"}, {});
  EXPECT_EQ(ScoreSheetText(s, false).substr(0, ScoreSheetText(s, false).find('\r')),
            "山田" + Spaces(9) + "ABCDEFGHIJKL ABCDEFGHIJKLMN x");
  // A long name pushes the names after it right, but the number columns stay put.
  const GameState wide = Match({"コンピュータ1", "b"}, {{-12, 12}});
  EXPECT_EQ(ScoreSheetText(wide, false),
            Lines({"コンピュータ1 b", "", Spaces(5) + "-12" + Spaces(11) + "12", "",
                   Spaces(5) + "-12" + Spaces(11) + "12"}));
}

TEST(ScoreSheetText, EmptyMatchShowsNamesTwoEmptyLinesAndZeros) {
  GameState s = Match({"Taro", "Jiro"}, {});
  EXPECT_FALSE(MatchIsOver(s));
  EXPECT_EQ(ScoreSheetText(s, false),
            Lines({"Taro" + Spaces(9) + "Jiro", "", "", Spaces(7) + "0" + Spaces(12) + "0"}));
  s.CalcProc = 1;
  EXPECT_FALSE(MatchIsOver(s));
}

TEST(MatchEnd, InternationalRuleEndsAtTheWinningScore) {
  GameState s = Match({"a", "b", "c"}, {{0, 499, 0}});
  EXPECT_FALSE(MatchIsOver(s));
  s = Match({"a", "b", "c"}, {{0, 499, 0}, {0, 1, 0}});
  EXPECT_TRUE(MatchIsOver(s));
  EXPECT_TRUE(ScoreSheetText(s, true).ends_with("\r\n\r\nWINNER : b"));
}

TEST(MatchEnd, InternationalRuleEndsAfterThirtyDealsWithEveryTiedSeat) {
  std::vector<std::vector<int>> deals(29, {1, 0, 1});
  GameState s = Match({"a", "b", "c"}, deals);
  EXPECT_FALSE(MatchIsOver(s));
  deals.push_back({0, 0, 0});
  s = Match({"a", "b", "c"}, deals);
  EXPECT_TRUE(MatchIsOver(s));
  EXPECT_TRUE(ScoreSheetText(s, true).ends_with("\r\n" + Spaces(6) + "29" + Spaces(12) + "0" +
                                                Spaces(11) + "29\r\n\r\nWINNER : a c"));
}

TEST(MatchEnd, JapaneseRuleEndsAfterItsDealsAndListsTies) {
  std::vector<std::vector<int>> deals = {{10, -4, -6}, {-5, 12, -7}, {-3, -2, 5}, {-2, 2, 0}};
  GameState s = Match({"a", "b", "c"}, deals, 1);
  EXPECT_FALSE(MatchIsOver(s));
  deals.push_back({9, -9, 0});
  s = Match({"a", "b", "c"}, deals, 1);
  EXPECT_TRUE(MatchIsOver(s));
  const auto totals = SeatTotals(s);
  EXPECT_EQ(totals[0] + totals[1] + totals[2], 0);
  EXPECT_TRUE(ScoreSheetText(s, true).ends_with("WINNER : a"));
  // A high total does not end a match under the Japanese rule.
  EXPECT_FALSE(MatchIsOver(Match({"a", "b"}, {{900, -900}}, 1)));
}

TEST(MatchEnd, JapaneseRuleWithAllTotalsZeroListsEverySeat) {
  GameState s = Match({"a", "b", "c"}, {{5, -5, 0}, {-5, 5, 0}}, 1);
  s.JRTurns = 2;
  EXPECT_TRUE(MatchIsOver(s));
  EXPECT_TRUE(ScoreSheetText(s, true).ends_with("\r\n\r\nWINNER : a b c"));
}

TEST(MatchEnd, EndingTheMatchEmptiesEveryScoreList) {
  GameState s = Match({"a", "b"}, {{7, 0}});
  s.ScoreLists[9].push_back("3");
  EndMatchState(s);
  EXPECT_EQ(s.MatchState, kNoMatch);
  for (const auto& list : s.ScoreLists) EXPECT_TRUE(list.empty());
  EXPECT_FALSE(MatchIsOver(s));
}

}  // namespace
}  // namespace vorpo
