#include "pe_writer.h"

#include <map>

#include "pe_layout.h"

namespace vorpo::pe {

namespace {

constexpr std::uint32_t kSectionAlignment = 0x1000;
constexpr std::uint32_t kFileAlignment = 0x200;
constexpr std::uint32_t kSectionRva = kSectionAlignment;
constexpr std::uint32_t kHeadersSize = kFileAlignment;
constexpr std::uint32_t kImageBase = 0x10000000;
constexpr std::size_t kOptionalHeaderSize = 224;  // PE32 with 16 data directories
constexpr std::uint32_t kDataDirectoryCount = 16;

// A type or a name as stored: named entries sort before numbered ones, names by their UTF-16
// code units (they are in capitals), numbers ascending — the order the loader's search expects.
struct Key {
  bool named = false;
  std::u16string text;
  std::uint16_t number = 0;

  bool operator<(const Key& other) const {
    if (named != other.named) return named;
    return named ? text < other.text : number < other.number;
  }
};

Key MakeKey(const std::string& name) {
  Key key;
  if (name.size() > 1 && name.size() <= 6 && name[0] == '#' &&
      name.find_first_not_of("0123456789", 1) == std::string::npos &&
      std::stoul(name.substr(1)) <= 0xFFFF) {
    key.number = static_cast<std::uint16_t>(std::stoul(name.substr(1)));
    return key;
  }
  key.named = true;
  for (char c : name) {
    char16_t unit = static_cast<unsigned char>(c);
    key.text.push_back(unit >= u'a' && unit <= u'z' ? unit - (u'a' - u'A') : unit);
  }
  return key;
}

using Languages = std::map<std::uint16_t, const std::vector<std::uint8_t>*>;
using Names = std::map<Key, Languages>;
using Types = std::map<Key, Names>;

std::uint32_t AlignUp(std::uint32_t value, std::uint32_t alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

class Output {
 public:
  explicit Output(std::size_t size) : bytes_(size, 0) {}
  void Byte(std::size_t at, std::uint8_t value) { bytes_[at] = value; }
  void U16(std::size_t at, std::uint32_t value) {
    bytes_[at] = static_cast<std::uint8_t>(value);
    bytes_[at + 1] = static_cast<std::uint8_t>(value >> 8);
  }
  void U32(std::size_t at, std::uint32_t value) {
    U16(at, value & 0xFFFF);
    U16(at + 2, value >> 16);
  }
  void Bytes(std::size_t at, const std::vector<std::uint8_t>& data) {
    std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at));
  }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Lays out and writes the resource section: all directory tables first, then the data entries,
// then the name strings, then the data, each item aligned as resource compilers align it.
class SectionWriter {
 public:
  explicit SectionWriter(const Types& types) : types_(types) {}

  std::uint32_t Size() {
    Layout(nullptr);
    return size_;
  }

  void Write(Output& out, std::size_t base) {
    base_ = base;
    Layout(&out);
  }

 private:
  void Layout(Output* out) {
    out_ = out;
    std::uint32_t tables = 0;
    std::uint32_t leaves = 0;
    tables += TableSize(types_.size());
    for (const auto& [type, names] : types_) {
      tables += TableSize(names.size());
      for (const auto& [name, languages] : names) {
        tables += TableSize(languages.size());
        leaves += static_cast<std::uint32_t>(languages.size());
      }
    }
    nextTable_ = 0;
    nextEntry_ = tables;
    nextString_ = tables + leaves * static_cast<std::uint32_t>(kResourceDataEntrySize);
    std::uint32_t strings = 0;
    for (const auto& [type, names] : types_) {
      strings += StringSize(type);
      for (const auto& [name, languages] : names) strings += StringSize(name);
    }
    nextData_ = AlignUp(nextString_ + strings, 8);

    std::uint32_t root = StartTable(types_);
    std::uint32_t slot = root + kResourceDirectorySize;
    for (const auto& [type, names] : types_) {
      std::uint32_t typeTable = StartTable(names);
      PutEntry(slot, type, typeTable | kHighBit);
      slot += kResourceEntrySize;
      std::uint32_t nameSlot = typeTable + kResourceDirectorySize;
      for (const auto& [name, languages] : names) {
        std::uint32_t languageTable = StartTable(languages);
        PutEntry(nameSlot, name, languageTable | kHighBit);
        nameSlot += kResourceEntrySize;
        std::uint32_t languageSlot = languageTable + kResourceDirectorySize;
        for (const auto& [language, data] : languages) {
          PutLeaf(languageSlot, language, *data);
          languageSlot += kResourceEntrySize;
        }
      }
    }
    size_ = nextData_;
  }

  static std::uint32_t TableSize(std::size_t entries) {
    return static_cast<std::uint32_t>(kResourceDirectorySize + entries * kResourceEntrySize);
  }

  static std::uint32_t StringSize(const Key& key) {
    return key.named ? AlignUp(static_cast<std::uint32_t>(2 + 2 * key.text.size()), 2) : 0;
  }

