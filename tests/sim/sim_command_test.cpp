// Runs the built vorpo-sim as a user or a script would.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome RunSim(const std::string& args) {
  // ctest runs these tests side by side: each run needs a file of its own.
  static int runs = 0;
  const auto errPath =
      std::filesystem::path(::testing::TempDir()) /
      ("vorpo_sim_stderr_" + std::to_string(::getpid()) + "_" + std::to_string(++runs) + ".txt");
  const std::string command = std::string(VORPO_SIM_BINARY) + " " + args + " 2>" + errPath.string();
  Outcome outcome;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return outcome;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    outcome.out.append(buffer, n);
  const int status = pclose(pipe);
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ostringstream err;
  err << std::ifstream(errPath).rdbuf();
  outcome.err = err.str();
  std::filesystem::remove(errPath);
  return outcome;
}

// The speed is the one figure a replay does not repeat.
std::string WithoutSpeed(const std::string& text) {
  std::istringstream in(text);
  std::string line, kept;
  while (std::getline(in, line))
    if (!line.starts_with("deals per second")) kept += line + "\n";
  return kept;
}

TEST(SimCommand, TheSameSeedGivesTheSameOutput) {
  const std::string args = "--seed 31337 --matches 3 --players 6 --def-draw on --not-yama on";
  const Outcome first = RunSim(args);
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_NE(first.out.find("WINNER :"), std::string::npos);
  EXPECT_NE(first.out.find("\nseed                31337\n"), std::string::npos);
  EXPECT_EQ(WithoutSpeed(first.out), WithoutSpeed(RunSim(args).out));
  EXPECT_NE(WithoutSpeed(first.out), WithoutSpeed(RunSim("--seed 31338 --matches 3").out));
}

TEST(SimCommand, QuietAndJsonPrintOnlyTheSummary) {
  const Outcome quiet = RunSim("--seed 3 --quiet");
  EXPECT_EQ(quiet.out.find("WINNER"), std::string::npos);
  EXPECT_TRUE(quiet.out.starts_with("seed                3\n"));

  const Outcome json = RunSim("--seed 3 --json --players 3");
  ASSERT_EQ(json.status, 0);
  EXPECT_TRUE(json.out.starts_with("{\"seed\":3,\"matches\":1,\"deals\":5,")) << json.out;
  EXPECT_NE(json.out.find(",\"deals_per_second\":"), std::string::npos);
  EXPECT_EQ(json.out.find('\n'), json.out.size() - 1);
}

TEST(SimCommand, JsonGivesEachSeatsPlayerDealWinsAndPointsPerDeal) {
  const Outcome json = RunSim("--seed 5 --json --players 3 --matches 20 --strength 2=strong");
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find(",\"players\":[\"standard\",\"standard\",\"strong\"],"),
            std::string::npos)
      << json.out;
  for (const char* field :
       {",\"deal_wins\":[", ",\"deal_win_share\":[0.", ",\"points_per_deal\":["})
    EXPECT_NE(json.out.find(field), std::string::npos) << field;
  // The same flags replay the same run; without the strong seat the run differs.
  const char* strong = "--seed 5 --quiet --players 3 --matches 20 --strength 2=strong";
  const std::string summary = WithoutSpeed(RunSim(strong).out);
  EXPECT_NE(summary.find("\nplayers per seat    standard standard strong\n"), std::string::npos)
      << summary;
  EXPECT_EQ(summary, WithoutSpeed(RunSim(strong).out));
  EXPECT_NE(summary, WithoutSpeed(RunSim("--seed 5 --quiet --players 3 --matches 20").out));
}

TEST(SimCommand, ABadFlagGetsOneLineAndStatusTwo) {
  for (const char* args : {"--players 1", "--frobnicate", "--seed", "--name 1=\xF0\x9F\x82\xA1"}) {
    const Outcome outcome = RunSim(args);
    EXPECT_EQ(outcome.status, 2) << args;
    EXPECT_TRUE(outcome.out.empty()) << args;
    EXPECT_TRUE(outcome.err.starts_with("vorpo-sim: ")) << outcome.err;
    EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
  }
}

TEST(SimCommand, TheSettingsFilesScoreTableScoresTheDeals) {
  const auto folder = std::filesystem::path(::testing::TempDir()) /
                      ("vorpo_sim_command_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string ini = (folder / "vorpo.ini").string();
  const auto settings = [&](const std::string& table) {
    std::ofstream(ini, std::ios::binary)
        << "[Game]\r\nCalcProc=0\r\nUseOtherScoreTable=1\r\nScoreTableFile=" << table << "\r\n";
  };
  std::ofstream(folder / "zero.stb", std::ios::binary) << std::string(112, '\0');

  // Every card is worth nothing: no seat ever scores, so the match runs its 30 deals.
  settings("zero.stb");
  const Outcome zero = RunSim("--seed 3 --json --settings " + ini);
  ASSERT_EQ(zero.status, 0) << zero.err;
  EXPECT_TRUE(zero.err.empty()) << zero.err;
  EXPECT_TRUE(zero.out.starts_with("{\"seed\":3,\"matches\":1,\"deals\":30,")) << zero.out;

  // A table that cannot be opened: the game's message, then play with the default table.
  settings("missing.stb");
  const Outcome missing = RunSim("--seed 3 --settings " + ini);
  EXPECT_EQ(missing.status, 0);
  EXPECT_EQ(
      missing.err,
      "vorpo-sim: missing.stbを開けませんでした。\r\nデフォルトのスコアテーブルを使います。\n");
  EXPECT_EQ(WithoutSpeed(missing.out), WithoutSpeed(RunSim("--seed 3 --scoring 0").out));
  std::filesystem::remove_all(folder);
}

TEST(SimCommand, HelpListsEveryFlag) {
  const Outcome help = RunSim("--help");
  EXPECT_EQ(help.status, 0);
  for (const char* flag :
       {"--seed", "--matches", "--settings", "--players", "--cards", "--def-draw ", "--def-draw4",
        "--not-fig", "--not-yama", "--wild-front", "--scoring", "--win-score", "--deals", "--name",
        "--quiet", "--json", "--help"})
    EXPECT_NE(help.out.find(flag), std::string::npos) << flag;
}

}  // namespace
