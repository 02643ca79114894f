#include "name_spelling.h"

#include <algorithm>

namespace vorpo {

std::optional<std::string> NameBytes(std::string_view name, const text::Cp932Spelling& asRead) {
  if (name == asRead.text) return asRead.bytes;
  return text::Utf8ToCp932(name);
}

std::vector<text::Cp932Spelling> SeatNameSpellings(const GameState& game,
                                                   const ProgramSettings& program) {
  std::vector<text::Cp932Spelling> spellings;
  const int seats = std::min<int>(game.Players, kSeats);
  for (int seat = 0; seat < seats; ++seat) {
    const auto s = static_cast<std::size_t>(seat);
    const std::string& name = game.SeatNames[s];
    if (auto bytes = NameBytes(name, program.NameSpellings[s]))
      spellings.push_back({name, std::move(*bytes)});
  }
  return spellings;
}

}  // namespace vorpo
