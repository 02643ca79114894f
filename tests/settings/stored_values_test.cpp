// What the settings file held comes back from the game as it was: switch bytes other than 1,
// the CP932 form a name was spelt in, and file names that CP932 cannot hold.
#include <gtest/gtest.h>

#include <string>

#include "ini_test_folder.h"
#include "name_spelling.h"
#include "settings_store.h"
#include "stored_path.h"

namespace vorpo {
namespace {

using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

struct Settings {
  GameState game;
  ProgramSettings program;
};

// A settings file of these CP932 lines under section "Game", read by the game.
class StoredValues : public ::testing::Test {
 protected:
  Settings Load(const std::string& lines) {
    WriteBytes(store.Path(), "[Game]\r\n" + lines);
    Settings s;
    store.Load(s.game, s.program);
    return s;
  }
  std::optional<std::string> Line(const std::string& key) const {
    return IniFile::Read(store.Path()).Find("Game", key);
  }

  TestFolder folder;
  SettingsStore store{folder.File("vorpo.ini")};
};

TEST_F(StoredValues, SwitchesGoBackAsTheBytesTheyWereRead) {
  Settings s = Load(
      "Ranking=2\r\nNotYama=2\r\nUseOtherScoreTable=456\r\nDefDraw=1\r\n"
      "WildFront=256\r\nOpenMode=7\r\n");
  EXPECT_TRUE(s.game.Ranking && s.game.NotYama && s.game.UseOtherScoreTable && s.game.DefDraw);
  EXPECT_FALSE(s.game.WildFront);
  ASSERT_TRUE(store.SaveSettings(s.game, s.program));
  EXPECT_EQ(Line("Ranking"), "2");
  EXPECT_EQ(Line("NotYama"), "2");
  EXPECT_EQ(Line("UseOtherScoreTable"), "200");  // the low 8 bits of 456
  EXPECT_EQ(Line("DefDraw"), "1");
  EXPECT_EQ(Line("WildFront"), "0");
  EXPECT_EQ(Line("NotFig"), "1");

  // A check box that says what the byte says keeps the byte; a change gives 1 or 0.
  SetByteSwitch(s.game.Ranking, true);
  SetByteSwitch(s.game.NotYama, false);
  SetByteSwitch(s.game.WildFront, true);
  SetByteSwitch(s.game.DefDraw4, false);
  SetByteSwitch(s.game.OpenMode, true);
  ASSERT_TRUE(store.SaveSettings(s.game, s.program));
  EXPECT_EQ(Line("Ranking"), "2");
  EXPECT_EQ(Line("NotYama"), "0");
  EXPECT_EQ(Line("WildFront"), "1");
  EXPECT_EQ(Line("DefDraw4"), "0");
  EXPECT_EQ(Line("OpenMode"), "7");
}

TEST(StoredPathForm, NamesCp932CanHoldAreStoredAsTheirBytes) {
  EXPECT_EQ(StoredPathForm("/home/プレイヤー/a b.vif"),
            "/home/\x83\x76\x83\x8C\x83\x43\x83\x84\x81\x5B/a b.vif");
  EXPECT_EQ(StoredPathForm("cards.vif"), "cards.vif");
  EXPECT_EQ(StoredPathForm(""), "");
  EXPECT_EQ(StoredPathForm("/" + std::string(254, 'a')), "/" + std::string(254, 'a'));
  EXPECT_EQ(StoredPathForm("/" + std::string(255, 'a')), std::nullopt);
}

TEST(StoredPathForm, OtherNamesBecomeAsciiFileUrls) {
  EXPECT_EQ(StoredPathForm("/home/Müller/50% a.vif"), "file:///home/M%C3%BCller/50%25%20a.vif");
  EXPECT_EQ(StoredPathForm("Müller.stb"), "file://M%C3%BCller.stb");
  EXPECT_EQ(StoredPathForm("/tmp/😀"), "file:///tmp/%F0%9F%98%80");
  // Names the file would give back changed: blanks at either end, a line break, a name that
  // looks like a URL itself.
  EXPECT_EQ(StoredPathForm(" /tmp/a.vif "), "file://%20/tmp/a.vif%20");
  EXPECT_EQ(StoredPathForm("/tmp/a\r\nx"), "file:///tmp/a%0D%0Ax");
  EXPECT_EQ(StoredPathForm("file://x"), "file://file://x");
  // "file://", "/", the a's and "%C3%BC": 255 bytes, then one too many.
  EXPECT_EQ(StoredPathForm("/" + std::string(241, 'a') + "ü")->size(), 255u);
  EXPECT_EQ(StoredPathForm("/" + std::string(242, 'a') + "ü"), std::nullopt);

  for (const std::string path : {"/home/Müller/50% a.vif", " /tmp/a.vif ", "file://x", "/tmp/😀"})
    EXPECT_EQ(PathFromStored(*StoredPathForm(path)), path);
  EXPECT_EQ(PathFromStored("file:///M%c3%bcller"), "/Müller");
  EXPECT_EQ(PathFromStored("file://50%"), "50%");
  EXPECT_EQ(PathFromStored("file://%zz%4"), "%zz%4");
  EXPECT_EQ(PathFromStored("/plain/%41"), "/plain/%41");
}

TEST_F(StoredValues, FileNamesOutsideCp932ReachTheFileAndComeBack) {
  Settings s = Load("");
  s.program.SoundFile = "/home/Müller/se.vsf";
  s.program.ImageFile = "/home/Müller/カード.vif";
  s.program.ScoreTableFile = "/home/プレイヤー/点数.stb";
  ASSERT_TRUE(store.SaveImageFile(s.program));
  ASSERT_TRUE(store.SaveOnClose(s.program));
  EXPECT_EQ(
      ReadBytes(store.Path()),
      "[Game]\r\nImageFile=file:///home/M%C3%BCller/%E3%82%AB%E3%83%BC%E3%83%89.vif\r\n"
      "Sound=1\r\nSoundFile=file:///home/M%C3%BCller/se.vsf\r\n"
      "ScoreTableFile=/home/\x83\x76\x83\x8C\x83\x43\x83\x84\x81\x5B/\x93\x5F\x90\x94.stb\r\n");
  const Settings back = Load(ReadBytes(store.Path()).substr(8));
  EXPECT_EQ(back.program.SoundFile, s.program.SoundFile);
  EXPECT_EQ(back.program.ImageFile, s.program.ImageFile);
  EXPECT_EQ(back.program.ScoreTableFile, s.program.ScoreTableFile);
}

TEST_F(StoredValues, AFileNameTooLongToStoreKeepsItsOldLine) {
  Settings s = Load("ImageFile=old.vif\r\n");
  s.program.ImageFile = "/" + std::string(300, 'a');
  EXPECT_FALSE(store.SaveImageFile(s.program));
  EXPECT_EQ(Line("ImageFile"), "old.vif");
}

TEST_F(StoredValues, AnUnchangedNameKeepsTheFormItWasReadIn) {
  // 纊太 in its NEC form, 纊 in its NEC form, 纊 in its IBM form.
  Settings s = Load("Name0=\xED\x40\x91\xBE\r\nName1=\xED\x40\r\nName2=\xFA\x5C\r\n");
  ASSERT_EQ(s.game.ConfiguredNames[0], "纊太");
  ASSERT_EQ(s.game.ConfiguredNames[1], "纊");
  ASSERT_EQ(s.game.ConfiguredNames[2], "纊");
  s.game.ConfiguredNames[1] = "纊次";
  ASSERT_TRUE(store.SaveSettings(s.game, s.program));
  EXPECT_EQ(Line("Name0"), "\xED\x40\x91\xBE");
  EXPECT_EQ(Line("Name1"), "\xFA\x5C\x8E\x9F");  // changed: the normal form
  EXPECT_EQ(Line("Name2"), "\xFA\x5C");
  EXPECT_EQ(Line("Name3"), *text::Utf8ToCp932("コンピュータ3"));

  // The seat names of a match: the unchanged one spelt as read, the changed one normally.
  s.game.Players = 3;
  s.game.SeatNames = s.game.ConfiguredNames;
  const auto spellings = SeatNameSpellings(s.game, s.program);
  ASSERT_EQ(spellings.size(), 3u);
  EXPECT_EQ(spellings[0].text, "纊太");
  EXPECT_EQ(spellings[0].bytes, "\xED\x40\x91\xBE");
  EXPECT_EQ(spellings[1].bytes, "\xFA\x5C\x8E\x9F");
  EXPECT_EQ(spellings[2].bytes, "\xFA\x5C");
}

}  // namespace
}  // namespace vorpo
