#include "statistics_record.h"

#include <algorithm>

namespace vorpo {

std::optional<double> Figures::AverageTotal() const {
  if (matches <= 0) return std::nullopt;
  return static_cast<double>(totalSum) / static_cast<double>(matches);
}

MatchKind KindOf(std::uint8_t calcProc, bool ranked) {
  if (calcProc == 0) return ranked ? MatchKind::InternationalRanked : MatchKind::International;
  return ranked ? MatchKind::JapaneseRanked : MatchKind::Japanese;
}

bool PlayerRecord::Empty() const {
  return std::all_of(kinds.begin(), kinds.end(), [](const Figures& f) { return f == Figures{}; });
}

void StatisticsRecord::Add(const MatchResult& result) {
  if (result.Players <= 0) return;
  Figures& figures = players_[result.SeatNames[0]].Of(KindOf(result.CalcProc, result.Ranked));
  const std::int64_t total = result.Totals[0];
  figures.bestTotal = figures.matches == 0 ? total : std::max(figures.bestTotal, total);
  ++figures.matches;
  if (result.Winners[0]) ++figures.matchesWon;
  figures.deals += result.Deals;
  figures.dealsWon += result.DealsWon[0];
  figures.totalSum += total;
}

const PlayerRecord& StatisticsRecord::Of(const std::string& name) const {
  static const PlayerRecord kNone;
  const auto found = players_.find(name);
  return found == players_.end() ? kNone : found->second;
}

void StatisticsRecord::Reset(const std::string& name) {
  players_.erase(name);
}

void StatisticsRecord::Put(const std::string& name, const PlayerRecord& record) {
  if (record.Empty())
    players_.erase(name);
  else
    players_[name] = record;
}

}  // namespace vorpo
