#include "resource_module.h"

#include <algorithm>
#include <set>
#include <sys/stat.h>
#include <utility>

#include "pe_layout.h"
#include "whole_file.h"

namespace vorpo {

namespace {

using Bytes = std::span<const std::uint8_t>;

// One section as the loader would map it: RVAs [virtualAddress, virtualAddress + readable) come
// from the file at rawOffset. What lies beyond the raw data is zero-filled memory in a mapped
// module; no resource of a pack lives there, so it is not readable here.
struct Section {
  std::uint64_t virtualAddress = 0;
  std::uint64_t readable = 0;
  std::uint64_t rawOffset = 0;
};

struct Leaf {
  ResourceId type;
  ResourceId name;
  std::uint16_t language = 0;
  std::size_t offset = 0;
  std::size_t size = 0;
};

struct DirectoryEntry {
  std::uint32_t name = 0;
  std::uint32_t target = 0;
};

// Walks the three levels of the resource tree (type, name, language). Each table may be visited
// once only, so a table that points back at itself or at another one already read ends the walk
// as malformed; the number of entries read is limited to what the file could hold without
// overlap, which keeps a hostile file from making the walk slow.
class TreeReader {
 public:
  TreeReader(Bytes bytes, std::vector<Section> sections, std::uint32_t rootRva)
      : bytes_(bytes),
        sections_(std::move(sections)),
        rootRva_(rootRva),
        entryBudget_(bytes.size() / pe::kResourceEntrySize) {}

  std::optional<std::vector<Leaf>> Read() {
    std::vector<Leaf> leaves;
    auto types = Table(0);
    if (!types) return std::nullopt;
    for (const DirectoryEntry& typeEntry : *types) {
      Leaf leaf;
      auto names = Subtable(typeEntry, leaf.type);
      if (!names) return std::nullopt;
      for (const DirectoryEntry& nameEntry : *names) {
        auto languages = Subtable(nameEntry, leaf.name);
        if (!languages) return std::nullopt;
        for (const DirectoryEntry& languageEntry : *languages) {
          if (languageEntry.target & pe::kHighBit) return std::nullopt;
          leaf.language = static_cast<std::uint16_t>(languageEntry.name);
          if (!Data(languageEntry.target, leaf)) return std::nullopt;
          leaves.push_back(leaf);
        }
      }
    }
    return leaves;
  }

 private:
  // File offset of length bytes at rva, when all of them lie in one section's raw data.
  std::optional<std::size_t> Map(std::uint64_t rva, std::uint64_t length) const {
    for (const Section& section : sections_) {
      if (rva < section.virtualAddress) continue;
      std::uint64_t into = rva - section.virtualAddress;
      if (!pe::Inside(section.readable, into, length)) continue;
      std::uint64_t at = section.rawOffset + into;
      if (pe::Inside(bytes_.size(), at, length)) return static_cast<std::size_t>(at);
    }
    return std::nullopt;
  }

  std::optional<std::vector<DirectoryEntry>> Table(std::uint32_t offset) {
    if (!visited_.insert(offset).second) return std::nullopt;
    auto at = Map(std::uint64_t{rootRva_} + offset, pe::kResourceDirectorySize);
    if (!at) return std::nullopt;
    std::size_t count = std::size_t{pe::ReadU16(bytes_, *at + 12)} + pe::ReadU16(bytes_, *at + 14);
    if (count > entryBudget_) return std::nullopt;
    entryBudget_ -= count;
    auto entries = Map(std::uint64_t{rootRva_} + offset + pe::kResourceDirectorySize,
                       std::uint64_t{count} * pe::kResourceEntrySize);
    if (!entries) return std::nullopt;
    std::vector<DirectoryEntry> table(count);
    for (std::size_t i = 0; i < count; ++i) {
      table[i].name = pe::ReadU32(bytes_, *entries + i * pe::kResourceEntrySize);
      table[i].target = pe::ReadU32(bytes_, *entries + i * pe::kResourceEntrySize + 4);
    }
    return table;
  }

  // The table an upper-level entry leads to; the entry's name goes to name.
  std::optional<std::vector<DirectoryEntry>> Subtable(const DirectoryEntry& entry,
                                                      ResourceId& name) {
    if (!(entry.target & pe::kHighBit) || !ReadName(entry.name, name)) return std::nullopt;
    return Table(entry.target & ~pe::kHighBit);
  }

