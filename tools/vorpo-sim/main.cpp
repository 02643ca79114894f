// vorpo-sim: plays matches among computer seats without a window, for checking the rules and
// the computer player and for measuring the engine.
#include <iostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "run.h"
#include "sim_options.h"
#include "vorpo_version.h"

int main(int argc, char** argv) {
  using namespace vorpo::sim;
  SimOptions options;
  options.settings = DefaultSettings();
  if (auto error = ParseSimArgs(std::vector<std::string>(argv + 1, argv + argc), options)) {
    std::cerr << "vorpo-sim: " << *error << "\n";
    return 2;
  }
  if (options.help) {
    std::cout << SimUsage();
    return 0;
  }
  if (options.version) {
    std::cout << "vorpo-sim " << vorpo::kVersion << "\n";
    return 0;
  }
  // The game's own message, line break and all, where the game would show a message box.
  for (const std::string& notice : options.notices) std::cerr << "vorpo-sim: " << notice << "\n";
  // Without --seed a fresh seed is taken and printed in the summary, so any run can be replayed.
  const std::uint64_t seed = options.seed ? *options.seed : std::random_device{}() & 0x7FFF'FFFFu;
  try {
    const bool sheets = !options.quiet && !options.json;
    const SimSummary summary = RunMatches(options, seed, sheets ? &std::cout : nullptr);
    std::cout << (options.json ? SummaryJson(summary) : SummaryText(summary));
  } catch (const std::runtime_error& e) {
    std::cerr << "vorpo-sim: " << e.what() << " (replay with --seed " << seed
              << " and the same flags)\n";
    return 1;
  }
  return 0;
}
