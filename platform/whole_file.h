// Replacing a file all at once: the new bytes go to a temporary file beside it, which is
// flushed and renamed over the old one only when complete. A full disk, a failing device or a
// crash leaves the old file (or none) whole, never part of a file.
#pragma once

#include <string>
#include <string_view>

namespace vorpo {

// 0 when path now holds bytes, otherwise the errno of what failed (nothing is left behind).
// A symbolic link is followed, so the file it points to is replaced; a replaced file keeps its
// permission bits, a new one gets the mode the umask gives.
int ReplaceFileWhole(const std::string& path, std::string_view bytes);

}  // namespace vorpo
