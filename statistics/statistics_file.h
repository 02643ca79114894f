// The statistics file: UTF-8 text in INI form. A header section says whose file it is and in
// which format; then one section per player name with the figures of every kind of match that
// name has played:
//
//   [Statistics]
//   Program=Vorpo
//   Format=1
//   Players=1
//
//   [Player 1]
//   Name=プレイヤー
//   Japanese.Matches=2
//   Japanese.MatchesWon=1
//   Japanese.Deals=10
//   Japanese.DealsWon=4
//   Japanese.BestTotal=35
//   Japanese.TotalSum=20
//
// A name is the whole value after "Name=", spaces included.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "statistics_record.h"

namespace vorpo {

// The file's text for record. A name with a line break or a NUL byte, which no settings file
// can give seat 0, cannot stand on a line and is left out.
std::string StatisticsFileText(const StatisticsRecord& record);

// The record that bytes hold; nullopt for bytes that are not a statistics file of this format
// (another program's file) or that no game could have written (damaged: cut off before its
// last line break or after a whole player, a figure missing or out of range, more matches won than
// played, a mean above the best total, a name twice).
std::optional<StatisticsRecord> ParseStatisticsFile(std::string_view bytes);

}  // namespace vorpo
