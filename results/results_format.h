// The results file's bytes: a scrambled text file name and a scrambled body, each headed by its
// length. Building and reading live together so that what the program writes and what the
// ranking organisers' reader takes apart can never drift apart.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "vorpo_version.h"

namespace vorpo {

// The version line names the program that wrote the file.
inline constexpr std::string_view kResultsVersion = kVersion;

// The name a results file carries for its text: the file name without its folder, its
// extension replaced by ".txt" (or ".txt" appended when it has none).
std::string EmbeddedTextName(std::string_view fileName);

// The local date and time written into the body, in the Japanese short date and long time
// forms: "2026/12/07 9:05:09".
std::string ResultsDateTime(std::time_t when);

// The body before scrambling: the version line, the date and time, an empty line and the score
// sheet's text exactly as shown.
std::string ResultsBody(std::string_view sheetText, std::string_view dateTime);

// Byte i (counted from 1 within its own field) is stored as the low 8 bits of b + 0xB27 + i.
std::string ScrambleField(std::string_view plain);
std::string UnscrambleField(std::string_view stored);

// The whole file: name length, name, a zero byte, body length, body. Both texts are the CP932
// bytes to store; they are scrambled here.
std::string ResultsFileBytes(std::string_view name, std::string_view body);

// The size ResultsFileBytes gives for a name and a body of these lengths.
std::uint64_t ResultsFileSize(std::size_t nameLength, std::size_t bodyLength);

struct ResultsContent {
  std::string name;  // CP932 bytes, unscrambled
  std::string body;  // CP932 bytes, unscrambled
};

// Takes a results file apart; nullopt unless the bytes are exactly one well-formed file.
std::optional<ResultsContent> ReadResultsBytes(std::string_view bytes);

}  // namespace vorpo
