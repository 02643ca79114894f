// Text at the file boundary: the program's strings are UTF-8, the settings file, the names and
// the results file are CP932 (Windows code page 932) bytes. A character that CP932 cannot hold
// is reported to the caller, never replaced.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vorpo::text {

// A text as a file spelt it: its CP932 bytes and the UTF-8 text they read as. Some characters
// have two CP932 forms (the NEC and the IBM copy of the same kanji or symbol, ED 40 and FA 5C);
// converting UTF-8 back always picks one of them, so only the bytes remembered here give a
// file its own spelling back.
struct Cp932Spelling {
  std::string text;   // UTF-8
  std::string bytes;  // CP932
};

// nullopt when the text holds a character outside CP932 (or is not valid UTF-8).
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
// Utf8ToCp932, writing every place where the text of one of spellings stands with that
// spelling's bytes. Where several fit, the longest text wins, then the first in the list.
std::optional<std::string> Utf8ToCp932(std::string_view utf8,
                                       std::span<const Cp932Spelling> spellings);
// nullopt when the bytes are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
// Length of a UTF-8 text in CP932 bytes; nullopt when it cannot be written in CP932.
std::optional<std::size_t> Cp932Length(std::string_view utf8);
// The longest prefix of the CP932 bytes that fits maxBytes without splitting a double-byte
// character.
std::string CutCp932(std::string_view cp932, std::size_t maxBytes);

}  // namespace vorpo::text
