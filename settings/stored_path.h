// File names in the settings file (SoundFile, ImageFile, ScoreTableFile). A name that CP932 can
// hold is stored as its CP932 bytes. Any other name (a folder called Müller) is stored as a
// "file://" URL whose bytes outside printable ASCII are percent-encoded UTF-8, so that it is
// pure ASCII in the file and still names the same file when read back. A text value holds at
// most 255 bytes: a name whose stored form would be longer cannot be stored at all, and is
// refused where the player chose it, never dropped on the way to the file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorpo {

inline constexpr char kPathTooLongMessage[] =
    "ファイルのパスが長すぎるため、設定に保存できません。";

// The value the settings file is to hold for path (UTF-8), as CP932 bytes; nullopt when the
// file cannot hold it.
std::optional<std::string> StoredPathForm(std::string_view path);

// The file name a value read from the settings file (converted to UTF-8) stands for.
std::string PathFromStored(std::string_view value);

}  // namespace vorpo
