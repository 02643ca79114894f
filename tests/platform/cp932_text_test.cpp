#include "cp932_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "match.h"

namespace vorpo::text {
namespace {

TEST(Cp932Text, ConvertsJapaneseBothWays) {
  const std::string player = "\x83\x76\x83\x8C\x83\x43\x83\x84\x81\x5B";
  EXPECT_EQ(Utf8ToCp932("プレイヤー"), player);
  EXPECT_EQ(Cp932ToUtf8(player), "プレイヤー");
  EXPECT_EQ(Utf8ToCp932(""), "");
  EXPECT_EQ(Cp932ToUtf8("Times New Roman"), "Times New Roman");
  // Half-width katakana are single bytes.
  EXPECT_EQ(Utf8ToCp932("ｱ"), "\xB1");
}

TEST(Cp932Text, HoldsTheWindowsExtensionsThatShiftJisLacks) {
  for (const char* text : {"～", "－", "①", "髙", "\\", "~"}) {
    const auto bytes = Utf8ToCp932(text);
    ASSERT_TRUE(bytes) << text;
    EXPECT_EQ(Cp932ToUtf8(*bytes), text);
  }
  EXPECT_EQ(Cp932ToUtf8("\x5C"), "\\");
}

TEST(Cp932Text, ReportsWhatCp932CannotHold) {
  EXPECT_EQ(Utf8ToCp932("한"), std::nullopt);
  EXPECT_EQ(Utf8ToCp932("Bob😀"), std::nullopt);
  // glibc would quietly turn the yen sign into a backslash.
  EXPECT_EQ(Utf8ToCp932("¥100"), std::nullopt);
  EXPECT_EQ(Utf8ToCp932("\xC3"), std::nullopt);  // not UTF-8
  EXPECT_EQ(Cp932Length("一二三"), 6u);
  EXPECT_EQ(Cp932Length("ab€"), std::nullopt);
}

TEST(Cp932Text, RefusesBytesThatAreNotCp932) {
  EXPECT_EQ(Cp932ToUtf8("\x83"), std::nullopt);      // lead byte at the end
  EXPECT_EQ(Cp932ToUtf8("\x83\x20"), std::nullopt);  // lead byte without a trail byte
  EXPECT_EQ(Cp932ToUtf8("a\xFF"), std::nullopt);
}

TEST(Cp932Text, SpellingsGiveBackTheFormsAFileUsed) {
  // 纊 has an NEC form (ED 40) and an IBM form (FA 5C); plain conversion writes the IBM one.
  EXPECT_EQ(Cp932ToUtf8("\xED\x40"), "纊");
  EXPECT_EQ(Utf8ToCp932("纊"), "\xFA\x5C");

  const std::vector<Cp932Spelling> names = {
      {"纊太", "\xED\x40\x91\xBE"}, {"纊", "\xED\x40"}, {"纊次", "\xFA\x5C\x8E\x9F"}, {"", "?"}};
  // Each name is written whole with its own bytes, the longest that fits first; an empty
  // spelling matches nothing.
  EXPECT_EQ(Utf8ToCp932("纊太 纊次 纊纊\r\nWINNER : 纊太", names),
            "\xED\x40\x91\xBE \xFA\x5C\x8E\x9F \xED\x40\xED\x40\r\nWINNER : \xED\x40\x91\xBE");
  EXPECT_EQ(Utf8ToCp932("", names), "");
  EXPECT_EQ(Utf8ToCp932("山田", {}), "\x8E\x52\x93\x63");
  // Text between the names must still be CP932.
  EXPECT_EQ(Utf8ToCp932("纊太 😀", names), std::nullopt);
}

TEST(Cp932Text, CutsAtCharacterBoundaries) {
  const std::string player = *Utf8ToCp932("プレイヤー");
  EXPECT_EQ(CutCp932(player, 10), player);
  EXPECT_EQ(CutCp932(player, 100), player);
  EXPECT_EQ(CutCp932(player, 5), player.substr(0, 4));
  EXPECT_EQ(CutCp932(player, 1), "");
  EXPECT_EQ(CutCp932("a" + player, 4), "a" + player.substr(0, 2));
  // 0x5C as a trail byte is part of the character, not a backslash of its own.
  EXPECT_EQ(CutCp932("\x83\x5C\x83\x5C", 3), "\x83\x5C");
  EXPECT_EQ(CutCp932("\xB1\xB2\xB3", 2), "\xB1\xB2");
  EXPECT_EQ(CutCp932("abc\x83", 10), "abc");
}

// The score sheet counts a name's columns without the converter; for every character the
// encoding holds, the count is the character's length in CP932 bytes.
TEST(Cp932Text, TheSheetsNameColumnsAreCp932Lengths) {
  std::string all;
  for (char32_t code = 1; code < 0x10000; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    std::string utf8;
    if (code < 0x80) {
      utf8 = static_cast<char>(code);
    } else if (code < 0x800) {
      utf8 = {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
    } else {
      utf8 = {static_cast<char>(0xE0 | (code >> 12)),
              static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
              static_cast<char>(0x80 | (code & 0x3F))};
    }
    const auto length = Cp932Length(utf8);
    if (!length) continue;
    ASSERT_EQ(NameColumns(utf8), *length) << "U+" << std::hex << static_cast<int>(code);
    all += utf8;
  }
  EXPECT_EQ(NameColumns(all), Cp932Length(all));
}

}  // namespace
}  // namespace vorpo::text
