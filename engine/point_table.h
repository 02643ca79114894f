// The points a card left in a hand costs at the end of a deal, and the score table file that
// can replace them (up to 112 raw bytes, byte k the value of card number k).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "cards.h"

namespace vorpo {

using PointTable = std::array<std::uint8_t, kDeckSize>;

const PointTable& DefaultPointTable();

// Fills table from the file at path (relative paths are taken from programDir); a short
// file keeps the default values for its missing tail. Returns the message to show when the
// file cannot be opened; the table then holds the defaults. Never fails otherwise.
std::optional<std::string> ReadScoreTableFile(const std::string& path,
                                              const std::string& programDir, PointTable& table);

}  // namespace vorpo
