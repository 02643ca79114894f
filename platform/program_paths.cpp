#include "program_paths.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace vorpo {

namespace fs = std::filesystem;

std::string ProgramPath() {
  std::error_code error;
  const auto path = fs::read_symlink("/proc/self/exe", error);
  if (error) return std::string();
  // A program replaced on disk while it runs (an update, a rebuild) is named with this mark;
  // its settings and help still belong to the path it was started from.
  std::string text = path.string();
  constexpr std::string_view kReplaced = " (deleted)";
  if (text.ends_with(kReplaced)) text.resize(text.size() - kReplaced.size());
  return text;
}

std::string ProgramFolder() {
  return fs::path(ProgramPath()).parent_path().string();
}

std::string WithExtension(const std::string& path, std::string_view extension) {
  const auto nameStart = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  const bool dotInName =
      dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart);
  return (dotInName ? path.substr(0, dot) : path) + std::string(extension);
}

namespace {

// The folder that $variable names, or home/fallback when it is unset or not an absolute path
// (as the XDG base directories are read).
fs::path UserFolder(const char* variable, const char* fallback) {
  const char* named = std::getenv(variable);
  if (named && named[0] == '/') return named;
  const char* home = std::getenv("HOME");
  if (!home || home[0] == '\0') {
    const passwd* user = ::getpwuid(::getuid());
    home = user ? user->pw_dir : "/";
  }
  return fs::path(home) / fallback;
}

}  // namespace

std::string UserSettingsPath() {
  return (UserFolder("XDG_CONFIG_HOME", ".config") / "vorpo" / "vorpo.ini").string();
}

std::string UserStatisticsPath() {
  return (UserFolder("XDG_DATA_HOME", ".local/share") / "vorpo" / "statistics.ini").string();
}

bool RunsInstalled(const std::string& programPath) {
  const fs::path program(programPath);
  if (program.parent_path().filename() != "bin") return false;
  const fs::path help = program.parent_path().parent_path() / "share" / "vorpo" /
                        fs::path(WithExtension(programPath, ".hlp")).filename();
  std::error_code error;
  return fs::is_regular_file(help, error);
}

std::string SettingsPathFor(const std::string& programPath) {
  if (programPath.empty() || RunsInstalled(programPath)) return UserSettingsPath();
  const std::string beside = WithExtension(programPath, ".ini");
  std::error_code error;
  if (fs::exists(beside, error)) return beside;
  const fs::path folder = fs::path(beside).has_parent_path() ? fs::path(beside).parent_path() : ".";
  // access() alone would let root through a regular file where the folder should be.
  const bool writable = fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK) == 0;
  return writable ? beside : UserSettingsPath();
}

}  // namespace vorpo
