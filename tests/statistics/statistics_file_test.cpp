#include "statistics_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorpo {
namespace {

StatisticsRecord Sample() {
  StatisticsRecord record;
  PlayerRecord player;
  player.Of(MatchKind::Japanese) = {2, 1, 10, 4, 35, 20};
  player.Of(MatchKind::InternationalRanked) = {1, 0, 12, 3, -40, -40};
  record.Put("プレイヤー", player);
  return record;
}

const std::string kSampleText =
    "[Statistics]\n"
    "Program=Vorpo\n"
    "Format=1\n"
    "Players=1\n"
    "\n"
    "[Player 1]\n"
    "Name=プレイヤー\n"
    "InternationalRanked.Matches=1\n"
    "InternationalRanked.MatchesWon=0\n"
    "InternationalRanked.Deals=12\n"
    "InternationalRanked.DealsWon=3\n"
    "InternationalRanked.BestTotal=-40\n"
    "InternationalRanked.TotalSum=-40\n"
    "Japanese.Matches=2\n"
    "Japanese.MatchesWon=1\n"
    "Japanese.Deals=10\n"
    "Japanese.DealsWon=4\n"
    "Japanese.BestTotal=35\n"
    "Japanese.TotalSum=20\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(StatisticsFile, IsWrittenKindByKindAndReadBack) {
  EXPECT_EQ(StatisticsFileText(Sample()), kSampleText);
  EXPECT_EQ(ParseStatisticsFile(kSampleText), Sample());
  EXPECT_EQ(StatisticsFileText(StatisticsRecord()),
            "[Statistics]\nProgram=Vorpo\nFormat=1\nPlayers=0\n");
  EXPECT_EQ(ParseStatisticsFile(StatisticsFileText(StatisticsRecord())), StatisticsRecord());
}

TEST(StatisticsFile, NamesComeBackByteForByte) {
  StatisticsRecord record;
  PlayerRecord played;
  played.Of(MatchKind::International) = {1, 1, 3, 2, 120, 120};
  for (const std::string name : {"", "  Taro ", "a=b", "[Player 9]", ";x", "山田\t太郎"})
    record.Put(name, played);
  EXPECT_EQ(ParseStatisticsFile(StatisticsFileText(record)), record);

  // A name that cannot stand on one line is left out rather than splitting the file.
  StatisticsRecord broken = record;
  broken.Put("two\nlines", played);
  broken.Put(std::string("nul\0byte", 8), played);
  EXPECT_EQ(ParseStatisticsFile(StatisticsFileText(broken)), record);
}

TEST(StatisticsFile, AFileEditedByHandStillReads) {
  std::string crlf;
  for (char c : kSampleText) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(ParseStatisticsFile(crlf), Sample());
  EXPECT_EQ(ParseStatisticsFile("; kept by Vorpo\n\n" + kSampleText + "\n\n"), Sample());
}

TEST(StatisticsFile, AnotherProgramsFileIsRefused) {
  for (const std::string& foreign : {
           std::string(),
           std::string("[Game]\r\nName0=プレイヤー\r\n"),
           Replaced(kSampleText, "Program=Vorpo", "Program=Other"),
           Replaced(kSampleText, "Format=1", "Format=2"),
           Replaced(kSampleText, "[Statistics]\nProgram=Vorpo\nFormat=1\n", ""),
           std::string("\x89PNG\r\n\x1a\n", 8),
           std::string("\xEF\xBB\xBF") + kSampleText,
           "[Player 1]\nName=x\n" + kSampleText,
       })
    EXPECT_FALSE(ParseStatisticsFile(foreign)) << foreign;
}

TEST(StatisticsFile, ADamagedFileIsRefusedWhole) {
  const std::vector<std::pair<std::string, std::string>> damage = {
      {"Japanese.TotalSum=20\n", ""},                                // a figure missing
      {"Japanese.TotalSum=20\n", "Japanese.TotalSum=2"},             // cut short
      {"Japanese.Deals=10", "Japanese.Deals=ten"},                   // not a number
      {"Japanese.Deals=10", "Japanese.Deals= 10"},                   //
      {"Japanese.Deals=10", "Japanese.Deals=010"},                   //
      {"Japanese.Deals=10", "Japanese.Deals=99999999999999999999"},  // beyond 64 bits
      {"Japanese.MatchesWon=1", "Japanese.MatchesWon=3"},            // more won than played
      {"Japanese.DealsWon=4", "Japanese.DealsWon=11"},               //
      {"Japanese.Deals=10", "Japanese.Deals=1"},                     // fewer deals than matches
      {"Japanese.Deals=10", "Japanese.Deals=61"},                    // more than 30 deals a match
      {"Japanese.BestTotal=35", "Japanese.BestTotal=9"},             // a mean above the best
      {"Japanese.Matches=2", "Japanese.Matches=0"},                  //
      {"Japanese.MatchesWon=1", "Japanese.MatchesWon=-1"},           //
      {"Name=プレイヤー\n", ""},                                     // no name
      {"Name=プレイヤー\n", "Name=プレイヤー\nName=x\n"},            // two names
      {"Japanese.Deals=10\n", "Japanese.Deals=10\nJapanese.Deals=10\n"},
      {"Japanese.Deals=10\n", "Japanese.Deals=10\nJapanese.Rounds=1\n"},  // unknown key
      {"Japanese.Deals=10\n", "Japanese.Deals=10\nColour=red\n"},
      {"Japanese.Deals=10\n", "Japanese.Deals=10\nno equals sign\n"},
      {"Players=1", "Players=2"},                     // a player lost
      {"Players=1\n", ""},                            //
      {"[Player 1]", "[Player 1"},                    // a broken header
      {"[Player 1]", "[Player one]"},                 //
      {"[Player 1]", "[Results]"},                    // an unknown section
      {"プレイヤー", "\xE3\x83"},                     // a broken character
      {"プレイヤー", "\xC0\xAF"},                     // an overlong one
      {"プレイヤー", "\xED\xA0\x80"},                 // a surrogate
      {"プレイヤー", std::string("プレ\0ヤー", 13)},  // what no line of the file may hold
      {"プレイヤー", "プレ\rヤー"},
  };
  for (const auto& [from, to] : damage)
    EXPECT_FALSE(ParseStatisticsFile(Replaced(kSampleText, from, to))) << from << " -> " << to;

  // A second player, then the same name twice and the same section twice.
  const std::string two = Replaced(kSampleText, "Players=1", "Players=2");
  const std::string player = kSampleText.substr(kSampleText.find("[Player 1]"));
  const std::string second = Replaced(Replaced(player, "[Player 1]", "[Player 2]"), "イヤー", "x");
  EXPECT_EQ(ParseStatisticsFile(two + "\n" + second)->Players().size(), 2u);
  EXPECT_FALSE(ParseStatisticsFile(two + "\n" + Replaced(second, "x", "イヤー")));
  EXPECT_FALSE(ParseStatisticsFile(two + "\n" + Replaced(second, "[Player 2]", "[Player 1]")));
  // A player section without any figure is none that the game writes.
  EXPECT_FALSE(ParseStatisticsFile(two + "\n[Player 2]\nName=x\n"));
}

}  // namespace
}  // namespace vorpo
