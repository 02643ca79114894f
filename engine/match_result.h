// How a finished match came out, as the engine tells whoever keeps a record of matches: the
// rule it was played under, and for every seat its name, its total, the deals it won and
// whether it was among the winners.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "cards.h"
#include "game_state.h"

namespace vorpo {

struct MatchResult {
  std::uint8_t CalcProc = 0;  // 0 international rule, 1 Japanese rule
  bool Ranked = false;        // played in ranking mode
  int Players = 0;
  int Deals = 0;
  std::array<std::string, kSeats> SeatNames{};
  std::array<int, kSeats> Totals{};
  std::array<int, kSeats> DealsWon{};
  // The seats the sheet names after "WINNER :": every seat with the highest total.
  std::array<bool, kSeats> Winners{};
};

// The result of the match that state holds, read before the match is ended.
MatchResult MatchResultOf(const GameState& state);

// Told of every match the engine ends, once its last sheet has been closed.
class MatchObserver {
 public:
  virtual ~MatchObserver() = default;
  virtual void MatchEnded(const MatchResult& result) = 0;
};

}  // namespace vorpo
