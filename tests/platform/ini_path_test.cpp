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

}  // namespace
}  // namespace vorpo
