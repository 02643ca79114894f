// The parts of the Windows module format (PE32 and PE32+) that a resource-only module uses:
// offsets of the header fields and the resource directory records, shared by the reader and
// the writer so that both agree byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vorpo::pe {

inline constexpr std::size_t kDosHeaderSize = 64;
inline constexpr std::size_t kDosNewHeaderField = 0x3C;  // e_lfanew: file offset of "PE\0\0"
inline constexpr std::size_t kFileHeaderSize = 20;       // after the 4-byte signature
inline constexpr std::size_t kSectionHeaderSize = 40;

inline constexpr std::uint16_t kMagicPe32 = 0x10B;
inline constexpr std::uint16_t kMagicPe32Plus = 0x20B;
// Offsets inside the optional header of the data directory array and of its length.
inline constexpr std::size_t kDirectoriesPe32 = 96;
inline constexpr std::size_t kDirectoriesPe32Plus = 112;
inline constexpr std::size_t kResourceDirectoryIndex = 2;

inline constexpr std::size_t kResourceDirectorySize = 16;  // header of one directory table
inline constexpr std::size_t kResourceEntrySize = 8;
inline constexpr std::size_t kResourceDataEntrySize = 16;
inline constexpr std::uint32_t kHighBit = 0x80000000u;  // name is a string / entry is a table

inline std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// True when [at, at + length) lies inside a buffer of size bytes, without overflow.
inline bool Inside(std::size_t size, std::uint64_t at, std::uint64_t length) {
  return at <= size && length <= size - at;
}

}  // namespace vorpo::pe
