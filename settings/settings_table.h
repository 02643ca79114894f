// Every key of the settings file, in the order it is read and written, with how its value is
// held, its default, the rule that brings a value read into range, and when it is written.
// Reading and writing are each one loop over this table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "game_settings.h"
#include "settings_store.h"

namespace vorpo {

inline constexpr std::string_view kSettingsSection = "Game";
// A text is read into a buffer of 256 bytes.
inline constexpr std::size_t kTextMaxBytes = 255;

enum class Held : std::uint8_t {
  Integer,     // a signed 32-bit number
  Byte,        // only the low 8 bits of the number read are kept
  ByteSwitch,  // a byte, kept as read: off when 0, on otherwise
  Switch,      // a number: off when 0, on otherwise
  Text,        // at most kTextMaxBytes bytes of CP932
  Path,        // a file name, stored as StoredPathForm gives it
  Name,        // at most NameMax bytes of CP932
};

struct SeatName {
  int seat;
};

// The field a setting lives in.
using SettingField =
    std::variant<std::uint8_t GameSettings::*, std::int32_t GameSettings::*,
                 std::string GameSettings::*, int ProgramSettings::*, bool ProgramSettings::*,
                 std::string ProgramSettings::*, SeatName>;

// Brings a number of the program's settings read from the file into its range.
using SettingRule = std::int32_t (*)(std::int32_t value);

struct Setting {
  std::string_view key;
  Held held;
  SettingField field;
  std::int32_t defaultNumber;
  std::string_view defaultText;  // UTF-8
  SettingRule rule;              // nullptr: the value is kept as read
  WriteMoment writtenAt;
  // A key of this program's own, beyond the file's designed keys: it joins a file only once its
  // value leaves the default, so the file of a player who never used it keeps exactly its keys.
  bool joinsOnceChanged = false;
};

std::span<const Setting> AllSettings();

}  // namespace vorpo
