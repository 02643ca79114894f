#include "sim_statistics.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace vorpo::sim {

namespace {

constexpr std::array<std::string_view, kMatchKinds> kKindKeys = {
    "international", "international_ranked", "japanese", "japanese_ranked"};

// A JSON string: quotes, backslashes and control characters escaped, every other byte (UTF-8)
// as it is.
std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string FiguresJson(const Figures& f) {
  const bool played = f.matches > 0;
  std::string average = "null";
  if (const auto mean = f.AverageTotal()) {
    char text[64];
    std::snprintf(text, sizeof text, "%.4f", *mean);
    average = text;
  }
  return "{\"matches\":" + std::to_string(f.matches) +
         ",\"matches_won\":" + std::to_string(f.matchesWon) +
         ",\"deals\":" + std::to_string(f.deals) + ",\"deals_won\":" + std::to_string(f.dealsWon) +
         ",\"best_total\":" + (played ? std::to_string(f.bestTotal) : "null") +
         ",\"average_total\":" + average + "}";
}

}  // namespace

std::string StatisticsJson(const StatisticsRecord& record) {
  std::string json = "[";
  for (const auto& [name, player] : record.Players()) {
    if (json.size() > 1) json += ",";
    json += "{\"name\":" + Quoted(name);
    for (std::size_t kind = 0; kind < kMatchKinds; ++kind)
      json += ",\"" + std::string(kKindKeys[kind]) + "\":" + FiguresJson(player.kinds[kind]);
    json += "}";
  }
  return json + "]";
}

}  // namespace vorpo::sim
