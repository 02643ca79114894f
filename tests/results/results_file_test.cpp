#include "results_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "cp932_text.h"
#include "results_format.h"
#include "tiny_filesystem.h"

namespace vorpo {
namespace {

using testing::ReadBytes;
using testing::TestFolder;
using testing::TinyFileSystem;
using testing::WriteBytes;

constexpr std::string_view kStamp = "2026/12/07 9:05:09";

// The expected file, put together here byte by byte from the layout rather than by the code
// under test.
std::string ExpectedFile(std::string_view name, std::string_view body) {
  std::string out;
  const auto length = [&](std::size_t n) {
    for (int k = 0; k < 4; ++k) out += static_cast<char>((n >> (8 * k)) & 0xFF);
  };
  const auto field = [&](std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
      out += static_cast<char>(static_cast<unsigned char>(bytes[i]) + 0xB27 + i + 1);
  };
  length(name.size());
  field(name);
  out += '\0';
  length(body.size());
  field(body);
  return out;
}

std::vector<std::string> FolderListing(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A sheet long enough that the body runs past 255 bytes, with a name in double-byte characters.
std::string LongSheet() {
  std::string sheet = "山田         Taro\r\n\r\n";
  for (int deal = 0; deal < 30; ++deal) sheet += "      10            0\r\n";
  return sheet + "\r\n     300            0\r\n\r\nWINNER : 山田";
}

TEST(ResultsFormat, ShortFileByteForByte) {
  EXPECT_EQ(ResultsFileBytes("a.txt", "AB"),
            std::string("\x05\x00\x00\x00\x89\x57\x9E\xA3\xA0\x00\x02\x00\x00\x00\x69\x6B", 16));
}

TEST(ResultsFormat, EmbeddedNameLosesFolderAndExtension) {
  EXPECT_EQ(EmbeddedTextName("/home/u/result.vdf"), "result.txt");
  EXPECT_EQ(EmbeddedTextName("/home/u/result"), "result.txt");
  EXPECT_EQ(EmbeddedTextName("/home/u.v/result"), "result.txt");
  EXPECT_EQ(EmbeddedTextName("match.2026.vdf"), "match.2026.txt");
}

TEST(ResultsFormat, DateAndTimeInJapaneseForms) {
  ::setenv("TZ", "UTC0", 1);
  ::tzset();
  EXPECT_EQ(ResultsDateTime(1796677509), "2026/12/07 21:05:09");
  EXPECT_EQ(ResultsDateTime(1767344709), "2026/01/02 9:05:09");
}

TEST(ResultsFormat, ReaderTakesOnlyOneWholeFile) {
  const std::string good = ResultsFileBytes("r.txt", "0.03\r\n");
  ASSERT_TRUE(ReadResultsBytes(good));
  EXPECT_EQ(ReadResultsBytes(good)->name, "r.txt");
  EXPECT_EQ(ReadResultsBytes(good)->body, "0.03\r\n");
  for (std::size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_FALSE(ReadResultsBytes(good.substr(0, cut)));
  EXPECT_FALSE(ReadResultsBytes(good + 'x'));
  EXPECT_FALSE(ReadResultsBytes(std::string(good).replace(9, 1, "\x01")));  // no separator
}

TEST(WriteResultsFile, WritesTheLayoutWithCp932TextAndWrappingScramble) {
  TestFolder folder;
  const std::string file = folder.File("result.vdf");
  ASSERT_FALSE(WriteResultsFile(LongSheet(), file, kStamp));

  std::string body = "0.03\r\n2026/12/07 9:05:09\r\n\r\n" + LongSheet();
  for (const auto& [utf8, cp932] : {std::pair{"山田", "\x8E\x52\x93\x63"}})
    for (std::size_t at; (at = body.find(utf8)) != std::string::npos;)
      body.replace(at, std::string_view(utf8).size(), cp932);
  ASSERT_GT(body.size(), 300u);
  const std::string bytes = ReadBytes(file);
  EXPECT_EQ(bytes, ExpectedFile("result.txt", body));
  // The 256th body byte is shifted as if its position were 0.
  EXPECT_EQ(static_cast<unsigned char>(bytes[9 + 10 + 255]),
            (static_cast<unsigned char>(body[255]) + 0x27) & 0xFF);
  EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"result.vdf"});
}

TEST(WriteResultsFile, NamesKeepTheBytesTheyAreSpeltWith) {
  TestFolder folder;
  const std::string file = folder.File("result.vdf");
  // 纊太 as the settings file spelt it (NEC form ED 40), 纊次 in the normal form (FA 5C).
  const std::vector<text::Cp932Spelling> names = {{"纊太", "\xED\x40\x91\xBE"},
                                                  {"纊次", "\xFA\x5C\x8E\x9F"}};
  const std::string sheet = "纊太         纊次\r\n\r\n      10            0\r\n\r\nWINNER : 纊太";
  ASSERT_FALSE(WriteResultsFile(sheet, file, kStamp, names));
  EXPECT_EQ(ReadBytes(file),
            ExpectedFile("result.txt",
                         "0.03\r\n2026/12/07 9:05:09\r\n\r\n\xED\x40\x91\xBE         "
                         "\xFA\x5C\x8E\x9F\r\n\r\n      10            0\r\n\r\n"
                         "WINNER : \xED\x40\x91\xBE"));
}

TEST(WriteResultsFile, ReplacesAnEarlierFileWholeAndKeepsItsMode) {
  TestFolder folder;
  const std::string file = folder.File("result");
  WriteBytes(file, "earlier");
  ::chmod(file.c_str(), 0640);
  ASSERT_FALSE(WriteResultsFile("WINNER : Taro", file, kStamp));
  EXPECT_EQ(ReadBytes(file),
            ExpectedFile("result.txt", "0.03\r\n2026/12/07 9:05:09\r\n\r\nWINNER : Taro"));
  struct stat info {};
  ::stat(file.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"result"});
}

TEST(WriteResultsFile, FailuresLeaveNothingBehind) {
  TestFolder folder;
  WriteBytes(folder.File("plain"), "a file, not a folder");
  // A folder that runs through a file.
  EXPECT_EQ(WriteResultsFile("x", folder.File("plain/result.vdf"), kStamp), std::strerror(ENOTDIR));
  // A folder where the file should be: the new file is made but cannot take its place.
  std::filesystem::create_directory(folder.File("taken.vdf"));
  EXPECT_EQ(WriteResultsFile("x", folder.File("taken.vdf"), kStamp), "Is a directory");
  // A character the file's encoding cannot hold.
  EXPECT_EQ(WriteResultsFile("WINNER : 😀", folder.File("emoji.vdf"), kStamp),
            std::strerror(EILSEQ));
  EXPECT_EQ(FolderListing(folder.Path()), (std::vector<std::string>{"plain", "taken.vdf"}));
}

TEST(WriteResultsFile, FullFileSystemKeepsTheEarlierFile) {
  TinyFileSystem disk(64, 4);
  if (!disk.Mounted()) GTEST_SKIP() << "no right to mount a file system here";
  const std::string file = disk.File("result.vdf");
  ASSERT_FALSE(WriteResultsFile("WINNER : Taro", file, kStamp));
  const std::string earlier = ReadBytes(file);
  disk.Fill();
  EXPECT_FALSE(CheckDiskSpace(file, 1));
  EXPECT_EQ(WriteResultsFile("WINNER : Jiro", file, kStamp), kDiskSpaceMessage);
  EXPECT_EQ(ReadBytes(file), earlier);
  EXPECT_EQ(FolderListing(disk.Path()), (std::vector<std::string>{"filler", "result.vdf"}));
}

TEST(WriteResultsFile, NoRoomForAnotherFileKeepsTheEarlierFile) {
  // Space enough, but the earlier file is the only one the file system can hold.
  TinyFileSystem disk(64, 1);
  if (!disk.Mounted()) GTEST_SKIP() << "no right to mount a file system here";
  const std::string file = disk.File("result.vdf");
  ASSERT_FALSE(WriteResultsFile("WINNER : Taro", file, kStamp));
  const std::string earlier = ReadBytes(file);
  EXPECT_EQ(WriteResultsFile("WINNER : Jiro", file, kStamp), std::strerror(ENOSPC));
  EXPECT_EQ(ReadBytes(file), earlier);
  EXPECT_EQ(FolderListing(disk.Path()), std::vector<std::string>{"result.vdf"});
}

TEST(CheckDiskSpace, AnswersFromTheFoldersFileSystem) {
  TestFolder folder;
  EXPECT_TRUE(CheckDiskSpace(folder.File("result.vdf"), 100));
  EXPECT_TRUE(CheckDiskSpace("result.vdf", 100));
  EXPECT_FALSE(CheckDiskSpace(folder.File("result.vdf"), UINT64_MAX));
  EXPECT_FALSE(CheckDiskSpace(folder.File("missing/result.vdf"), 1));
}

TEST(VorpoVdf, PrintsNameAndBodyAsUtf8) {
  TestFolder folder;
  const std::string file = folder.File("result.vdf");
  ASSERT_FALSE(WriteResultsFile(LongSheet(), file, kStamp));
  const auto run = [](const std::string& command) {
    std::string output;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[512];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
      output.append(buffer, n);
    return std::pair{output, ::pclose(pipe)};
  };
  const std::string tool = VORPO_VDF;
  const std::string body = "0.03\r\n2026/12/07 9:05:09\r\n\r\n" + LongSheet();
  EXPECT_EQ(run(tool + " " + file), std::pair(std::string("result.txt\n") + body + "\n", 0));
  EXPECT_EQ(run(tool + " --body " + file).first, body);
  EXPECT_EQ(run(tool + " --name " + file).first, "result.txt");
  WriteBytes(folder.File("other.vdf"), "not a results file");
  EXPECT_NE(run(tool + " " + folder.File("other.vdf") + " 2>/dev/null").second, 0);
}

}  // namespace
}  // namespace vorpo

int main(int argc, char** argv) {
  vorpo::testing::TakePrivateMounts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
