// Writing a results file at the end of a ranked match: the free-space check and a write that
// replaces the file whole or leaves it as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cp932_text.h"

namespace vorpo {

inline constexpr std::string_view kDiskSpaceMessage = "ディスクの空き容量が不足しています。";

// True when the file system that will hold fileName (the one of its folder) has at least
// byteCount bytes free. Free space that cannot be found out counts as too little.
bool CheckDiskSpace(const std::string& fileName, std::uint64_t byteCount);

// Writes the results file for the score sheet's text (UTF-8, exactly as shown) to fileName,
// stamped with dateTime (see ResultsDateTime). The seat names that the sheet shows are written
// with the bytes names gives them (see SeatNameSpellings), the rest in the normal CP932 form.
// nullopt when the file is written; otherwise the message for the user: kDiskSpaceMessage, or
// the system's text for the failure. On failure no file is created and an earlier file of that
// name stays whole.
std::optional<std::string> WriteResultsFile(std::string_view sheetText, const std::string& fileName,
                                            std::string_view dateTime,
                                            std::span<const text::Cp932Spelling> names = {});

}  // namespace vorpo
