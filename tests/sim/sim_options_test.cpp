#include "sim_options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace vorpo::sim {
namespace {

struct Parsed {
  SimOptions options;
  std::optional<std::string> error;
};

Parsed Parse(std::vector<std::string> args) {
  Parsed parsed;
  parsed.options.settings = DefaultSettings();
  parsed.error = ParseSimArgs(args, parsed.options);
  return parsed;
}

TEST(SimOptions, StartsFromTheDefaultsOfAMissingSettingsFile) {
  const GameSettings s = Parse({}).options.settings;
  EXPECT_EQ(s.Players, 5);
  EXPECT_EQ(s.StartingCards, 7);
  EXPECT_EQ(s.CalcProc, 1);
  EXPECT_EQ(s.JRTurns, 5);
  EXPECT_EQ(s.IRWScore, 500);
  EXPECT_TRUE(s.NotFig);
  EXPECT_FALSE(s.DefDraw || s.DefDraw4 || s.NotYama || s.WildFront);
  EXPECT_EQ(s.ConfiguredNames[0], "プレイヤー");
  EXPECT_EQ(s.ConfiguredNames[3], "コンピュータ3");
}

TEST(SimOptions, EverySettingThatChangesPlayHasAFlag) {
  const Parsed p = Parse({"--players",    "3",
                          "--cards=9",    "--def-draw",
                          "on",           "--def-draw4=1",
                          "--not-fig",    "off",
                          "--not-yama",   "1",
                          "--wild-front", "on",
                          "--scoring",    "international",
                          "--win-score",  "200",
                          "--deals",      "7",
                          "--name",       "2=山田",
                          "--seed",       "99",
                          "--matches",    "4",
                          "--quiet"});
  ASSERT_FALSE(p.error) << *p.error;
  const GameSettings& s = p.options.settings;
  EXPECT_EQ(s.Players, 3);
  EXPECT_EQ(s.StartingCards, 9);
  EXPECT_TRUE(s.DefDraw && s.DefDraw4 && s.NotYama && s.WildFront);
  EXPECT_FALSE(s.NotFig);
  EXPECT_EQ(s.CalcProc, 0);
  EXPECT_EQ(s.IRWScore, 200);
  EXPECT_EQ(s.JRTurns, 7);
  EXPECT_EQ(s.ConfiguredNames[2], "山田");
  EXPECT_EQ(p.options.seed, 99u);
  EXPECT_EQ(p.options.matches, 4);
  EXPECT_TRUE(p.options.quiet);
}

TEST(SimOptions, RankingAppliesTheStandardRulesAndLaterFlagsStillApply) {
  const Parsed ranked = Parse({"--players", "9", "--scoring", "japanese", "--not-yama", "on",
                               "--cards", "3", "--ranking", "--deals", "2"});
  ASSERT_FALSE(ranked.error);
  const GameSettings& s = ranked.options.settings;
  EXPECT_EQ(s.Ranking, 1);
  EXPECT_EQ(s.Players, 5);
  EXPECT_EQ(s.CalcProc, 0);
  EXPECT_EQ(s.IRWScore, 500);
  EXPECT_EQ(s.StartingCards, 7);
  EXPECT_EQ(s.NotYama, 0);
  EXPECT_NE(s.NotFig, 0);
  EXPECT_EQ(s.JRTurns, 2);
  EXPECT_EQ(Parse({"--ranking", "--players", "3"}).options.settings.Players, 3);
}

TEST(SimOptions, StrengthGivesSeatsTheirComputerPlayer) {
  const Parsed p = Parse({"--strength", "1=strong", "--strength=3=strong", "--strength",
                          "1=standard", "--strength", "0=strong"});
  ASSERT_FALSE(p.error) << *p.error;
  EXPECT_EQ(p.options.strengths[0], Strength::Strong);
  EXPECT_EQ(p.options.strengths[1], Strength::Standard) << "the last word for a seat counts";
  EXPECT_EQ(p.options.strengths[3], Strength::Strong);
  EXPECT_FALSE(p.options.strengths[2]);
  for (const char* bad : {"1", "1=", "10=strong", "-1=strong", "1=weak", "x=strong"})
    EXPECT_TRUE(Parse({"--strength", bad}).error) << bad;
}

TEST(SimOptions, FlagsAfterTheSettingsFileOverrideIt) {
  const auto path = std::filesystem::path(::testing::TempDir()) / "vorpo_sim_options.ini";
  std::ofstream(path, std::ios::binary) << "[Game]\r\nPlayers=8\r\nCalcProc=0\r\n"
                                           "Name1=\x8E\x52\x93\x63\r\nDefDraw=1\r\n";
  const Parsed p = Parse({"--players", "3", "--settings", path.string(), "--def-draw", "off"});
  ASSERT_FALSE(p.error) << *p.error;
  EXPECT_EQ(p.options.settings.Players, 8);
  EXPECT_EQ(p.options.settings.CalcProc, 0);
  EXPECT_EQ(p.options.settings.ConfiguredNames[1], "山田");
  EXPECT_FALSE(p.options.settings.DefDraw);
  std::filesystem::remove(path);
}

// A folder of its own with two score tables of 52 ones, where Ini puts a settings file.
struct SettingsFolder {
  SettingsFolder()
      : path(std::filesystem::path(::testing::TempDir()) /
             ("vorpo_sim_table_" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path);
    std::ofstream(path / "ones.stb", std::ios::binary) << std::string(52, '\x01');
    std::ofstream(path / "Müller.stb", std::ios::binary) << std::string(52, '\x01');
  }
  ~SettingsFolder() { std::filesystem::remove_all(path); }
  std::string Ini(const std::string& lines) const {
    std::ofstream(path / "vorpo.ini", std::ios::binary) << "[Game]\r\n" << lines;
    return (path / "vorpo.ini").string();
  }
  std::filesystem::path path;
};

TEST(SimOptions, TheSettingsFileBringsItsScoreTable) {
  PointTable ones = DefaultPointTable();
  std::fill(ones.begin(), ones.begin() + 52, std::uint8_t{1});
  const SettingsFolder folder;

  // A relative name is found beside the settings file, not in the current folder.
  const Parsed relative =
      Parse({"--settings", folder.Ini("UseOtherScoreTable=2\r\nScoreTableFile=ones.stb\r\n")});
  ASSERT_FALSE(relative.error) << *relative.error;
  EXPECT_EQ(relative.options.points, ones);
  EXPECT_TRUE(relative.options.notices.empty());

  const std::string url = "file://" + (folder.path / "M%C3%BCller.stb").string();
  EXPECT_EQ(
      Parse({"--settings", folder.Ini("UseOtherScoreTable=1\r\nScoreTableFile=" + url + "\r\n")})
          .options.points,
      ones);
  EXPECT_EQ(Parse({"--settings", folder.Ini("ScoreTableFile=ones.stb\r\n")}).options.points,
            DefaultPointTable());

  // As in the game, a file that cannot be opened leaves the default table and a message.
  const Parsed missing =
      Parse({"--settings", folder.Ini("UseOtherScoreTable=1\r\nScoreTableFile=missing.stb\r\n")});
  ASSERT_FALSE(missing.error) << *missing.error;
  EXPECT_EQ(missing.options.points, DefaultPointTable());
  EXPECT_EQ(missing.options.notices,
            std::vector<std::string>{
                "missing.stbを開けませんでした。\r\nデフォルトのスコアテーブルを使います。"});
}

TEST(SimOptions, BadFlagsAreRefusedWithAMessage) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--bogus"}, "unknown flag \"--bogus\" (see --help)"},
      {{"--players"}, "--players needs a value: --players N"},
      {{"--players", "11"}, "--players needs a whole number from 2 to 10, not \"11\""},
      {{"--players", "5x"}, "--players needs a whole number from 2 to 10, not \"5x\""},
      {{"--def-draw", "yes"}, "--def-draw needs on or off (1 or 0), not \"yes\""},
      {{"--scoring", "2"}, "--scoring needs international or japanese (0 or 1), not \"2\""},
      {{"--quiet=1"}, "--quiet takes no value"},
      {{"--name", "10=x"}, "--name needs SEAT=NAME with a seat from 0 to 9, not \"10=x\""},
      {{"--players", "10", "--cards", "11"},
       "--cards 11 is too many for 10 seats: (seats + 1) x cards must be at most 111"},
      {{"--settings", "/"}, "--settings: cannot read the settings file \"/\""},
      {{"--settings", "/nonexistent/vorpo.ini"},
       "--settings: cannot read the settings file \"/nonexistent/vorpo.ini\""},
  };
  for (const auto& [args, message] : cases) EXPECT_EQ(Parse(args).error, message);
}

TEST(SimOptions, NamesMustFitShiftJis) {
  EXPECT_EQ(Parse({"--name", "1=A\xF0\x9F\x82\xA1"}).error,
            "--name 1: the name holds a character that Shift-JIS (CP932) cannot store");
  // The limit counts CP932 bytes: 山田山田 is 8 of them (12 in UTF-8).
  EXPECT_FALSE(Parse({"--name", "1=" + std::string(120, 'a') + "山田山田"}).error);
  EXPECT_EQ(Parse({"--name", "1=" + std::string(122, 'a') + "山田山田"}).error,
            "--name 1: the name is 130 bytes in Shift-JIS (CP932), at most 128 allowed");
}

}  // namespace
}  // namespace vorpo::sim