  bool ReadName(std::uint32_t field, ResourceId& name) const {
    name = ResourceId{};
    if (!(field & pe::kHighBit)) {
      name.number = static_cast<std::uint16_t>(field);
      return true;
    }
    auto at = Map(std::uint64_t{rootRva_} + (field & ~pe::kHighBit), 2);
    if (!at) return false;
    std::uint16_t length = pe::ReadU16(bytes_, *at);
    auto text = Map(std::uint64_t{rootRva_} + (field & ~pe::kHighBit) + 2, 2u * length);
    if (!text) return false;
    name.named = true;
    for (std::size_t i = 0; i < length; ++i) {
      name.text.push_back(static_cast<char16_t>(pe::ReadU16(bytes_, *text + 2 * i)));
    }
    return true;
  }

  bool Data(std::uint32_t offset, Leaf& leaf) const {
    auto at = Map(std::uint64_t{rootRva_} + offset, pe::kResourceDataEntrySize);
    if (!at) return false;
    std::uint32_t rva = pe::ReadU32(bytes_, *at);
    std::uint32_t size = pe::ReadU32(bytes_, *at + 4);
    auto data = Map(rva, size);
    if (!data) return false;
    leaf.offset = *data;
    leaf.size = size;
    return true;
  }

  Bytes bytes_;
  std::vector<Section> sections_;
  std::uint32_t rootRva_;
  std::size_t entryBudget_;
  std::set<std::uint32_t> visited_;
};

// The sections and the resource directory's RVA (0 when the module has no resources), or
// nullopt when the headers are not those of a PE32 or PE32+ module.
struct Headers {
  std::vector<Section> sections;
  std::uint32_t resourceRva = 0;
};

std::optional<Headers> ReadHeaders(Bytes bytes) {
  if (bytes.size() < pe::kDosHeaderSize || bytes[0] != 'M' || bytes[1] != 'Z') return std::nullopt;
  std::uint64_t pe = pe::ReadU32(bytes, pe::kDosNewHeaderField);
  if (!pe::Inside(bytes.size(), pe, 4 + pe::kFileHeaderSize)) return std::nullopt;
  if (bytes[pe] != 'P' || bytes[pe + 1] != 'E' || bytes[pe + 2] != 0 || bytes[pe + 3] != 0) {
    return std::nullopt;
  }
  std::size_t fileHeader = static_cast<std::size_t>(pe) + 4;
  std::size_t sectionCount = pe::ReadU16(bytes, fileHeader + 2);
  std::size_t optionalSize = pe::ReadU16(bytes, fileHeader + 16);
  std::size_t optional = fileHeader + pe::kFileHeaderSize;
  if (!pe::Inside(bytes.size(), optional, optionalSize) || optionalSize < 2) return std::nullopt;

  std::size_t directories = 0;
  switch (pe::ReadU16(bytes, optional)) {
    case pe::kMagicPe32:
      directories = pe::kDirectoriesPe32;
      break;
    case pe::kMagicPe32Plus:
      directories = pe::kDirectoriesPe32Plus;
      break;
    default:
      return std::nullopt;
  }
  if (optionalSize < directories) return std::nullopt;
  std::size_t directoryCount = pe::ReadU32(bytes, optional + directories - 4);

  Headers headers;
  std::size_t resourceDirectory = directories + 8 * pe::kResourceDirectoryIndex;
  if (directoryCount > pe::kResourceDirectoryIndex && optionalSize >= resourceDirectory + 8) {
    headers.resourceRva = pe::ReadU32(bytes, optional + resourceDirectory);
  }

  std::size_t table = optional + optionalSize;
  if (sectionCount == 0 ||
      !pe::Inside(bytes.size(), table, std::uint64_t{sectionCount} * pe::kSectionHeaderSize)) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < sectionCount; ++i) {
    std::size_t at = table + i * pe::kSectionHeaderSize;
    std::uint64_t virtualSize = pe::ReadU32(bytes, at + 8);
    std::uint64_t rawSize = pe::ReadU32(bytes, at + 16);
    Section section;
    section.virtualAddress = pe::ReadU32(bytes, at + 12);
    section.rawOffset = pe::ReadU32(bytes, at + 20);
    section.readable = virtualSize == 0 ? rawSize : std::min(virtualSize, rawSize);
    headers.sections.push_back(section);
  }
  return headers;
}

// A lookup name in UTF-16, as the file stores names. The names looked up are the program's own
// ASCII names; a malformed UTF-8 sequence only gives units that match no name.
std::u16string ToUtf16(std::string_view text) {
  std::u16string result;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
      code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    i += length;
    if (code >= 0x10000) {
      code -= 0x10000;
      result.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      result.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      result.push_back(static_cast<char16_t>(code));
    }
  }
  return result;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | code >> 6));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | code >> 12));
    out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | code >> 18));
    out.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

