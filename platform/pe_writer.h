// Writes a resource-only Windows module (PE32 DLL with one ".rsrc" section and no code), the
// form of a card-image pack and a sound pack. The output loads on Windows as a data module and
// is what the resource reader reads back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vorpo::pe {

inline constexpr std::uint16_t kLanguageNeutral = 0;

struct ResourceToWrite {
  std::string type;  // "#2" for a numeric type (RT_BITMAP), else a name such as "WAVE"
  std::string name;  // "#7" for a numeric name, else an ASCII name; stored in capitals
  std::uint16_t language = kLanguageNeutral;
  std::vector<std::uint8_t> data;
};

// The whole module file. Names are stored in capitals, as resource compilers do, and sorted the
// way the Windows loader searches them.
std::vector<std::uint8_t> WriteResourceModule(const std::vector<ResourceToWrite>& resources);

}  // namespace vorpo::pe
