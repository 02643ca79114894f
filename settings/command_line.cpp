#include "command_line.h"

#include <charconv>
#include <filesystem>

#include "vorpo_version.h"

namespace vorpo {

namespace {

std::optional<std::uint64_t> ParseSeed(const std::string& text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  return value;
}

}  // namespace

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& args,
                                            CommandLine& line) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      line.help = true;
      continue;
    }
    if (arg == "--version") {
      line.version = true;
      continue;
    }
    const auto equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (name != "--seed" && name != "--settings") return "unknown argument \"" + arg + "\"";
    std::string value;
    if (equals != std::string::npos)
      value = arg.substr(equals + 1);
    else if (i + 1 < args.size())
      value = args[++i];
    else
      return name + " needs a value: " + name + (name == "--seed" ? " N" : " FILE");

    if (name == "--seed") {
      line.seed = ParseSeed(value);
      if (!line.seed)
        return "--seed needs a whole number from 0 to 18446744073709551615, not \"" + value + "\"";
      continue;
    }
    std::error_code error;
    if (value.empty()) return "--settings needs the name of a file";
    if (std::filesystem::is_directory(value, error))
      return "--settings: \"" + value + "\" is a folder, not a settings file";
    const std::filesystem::path absolute = std::filesystem::absolute(value, error);
    if (error) return "--settings: cannot tell where \"" + value + "\" is";
    line.settingsFile = absolute.lexically_normal().string();
  }
  return {};
}

std::string CommandLineUsage() {
  return "usage: vorpo [--seed N] [--settings FILE]\n"
         "       vorpo --help | --version\n"
         "Starts the card game Vorpo.\n"
         "\n"
         "  --seed N         deal every deal of this run from seed N: the same seed, settings\n"
         "                   and moves give the same deals (the score sheet's tool tip shows\n"
         "                   the seed of the deal on the table)\n"
         "  --settings FILE  read and write the settings in FILE, which is made at the first\n"
         "                   write if it does not exist\n"
         "  -h, --help       show this help and end\n"
         "  --version        show the version and end\n"
         "\n"
         "Without --settings the settings are kept in ~/.config/vorpo/vorpo.ini (beside the\n"
         "program when it runs from its build folder); the statistics across matches in\n"
         "~/.local/share/vorpo/statistics.ini. A value may also be given as --flag=VALUE.\n"
         "Exit status: 0, or 2 for a command line that cannot be used.\n";
}

std::string VersionText() {
  return "vorpo " + std::string(kVersion) + "\n";
}

Random DealerFor(const CommandLine& line, std::uint64_t clockSeed) {
  if (line.seed) return Random(*line.seed, /*reseedFromClock=*/false);
  return Random(clockSeed, /*reseedFromClock=*/true);
}

SettingsStore SettingsFor(const CommandLine& line, const std::string& programPath) {
  if (line.settingsFile) return SettingsStore(*line.settingsFile);
  return SettingsStore::ForProgram(programPath);
}

}  // namespace vorpo
