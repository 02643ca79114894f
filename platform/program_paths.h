// Where the program and its companion files are: in a build tree the settings file and the help
// file sit beside the program and carry its name with another extension; an installed program
// keeps its settings and its statistics in the user's folders and its help in <prefix>/share.
#pragma once

#include <string>
#include <string_view>

namespace vorpo {

// The running program's own file, from /proc/self/exe; empty if the system does not tell.
std::string ProgramPath();
// The folder that holds the program.
std::string ProgramFolder();
// path with the extension of its file name (what follows the last "." of the name) replaced by
// extension, e.g. ".ini"; a file name without a dot gets extension appended.
std::string WithExtension(const std::string& path, std::string_view extension);
// The per-user settings file: $XDG_CONFIG_HOME/vorpo/vorpo.ini, ~/.config/vorpo/vorpo.ini when
// that variable is unset or not an absolute path.
std::string UserSettingsPath();
// The per-user statistics file: $XDG_DATA_HOME/vorpo/statistics.ini, ~/.local/share/vorpo/
// statistics.ini when that variable is unset or not an absolute path.
std::string UserStatisticsPath();
// Whether the program at programPath is installed: it lies in a folder "bin" whose
// ../share/vorpo holds its help file, as `cmake --install` and the package lay it out.
bool RunsInstalled(const std::string& programPath);
// The settings file of the program at programPath. An installed program keeps the per-user
// settings file, even where it may write its own folder (run by root). Anywhere else (a build
// tree) it is the program's path with ".ini", unless that file does not exist and its folder
// cannot be written, in which case the per-user settings file is used for reading and writing
// alike.
std::string SettingsPathFor(const std::string& programPath);

}  // namespace vorpo
