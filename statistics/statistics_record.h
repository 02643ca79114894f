// The record of how the human player has done across matches: per name of seat 0, and per
// scoring rule played ranked or not, the matches and deals played and won and the match totals.
// The game's statistics file and the simulator's summary both count with this.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "match_result.h"

namespace vorpo {

// The figures of one player under one kind of match.
struct Figures {
  std::int64_t matches = 0;
  std::int64_t matchesWon = 0;  // seat 0 among the winners, ties included
  std::int64_t deals = 0;
  std::int64_t dealsWon = 0;
  std::int64_t bestTotal = 0;  // the highest match total; meaningful once a match is played
  std::int64_t totalSum = 0;   // the match totals added up

  // The mean match total; nullopt before the first match.
  std::optional<double> AverageTotal() const;
  bool operator==(const Figures&) const = default;
};

// The kinds of match, each counted on its own: the scoring rule, played ranked or not.
enum class MatchKind : std::uint8_t {
  International,
  InternationalRanked,
  Japanese,
  JapaneseRanked
};
inline constexpr std::size_t kMatchKinds = 4;
inline constexpr std::array<MatchKind, kMatchKinds> kAllMatchKinds = {
    MatchKind::International, MatchKind::InternationalRanked, MatchKind::Japanese,
    MatchKind::JapaneseRanked};

MatchKind KindOf(std::uint8_t calcProc, bool ranked);

struct PlayerRecord {
  std::array<Figures, kMatchKinds> kinds{};

  const Figures& Of(MatchKind kind) const { return kinds[static_cast<std::size_t>(kind)]; }
  Figures& Of(MatchKind kind) { return kinds[static_cast<std::size_t>(kind)]; }
  bool Empty() const;
  bool operator==(const PlayerRecord&) const = default;
};

class StatisticsRecord {
 public:
  // Counts a finished match for the name seat 0 played it under.
  void Add(const MatchResult& result);
  // The figures of name; all zero for a name that has played no match.
  const PlayerRecord& Of(const std::string& name) const;
  // Forgets every figure of name.
  void Reset(const std::string& name);

  // Every name with a match, in byte order of the names.
  const std::map<std::string, PlayerRecord>& Players() const { return players_; }
  // Sets the figures of name as they were read; an empty record forgets the name.
  void Put(const std::string& name, const PlayerRecord& record);

  bool operator==(const StatisticsRecord&) const = default;

 private:
  std::map<std::string, PlayerRecord> players_;
};

}  // namespace vorpo
