// Text at the file boundary: the program's strings are UTF-8, the settings file, the names and
// the results file are CP932 (Windows code page 932) bytes. A character that CP932 cannot hold
// is reported to the caller, never replaced.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vorpo::text {

// nullopt when the text holds a character outside CP932 (or is not valid UTF-8).
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
// nullopt when the bytes are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
// Length of a UTF-8 text in CP932 bytes; nullopt when it cannot be written in CP932.
std::optional<std::size_t> Cp932Length(std::string_view utf8);
// The longest prefix of the CP932 bytes that fits maxBytes without splitting a double-byte
// character.
std::string CutCp932(std::string_view cp932, std::size_t maxBytes);

}  // namespace vorpo::text
