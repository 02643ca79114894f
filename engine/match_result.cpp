#include "match_result.h"

#include <algorithm>

#include "match.h"

namespace vorpo {

MatchResult MatchResultOf(const GameState& state) {
  MatchResult result;
  result.CalcProc = state.CalcProc;
  result.Ranked = state.Ranking != 0;
  result.Players = std::min<int>(state.Players, kSeats);
  result.Deals = static_cast<int>(state.ScoreLists[0].size());
  result.SeatNames = state.SeatNames;
  result.Totals = SeatTotals(state);
  if (result.Players == 0) return result;
  const int best = *std::max_element(result.Totals.begin(), result.Totals.begin() + result.Players);
  for (int seat = 0; seat < result.Players; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    result.DealsWon[i] = state.DealsWon[i];
    result.Winners[i] = result.Totals[i] == best;
  }
  return result;
}

}  // namespace vorpo
