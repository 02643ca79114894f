#include "sim_options.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <functional>

#include "cp932_text.h"
#include "settings_store.h"

namespace vorpo::sim {

namespace {

constexpr std::size_t kMaxNameBytes = 128;
constexpr int kMaxCardsInHands = 111;

using Apply = std::function<std::optional<std::string>(const std::string& value, SimOptions&)>;

struct Flag {
  const char* name;
  const char* value;  // nullptr for a flag without a value
  const char* help;
  Apply apply;
};

std::optional<long long> ParseWhole(const std::string& text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
  return value;
}

// A whole number within [low, high] for the setting that set() stores it in.
Apply Number(const char* flag, long long low, long long high,
             std::function<void(SimOptions&, long long)> set) {
  return [=](const std::string& value, SimOptions& options) -> std::optional<std::string> {
    const auto number = ParseWhole(value);
    if (!number || *number < low || *number > high)
      return std::string(flag) + " needs a whole number from " + std::to_string(low) + " to " +
             std::to_string(high) + ", not \"" + value + "\"";
    set(options, *number);
    return {};
  };
}

Apply Switch(const char* flag, std::uint8_t GameSettings::*rule) {
  return [=](const std::string& value, SimOptions& options) -> std::optional<std::string> {
    if (value == "1" || value == "on")
      options.settings.*rule = 1;
    else if (value == "0" || value == "off")
      options.settings.*rule = 0;
    else
      return std::string(flag) + " needs on or off (1 or 0), not \"" + value + "\"";
    return {};
  };
}

std::optional<std::string> ApplyScoring(const std::string& value, SimOptions& options) {
  if (value == "international" || value == "0")
    options.settings.CalcProc = 0;
  else if (value == "japanese" || value == "1")
    options.settings.CalcProc = 1;
  else
    return "--scoring needs international or japanese (0 or 1), not \"" + value + "\"";
  return {};
}

// Names are kept in CP932 by the program, so a name that CP932 cannot hold is refused here,
// where it enters, rather than turned into something else.
std::optional<std::string> ApplyName(const std::string& value, SimOptions& options) {
  const auto equals = value.find('=');
  const auto seat = ParseWhole(value.substr(0, equals));
  if (equals == std::string::npos || !seat || *seat < 0 || *seat >= kSeats)
    return "--name needs SEAT=NAME with a seat from 0 to 9, not \"" + value + "\"";
  const std::string name = value.substr(equals + 1);
  const auto bytes = text::Cp932Length(name);
  if (!bytes)
    return "--name " + std::to_string(*seat) +
           ": the name holds a character that Shift-JIS (CP932) cannot store";
  if (*bytes > kMaxNameBytes)
    return "--name " + std::to_string(*seat) + ": the name is " + std::to_string(*bytes) +
           " bytes in Shift-JIS (CP932), at most " + std::to_string(kMaxNameBytes) + " allowed";
  options.settings.ConfiguredNames[static_cast<std::size_t>(*seat)] = name;
  return {};
}

std::optional<std::string> ApplyStrength(const std::string& value, SimOptions& options) {
  const auto equals = value.find('=');
  const auto seat = ParseWhole(value.substr(0, equals));
  const std::string strength = equals == std::string::npos ? "" : value.substr(equals + 1);
  if (!seat || *seat < 0 || *seat >= kSeats || (strength != "standard" && strength != "strong"))
    return "--strength needs SEAT=standard or SEAT=strong with a seat from 0 to 9, not \"" + value +
           "\"";
  options.strengths[static_cast<std::size_t>(*seat)] =
      strength == "strong" ? Strength::Strong : Strength::Standard;
  return {};
}

std::optional<std::string> ApplySettingsFile(const std::string& path, SimOptions& options) {
  // A settings file that is missing reads as all defaults; for a file named on the command
  // line that is almost always a mistyped name, so it is refused instead.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) || !std::ifstream(path).good())
    return "--settings: cannot read the settings file \"" + path + "\"";
  ProgramSettings program;
  SettingsStore(path).Load(options.settings, program);
  // The game looks for a relative score table file beside the program, which is where its
  // settings file is.
  options.points = DefaultPointTable();
  if (options.settings.UseOtherScoreTable) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (auto message = ReadScoreTableFile(program.ScoreTableFile, folder, options.points))
      options.notices.push_back(std::move(*message));
  }
  return {};
}

const std::vector<Flag>& Flags() {
  static const std::vector<Flag> flags = {
      {"--seed", "N", "random seed; the same seed and flags replay the same deals",
       Number("--seed", 0, INT64_MAX,
              [](SimOptions& o, long long n) { o.seed = static_cast<std::uint64_t>(n); })},
      {"--matches", "N", "number of matches to play (default 1)",
       Number("--matches", 1, 1'000'000,
              [](SimOptions& o, long long n) { o.matches = static_cast<int>(n); })},
      {"--settings", "FILE", "start from this settings file (section [Game])", ApplySettingsFile},
      {"--players", "N", "seats, 2 to 10, seat 0 included (default 5)",
       Number(
           "--players", 2, kSeats,
           [](SimOptions& o, long long n) { o.settings.Players = static_cast<std::uint8_t>(n); })},
      {"--cards", "N", "starting cards per seat; (seats + 1) x cards at most 111 (default 7)",
       Number("--cards", 1, kMaxCardsInHands / 3,
              [](SimOptions& o, long long n) {
                o.settings.StartingCards = static_cast<std::uint8_t>(n);
              })},
      {"--def-draw", "on|off", "a draw penalty may be answered with a Draw card (default off)",
       Switch("--def-draw", &GameSettings::DefDraw)},
      {"--def-draw4", "on|off",
       "a Wild Draw Four may be answered with a Draw Two of the named colour (default off)",
       Switch("--def-draw4", &GameSettings::DefDraw4)},
      {"--not-fig", "on|off", "a hand may be finished with a non-number card (default on)",
       Switch("--not-fig", &GameSettings::NotFig)},
      {"--not-yama", "on|off", "after drawing, any legal card may be played (default off)",
       Switch("--not-yama", &GameSettings::NotYama)},
      {"--wild-front", "on|off",
       "the symbol played before a black card stays playable (default off)",
       Switch("--wild-front", &GameSettings::WildFront)},
      {"--ranking", nullptr,
       "the ranking mode's standard rules: 5 seats, the international rule to 500, 7 cards,\n"
       "      any card may end a hand, no other local rule, no score table file (flags after it\n"
       "      still apply)",
       [](const std::string&, SimOptions& o) -> std::optional<std::string> {
         o.settings = WithRankingRules(o.settings);
         o.settings.Ranking = 1;
         o.points = DefaultPointTable();
         return {};
       }},
      {"--scoring", "international|japanese", "scoring rule (default japanese)", ApplyScoring},
      {"--win-score", "N", "winning score of the international rule, 1 to 1000 (default 500)",
       Number(
           "--win-score", 1, 1000,
           [](SimOptions& o, long long n) { o.settings.IRWScore = static_cast<std::int32_t>(n); })},
      {"--deals", "N", "deals per match of the Japanese rule, 1 to 30 (default 5)",
       Number(
           "--deals", 1, 30,
           [](SimOptions& o, long long n) { o.settings.JRTurns = static_cast<std::int32_t>(n); })},
      {"--strength", "SEAT=standard|strong",
       "the computer player of a seat (0 to 9); the others play as the settings say,\n"
       "      seat 0 as the standard player (repeatable)",
       ApplyStrength},
      {"--name", "SEAT=NAME", "name of a seat (0 to 9), at most 128 bytes in Shift-JIS", ApplyName},
      {"--quiet", nullptr, "print only the summary",
       [](const std::string&, SimOptions& o) -> std::optional<std::string> {
         o.quiet = true;
         return {};
       }},
      {"--json", nullptr, "print only the summary, as one JSON object",
       [](const std::string&, SimOptions& o) -> std::optional<std::string> {
         o.json = true;
         return {};
       }},
      {"--version", nullptr, "show the version",
       [](const std::string&, SimOptions& o) -> std::optional<std::string> {
         o.version = true;
         return {};
       }},
      {"--help", nullptr, "show this help",
       [](const std::string&, SimOptions& o) -> std::optional<std::string> {
         o.help = true;
         return {};
       }},
  };
  return flags;
}

const Flag* FindFlag(const std::string& name) {
  for (const Flag& flag : Flags())
    if (name == flag.name) return &flag;
  return nullptr;
}

}  // namespace

