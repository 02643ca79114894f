// Names go back to a file with the bytes they came with. The program holds names in UTF-8, and
// a few hundred characters have two CP932 forms, so a name read as ED 40 would otherwise be
// written as FA 5C: the settings file and the results file keep the spelling the player's
// settings file gave a name for as long as the name is unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cp932_text.h"
#include "game_state.h"
#include "settings_store.h"

namespace vorpo {

// The bytes of name: those it was read with while its text is what they read as, its normal
// CP932 form otherwise; nullopt when CP932 cannot hold it.
std::optional<std::string> NameBytes(std::string_view name, const text::Cp932Spelling& asRead);

// The spelling of the name of every seat in play (SeatNames), for a file that shows them.
// A name CP932 cannot hold is left out.
std::vector<text::Cp932Spelling> SeatNameSpellings(const GameState& game,
                                                   const ProgramSettings& program);

}  // namespace vorpo
