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

std::string UserSettingsPath() {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  fs::path folder;
  if (configHome && configHome[0] == '/') {
    folder = configHome;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || home[0] == '\0') {
      const passwd* user = ::getpwuid(::getuid());
      home = user ? user->pw_dir : "/";
    }
    folder = fs::path(home) / ".config";
  }
  return (folder / "vorpo" / "vorpo.ini").string();
}

std::string SettingsPathFor(const std::string& programPath) {
  if (programPath.empty()) return UserSettingsPath();
  const std::string beside = WithExtension(programPath, ".ini");
  std::error_code error;
  if (fs::exists(beside, error)) return beside;
  const fs::path folder = fs::path(beside).has_parent_path() ? fs::path(beside).parent_path() : ".";
  // access() alone would let root through a regular file where the folder should be.
  const bool writable = fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK) == 0;
  return writable ? beside : UserSettingsPath();
}

}  // namespace vorpo
