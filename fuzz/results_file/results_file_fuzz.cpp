// Arbitrary bytes as a results file: the reader either refuses them or takes them apart into a
// name and a body that build exactly the same bytes again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "results_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (const auto content = vorpo::ReadResultsBytes(bytes)) {
    if (vorpo::ResultsFileBytes(content->name, content->body) != bytes) std::abort();
  }
  return 0;
}
