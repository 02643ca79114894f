#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "ini_test_folder.h"
#include "settings_store.h"

namespace vorpo {
namespace {

using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

// The keys of a file's lines, in file order.
std::vector<std::string> KeysIn(const std::string& bytes) {
  std::vector<std::string> keys;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    const std::string line = bytes.substr(start, end - start);
    keys.push_back(line.substr(0, line.find('=')));
    start = end + 2;
  }
  return keys;
}

struct Settings {
  GameState game;
  ProgramSettings program;
};

auto Fields(const Settings& s) {
  const GameState& g = s.game;
  const ProgramSettings& p = s.program;
  return std::tie(g.ConfiguredNames, g.Players, g.StartingCards, g.CalcProc, g.DefDraw, g.DefDraw4,
                  g.NotYama, g.NotFig, g.WildFront, g.Ranking, g.OpenMode, g.NotShowCompCard,
                  g.IRWScore, g.JRTurns, g.UseOtherSound, g.UseOtherImage, g.UseOtherScoreTable,
                  g.NameFont, p.NameMax, p.Wait, p.Sound, p.SoundFile, p.ImageFile,
                  p.ScoreTableFile);
}

// Every setting away from its default, with names that need CP932's double bytes.
Settings Unusual() {
  Settings s;
  s.game.ConfiguredNames = {"太郎", "Bob", "", "ＡＢＣ～", "ｱｲｳ", "x y", "髙橋", "①", "C:\\a", "z"};
  s.game.Players = 10;
  s.game.StartingCards = 10;
  s.game.CalcProc = 0;
  s.game.IRWScore = 1000;
  s.game.JRTurns = 30;
  s.game.DefDraw = s.game.DefDraw4 = s.game.NotYama = s.game.WildFront = true;
  s.game.NotFig = false;
  s.game.Ranking = s.game.OpenMode = s.game.NotShowCompCard = true;
  s.game.UseOtherSound = s.game.UseOtherImage = s.game.UseOtherScoreTable = true;
  s.game.NameFont = "ＭＳ ゴシック";
  s.program.NameMax = 20;
  s.program.Wait = 1;
  s.program.Sound = false;
  s.program.SoundFile = "/home/プレイヤー/se.vsf";
  s.program.ImageFile = "/usr/share/vorpo/カード.vif";
  s.program.ScoreTableFile = "点数.stb";
  return s;
}

TEST(SettingsSave, SaveSettingsWritesItsKeysInOrderAndNothingElse) {
  TestFolder folder;
  const SettingsStore store(folder.File("vorpo.ini"));
  const Settings s = Unusual();
  ASSERT_TRUE(store.SaveSettings(s.game, s.program));
  EXPECT_EQ(KeysIn(ReadBytes(store.Path())),
            (std::vector<std::string>{
                "[Game]",    "Name0",         "Name1",           "Name2",
                "Name3",     "Name4",         "Name5",           "Name6",
                "Name7",     "Name8",         "Name9",           "Wait",
                "Ranking",   "OpenMode",      "NotShowCompCard", "Players",
                "CalcProc",  "IRWScore",      "JRTurns",         "StartingCards",
                "DefDraw",   "DefDraw4",      "NotFig",          "NotYama",
                "WildFront", "UseOtherSound", "UseOtherImage",   "UseOtherScoreTable",
                "NameFont"}));

  ASSERT_TRUE(SettingsStore(folder.File("image.ini")).SaveImageFile(s.program));
  EXPECT_EQ(KeysIn(ReadBytes(folder.File("image.ini"))),
            (std::vector<std::string>{"[Game]", "ImageFile"}));
  ASSERT_TRUE(SettingsStore(folder.File("close.ini")).SaveOnClose(s.program));
  EXPECT_EQ(ReadBytes(folder.File("close.ini")),
            "[Game]\r\nSound=0\r\nSoundFile=/home/\x83\x76\x83\x8C\x83\x43\x83\x84\x81\x5B/se.vsf"
            "\r\nScoreTableFile=\x93\x5F\x90\x94.stb\r\n");
}

// The table zoom is a key of the program's own: a file only gains it once the player zooms, and
// a file that has it keeps it, also back at 100%, so the next start-up shows what was left.
TEST(SettingsSave, TheZoomJoinsTheFileOnlyOnceChanged) {
  TestFolder folder;
  const SettingsStore store(folder.File("vorpo.ini"));
  WriteBytes(store.Path(), "[Game]\r\nSound=1\r\n");
  ProgramSettings program;
  ASSERT_TRUE(store.SaveOnClose(program));
  EXPECT_EQ(ReadBytes(store.Path()), "[Game]\r\nSound=1\r\nSoundFile=\r\nScoreTableFile=\r\n");
  program.Zoom = 250;
  ASSERT_TRUE(store.SaveOnClose(program));
  EXPECT_EQ(KeysIn(ReadBytes(store.Path())).back(), "Zoom");
  GameState game;
  ProgramSettings back;
  store.Load(game, back);
  EXPECT_EQ(back.Zoom, 250);
  program.Zoom = 100;
  ASSERT_TRUE(store.SaveOnClose(program));
  EXPECT_NE(ReadBytes(store.Path()).find("Zoom=100\r\n"), std::string::npos);

  for (const auto& [written, read] : {std::pair{"20", 100}, std::pair{"175", 175},
                                      std::pair{"99999", 300}, std::pair{"x", 100}}) {
    WriteBytes(store.Path(), std::string("[Game]\r\nZoom=") + written + "\r\n");
    store.Load(game, back);
    EXPECT_EQ(back.Zoom, read) << written;
  }
}

// The computer's strength is written by the options dialog's OK alone, as a key of the program's
// own: SaveSettings and the other moments leave it out.
TEST(SettingsSave, TheStrengthIsWrittenOnlyByTheOptionsOk) {
  TestFolder folder;
  const SettingsStore store(folder.File("vorpo.ini"));
  Settings s = Unusual();
  s.game.Strength = 1;
  ASSERT_TRUE(store.SaveSettings(s.game, s.program));
  ASSERT_TRUE(store.SaveImageFile(s.program));
  ASSERT_TRUE(store.SaveOnClose(s.program));
  const std::string withoutIt = ReadBytes(store.Path());
  EXPECT_EQ(withoutIt.find("Strength"), std::string::npos);

  ASSERT_TRUE(store.SaveOnOptionsOk(s.game));
  EXPECT_EQ(ReadBytes(store.Path()), withoutIt + "Strength=1\r\n");
  Settings back;
  store.Load(back.game, back.program);
  EXPECT_EQ(back.game.Strength, 1);
  s.game.Strength = 0;
  ASSERT_TRUE(store.SaveOnOptionsOk(s.game));
  EXPECT_EQ(ReadBytes(store.Path()), withoutIt + "Strength=0\r\n");

  // The standard player is written too, the OK confirms it.
  WriteBytes(store.Path(), "[Game]\r\nPlayers=3\r\n");
  ASSERT_TRUE(store.SaveOnOptionsOk(Settings{}.game));
  EXPECT_EQ(ReadBytes(store.Path()), "[Game]\r\nPlayers=3\r\nStrength=0\r\n");
}

TEST(SettingsSave, WhatIsSavedReadsBackEqual) {
  TestFolder folder;
  const SettingsStore store(folder.File("vorpo.ini"));
  WriteBytes(store.Path(), "[Game]\r\nNameMax=20\r\n");
  const Settings s = Unusual();
  ASSERT_TRUE(store.SaveSettings(s.game, s.program));
  ASSERT_TRUE(store.SaveImageFile(s.program));
  ASSERT_TRUE(store.SaveOnClose(s.program));

  Settings back;
  store.Load(back.game, back.program);
  EXPECT_EQ(Fields(back), Fields(s));
}

TEST(SettingsSave, NamesAreCp932OnDisk) {
  TestFolder folder;
  const SettingsStore store(folder.File("vorpo.ini"));
  Settings s;
  store.Load(s.game, s.program);
  ASSERT_TRUE(store.SaveSettings(s.game, s.program));
  const std::string bytes = ReadBytes(store.Path());
  EXPECT_NE(bytes.find("\r\nName0=\x83\x76\x83\x8C\x83\x43\x83\x84\x81\x5B\r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("\r\nName1=\x83\x52\x83\x93\x83\x73\x83\x85\x81\x5B\x83\x5E"
                       "1\r\n"),
            std::string::npos);
}

TEST(SettingsSave, AHandEditedFileKeepsWhatTheGameDoesNotWrite) {
  TestFolder folder;
  const SettingsStore store(folder.File("vorpo.ini"));
  const std::string edited =
      "; my settings\r\n"
      "[GAME]\r\n"
      "namemax = 20\r\n"
      "  PLAYERS = 3\r\n"
      "Favourite=blue\r\n"
      "sound=0\r\n"
      "\r\n"
      "[Window]\r\n"
      "Left=10\r\n";
  WriteBytes(store.Path(), edited);
  Settings s;
  store.Load(s.game, s.program);
  EXPECT_EQ(s.game.Players, 3);
  EXPECT_EQ(s.program.NameMax, 20);
  EXPECT_FALSE(s.program.Sound);
  s.game.Players = 4;
  ASSERT_TRUE(store.SaveSettings(s.game, s.program));

  const std::string bytes = ReadBytes(store.Path());
  EXPECT_EQ(bytes.rfind("; my settings\r\n[GAME]\r\nnamemax = 20\r\n  PLAYERS = 4\r\n"
                        "Favourite=blue\r\nsound=0\r\nName0=",
                        0),
            0u);
  EXPECT_NE(bytes.find("NameFont=MS UI Gothic\r\n\r\n[Window]\r\nLeft=10\r\n"), std::string::npos);
}

TEST(SettingsSave, ANameOutsideCp932KeepsItsOldLine) {
  TestFolder folder;
  const SettingsStore store(folder.File("vorpo.ini"));
  WriteBytes(store.Path(), "[Game]\r\nName1=Bob\r\n");
  Settings s;
  store.Load(s.game, s.program);
  s.game.ConfiguredNames[1] = "Bob😀";
  s.game.ConfiguredNames[2] = "Eve";
  EXPECT_FALSE(store.SaveSettings(s.game, s.program));
  store.Load(s.game, s.program);
  EXPECT_EQ(s.game.ConfiguredNames[1], "Bob");
  EXPECT_EQ(s.game.ConfiguredNames[2], "Eve");
}

TEST(SettingsSave, AFolderThatCannotBeWrittenLosesTheWriteQuietly) {
  TestFolder folder;
  WriteBytes(folder.File("plain"), "keep");
  const SettingsStore store(folder.File("plain/vorpo.ini"));
  Settings s;
  store.Load(s.game, s.program);
  s.game.Players = 3;
  EXPECT_FALSE(store.SaveSettings(s.game, s.program));
  EXPECT_FALSE(store.SaveOnClose(s.program));
  store.Load(s.game, s.program);
  EXPECT_EQ(s.game.Players, 5);
  EXPECT_EQ(ReadBytes(folder.File("plain")), "keep");
}

}  // namespace
}  // namespace vorpo
