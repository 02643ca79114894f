#include "statistics_file.h"

#include <charconv>
#include <cstdint>
#include <set>
#include <vector>

namespace vorpo {

namespace {

constexpr std::string_view kHeaderSection = "Statistics";
constexpr std::string_view kPlayerSection = "Player ";
constexpr std::string_view kProgram = "Vorpo";
constexpr std::string_view kFormat = "1";
// A match has at most 30 deals under either rule.
constexpr std::int64_t kMostDealsPerMatch = 30;
// Far beyond any count a lifetime of play reaches, and small enough that adding to it never
// overflows.
constexpr std::int64_t kMostCount = 1'000'000'000'000;
constexpr std::int64_t kMostPoints = 1'000'000'000'000'000;

constexpr std::array<std::string_view, kMatchKinds> kKindNames = {
    "International", "InternationalRanked", "Japanese", "JapaneseRanked"};

struct FigureField {
  std::string_view name;
  std::int64_t Figures::*field;
  std::int64_t low, high;
};
constexpr std::array<FigureField, 6> kFigureFields = {{
    {"Matches", &Figures::matches, 1, kMostCount},
    {"MatchesWon", &Figures::matchesWon, 0, kMostCount},
    {"Deals", &Figures::deals, 1, kMostCount* kMostDealsPerMatch},
    {"DealsWon", &Figures::dealsWon, 0, kMostCount* kMostDealsPerMatch},
    {"BestTotal", &Figures::bestTotal, -kMostPoints, kMostPoints},
    {"TotalSum", &Figures::totalSum, -kMostPoints, kMostPoints},
}};

bool WritableName(const std::string& name) {
  return name.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 1;
    std::uint32_t low = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, low = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, low = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, low = 0x10000;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    std::uint32_t code = lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
      if ((byte(i + k) & 0xC0) != 0x80) return false;
      code = (code << 6) | (byte(i + k) & 0x3Fu);
    }
    if (code < low || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

std::optional<std::int64_t> Whole(std::string_view text, std::int64_t low, std::int64_t high) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return {};
  if (text.size() > 1 && (text[0] == '0' || (text[0] == '-' && text[1] == '0'))) return {};
  if (value < low || value > high) return {};
  return value;
}

// The mean rounded up; matches is at least 1. Dividing keeps clear of best × matches, which
// may not fit in 64 bits.
std::int64_t MeanRoundedUp(std::int64_t sum, std::int64_t matches) {
  return sum / matches + (sum % matches > 0 ? 1 : 0);
}

// False for figures that no game could have counted.
bool Consistent(const Figures& f) {
  return f.matchesWon <= f.matches && f.deals >= f.matches &&
         f.deals <= f.matches * kMostDealsPerMatch && f.dealsWon <= f.deals &&
         MeanRoundedUp(f.totalSum, f.matches) <= f.bestTotal;
}

// One player section as it is read.
struct PlayerSection {
  std::optional<std::string> name;
  PlayerRecord record;
  std::array<std::array<bool, kFigureFields.size()>, kMatchKinds> seen{};

  // False for a key that does not belong or comes twice, or a figure out of range.
  bool Take(std::string_view key, std::string_view value) {
    if (key == "Name") {
      // A name the writer would leave out is none the game wrote.
      if (name || !WritableName(std::string(value))) return false;
      name = std::string(value);
      return true;
    }
    const auto dot = key.find('.');
    if (dot == std::string_view::npos) return false;
    for (std::size_t kind = 0; kind < kMatchKinds; ++kind) {
      if (key.substr(0, dot) != kKindNames[kind]) continue;
      for (std::size_t f = 0; f < kFigureFields.size(); ++f) {
        const FigureField& field = kFigureFields[f];
        if (key.substr(dot + 1) != field.name) continue;
        const auto number = Whole(value, field.low, field.high);
        if (seen[kind][f] || !number) return false;
        seen[kind][f] = true;
        record.kinds[kind].*field.field = *number;
        return true;
      }
    }
    return false;
  }

  // Every kind either absent or whole and consistent, at least one kind, and a name.
  bool Complete() const {
    bool anyKind = false;
    for (std::size_t kind = 0; kind < kMatchKinds; ++kind) {
      std::size_t count = 0;
      for (bool s : seen[kind]) count += s ? 1 : 0;
      if (count == 0) continue;
      if (count != kFigureFields.size() || !Consistent(record.kinds[kind])) return false;
      anyKind = true;
    }
    return name.has_value() && anyKind;
  }
};

std::vector<std::string_view> Lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const auto end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

std::string StatisticsFileText(const StatisticsRecord& record) {
  std::string players;
  int number = 0;
  for (const auto& [name, player] : record.Players()) {
    if (!WritableName(name) || player.Empty()) continue;
    std::string& text = players;
    text += "\n[Player " + std::to_string(++number) + "]\nName=" + name + "\n";
    for (std::size_t kind = 0; kind < kMatchKinds; ++kind) {
      const Figures& figures = player.kinds[kind];
      if (figures.matches == 0) continue;
      for (const FigureField& field : kFigureFields)
        text += std::string(kKindNames[kind]) + "." + std::string(field.name) + "=" +
                std::to_string(figures.*field.field) + "\n";
    }
  }
  return "[Statistics]\nProgram=Vorpo\nFormat=1\nPlayers=" + std::to_string(number) + "\n" +
         players;
}

std::optional<StatisticsRecord> ParseStatisticsFile(std::string_view bytes) {
  // Every line the game writes ends in a line break: a file without one at its end was cut off,
  // perhaps in the middle of a number that would still read.
  if (!bytes.ends_with('\n') || !IsUtf8(bytes)) return std::nullopt;
  StatisticsRecord record;
  std::set<std::string, std::less<>> sections;
  std::optional<PlayerSection> player;
  bool inHeader = false;
  std::optional<std::string> program, format, count;

  const auto finishPlayer = [&] {
    if (!player) return true;
    if (!player->Complete() || !record.Of(*player->name).Empty()) return false;
    record.Put(*player->name, player->record);
    player.reset();
    return true;
  };

  for (std::string_view line : Lines(bytes)) {
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      if (!line.ends_with(']') || !finishPlayer()) return std::nullopt;
      const std::string_view section = line.substr(1, line.size() - 2);
      const bool first = sections.empty();
      if (!sections.emplace(section).second) return std::nullopt;
      inHeader = section == kHeaderSection;
      // The header comes first, so that another program's file is told apart at once.
      if (first != inHeader) return std::nullopt;
      if (!inHeader) {
        if (!section.starts_with(kPlayerSection) ||
            !Whole(section.substr(kPlayerSection.size()), 1, kMostCount))
          return std::nullopt;
        player.emplace();
      }
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || sections.empty()) return std::nullopt;
    const std::string_view key = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    if (inHeader) {
      std::optional<std::string>* field = key == "Program"   ? &program
                                          : key == "Format"  ? &format
                                          : key == "Players" ? &count
                                                             : nullptr;
      if (!field || *field) return std::nullopt;
      *field = std::string(value);
    } else if (!player->Take(key, value)) {
      return std::nullopt;
    }
  }
  if (!finishPlayer() || program != kProgram || format != kFormat) return std::nullopt;
  // The count of player sections tells a file cut off after a whole section.
  if (!count || Whole(*count, 0, kMostCount) != static_cast<std::int64_t>(record.Players().size()))
    return std::nullopt;
  return record;
}

}  // namespace vorpo
