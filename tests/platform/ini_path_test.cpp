#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "ini_test_folder.h"
#include "program_paths.h"

namespace vorpo {
namespace {

using testing::TestFolder;
using testing::WriteBytes;

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      ::setenv(name, value, 1);
    } else {
      ::unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(ProgramPaths, ReplacesTheExtensionOfTheFileNameOnly) {
  EXPECT_EQ(WithExtension("/opt/game/vorpo", ".ini"), "/opt/game/vorpo.ini");
  EXPECT_EQ(WithExtension("/opt/game/vorpo.exe", ".ini"), "/opt/game/vorpo.ini");
  EXPECT_EQ(WithExtension("/opt/game/vorpo.old.bin", ".hlp"), "/opt/game/vorpo.old.hlp");
  EXPECT_EQ(WithExtension("/opt/game.d/vorpo", ".ini"), "/opt/game.d/vorpo.ini");
  EXPECT_EQ(WithExtension("vorpo", ".ini"), "vorpo.ini");
}

TEST(ProgramPaths, KnowsTheRunningProgram) {
  EXPECT_EQ(std::filesystem::path(ProgramPath()).filename(), "vorpo_platform_text_tests");
  EXPECT_EQ(ProgramFolder(), std::filesystem::path(ProgramPath()).parent_path().string());
}

TEST(ProgramPaths, SettingsLiveBesideAProgramWhoseFolderCanBeWritten) {
  TestFolder folder;
  EXPECT_EQ(SettingsPathFor(folder.File("vorpo")), folder.File("vorpo.ini"));
}

TEST(ProgramPaths, AnUnwritableFolderSendsTheSettingsToTheUserConfig) {
  TestFolder folder;
  // Root may write anywhere, but not into a folder that is really a regular file.
  WriteBytes(folder.File("usr"), "");
  const std::string installed = folder.File("usr/vorpo");

  ScopedEnv xdg("XDG_CONFIG_HOME", folder.File("config").c_str());
  EXPECT_EQ(SettingsPathFor(installed), folder.File("config/vorpo/vorpo.ini"));

  ScopedEnv relativeXdg("XDG_CONFIG_HOME", "relative/config");
  ScopedEnv home("HOME", folder.File("home").c_str());
  EXPECT_EQ(SettingsPathFor(installed), folder.File("home/.config/vorpo/vorpo.ini"));

  ScopedEnv noXdg("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(UserSettingsPath(), folder.File("home/.config/vorpo/vorpo.ini"));
}

TEST(ProgramPaths, AnExistingFileBesideTheProgramIsAlwaysUsed) {
  TestFolder folder;
  const std::string program = folder.File("vorpo");
  WriteBytes(folder.File("vorpo.ini"), "[Game]\n");
  ScopedEnv xdg("XDG_CONFIG_HOME", folder.File("config").c_str());
  EXPECT_EQ(SettingsPathFor(program), folder.File("vorpo.ini"));
}

// A prefix as `cmake --install` and the package lay it out: the program in bin/, its help in
// share/vorpo/.
std::string InstallInto(const TestFolder& folder) {
  std::filesystem::create_directories(folder.File("usr/bin"));
  std::filesystem::create_directories(folder.File("usr/share/vorpo"));
  WriteBytes(folder.File("usr/share/vorpo/vorpo.hlp"), "<html></html>");
  return folder.File("usr/bin/vorpo");
}

TEST(ProgramPaths, AnInstalledProgramKeepsItsSettingsInTheUserConfigEvenWhereItMayWrite) {
  TestFolder folder;
  const std::string program = InstallInto(folder);
  ScopedEnv xdg("XDG_CONFIG_HOME", folder.File("config").c_str());
  EXPECT_TRUE(RunsInstalled(program));
  // The folder is writable (these tests may run as root, who writes /usr/bin too), and even a
  // file left beside the program is not the installed program's.
  EXPECT_EQ(SettingsPathFor(program), folder.File("config/vorpo/vorpo.ini"));
  WriteBytes(folder.File("usr/bin/vorpo.ini"), "[Game]\n");
  EXPECT_EQ(SettingsPathFor(program), folder.File("config/vorpo/vorpo.ini"));
}

TEST(ProgramPaths, ABuildTreeIsNoInstallation) {
  TestFolder folder;
  InstallInto(folder);
  // Beside a help file of its own, in a folder not named bin, or without the shared help.
  std::filesystem::create_directories(folder.File("build/app"));
  WriteBytes(folder.File("build/app/vorpo.hlp"), "<html></html>");
  EXPECT_FALSE(RunsInstalled(folder.File("build/app/vorpo")));
  EXPECT_EQ(SettingsPathFor(folder.File("build/app/vorpo")), folder.File("build/app/vorpo.ini"));
  EXPECT_FALSE(RunsInstalled(folder.File("usr/bin/other")));
  std::filesystem::create_directories(folder.File("opt/bin"));
  EXPECT_FALSE(RunsInstalled(folder.File("opt/bin/vorpo")));
  // A directory where the help file should be is no help file.
  std::filesystem::create_directories(folder.File("opt/share/vorpo/vorpo.hlp"));
  EXPECT_FALSE(RunsInstalled(folder.File("opt/bin/vorpo")));
}

TEST(ProgramPaths, StatisticsLiveInTheUserDataFolder) {
  TestFolder folder;
  ScopedEnv home("HOME", folder.File("home").c_str());
  ScopedEnv xdg("XDG_DATA_HOME", folder.File("data").c_str());
  EXPECT_EQ(UserStatisticsPath(), folder.File("data/vorpo/statistics.ini"));
  ScopedEnv relativeXdg("XDG_DATA_HOME", "data");
  EXPECT_EQ(UserStatisticsPath(), folder.File("home/.local/share/vorpo/statistics.ini"));
  ScopedEnv noXdg("XDG_DATA_HOME", nullptr);
  EXPECT_EQ(UserStatisticsPath(), folder.File("home/.local/share/vorpo/statistics.ini"));
}

}  // namespace
}  // namespace vorpo
