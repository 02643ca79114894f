#include "ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

#include "file_size_limit.h"
#include "ini_test_folder.h"

namespace vorpo {
namespace {

using testing::FileSizeLimit;
using testing::ReadBytes;
using testing::TestFolder;
using testing::WriteBytes;

TEST(IniFileRead, MatchesNamesWithoutCaseAndIgnoresSpaces) {
  const auto file = IniFile::FromBytes(
      "Stray=1\r\n"
      "; a comment\r\n"
      "[Other]\r\n"
      "Players=9\r\n"
      "  [ game ]  \r\n"
      ";Players=8\r\n"
      "  pLaYeRs  =  3  \r\n"
      "Players=4\r\n"
      "Font = MS UI Gothic \r\n"
      "Empty=\r\n"
      "[Game]\r\n"
      "Wait=100");
  EXPECT_EQ(file.Find("Game", "Players"), "3");
  EXPECT_EQ(file.Find("GAME", "font"), "MS UI Gothic");
  EXPECT_EQ(file.Find("Game", "Empty"), "");
  EXPECT_EQ(file.Find("Other", "Players"), "9");
  // Only the first section of a name counts, and a key before any section belongs to none.
  EXPECT_EQ(file.Find("Game", "Wait"), std::nullopt);
  EXPECT_EQ(file.Find("Game", "Stray"), std::nullopt);
  EXPECT_EQ(file.Find("Missing", "Players"), std::nullopt);
}

TEST(IniFileRead, EndsLinesAtCrLfAtLfOrAtALoneCr) {
  const std::string bytes = "[Game]\rA=1\rB=2\r\nC=3\nD=4\r\r\nE=5";
  const auto file = IniFile::FromBytes(bytes);
  EXPECT_EQ(file.Find("Game", "A"), "1");
  EXPECT_EQ(file.Find("Game", "B"), "2");
  EXPECT_EQ(file.Find("Game", "C"), "3");
  EXPECT_EQ(file.Find("Game", "D"), "4");
  EXPECT_EQ(file.Find("Game", "E"), "5");
  EXPECT_EQ(file.Bytes(), bytes);
}

TEST(IniFileRead, ReadsPastAByteOrderMarkAndKeepsIt) {
  const std::string mark = "\xEF\xBB\xBF";
  auto file = IniFile::FromBytes(mark + "[Game]\r\nPlayers=3\r\n");
  EXPECT_EQ(file.Find("Game", "Players"), "3");
  EXPECT_EQ(file.Bytes(), mark + "[Game]\r\nPlayers=3\r\n");
  ASSERT_TRUE(file.Set("Game", "Players", "4"));
  ASSERT_TRUE(file.Set("Game", "Wait", "100"));
  EXPECT_EQ(file.Bytes(), mark + "[Game]\r\nPlayers=4\r\nWait=100\r\n");

  // An emptied file that an editor saved with its mark.
  auto empty = IniFile::FromBytes(mark);
  ASSERT_TRUE(empty.Set("Game", "Wait", "100"));
  EXPECT_EQ(empty.Bytes(), mark + "[Game]\r\nWait=100\r\n");
}

TEST(IniFileRead, ReadsNumbersLikeTheProfileFunctions) {
  const auto file = IniFile::FromBytes(
      "[Game]\nA= -12abc\nB=+7\nC=abc\nD=\nE=99999999999\nF=-99999999999\nG=- 5\nH=0x10\n"
      "I=2147483647\nJ=-2147483648\n");
  EXPECT_EQ(file.GetInt("Game", "A", 1), -12);
  EXPECT_EQ(file.GetInt("Game", "B", 1), 7);
  EXPECT_EQ(file.GetInt("Game", "C", 42), 42);
  EXPECT_EQ(file.GetInt("Game", "D", 42), 42);
  EXPECT_EQ(file.GetInt("Game", "E", 1), 2147483647);
  EXPECT_EQ(file.GetInt("Game", "F", 1), -2147483647 - 1);
  EXPECT_EQ(file.GetInt("Game", "G", 42), 42);
  EXPECT_EQ(file.GetInt("Game", "H", 42), 0);
  EXPECT_EQ(file.GetInt("Game", "I", 1), 2147483647);
  EXPECT_EQ(file.GetInt("Game", "J", 1), -2147483647 - 1);
  EXPECT_EQ(file.GetInt("Game", "Missing", 42), 42);
}

TEST(IniFileRead, CutsTextsAtNulAndAtTheByteLimit) {
  const auto file = IniFile::FromBytes(std::string("[Game]\nA=ab\0cd\nB=a\x83\x76\x83\x8C\n", 22));
  EXPECT_EQ(file.Find("Game", "A"), "ab");
  EXPECT_EQ(file.GetString("Game", "B", "", 4), "a\x83\x76");
  EXPECT_EQ(file.GetString("Game", "Missing", "fallback", 255), "fallback");
}

TEST(IniFileRead, MissingOrOddFilesReadEmpty) {
  TestFolder folder;
  EXPECT_EQ(IniFile::Read(folder.File("none.ini")).Bytes(), "");
  EXPECT_EQ(IniFile::Read(folder.Path().string()).Bytes(), "");
  const std::string fifo = folder.File("fifo.ini");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(IniFile::Read(fifo).Bytes(), "");
}

TEST(IniFileWrite, KeepsEveryOtherLineByteForByte) {
  const std::string before =
      "; hand-made\r\n"
      "[game]\r\n"
      "  PLAYERS = 3  \r\n"
      "Unknown=x\r\n"
      "\r\n"
      "; other things\r\n"
      "[Other]\r\n"
      "Players=9";
  auto file = IniFile::FromBytes(before);
  EXPECT_EQ(file.Bytes(), before);

  ASSERT_TRUE(file.Set("Game", "Players", "4"));
  ASSERT_TRUE(file.Set("Game", "Wait", "100"));
  ASSERT_TRUE(file.Set("Other", "New", "1"));
  ASSERT_TRUE(file.Set("Third", "Key", "v"));
  EXPECT_EQ(file.Bytes(),
            "; hand-made\r\n"
            "[game]\r\n"
            "  PLAYERS = 4\r\n"
            "Unknown=x\r\n"
            "Wait=100\r\n"
            "\r\n"
            "; other things\r\n"
            "[Other]\r\n"
            "Players=9\r\n"
            "New=1\r\n"
            "[Third]\r\n"
            "Key=v\r\n");
}

TEST(IniFileWrite, FollowsTheFilesLineEndings) {
  auto file = IniFile::FromBytes("[Game]\nA=1\n");
  file.Set("Game", "B", "2");
  EXPECT_EQ(file.Bytes(), "[Game]\nA=1\nB=2\n");
  // A file cut off between "\r" and "\n".
  auto cut = IniFile::FromBytes("[Game]\r\nA=1\r");
  EXPECT_EQ(cut.Find("Game", "A"), "1");
  cut.Set("Game", "B", "2");
  EXPECT_EQ(cut.Bytes(), "[Game]\r\nA=1\r\nB=2\r\n");
  IniFile fresh;
  fresh.Set("Game", "A", "1");
  EXPECT_EQ(fresh.Bytes(), "[Game]\r\nA=1\r\n");
}

TEST(IniFileWrite, WhatIsWrittenReadsBackAsItWasRead) {
  // Each file: what it gives back once Name0 is written back as read and two keys are added.
  const std::pair<std::string, std::string> files[] = {
      // The value of Name0 ends the line and the file holds an empty last line, both ended by
      // a lone "\r".
      {"[Game\nName0=\r\r", "[Game\nName0=\rA=1\nB=2\n\r"},
      {"[Game]\rName0=Bob\r", "[Game]\rName0=Bob\rA=1\r\nB=2\r\n"},
      {"[Game]\nName0=Bob", "[Game]\nName0=Bob\nA=1\nB=2\n"},
      {"[Game]\r\nName0=Bob\r", "[Game]\r\nName0=Bob\r\nA=1\r\nB=2\r\n"},
      // A new line ended by a lone "\r" would swallow the empty line after it.
      {"[Game]\rName0=Bob\r\n\n[Other]\rName0=Eve",
       "[Game]\rName0=Bob\r\nA=1\r\nB=2\r\n\n[Other]\rName0=Eve"},
      {"[Other]\rName0=Eve\r", "[Other]\rName0=Eve\r[Game]\r\nA=1\r\nB=2\r\n"},
  };
  for (const auto& [before, after] : files) {
    SCOPED_TRACE(before);
    auto file = IniFile::FromBytes(before);
    const auto name = file.Find("Game", "Name0");
    if (name) {
      ASSERT_TRUE(file.Set("Game", "Name0", *name));
    }
    ASSERT_TRUE(file.Set("Game", "A", "1"));
    ASSERT_TRUE(file.Set("Game", "B", "2"));
    EXPECT_EQ(file.Bytes(), after);
    const auto again = IniFile::FromBytes(file.Bytes());
    EXPECT_EQ(again.Find("Game", "Name0"), name);
    EXPECT_EQ(again.Find("Game", "A"), "1");
    EXPECT_EQ(again.Find("Game", "B"), "2");
    EXPECT_EQ(again.Find("Other", "Name0"), IniFile::FromBytes(before).Find("Other", "Name0"));
  }
}

TEST(IniFileWrite, RefusesValuesThatWouldSplitTheLine) {
  auto file = IniFile::FromBytes("[Game]\nName1=Bob\n");
  EXPECT_FALSE(file.Set("Game", "Name1", "Eve\nPlayers=99"));
  EXPECT_FALSE(file.Set("Game", "Name1", "Eve\r"));
  EXPECT_FALSE(file.Set("Game", "Name1", std::string("E\0ve", 4)));
  EXPECT_EQ(file.Bytes(), "[Game]\nName1=Bob\n");
}

TEST(IniFileWrite, ReplacesTheFileAndKeepsItsMode) {
  TestFolder folder;
  const std::string path = folder.File("vorpo.ini");
  WriteBytes(path, "[Game]\nWait=1\n");
  std::filesystem::permissions(path, std::filesystem::perms(0640));
  auto file = IniFile::Read(path);
  file.Set("Game", "Wait", "2");
  ASSERT_TRUE(file.WriteTo(path));
  EXPECT_EQ(ReadBytes(path), "[Game]\nWait=2\n");
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

  const std::string nested = folder.File("config/vorpo/vorpo.ini");
  ASSERT_TRUE(file.WriteTo(nested));
  EXPECT_EQ(ReadBytes(nested), "[Game]\nWait=2\n");
}

TEST(IniFileWrite, WritesThroughASymbolicLink) {
  TestFolder folder;
  const std::string real = folder.File("real.ini");
  const std::string link = folder.File("vorpo.ini");
  WriteBytes(real, "[Game]\n");
  std::filesystem::create_symlink(real, link);
  auto file = IniFile::Read(link);
  file.Set("Game", "Wait", "2");
  ASSERT_TRUE(file.WriteTo(link));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(real), "[Game]\nWait=2\n");
}

TEST(IniFileWrite, AFailedWriteLeavesTheOldFileWhole) {
  TestFolder folder;
  IniFile file;
  file.Set("Game", "Name1", std::string(4000, 'x'));

  // A folder path that runs through a regular file cannot hold a file, even for root.
  WriteBytes(folder.File("plain"), "");
  EXPECT_FALSE(file.WriteTo(folder.File("plain/vorpo.ini")));

  // A file size limit makes the write itself fail half-way, after the temporary file exists.
  const std::string path = folder.File("vorpo.ini");
  const std::string old = "[Game]\nName1=Bob\n";
  WriteBytes(path, old);
  bool written = true;
  {
    const FileSizeLimit limit(1000);
    ASSERT_TRUE(limit.Set());
    written = file.WriteTo(path);
  }

  EXPECT_FALSE(written);
  EXPECT_EQ(ReadBytes(path), old);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
}

}  // namespace
}  // namespace vorpo
