// The built game started from a terminal with the flags that answer without a window. Each run
// has no display at all: a program that opened its window before reading the flags would abort.
#include <gtest/gtest.h>

#include <cstdio>
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

Outcome RunGame(const std::string& args) {
  static int runs = 0;
  const auto errPath =
      std::filesystem::path(::testing::TempDir()) /
      ("vorpo_stderr_" + std::to_string(::getpid()) + "_" + std::to_string(++runs) + ".txt");
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                              std::string(VORPO_BINARY) + " " + args + " 2>" + errPath.string();
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

TEST(GameCommandLine, HelpAndVersionPrintAndEnd) {
  for (const char* help : {"--help", "-h", "--seed 3 --help"}) {
    const Outcome outcome = RunGame(help);
    EXPECT_EQ(outcome.status, 0) << help << ": " << outcome.err;
    EXPECT_TRUE(outcome.out.starts_with("usage: vorpo [--seed N] [--settings FILE]\n")) << help;
    EXPECT_EQ(outcome.err, "") << help;
  }
  const Outcome version = RunGame("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "vorpo 0.03\n");
  EXPECT_EQ(version.err, "");
}

TEST(GameCommandLine, WhatItCannotUseGetsTheUsageOnStderr) {
  for (const char* wrong : {"--bogus", "-platform offscreen", "--seed", "--seed x", "extra"}) {
    const Outcome outcome = RunGame(wrong);
    EXPECT_EQ(outcome.status, 2) << wrong;
    EXPECT_EQ(outcome.out, "") << wrong;
    EXPECT_TRUE(outcome.err.starts_with("vorpo: ")) << wrong << ": " << outcome.err;
    EXPECT_NE(outcome.err.find("\nusage: vorpo"), std::string::npos) << wrong;
  }
}

}  // namespace
