// The statistics file on disk: made where it is missing, replaced whole at every match end,
// reported once and replaced when damaged, and left alone where it cannot be used.
#include "statistics_keeper.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file_size_limit.h"
#include "ini_test_folder.h"
#include "statistics_file.h"

namespace vorpo {
namespace {

using testing::FileSizeLimit;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

// Seat 0, named name, won a Japanese match of deals deals, winning each, with total.
MatchResult Won(const std::string& name, int deals, int total) {
  MatchResult result;
  result.CalcProc = 1;
  result.Players = 2;
  result.Deals = deals;
  result.SeatNames = {name, "コンピュータ1"};
  result.Totals = {total, -total};
  result.DealsWon = {deals, 0};
  result.Winners = {true, false};
  return result;
}

struct Keeper {
  explicit Keeper(std::string at) : path(std::move(at)) {}
  std::string path;
  std::vector<std::string> reports;
  StatisticsKeeper keeper{path, [this](const std::string& m) { reports.push_back(m); }};

  std::int64_t Matches(const std::string& name = "プレイヤー") {
    return keeper.Record().Of(name).Of(MatchKind::Japanese).matches;
  }
};

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

TEST(StatisticsKeeper, MakesItsFolderAndReplacesTheFileAtEveryMatchEnd) {
  TestFolder folder;
  Keeper k(folder.File("share/vorpo/statistics.ini"));
  EXPECT_EQ(k.Matches(), 0);
  EXPECT_FALSE(std::filesystem::exists(k.path)) << "looking writes nothing";
  k.keeper.MatchEnded(Won("プレイヤー", 5, 30));
  k.keeper.MatchEnded(Won("プレイヤー", 5, 10));
  EXPECT_EQ(k.Matches(), 2);
  EXPECT_FALSE(k.keeper.WriteFailed());
  // Only the file itself: no temporary file is left beside it.
  EXPECT_EQ(FilesIn(folder.File("share/vorpo")), std::vector<std::string>{"statistics.ini"});
  EXPECT_EQ(ParseStatisticsFile(ReadBytes(k.path)), k.keeper.Record());

  // Another game running beside this one adds its matches to the same file.
  Keeper other(k.path);
  other.keeper.MatchEnded(Won("プレイヤー", 5, 20));
  k.keeper.MatchEnded(Won("プレイヤー", 5, 40));
  EXPECT_EQ(k.Matches(), 4);
  EXPECT_EQ(k.keeper.Record().Of("プレイヤー").Of(MatchKind::Japanese).totalSum, 100);
}

TEST(StatisticsKeeper, ADamagedOrForeignFileIsReportedOnceAndReplaced) {
  for (const std::string& bad :
       {std::string("[Statistics]\nProgram=Vorpo\nFormat=1\nPlayers=1\n\n[Play\n"),
        std::string("[Game]\r\nName0=x\r\n"), std::string("\0\1\2\3", 4)}) {
    TestFolder folder;
    Keeper k(folder.File("statistics.ini"));
    WriteBytes(k.path, bad);
    EXPECT_EQ(k.Matches(), 0);
    ASSERT_EQ(k.reports.size(), 1u);
    EXPECT_EQ(k.reports[0], DamagedStatisticsMessage(k.path));
    EXPECT_NE(k.reports[0].find(k.path), std::string::npos);
    EXPECT_TRUE(ParseStatisticsFile(ReadBytes(k.path))) << "replaced as soon as it was reported";

    // Damaged again in the same run: replaced again, but the player has been told once.
    WriteBytes(k.path, bad);
    k.keeper.MatchEnded(Won("プレイヤー", 3, 12));
    EXPECT_EQ(k.reports.size(), 1u);
    EXPECT_EQ(k.Matches(), 1);
    EXPECT_EQ(StatisticsKeeper(k.path, nullptr).Record(), k.keeper.Record());
  }
}

TEST(StatisticsKeeper, WhereTheFileCannotBeUsedTheGameGoesOnWithoutStatistics) {
  TestFolder folder;
  // A regular file where the folder should be: no one, root included, can write below it. And
  // a folder where the file should be, which is left as it is.
  WriteBytes(folder.File("share"), "");
  std::filesystem::create_directories(folder.File("statistics.ini/inside"));
  for (const std::string& path :
       {folder.File("share/vorpo/statistics.ini"), folder.File("statistics.ini")}) {
    Keeper k(path);
    k.keeper.MatchEnded(Won("プレイヤー", 5, 30));
    EXPECT_TRUE(k.keeper.WriteFailed()) << path;
    EXPECT_EQ(k.Matches(), 0);
    EXPECT_FALSE(k.keeper.Reset("プレイヤー"));
    EXPECT_TRUE(k.reports.empty());
  }
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("statistics.ini/inside")));
}

TEST(StatisticsKeeper, AWriteThatFailsHalfWayLeavesTheOldFileWhole) {
  TestFolder folder;
  Keeper k(folder.File("statistics.ini"));
  k.keeper.MatchEnded(Won("プレイヤー", 5, 30));
  const std::string before = ReadBytes(k.path);
  {
    // Room for the old file, but not for the new one with a second name in it.
    const FileSizeLimit limit(before.size() + 20);
    ASSERT_TRUE(limit.Set());
    k.keeper.MatchEnded(Won("a much longer name than the first one", 5, 30));
    EXPECT_TRUE(k.keeper.WriteFailed());
  }
  EXPECT_EQ(ReadBytes(k.path), before);
  EXPECT_EQ(FilesIn(folder.Path()), std::vector<std::string>{"statistics.ini"});
  // Once the disk has room again the next match is recorded.
  k.keeper.MatchEnded(Won("プレイヤー", 5, 30));
  EXPECT_FALSE(k.keeper.WriteFailed());
  EXPECT_EQ(k.Matches(), 2);
}

}  // namespace
}  // namespace vorpo
