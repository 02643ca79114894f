#include <gtest/gtest.h>

#include <string>

#include "cp932_text.h"
#include "settings_store.h"

namespace vorpo {
namespace {

struct Loaded {
  GameState game;
  ProgramSettings program;
};

// Reads settings from a file of the given lines (UTF-8 here, CP932 as the file holds them)
// under section "Game".
Loaded Read(const std::string& lines) {
  Loaded loaded;
  loaded.program.NameMax = 0;
  loaded.program.Wait = 0;
  loaded.program.Sound = false;
  ReadSettings(IniFile::FromBytes("[Game]\r\n" + text::Utf8ToCp932(lines).value()), loaded.game,
               loaded.program);
  return loaded;
}

Loaded ReadBytes(const std::string& cp932Lines) {
  Loaded loaded;
  ReadSettings(IniFile::FromBytes("[Game]\r\n" + cp932Lines), loaded.game, loaded.program);
  return loaded;
}

TEST(SettingsRead, AMissingFileGivesEveryDefault) {
  const Loaded loaded = Read("");
  const GameState& game = loaded.game;
  const ProgramSettings& program = loaded.program;
  EXPECT_EQ(program.NameMax, 14);
  EXPECT_EQ(program.Wait, 500);
  EXPECT_TRUE(program.Sound);
  EXPECT_EQ(program.SoundFile, "");
  EXPECT_EQ(program.ImageFile, "");
  EXPECT_EQ(program.ScoreTableFile, "");
  EXPECT_EQ(game.ConfiguredNames[0], "プレイヤー");
  for (int seat = 1; seat < kSeats; ++seat) {
    EXPECT_EQ(game.ConfiguredNames[static_cast<std::size_t>(seat)],
              "コンピュータ" + std::to_string(seat));
  }
  EXPECT_EQ(game.Players, 5);
  EXPECT_EQ(game.StartingCards, 7);
  EXPECT_EQ(game.CalcProc, 1);
  EXPECT_EQ(game.IRWScore, 500);
  EXPECT_EQ(game.JRTurns, 5);
  EXPECT_FALSE(game.DefDraw);
  EXPECT_FALSE(game.DefDraw4);
  EXPECT_TRUE(game.NotFig);
  EXPECT_FALSE(game.NotYama);
  EXPECT_FALSE(game.WildFront);
  EXPECT_FALSE(game.Ranking);
  EXPECT_FALSE(game.OpenMode);
  EXPECT_FALSE(game.NotShowCompCard);
  EXPECT_FALSE(game.UseOtherSound);
  EXPECT_FALSE(game.UseOtherImage);
  EXPECT_FALSE(game.UseOtherScoreTable);
  EXPECT_EQ(game.NameFont, "MS UI Gothic");
}

TEST(SettingsRead, ClampsNumbersIntoTheirRanges) {
  EXPECT_EQ(Read("NameMax=5").program.NameMax, 14);
  EXPECT_EQ(Read("NameMax=500").program.NameMax, 128);
  EXPECT_EQ(Read("Wait=0").program.Wait, 1);
  EXPECT_EQ(Read("Wait=6000").program.Wait, 5000);
  EXPECT_EQ(Read("Wait=-5").program.Wait, 1);
  EXPECT_EQ(Read("Wait=250ms").program.Wait, 250);
  EXPECT_EQ(Read("Wait=soon").program.Wait, 500);
  EXPECT_EQ(Read("IRWScore=0").game.IRWScore, 1);
  EXPECT_EQ(Read("IRWScore=99999999999").game.IRWScore, 1000);
  EXPECT_EQ(Read("JRTurns=99").game.JRTurns, 30);
  EXPECT_EQ(Read("JRTurns=-3").game.JRTurns, 1);
  EXPECT_EQ(Read("CalcProc=7").game.CalcProc, 1);
  EXPECT_EQ(Read("CalcProc=256").game.CalcProc, 0);
}

// The computer's strength is a byte like the scoring rule: 0 the standard player, 1 the strong.
TEST(SettingsRead, TheStrengthIsTheStandardPlayerUnlessTheFileSaysStrong) {
  EXPECT_EQ(Read("").game.Strength, 0);
  EXPECT_EQ(Read("Strength=1").game.Strength, 1);
  EXPECT_EQ(Read("strength = 1").game.Strength, 1);
  EXPECT_EQ(Read("Strength=7").game.Strength, 1);
  EXPECT_EQ(Read("Strength=-1").game.Strength, 1);
  EXPECT_EQ(Read("Strength=256").game.Strength, 0);
  EXPECT_EQ(Read("Strength=strong").game.Strength, 0);
}

TEST(SettingsRead, BytesKeepTheirLowEightBits) {
  EXPECT_EQ(Read("Players=1").game.Players, 2);
  EXPECT_EQ(Read("Players=11").game.Players, 10);
  EXPECT_EQ(Read("Players=258").game.Players, 2);
  EXPECT_EQ(Read("Players=-1").game.Players, 10);
  EXPECT_TRUE(Read("Ranking=2").game.Ranking);
  EXPECT_FALSE(Read("DefDraw=256").game.DefDraw);
  EXPECT_FALSE(Read("NotFig=0").game.NotFig);
  EXPECT_FALSE(Read("Sound=0").program.Sound);
  EXPECT_TRUE(Read("Sound=256").program.Sound);
}

TEST(SettingsRead, StartingCardsLeaveAHandInTheStock) {
  EXPECT_EQ(Read("StartingCards=0").game.StartingCards, 1);
  EXPECT_EQ(Read("StartingCards=256").game.StartingCards, 1);
  EXPECT_EQ(Read("Players=2\r\nStartingCards=56").game.StartingCards, 37);
  EXPECT_EQ(Read("Players=10\r\nStartingCards=11").game.StartingCards, 10);
  EXPECT_EQ(Read("Players=10\r\nStartingCards=10").game.StartingCards, 10);
  // Players is settled before StartingCards, wherever the lines stand in the file.
  EXPECT_EQ(Read("StartingCards=11\r\nPlayers=258").game.StartingCards, 11);
  EXPECT_EQ(Read("StartingCards=40\r\nPlayers=1").game.StartingCards, 37);
}

TEST(SettingsRead, NamesAreCutToTheMaximumLength) {
  EXPECT_EQ(Read("Name1=ABCDEFGHIJKLMNOPQRST").game.ConfiguredNames[1], "ABCDEFGHIJKLMN");
  EXPECT_EQ(Read("NameMax=20\r\nName1=ABCDEFGHIJKLMNOPQRSTUV").game.ConfiguredNames[1],
            "ABCDEFGHIJKLMNOPQRST");
  // Byte 14 would be the first half of "で": the name stops before it.
  EXPECT_EQ(Read("Name2=aプレイヤーです").game.ConfiguredNames[2], "aプレイヤーで");
  EXPECT_EQ(Read("Name2=プレイヤーです").game.ConfiguredNames[2], "プレイヤーです");
  EXPECT_EQ(Read("Name3=ABCDEFGHIJKLM XYZ").game.ConfiguredNames[3], "ABCDEFGHIJKLM");
  const std::string font(300, 'F');
  EXPECT_EQ(Read("NameFont=" + font).game.NameFont, font.substr(0, 255));
  EXPECT_EQ(Read("SoundFile=/home/プレイヤー/s.vsf").program.SoundFile, "/home/プレイヤー/s.vsf");
}

TEST(SettingsRead, TheHumanSeatIsNamedPlayerUnlessNamedOtherwise) {
  EXPECT_EQ(Read("Name0=コンピュータ0").game.ConfiguredNames[0], "プレイヤー");
  EXPECT_EQ(Read("Name0=").game.ConfiguredNames[0], "");
  EXPECT_EQ(Read("Name0=コンピュータ1").game.ConfiguredNames[0], "コンピュータ1");
  EXPECT_EQ(Read("Name1=コンピュータ0").game.ConfiguredNames[1], "コンピュータ0");
}

TEST(SettingsRead, TextsThatAreNotCp932ReadAsTheirDefaults) {
  const Loaded loaded = ReadBytes("Name0=\x83 x\r\nName1=Bob\xFF\r\nNameFont=\x80\r\n");
  EXPECT_EQ(loaded.game.ConfiguredNames[0], "プレイヤー");
  EXPECT_EQ(loaded.game.ConfiguredNames[1], "コンピュータ1");
  EXPECT_EQ(loaded.game.NameFont, "MS UI Gothic");
  // A broken character past the name's limit is cut away before it can spoil the name.
  EXPECT_EQ(ReadBytes("Name1=ABCDEFGHIJKLMN\xFF\r\n").game.ConfiguredNames[1], "ABCDEFGHIJKLMN");
}

}  // namespace
}  // namespace vorpo
