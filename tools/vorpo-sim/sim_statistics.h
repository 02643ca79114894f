// The simulator's statistics across its matches: the game's own record of seat 0, counted from
// the engine's match-end events, and the record as JSON for --json.
#pragma once

#include <string>

#include "match_result.h"
#include "statistics_record.h"

namespace vorpo::sim {

// Counts every match the engine ends, as the game's statistics file does.
class MatchTally : public MatchObserver {
 public:
  void MatchEnded(const MatchResult& result) override { record.Add(result); }

  StatisticsRecord record;
};

// A JSON array with one object per name: the name and, for each kind of match, its figures
// ("best_total" and "average_total" are null before the first match of the kind).
std::string StatisticsJson(const StatisticsRecord& record);

}  // namespace vorpo::sim
