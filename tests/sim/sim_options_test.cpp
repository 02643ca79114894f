#include "sim_options.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
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
  const GameState s = Parse({}).options.settings;
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
  const GameState& s = p.options.settings;
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
