#include "font_file_pages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdio.h>
#include <string_view>
#include <sys/mman.h>

namespace vorpo {

namespace {

bool IsFontFile(std::string_view path) {
  constexpr std::array<std::string_view, 6> kSuffixes = {".ttf", ".otf", ".ttc",
                                                         ".otc", ".pfb", ".pcf"};
  for (std::string_view suffix : kSuffixes) {
    if (path.size() < suffix.size()) continue;
    const std::string_view end = path.substr(path.size() - suffix.size());
    if (std::equal(end.begin(), end.end(), suffix.begin(),
                   [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }))
      return true;
  }
  return false;
}

// One mapping of the program's memory as /proc/self/smaps describes it.
struct Mapping {
  std::uintptr_t start = 0;
  std::uintptr_t end = 0;
  bool fontFile = false;
};

// A mapping's first line: "start-end perms offset device inode path". Only a mapping that is
// read-only, private and of a font file is a candidate.
bool ReadMappingLine(const char* line, Mapping& mapping) {
  char perms[5] = {};
  int pathAt = 0;
  if (std::sscanf(line, "%" SCNxPTR "-%" SCNxPTR " %4s %*s %*s %*s %n", &mapping.start,
                  &mapping.end, perms, &pathAt) != 3 ||
      pathAt == 0)
    return false;
  std::string_view path(line + pathAt);
  if (!path.empty() && path.back() == '\n') path.remove_suffix(1);
  mapping.fontFile =
      std::strcmp(perms, "r--p") == 0 && mapping.end > mapping.start && IsFontFile(path);
  return true;
}

}  // namespace

std::size_t ReleaseFontFilePages() {
  std::FILE* smaps = std::fopen("/proc/self/smaps", "re");
  if (smaps == nullptr) return 0;
  std::size_t released = 0;
  Mapping mapping;
  char* line = nullptr;
  std::size_t capacity = 0;
  while (getline(&line, &capacity, smaps) != -1) {
    unsigned long anonymousKb = 0;
    if (std::sscanf(line, "Anonymous: %lu kB", &anonymousKb) == 1) {
      // Only pages never written are read again from the file: a mapping with a page of its
      // own, written before it was made read-only, is left alone.
      if (mapping.fontFile && anonymousKb == 0 &&
          madvise(reinterpret_cast<void*>(mapping.start), mapping.end - mapping.start,
                  MADV_DONTNEED) == 0)
        released += mapping.end - mapping.start;
      mapping.fontFile = false;
    } else if (std::isxdigit(static_cast<unsigned char>(line[0])) != 0) {
      // A field's name may begin with a letter that is a hex digit too; it is no mapping line.
      Mapping next;
      if (ReadMappingLine(line, next)) mapping = next;
    }
  }
  std::free(line);
  std::fclose(smaps);
  return released;
}

}  // namespace vorpo
