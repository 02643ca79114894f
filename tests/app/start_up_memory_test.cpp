// The built game, left waiting at its welcome dialog, gives back the pages of the font files its
// first two windows were drawn from.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

bool IsFontFile(const std::string& path) {
  for (const char* suffix : {".ttf", ".otf", ".ttc"})
    if (path.ends_with(suffix)) return true;
  return false;
}

struct FontFiles {
  long mappedKb = 0;
  long residentKb = 0;
};

// The font files mapped into process pid: their whole size and what of it is resident.
FontFiles FontFilesOf(pid_t pid) {
  std::ifstream smaps("/proc/" + std::to_string(pid) + "/smaps");
  bool font = false;
  FontFiles files;
  for (std::string line; std::getline(smaps, line);) {
    long kb = 0;
    if (std::sscanf(line.c_str(), "Size: %ld kB", &kb) == 1) {
      if (font) files.mappedKb += kb;
    } else if (std::sscanf(line.c_str(), "Rss: %ld kB", &kb) == 1) {
      if (font) files.residentKb += kb;
    } else if (line.find('-') < line.find(' ') && line.find(':') > line.find(' ')) {
      font = IsFontFile(line.substr(line.rfind(' ') + 1));
    }
  }
  return files;
}

TEST(GameStartUp, TheFontPagesReadForTheFirstWindowsGoBackWhileTheWelcomeDialogWaits) {
  const auto settings =
      std::filesystem::path(::testing::TempDir()) / ("vorpo_" + std::to_string(getpid()) + ".ini");
  std::ofstream(settings) << "[Game]\r\n";
  const pid_t game = fork();
  if (game == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    execl(VORPO_BINARY, VORPO_BINARY, "--settings", settings.c_str(), nullptr);
    _exit(127);
  }
  ASSERT_GT(game, 0);
  // Drawing the first windows reads about a third of the Japanese faces, a few megabytes: once
  // they are open, a tenth of them at most is left when the pages have gone back.
  FontFiles files;
  for (int look = 0; look < 600; ++look) {
    files = FontFilesOf(game);
    if (files.mappedKb >= 4096 && files.residentKb * 10 <= files.mappedKb) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  kill(game, SIGKILL);
  waitpid(game, nullptr, 0);
  std::filesystem::remove(settings);
  EXPECT_GE(files.mappedKb, 4096);
  EXPECT_LE(files.residentKb * 10, files.mappedKb) << files.residentKb << " kB resident";
}

}  // namespace
