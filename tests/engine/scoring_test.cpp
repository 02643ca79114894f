#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "recording_view.h"

namespace vorpo {
namespace {

using testing::TestTable;

// The last deal's scores on the sheet that ended it.
std::vector<std::string> LastScores(const TestTable& t) {
  const GameState& s = t.s;
  std::vector<std::string> scores;
  for (std::size_t seat = 0; seat < s.Players; ++seat)
    scores.push_back(t.view.listsShown[seat].back());
  return scores;
}

// Seat 2 of four goes out with a red 5; seats 0, 1 and 3 hold 12, 70 and 0 points.
TEST(Scoring, BothRules) {
  for (int rule : {0, 1}) {
    TestTable t;
    t.s.Players = 4;
    t.s.CalcProc = static_cast<std::uint8_t>(rule);
    // 12 = red 9 + blue 3; 70 = Wild + red Skip; 0 = a red 0.
    t.Lay(8, {{18, 32}, {104, 20}, {10}, {0}}, 2);
    t.game.PlayCard(10);
    EXPECT_EQ(t.s.Direction, 0);
    if (rule == 0)
      EXPECT_EQ(LastScores(t), (std::vector<std::string>{"0", "0", "82", "0"}));
    else
      EXPECT_EQ(LastScores(t), (std::vector<std::string>{"-12", "-70", "82", "0"}));
    EXPECT_EQ(t.view.captions[2], "Seat2 (0)");
    EXPECT_EQ(t.view.widened, 2);
    EXPECT_EQ(t.view.finished, std::vector<int>{2});
  }
}

TEST(Scoring, AWinningDrawTwoIsPaidBeforeTheHandsAreCounted) {
  TestTable t;
  t.s.Players = 3;
  t.Lay(8, {{0}, {24}, {1}}, 1);
  t.game.PlayCard(24);
  EXPECT_EQ(t.s.Hands[2].Count(), 3);
  EXPECT_EQ(t.view.sounds.back(), "SE17");
  int sum = 0;
  for (Card c : t.s.Hands[2]) sum += DefaultPointTable()[c];
  EXPECT_EQ(t.view.listsShown[1].back(), std::to_string(sum));
}

TEST(Scoring, AStackedWinningDrawTwoCostsFour) {
  TestTable t;
  t.s.Players = 3;
  t.s.DefDraw = true;
  t.Lay(24, {{0}, {50}, {1}}, 1);
  t.s.PenaltyPending = true;
  t.s.PenaltyCount = 2;
  t.game.PlayCard(50);
  EXPECT_EQ(t.s.Hands[2].Count(), 5);
}

TEST(Scoring, PayingSeatFollowsTheDirectionAfterTheWinningCard) {
  TestTable t;
  t.s.Players = 2;
  t.Lay(8, {{0}, {22}}, 1);
  t.game.PlayCard(22);
  EXPECT_EQ(t.s.Hands[0].Count(), 1);  // no penalty: nothing drawn

  TestTable u;
  u.s.Players = 5;
  u.Lay(8, {{24}, {1}, {2}, {3}, {4}}, 0);
  u.s.Direction = -1;
  u.game.PlayCard(24);
  EXPECT_EQ(u.s.Hands[4].Count(), 3);
}

TEST(Scoring, FinishBannerIsNotWrittenOnAHiddenComputerHand) {
  TestTable t;
  t.s.Players = 2;
  t.s.NotShowCompCard = true;
  t.Lay(8, {{0, 1}, {10}}, 1);
  t.game.PlayCard(10);
  EXPECT_TRUE(t.view.finished.empty());
  t.Lay(8, {{10}, {0, 1}}, 0);
  t.game.PlayCard(10);
  EXPECT_EQ(t.view.finished, std::vector<int>{0});
}

TEST(Scoring, TheMatchGoesOnUntilItsLastDealAndThenEndsOnceTheSheetCloses) {
  TestTable t;
  t.s.Players = 2;
  t.s.CalcProc = 1;
  t.s.JRTurns = 2;
  t.s.MatchState = 0;
  t.view.startCommand = false;
  bool runningWhileShown = false;
  std::size_t listedWhileShown = 0;
  t.view.onScoreSheet = [&](const Standings& standings) {
    runningWhileShown = t.s.MatchRunning();
    listedWhileShown = t.s.ScoreLists[0].size();
    EXPECT_EQ(standings.Players(), 2);
  };
  t.Lay(8, {{10}, {0, 1}}, 0);
  t.game.PlayCard(10);
  EXPECT_FALSE(t.view.lastSheetOver);
  EXPECT_NE(t.s.Direction, 0);  // the next deal was dealt at once
  EXPECT_EQ(t.s.Hands[0].Count(), 7);
  EXPECT_FALSE(t.view.startCommand);

  t.Lay(8, {{10}, {0, 1}}, 0);
  t.game.PlayCard(10);
  EXPECT_TRUE(t.view.lastSheetOver);
  EXPECT_TRUE(runningWhileShown);
  EXPECT_EQ(listedWhileShown, 2u);
  EXPECT_EQ(t.s.MatchState, kNoMatch);
  EXPECT_EQ(t.s.Direction, 0);
  EXPECT_TRUE(t.view.startCommand);
  for (const auto& list : t.s.ScoreLists) EXPECT_TRUE(list.empty());
  EXPECT_EQ(t.view.sheetsShown, 2);
}

TEST(Scoring, ASheetWithoutADealNeverEndsTheMatch) {
  TestTable t;
  t.s.MatchState = 0;
  EXPECT_FALSE(t.game.ShowScoreSheet());
  EXPECT_TRUE(t.s.MatchRunning());
  EXPECT_FALSE(t.view.lastSheetOver);
}

class ScoreTableFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("vorpo-stb-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
    t.s.UseOtherScoreTable = true;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  void Write(const std::string& name, int size) {
    std::ofstream out(dir / name, std::ios::binary);
    for (int i = 0; i < size; ++i) out.put(static_cast<char>(200 + i % 50));
  }
  std::filesystem::path dir;
  TestTable t;
};

TEST_F(ScoreTableFile, FilesOfEverySize) {
  for (int size : {0, 52, 112, 200}) {
    Write("my.stb", size);
    t.game.LoadScoreTable("my.stb", dir.string());
    EXPECT_TRUE(t.view.errors.empty());
    for (int k = 0; k < kDeckSize; ++k) {
      const auto card = static_cast<std::size_t>(k);
      const int expected = k < size ? 200 + k % 50 : DefaultPointTable()[card];
      ASSERT_EQ(t.game.points[card], expected) << "size " << size << " card " << k;
    }
  }
}

TEST_F(ScoreTableFile, AMissingFileIsReportedAndTheDefaultsUsed) {
  t.game.points.fill(1);
  t.game.LoadScoreTable("d:\\data\\my.stb", dir.string());
  ASSERT_EQ(t.view.errors.size(), 1u);
  EXPECT_EQ(t.view.errors[0],
            "d:\\data\\my.stbを開けませんでした。\r\nデフォルトのスコアテーブルを使います。");
  EXPECT_EQ(t.game.points, DefaultPointTable());

  t.game.LoadScoreTable("", dir.string());
  EXPECT_EQ(t.view.errors[1], "を開けませんでした。\r\nデフォルトのスコアテーブルを使います。");
  t.game.LoadScoreTable(".", dir.string());  // a folder is no table
  EXPECT_EQ(t.view.errors.size(), 3u);
}

TEST_F(ScoreTableFile, SwitchedOffTheFileIsNotTouched) {
  t.s.UseOtherScoreTable = false;
  t.game.points.fill(1);
  t.game.LoadScoreTable("missing.stb", dir.string());
  EXPECT_TRUE(t.view.errors.empty());
  EXPECT_EQ(t.game.points, DefaultPointTable());
}

TEST(PointTable, DefaultValues) {
  const PointTable& p = DefaultPointTable();
  EXPECT_EQ(p[0], 0);
  EXPECT_EQ(p[19], 9);
  EXPECT_EQ(p[20], 20);
  EXPECT_EQ(p[25], 20);
  EXPECT_EQ(p[26 + 7], 3);
  EXPECT_EQ(p[104], 50);
  EXPECT_EQ(p[111], 50);
}

}  // namespace
}  // namespace vorpo
