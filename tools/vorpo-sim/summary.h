// What a run of the simulator amounts to: how much was played, how often the local rules came
// into play, how the seats fared, and how fast the engine went.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "cards.h"
#include "game.h"
#include "statistics_record.h"

namespace vorpo::sim {

struct SimSummary {
  std::uint64_t seed = 0;
  int seats = 0;
  int matches = 0;
  PlayCounters counters;
  std::array<Strength, kSeats> strengths{};
  // Matches won per seat (every tied winner counts) and the sum of the match totals.
  std::array<int, kSeats> wins{};
  std::array<long long, kSeats> points{};
  double seconds = 0;  // time spent playing, printing excluded
  // Seat 0's statistics across the matches, as the game's statistics file counts them.
  StatisticsRecord statistics;

  double MovesPerDeal() const;
  double DealsPerSecond() const;
  // The share of the deals a seat went out in, and its deal scores per deal.
  double DealWinShare(int seat) const;
  double PointsPerDeal(int seat) const;
  // A total over the run divided among its deals; 0 before any deal.
  double PerDeal(double total) const;
};

// Adds a finished match's totals to the wins and points.
void AddMatch(SimSummary& summary, const std::array<int, kSeats>& totals);

// One "name  value" line per figure.
std::string SummaryText(const SimSummary& summary);
// One JSON object on one line.
std::string SummaryJson(const SimSummary& summary);

}  // namespace vorpo::sim
