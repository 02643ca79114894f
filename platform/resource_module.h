// Reads the resources of a Windows resource-only module (PE32 or PE32+) by parsing the file's
// bytes: the module is never executed or mapped. Every offset, size and RVA is checked against
// the file before use; a file whose resource tree is not whole and well formed (a table that
// points outside the file, into a loop or at the wrong kind of record) is refused whole.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorpo {

inline constexpr std::uint16_t kResourceTypeBitmap = 2;  // RT_BITMAP

// Packs are small (a card-image pack is well under a megabyte): anything larger than this is
// not read at all.
inline constexpr std::size_t kMaxModuleBytes = 64u << 20;

// The file the platform's module loader would open for path: a bare file name is looked for in
// the program's folder first and then in the current directory, as a module loader does; a path
// with a folder in it is taken as it is (relative to the current directory).
std::string FindModuleFile(const std::string& path, const std::string& programFolder);

// A resource type or name as a module holds it: a UTF-16 string or a 16-bit number.
struct ResourceId {
  bool named = false;
  std::u16string text;
  std::uint16_t number = 0;
};

class ResourceModule {
 public:
  // nullopt when the bytes are not a readable resource module.
  static std::optional<ResourceModule> FromBytes(std::vector<std::uint8_t> bytes);
  // nullopt as above, or when the file cannot be read (only regular files are opened).
  static std::optional<ResourceModule> FromFile(const std::string& path);

  // The data of the first language of the named resource, by numeric type (RT_BITMAP) or by
  // type name ("WAVE"); names compare without regard to ASCII case, as Windows does, and a
  // name "#7" means the numeric name 7.
  std::optional<std::span<const std::uint8_t>> Find(std::uint16_t type,
                                                    std::string_view name) const;
  std::optional<std::span<const std::uint8_t>> Find(std::string_view type,
                                                    std::string_view name) const;

  struct Entry {
    std::string type;  // "#2" for a numeric type, else the type's name
    std::string name;  // "#7" for a numeric name, else the name
    std::uint16_t language = 0;
    std::size_t size = 0;
  };
  // Every resource in the order of the file's tree (types, then names, then languages).
  const std::vector<Entry>& Entries() const { return entries_; }
  // The data of Entries()[index].
  std::span<const std::uint8_t> EntryData(std::size_t index) const;

 private:
  struct Located {
    ResourceId type;
    ResourceId name;
    std::size_t offset = 0;
    std::size_t size = 0;
  };

  std::optional<std::span<const std::uint8_t>> FindById(const ResourceId& type,
                                                        std::string_view name) const;

  std::vector<std::uint8_t> bytes_;
  std::vector<Located> resources_;
  std::vector<Entry> entries_;
};

}  // namespace vorpo
