#include "simulator.h"

#include <gtest/gtest.h>

#include <numeric>
#include <sstream>
#include <string>

#include "match.h"
#include "run.h"
#include "sim_options.h"

namespace vorpo::sim {
namespace {

SimOptions Options(int matches) {
  SimOptions options;
  options.settings = DefaultSettings();
  options.matches = matches;
  return options;
}

int LineCount(const std::string& text) {
  int lines = 1;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
    ++lines;
  return lines;
}

// Any change to the rules, the computer player or the dealing that alters play changes these
// figures; when such a change is meant, the new figures are copied in here.
TEST(Simulator, PinnedSummaryOfAFixedSeed) {
  const SimSummary s = RunMatches(Options(4), 20240601, nullptr);
  EXPECT_EQ(s.matches, 4);
  EXPECT_EQ(s.counters.deals, 20u);
  EXPECT_EQ(s.counters.moves, 1127u);
  EXPECT_EQ(s.counters.plays, 885u);
  EXPECT_EQ(s.counters.passes, 144u);
  EXPECT_EQ(s.counters.draws, 227u);
  EXPECT_EQ(s.counters.penaltiesStacked, 0u);
  EXPECT_EQ(s.counters.penaltiesPaid, 98u);
  EXPECT_EQ(s.wins, (std::array<int, kSeats>{1, 1, 1, 0, 1}));
  EXPECT_EQ(s.points, (std::array<long long, kSeats>{-112, 197, -8, -189, 112}));
}

TEST(Simulator, PinnedSummaryWithEveryLocalRuleUnderTheInternationalRule) {
  SimOptions options = Options(2);
  GameSettings& rules = options.settings;
  rules.Players = 4;
  rules.CalcProc = 0;
  rules.IRWScore = 300;
  rules.DefDraw = rules.DefDraw4 = rules.NotYama = rules.NotFig = rules.WildFront = true;
  const SimSummary s = RunMatches(options, 7, nullptr);
  EXPECT_EQ(s.counters.deals, 13u);
  EXPECT_EQ(s.counters.moves, 568u);
  EXPECT_EQ(s.counters.penaltiesStacked, 12u);
  EXPECT_EQ(s.wins, (std::array<int, kSeats>{0, 2, 0, 0}));
  EXPECT_EQ(s.points, (std::array<long long, kSeats>{422, 826, 0, 189}));
}

TEST(Simulator, JapaneseMatchesLastTheirDealsAndSumToZero) {
  SimOptions options = Options(1);
  options.settings.JRTurns = 3;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    options.settings.Players = static_cast<std::uint8_t>(2 + seed % 9);
    Simulator simulator(options.settings, seed);
    const MatchSheet& sheet = simulator.PlayMatch();
    const int seats = options.settings.Players;
    EXPECT_EQ(std::accumulate(sheet.totals.begin(), sheet.totals.begin() + seats, 0), 0);
    // Names, empty line, three deals, empty line, totals, empty line, winners.
    EXPECT_EQ(LineCount(sheet.text), 9) << sheet.text;
    EXPECT_EQ(simulator.State().MatchState, kNoMatch);
    for (const auto& list : simulator.State().ScoreLists) EXPECT_TRUE(list.empty());
  }
}

TEST(Simulator, InternationalMatchesEndAtTheWinningScore) {
  SimOptions options = Options(1);
  options.settings.CalcProc = 0;
  options.settings.IRWScore = 150;
  for (std::uint64_t seed = 1; seed <= 10; ++seed) {
    Simulator simulator(options.settings, seed);
    const MatchSheet& sheet = simulator.PlayMatch();
    const int best = *std::max_element(sheet.totals.begin(), sheet.totals.end());
    EXPECT_TRUE(best >= 150 || LineCount(sheet.text) == 30 + 6) << sheet.text;
    EXPECT_EQ(sheet.caption, "成績表 - ゲーム終了");
  }
}

TEST(Simulator, ASeedReplaysEverySheet) {
  const auto sheets = [](std::uint64_t seed) {
    std::ostringstream out;
    RunMatches(Options(3), seed, &out);
    return out.str();
  };
  const std::string first = sheets(5);
  EXPECT_TRUE(first.starts_with("[1] 成績表 - ゲーム終了\r\nプレイヤー"));
  EXPECT_EQ(first, sheets(5));
  EXPECT_NE(first, sheets(6));
}

}  // namespace
}  // namespace vorpo::sim