  template <typename Map>
  std::uint32_t StartTable(const Map& entries) {
    std::uint32_t at = nextTable_;
    nextTable_ += TableSize(entries.size());
    if (out_) {
      std::uint32_t named = 0;
      if constexpr (std::is_same_v<typename Map::key_type, Key>) {
        for (const auto& entry : entries) named += entry.first.named;
      }
      out_->U16(base_ + at + 12, named);
      out_->U16(base_ + at + 14, static_cast<std::uint32_t>(entries.size()) - named);
    }
    return at;
  }

  void PutEntry(std::uint32_t slot, const Key& key, std::uint32_t target) {
    std::uint32_t name = key.number;
    if (key.named) {
      name = nextString_ | kHighBit;
      if (out_) {
        out_->U16(base_ + nextString_, static_cast<std::uint32_t>(key.text.size()));
        for (std::size_t i = 0; i < key.text.size(); ++i) {
          out_->U16(base_ + nextString_ + 2 + 2 * i, key.text[i]);
        }
      }
      nextString_ += StringSize(key);
    }
    if (out_) {
      out_->U32(base_ + slot, name);
      out_->U32(base_ + slot + 4, target);
    }
  }

  void PutLeaf(std::uint32_t slot, std::uint16_t language, const std::vector<std::uint8_t>& data) {
    std::uint32_t entry = nextEntry_;
    nextEntry_ += kResourceDataEntrySize;
    std::uint32_t at = nextData_;
    nextData_ = AlignUp(nextData_ + static_cast<std::uint32_t>(data.size()), 8);
    if (!out_) return;
    out_->U32(base_ + slot, language);
    out_->U32(base_ + slot + 4, entry);
    out_->U32(base_ + entry, kSectionRva + at);
    out_->U32(base_ + entry + 4, static_cast<std::uint32_t>(data.size()));
    out_->Bytes(base_ + at, data);
  }

  const Types& types_;
  Output* out_ = nullptr;
  std::size_t base_ = 0;
  std::uint32_t nextTable_ = 0, nextEntry_ = 0, nextString_ = 0, nextData_ = 0, size_ = 0;
};

void WriteHeaders(Output& out, std::uint32_t sectionSize) {
  std::uint32_t rawSize = AlignUp(sectionSize, kFileAlignment);
  constexpr std::size_t pe = kDosHeaderSize;
  out.U16(0, 'M' | 'Z' << 8);
  out.U32(kDosNewHeaderField, pe);
  out.U32(pe, 'P' | 'E' << 8);

  std::size_t file = pe + 4;
  out.U16(file, 0x14C);  // i386
  out.U16(file + 2, 1);  // one section
  out.U16(file + 16, kOptionalHeaderSize);
  // Executable image, no line numbers, no local symbols, 32-bit machine, DLL. Relocations are
  // not marked stripped: with no code there is nothing to relocate, so the loader may place
  // the module at any address.
  out.U16(file + 18, 0x0002 | 0x0004 | 0x0008 | 0x0100 | 0x2000);

  std::size_t optional = file + kFileHeaderSize;
  out.U16(optional, kMagicPe32);
  out.U32(optional + 8, rawSize);       // size of initialised data
  out.U32(optional + 20, kSectionRva);  // base of code
  out.U32(optional + 24, kSectionRva);  // base of data
  out.U32(optional + 28, kImageBase);
  out.U32(optional + 32, kSectionAlignment);
  out.U32(optional + 36, kFileAlignment);
  out.U16(optional + 40, 4);  // operating system version 4.0
  out.U16(optional + 48, 4);  // subsystem version 4.0
  out.U32(optional + 56, kSectionRva + AlignUp(sectionSize, kSectionAlignment));
  out.U32(optional + 60, kHeadersSize);
  out.U16(optional + 68, 2);  // Windows GUI subsystem
  out.U32(optional + 72, 0x100000);
  out.U32(optional + 76, 0x1000);
  out.U32(optional + 80, 0x100000);
  out.U32(optional + 84, 0x1000);
  out.U32(optional + kDirectoriesPe32 - 4, kDataDirectoryCount);
  std::size_t resources = optional + kDirectoriesPe32 + 8 * kResourceDirectoryIndex;
  out.U32(resources, kSectionRva);
  out.U32(resources + 4, sectionSize);

  std::size_t section = optional + kOptionalHeaderSize;
  const char name[] = ".rsrc";
  for (std::size_t i = 0; name[i] != 0; ++i)
    out.Byte(section + i, static_cast<std::uint8_t>(name[i]));
  out.U32(section + 8, sectionSize);
  out.U32(section + 12, kSectionRva);
  out.U32(section + 16, rawSize);
  out.U32(section + 20, kHeadersSize);
  out.U32(section + 36, 0x40000040);  // initialised data, readable
}

}  // namespace

std::vector<std::uint8_t> WriteResourceModule(const std::vector<ResourceToWrite>& resources) {
  Types types;
  for (const ResourceToWrite& resource : resources) {
    types[MakeKey(resource.type)][MakeKey(resource.name)][resource.language] = &resource.data;
  }
  SectionWriter section(types);
  std::uint32_t sectionSize = section.Size();
  Output out(kHeadersSize + AlignUp(sectionSize, kFileAlignment));
  WriteHeaders(out, sectionSize);
  section.Write(out, kHeadersSize);
  return out.Take();
}

}  // namespace vorpo::pe