GameSettings DefaultSettings() {
  GameSettings settings;
  ProgramSettings program;
  ReadSettings(IniFile(), settings, program);
  return settings;
}

std::optional<std::string> ParseSimArgs(const std::vector<std::string>& args, SimOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    const Flag* flag = FindFlag(name);
    if (!flag) return "unknown flag \"" + arg + "\" (see --help)";
    std::string value;
    if (!flag->value) {
      if (equals != std::string::npos) return name + " takes no value";
    } else if (equals != std::string::npos) {
      value = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      value = args[++i];
    } else {
      return name + " needs a value: " + name + " " + flag->value;
    }
    if (auto error = flag->apply(value, options)) return error;
  }
  const GameSettings& s = options.settings;
  if (SettledStartingCards(s.StartingCards, s.Players, SettingsFrom::SettingsFile) !=
      s.StartingCards)
    return "--cards " + std::to_string(s.StartingCards) + " is too many for " +
           std::to_string(s.Players) + " seats: (seats + 1) x cards must be at most " +
           std::to_string(kMaxCardsInHands);
  return {};
}

std::string SimUsage() {
  std::string usage =
      "usage: vorpo-sim [flags]\n"
      "Plays matches among computer seats only and prints each match's score sheet and a "
      "summary.\n\n";
  for (const Flag& flag : Flags()) {
    usage += std::string("  ") + flag.name;
    if (flag.value) usage += std::string(" ") + flag.value;
    usage += std::string("\n      ") + flag.help + "\n";
  }
  usage +=
      "\nA value may also be given as --flag=VALUE. Flags apply in order: a flag after\n"
      "--settings overrides the file. Exit status: 0 done, 1 the engine got stuck, 2 bad "
      "flags.\n";
  return usage;
}

}  // namespace vorpo::sim
