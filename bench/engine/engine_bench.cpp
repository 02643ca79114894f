// Whole deals played by the computer player on every seat, as the simulator plays them, with
// a table that draws nothing and ends the match after each deal (so no score-sheet text is
// built). Every heap allocation made while deals are played is counted: the engine is meant to
// make none per move.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "game.h"
#include "match.h"
#include "random.h"
#include "sheet_view.h"
#include "sim_options.h"
#include "simulator.h"

namespace {

std::atomic<std::uint64_t> allocations{0};

void* CountedAllocation(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
  return CountedAllocation(size);
}
void* operator new[](std::size_t size) {
  return CountedAllocation(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

using namespace vorpo;

// Shows no sheet at all: the benchmark's matches are one deal of the Japanese rule each.
class OneDealView : public sim::SilentView {
 public:
  void ShowScoreSheet(const Standings&) override {}
};

// range(0): seats; range(1): 1 with every local rule on, 0 with the default rules; range(2): 1
// with the strong computer player on every seat, 0 with the standard one.
void PlayDeals(benchmark::State& bench) {
  OneDealView view;
  Random random(20240601);
  Game game(view, random);
  GameSettings settings = sim::DefaultSettings();
  settings.Players = static_cast<std::uint8_t>(bench.range(0));
  settings.CalcProc = 1;
  settings.JRTurns = 1;
  if (bench.range(1))
    settings.DefDraw = settings.DefDraw4 = settings.NotYama = settings.NotFig = settings.WildFront =
        1;
  game.ApplySettings(settings, SettingsFrom::SettingsFile);
  const bool strong = bench.range(2) != 0;
  for (int seat = 0; seat < kSeats; ++seat)
    game.SetSeatStrength(seat, strong ? Strength::Strong : Strength::Standard);

  const auto playDeal = [&game] {
    game.StartMatch();
    while (game.State().MatchRunning()) sim::PlayOneTurn(game);
  };
  // The score lists and names reach their lasting size in the first deals.
  for (int i = 0; i < 16; ++i) playDeal();

  const PlayCounters before = game.counters;
  const std::uint64_t allocationsBefore = allocations.load();
  for (auto _ : bench) playDeal();
  const double allocated = static_cast<double>(allocations.load() - allocationsBefore);
  const double deals = static_cast<double>(game.counters.deals - before.deals);
  const double moves = static_cast<double>(game.counters.moves - before.moves);

  bench.counters["deals/s"] = benchmark::Counter(deals, benchmark::Counter::kIsRate);
  bench.counters["moves/s"] = benchmark::Counter(moves, benchmark::Counter::kIsRate);
  bench.counters["moves/deal"] = moves / deals;
  bench.counters["time/move"] =
      benchmark::Counter(moves, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  bench.counters["allocs/move"] = allocated / moves;
  bench.counters["allocs/deal"] = allocated / deals;
}

BENCHMARK(PlayDeals)
    ->ArgNames({"seats", "all_rules", "strong"})
    ->ArgsProduct({{2, 5, 10}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
