// Reading and replacing a file all at once. A replacement goes to a temporary file beside the
// old one, which is flushed and renamed over it only when complete, so a full disk, a failing
// device or a crash leaves the old file (or none) whole, never part of a file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorpo {

// The bytes of the regular file at path; nullopt when it cannot be opened or read, is anything
// but a regular file (a FIFO is refused without waiting for a writer) or is longer than
// maxBytes. A file that shrinks while it is read gives what was there.
std::optional<std::vector<std::uint8_t>> ReadFileWhole(const std::string& path,
                                                       std::size_t maxBytes);

// 0 when path now holds bytes, otherwise the errno of what failed (nothing is left behind).
// A symbolic link is followed, so the file it points to is replaced; a replaced file keeps its
// permission bits, a new one gets the mode the umask gives.
//
// Where the folder will not take a new file or a rename but the old file itself can be written
// (a folder without write permission, a read-only mount with the file mounted writable), the
// file is written in place instead: any growth is reserved on disk before the first old byte is
// overwritten, and a write that fails part-way puts the old bytes back.
//
// Temporary files of this naming that writers killed before their rename left beside the file
// are removed; those of a process that still runs are left alone.
int ReplaceFileWhole(const std::string& path, std::string_view bytes);

}  // namespace vorpo