// A name for listing: a string as UTF-8 (an unpaired surrogate becomes U+FFFD), a number as
// "#" and its decimal digits.
std::string Describe(const ResourceId& name) {
  if (!name.named) return "#" + std::to_string(name.number);
  std::string out;
  const std::u16string& s = name.text;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t code = s[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (code >= 0xD800 && code < 0xE000) {
      code = 0xFFFD;
    }
    AppendUtf8(out, code);
  }
  return out;
}

char16_t FoldCase(char16_t c) {
  return c >= u'a' && c <= u'z' ? c - (u'a' - u'A') : c;
}

bool SameText(const std::u16string& a, const std::u16string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char16_t x, char16_t y) { return FoldCase(x) == FoldCase(y); });
}

// What a lookup name stands for: "#" followed by decimal digits is a number, anything else a
// string; a "#" form that is no 16-bit number matches nothing.
std::optional<ResourceId> QueryName(std::string_view query) {
  ResourceId name;
  if (!query.empty() && query[0] == '#') {
    std::string_view digits = query.substr(1);
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return std::nullopt;
      value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (value > 0xFFFF) return std::nullopt;
    name.number = static_cast<std::uint16_t>(value);
    return name;
  }
  name.named = true;
  name.text = ToUtf16(query);
  return name;
}

bool Matches(const ResourceId& id, const ResourceId& query) {
  return id.named == query.named &&
         (id.named ? SameText(id.text, query.text) : id.number == query.number);
}

}  // namespace

std::string FindModuleFile(const std::string& path, const std::string& programFolder) {
  if (path.empty() || path.find('/') != std::string::npos || programFolder.empty()) return path;
  std::string besideProgram = programFolder + "/" + path;
  struct stat info {};
  if (stat(besideProgram.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return besideProgram;
  return path;
}

std::optional<ResourceModule> ResourceModule::FromBytes(std::vector<std::uint8_t> bytes) {
  if (bytes.size() > kMaxModuleBytes) return std::nullopt;
  auto headers = ReadHeaders(bytes);
  if (!headers) return std::nullopt;

  std::vector<Leaf> leaves;
  if (headers->resourceRva != 0) {
    auto read = TreeReader(bytes, headers->sections, headers->resourceRva).Read();
    if (!read) return std::nullopt;
    leaves = std::move(*read);
  }

  ResourceModule module;
  for (Leaf& leaf : leaves) {
    module.entries_.push_back(
        Entry{Describe(leaf.type), Describe(leaf.name), leaf.language, leaf.size});
    module.resources_.push_back(
        Located{std::move(leaf.type), std::move(leaf.name), leaf.offset, leaf.size});
  }
  module.bytes_ = std::move(bytes);
  return module;
}

std::optional<ResourceModule> ResourceModule::FromFile(const std::string& path) {
  auto bytes = ReadFileWhole(path, kMaxModuleBytes);
  if (!bytes) return std::nullopt;
  return FromBytes(std::move(*bytes));
}

std::span<const std::uint8_t> ResourceModule::EntryData(std::size_t index) const {
  const Located& located = resources_.at(index);
  return std::span<const std::uint8_t>(bytes_).subspan(located.offset, located.size);
}

std::optional<std::span<const std::uint8_t>> ResourceModule::FindById(const ResourceId& type,
                                                                      std::string_view name) const {
  auto query = QueryName(name);
  if (!query) return std::nullopt;
  for (std::size_t i = 0; i < resources_.size(); ++i) {
    if (Matches(resources_[i].type, type) && Matches(resources_[i].name, *query))
      return EntryData(i);
  }
  return std::nullopt;
}

std::optional<std::span<const std::uint8_t>> ResourceModule::Find(std::uint16_t type,
                                                                  std::string_view name) const {
  return FindById(ResourceId{false, {}, type}, name);
}

std::optional<std::span<const std::uint8_t>> ResourceModule::Find(std::string_view type,
                                                                  std::string_view name) const {
  auto query = QueryName(type);
  if (!query) return std::nullopt;
  return FindById(*query, name);
}

}  // namespace vorpo
