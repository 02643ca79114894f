#include "command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ini_test_folder.h"

namespace vorpo {
namespace {

std::optional<std::string> Parse(const std::vector<std::string>& args, CommandLine& line) {
  line = CommandLine();
  return ParseCommandLine(args, line);
}

TEST(CommandLine, ReadsEveryFlagInBothSpellings) {
  CommandLine line;
  EXPECT_FALSE(Parse({}, line));
  EXPECT_FALSE(line.help || line.version || line.seed || line.settingsFile);

  EXPECT_FALSE(Parse({"--seed", "42", "--settings", "/tmp/other.ini"}, line));
  EXPECT_EQ(line.seed, 42u);
  EXPECT_EQ(line.settingsFile, "/tmp/other.ini");
  EXPECT_FALSE(Parse({"--seed=18446744073709551615", "--settings=/tmp/a/../b.ini"}, line));
  EXPECT_EQ(line.seed, 18446744073709551615u);
  EXPECT_EQ(line.settingsFile, "/tmp/b.ini");
  // The last of a flag given twice counts.
  EXPECT_FALSE(Parse({"--seed", "1", "--seed", "0"}, line));
  EXPECT_EQ(line.seed, 0u);
}

TEST(CommandLine, ARelativeSettingsFileIsTakenFromTheFolderItWasNamedIn) {
  testing::TestFolder folder;
  const auto before = std::filesystem::current_path();
  std::filesystem::current_path(folder.Path());
  CommandLine line;
  const auto error = Parse({"--settings", "mine.ini"}, line);
  std::filesystem::current_path(before);
  EXPECT_FALSE(error);
  EXPECT_EQ(line.settingsFile, folder.File("mine.ini"));
  EXPECT_EQ(SettingsFor(line, "/usr/bin/vorpo").Path(), folder.File("mine.ini"));
}

TEST(CommandLine, RefusesWhatItCannotUse) {
  testing::TestFolder folder;
  CommandLine line;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"game.ini"},
           {"--help=yes"},
           {"--seeds", "1"},
           {"--settings"},
           {"--seed", "-1"},
           {"--seed", "18446744073709551616"},
           {"--settings="},
           {"--settings", folder.Path().string()},
       }) {
    const auto error = Parse(args, line);
    ASSERT_TRUE(error) << args[0];
    EXPECT_EQ(error->find('\n'), std::string::npos) << *error;
  }
  EXPECT_EQ(*Parse({"--bogus"}, line), "unknown argument \"--bogus\"");
}

TEST(CommandLine, ASeedDealsTheWholeRunAndNoSeedReseedsEveryDeal) {
  CommandLine fixed;
  fixed.seed = 7;
  Random dealer = DealerFor(fixed, 99);
  Random same(7);
  dealer.ReseedForDeal();
  for (int i = 0; i < 20; ++i) EXPECT_EQ(dealer.Below(1000), same.Below(1000));
  EXPECT_EQ(dealer.SeedInUse(), 7u);

  // A deal dealt from the clock's seed is dealt again, card for card, from that seed.
  Random clock = DealerFor(CommandLine(), 99);
  clock.ReseedForDeal();
  const std::uint64_t seed = clock.SeedInUse();
  std::vector<std::uint32_t> deal, again;
  for (int i = 0; i < 20; ++i) deal.push_back(clock.Below(1000));
  fixed.seed = seed;
  Random replay = DealerFor(fixed, 0);
  replay.ReseedForDeal();
  for (int i = 0; i < 20; ++i) again.push_back(replay.Below(1000));
  EXPECT_EQ(deal, again);
}

}  // namespace
}  // namespace vorpo
