// Statistics as the engine feeds them: scripted matches end through the engine's own match-end
// event, the keeper writes the file, and a keeper of a later run reads the same figures back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ini_test_folder.h"
#include "recording_view.h"
#include "statistics_file.h"
#include "statistics_keeper.h"

namespace vorpo {
namespace {

using testing::ReadBytes;
using testing::TestFolder;
using testing::TestTable;

constexpr Card kRed0 = 0, kRed0b = 1, kRed4 = 8, kRed5 = 10, kRed6 = 12;

struct RecordedTable : TestTable {
  TestFolder folder;
  std::string path = folder.File("data/vorpo/statistics.ini");
  std::vector<std::string> reports;
  StatisticsKeeper keeper{path, [this](const std::string& m) { reports.push_back(m); }};

  RecordedTable() {
    s.Players = 2;
    game.SetMatchObserver(&keeper);
  }

  // A deal laid by hand in which seat goes out with its one card on a red 4.
  void GoOut(int seat, const std::vector<std::vector<Card>>& hands) {
    Lay(kRed4, hands, seat);
    game.PlayCard(hands[static_cast<std::size_t>(seat)][0]);
  }
};

Figures Expected(std::int64_t matches, std::int64_t won, std::int64_t deals, std::int64_t dealsWon,
                 std::int64_t best, std::int64_t sum) {
  return {matches, won, deals, dealsWon, best, sum};
}

TEST(MatchesRecorded, EveryKindOfMatchCountsOnItsOwnAndSurvivesARestart) {
  RecordedTable t;
  // Japanese rule over two deals. Seat 0 goes out first against a hand worth nothing, so both
  // deal scores are 0 and only the engine knows who won; then seat 1 goes out against a red 6.
  t.s.CalcProc = 1;
  t.s.JRTurns = 2;
  t.GoOut(0, {{kRed5}, {kRed0, kRed0b}});
  EXPECT_TRUE(ReadBytes(t.path).empty()) << "a match still running is not recorded";
  bool writtenWhileSheetOpen = true;
  t.view.onScoreSheet = [&](const Standings&) {
    writtenWhileSheetOpen = !ReadBytes(t.path).empty();
  };
  t.GoOut(1, {{kRed6}, {kRed5}});
  EXPECT_FALSE(writtenWhileSheetOpen) << "the match ends once its last sheet is closed";
  t.view.onScoreSheet = nullptr;

  // One deal each way: the tied totals of 0 make seat 0 a winner without a deal won.
  t.s.JRTurns = 1;
  t.GoOut(1, {{kRed0}, {kRed5}});
  // Ranked under the international rule, won outright with 6 points.
  t.s.CalcProc = 0;
  t.s.Ranking = 1;
  t.s.IRWScore = 1;
  t.GoOut(0, {{kRed5}, {kRed6}});
  EXPECT_EQ(t.view.sheetsShown, 4);

  const PlayerRecord now = t.keeper.Record().Of("Seat0");
  EXPECT_EQ(now.Of(MatchKind::Japanese), Expected(2, 1, 3, 1, 0, -6));
  EXPECT_EQ(now.Of(MatchKind::InternationalRanked), Expected(1, 1, 1, 1, 6, 6));
  EXPECT_EQ(now.Of(MatchKind::International), Figures{});
  EXPECT_EQ(now.Of(MatchKind::JapaneseRanked), Figures{});
  EXPECT_EQ(now.Of(MatchKind::Japanese).AverageTotal(), -3.0);
  // Only seat 0's name is kept: the record is the human player's.
  EXPECT_EQ(t.keeper.Record().Players().size(), 1u);
  EXPECT_TRUE(t.reports.empty());

  StatisticsKeeper nextRun(t.path, nullptr);
  EXPECT_EQ(nextRun.Record().Of("Seat0"), now);
}

TEST(MatchesRecorded, AnAbortedMatchAndTheSheetFromTheMenuRecordNothing) {
  RecordedTable t;
  t.s.CalcProc = 1;
  t.s.JRTurns = 2;
  t.GoOut(0, {{kRed5}, {kRed6}});
  t.game.ShowScoreSheet();
  t.game.AbortMatch();
  t.game.ShowScoreSheet();
  EXPECT_TRUE(t.keeper.Record().Players().empty());
  EXPECT_TRUE(ReadBytes(t.path).empty());
}

}  // namespace
}  // namespace vorpo
