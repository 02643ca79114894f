// The game's command line. Start-up is the same with or without it; the flags only add to it:
// a fixed seed for the dealer, another settings file, and the usual --help and --version, which
// print and end the program before any window (or display) is needed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "random.h"
#include "settings_store.h"

namespace vorpo {

struct CommandLine {
  bool help = false;
  bool version = false;
  std::optional<std::uint64_t> seed;
  // Made absolute as it is read: choosing an image pack moves the current folder later on.
  std::optional<std::string> settingsFile;
};

// Reads args (without the program name) into line. Returns a one-line message for an unknown
// flag or argument, a flag without its value, or a value that does not fit; line is then
// unusable.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args,
                                            CommandLine& line);

// The text of --help, which an unknown flag prints on stderr.
std::string CommandLineUsage();
// The text of --version.
std::string VersionText();

// The dealer: from the given seed for the whole run, or reseeded from the clock at every deal.
Random DealerFor(const CommandLine& line, std::uint64_t clockSeed);
// The settings file named on the command line, or the program's own (SettingsPathFor).
SettingsStore SettingsFor(const CommandLine& line, const std::string& programPath);

}  // namespace vorpo
