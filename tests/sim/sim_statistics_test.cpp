// The simulator's statistics are the game's record of seat 0, counted by the same code from the
// engine's match-end events.
#include "sim_statistics.h"

#include <gtest/gtest.h>

#include <string>

#include "run.h"

namespace vorpo::sim {
namespace {

TEST(SimStatistics, CountSeatZerosMatchesAsTheSummaryDoes) {
  for (const bool ranking : {false, true}) {
    SimOptions options;
    options.settings = DefaultSettings();
    if (ranking) {
      ASSERT_FALSE(ParseSimArgs({"--ranking", "--players", "3"}, options));
    }
    options.matches = 6;
    const SimSummary summary = RunMatches(options, 2024, nullptr);
    const MatchKind kind = ranking ? MatchKind::InternationalRanked : MatchKind::Japanese;
    ASSERT_EQ(summary.statistics.Players().size(), 1u);
    const PlayerRecord& player = summary.statistics.Of("プレイヤー");
    const Figures& figures = player.Of(kind);
    EXPECT_EQ(figures.matches, 6);
    EXPECT_EQ(figures.matchesWon, summary.wins[0]);
    EXPECT_EQ(figures.deals, static_cast<std::int64_t>(summary.counters.deals));
    EXPECT_EQ(figures.totalSum, summary.points[0]);
    EXPECT_GT(figures.dealsWon, 0);
    EXPECT_LT(figures.dealsWon, figures.deals);
    for (MatchKind other : kAllMatchKinds) {
      if (other != kind) {
        EXPECT_EQ(player.Of(other), Figures{});
      }
    }
  }
}

TEST(SimStatistics, JsonHasEveryKindWithNullsBeforeTheFirstMatchAndAnyNameQuoted) {
  StatisticsRecord record;
  PlayerRecord player;
  player.Of(MatchKind::Japanese) = {3, 1, 15, 4, 40, -20};
  record.Put("a\"b\\c\n", player);
  const std::string json = StatisticsJson(record);
  EXPECT_TRUE(json.starts_with("[{\"name\":\"a\\\"b\\\\c\\u000a\",\"international\":{")) << json;
  EXPECT_NE(json.find("\"japanese\":{\"matches\":3,\"matches_won\":1,\"deals\":15,\"deals_won\":4,"
                      "\"best_total\":40,\"average_total\":-6.6667}"),
            std::string::npos);
  EXPECT_NE(json.find("\"japanese_ranked\":{\"matches\":0,\"matches_won\":0,\"deals\":0,"
                      "\"deals_won\":0,\"best_total\":null,\"average_total\":null}}]"),
            std::string::npos);
}

}  // namespace
}  // namespace vorpo::sim
