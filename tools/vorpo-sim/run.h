// One run of the simulator: the matches the options ask for, each match's sheet written as it
// ends, and the summary of them all.
#pragma once

#include <cstdint>
#include <ostream>

#include "sim_options.h"
#include "summary.h"

namespace vorpo::sim {

// Plays options.matches matches from seed. When sheets is given, each finished match's caption
// and score sheet are written to it in the sheet's own CR LF line breaks.
SimSummary RunMatches(const SimOptions& options, std::uint64_t seed, std::ostream* sheets);

}  // namespace vorpo::sim
