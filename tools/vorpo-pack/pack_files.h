// File access for vorpo-pack: whole-file reads with a size limit, writes that never leave half
// a file behind, and file names made safe from resource names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pack {

// The file's bytes; nullopt when it is not a readable regular file of at most maxBytes.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                       std::size_t maxBytes);

// Writes to a temporary file beside path and renames it into place; false (and no file at
// path changed) on any failure.
bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// A resource name as a file name: letters, digits, "-", "_" and "." kept, anything else (a path
// separator above all) replaced by "_", no leading dot, never empty.
std::string SafeFileName(const std::string& name);

}  // namespace pack
