// The simulator's command line: every setting that changes play, a settings file to start
// from, and how the run reports. Flags apply from left to right, so a flag given after
// --settings overrides the file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "computer_strategy.h"
#include "game_settings.h"
#include "point_table.h"

namespace vorpo::sim {

struct SimOptions {
  GameSettings settings;
  // The card points: the score table file a settings file names, as the game loads it.
  PointTable points = DefaultPointTable();
  // What the game would have shown in a message box (a score table file that cannot be
  // opened); the run goes on.
  std::vector<std::string> notices;
  // Seats given a computer player of their own strength; the others keep the settings'.
  std::array<std::optional<Strength>, kSeats> strengths{};
  std::optional<std::uint64_t> seed;
  int matches = 1;
  bool quiet = false;
  bool json = false;
  bool help = false;
  bool version = false;
};

// The settings a run starts from before any flag: those of a missing settings file.
GameSettings DefaultSettings();

// Reads args (without the program name) into options. Returns a one-line message for a flag
// that is unknown, lacks its value or has a value out of range; options are then unusable.
std::optional<std::string> ParseSimArgs(const std::vector<std::string>& args, SimOptions& options);

// The text of --help.
std::string SimUsage();

}  // namespace vorpo::sim
