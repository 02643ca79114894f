#include "run.h"

#include <chrono>

#include "sim_statistics.h"
#include "simulator.h"

namespace vorpo::sim {

SimSummary RunMatches(const SimOptions& options, std::uint64_t seed, std::ostream* sheets) {
  Simulator simulator(options.settings, seed, options.points);
  for (int seat = 0; seat < kSeats; ++seat)
    if (const auto& strength = options.strengths[static_cast<std::size_t>(seat)])
      simulator.SetSeatStrength(seat, *strength);
  MatchTally statistics;
  simulator.ObserveMatches(&statistics);
  SimSummary summary;
  summary.seed = seed;
  summary.seats = options.settings.Players;
  for (int seat = 0; seat < kSeats; ++seat)
    summary.strengths[static_cast<std::size_t>(seat)] = simulator.SeatStrength(seat);
  std::chrono::steady_clock::duration playing{};
  for (int match = 1; match <= options.matches; ++match) {
    const auto start = std::chrono::steady_clock::now();
    const MatchSheet& sheet = simulator.PlayMatch();
    playing += std::chrono::steady_clock::now() - start;
    AddMatch(summary, sheet.totals);
    if (sheets)
      *sheets << "[" << match << "] " << sheet.caption << "\r\n" << sheet.text << "\r\n\r\n";
  }
  summary.counters = simulator.Counters();
  summary.statistics = statistics.record;
  summary.seconds = std::chrono::duration<double>(playing).count();
  return summary;
}

}  // namespace vorpo::sim
