// Feeds arbitrary bytes to the resource-module reader. Whatever the bytes, the reader must
// refuse them or give resources that lie wholly inside them, found again by their names.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pe_bitmap.h"
#include "resource_module.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// A name that reads back as itself: letters, digits and "_" only. A listed "#7" may be the
// number 7 or the string "#7", and other characters may not survive the trip to UTF-8.
bool PlainName(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto module = vorpo::ResourceModule::FromBytes(std::vector<std::uint8_t>(data, data + size));
  if (!module) return 0;

  const auto& entries = module->Entries();
  std::size_t total = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    auto bytes = module->EntryData(i);
    Require(bytes.size() == entries[i].size && bytes.size() <= size);
    for (std::uint8_t byte : bytes) total += byte;
    if (entries[i].type == "#2") {
      vorpo::pe::ReadDibSize(bytes);
      if (auto bmp = vorpo::pe::DibToBmpFile(bytes)) Require(bmp->size() == bytes.size() + 14);
    }
    if (PlainName(entries[i].type) && PlainName(entries[i].name)) {
      Require(module->Find(entries[i].type, entries[i].name).has_value());
    }
  }
  for (const char* name : {"CARDIMAGE", "OTHERIMAGE"})
    module->Find(vorpo::kResourceTypeBitmap, name);
  for (const char* name : {"SE11", "SE17", "se18"}) module->Find("WAVE", name);
  return total == 1 ? 1 : 0;
}
