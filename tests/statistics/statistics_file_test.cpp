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
  EXPECT_EQ(ParseStatisticsFile("; kept by Vorpo\n\n" + crlf + "\n"), Sample());
}

TEST(StatisticsFile, AForeignOrDamagedFileIsRefusedWhole) {
  for (const std::string& foreign :
       {std::string(), std::string("[Game]\r\nName0=x\r\n"), "[Player 1]\nName=x\n" + kSampleText})
    EXPECT_FALSE(ParseStatisticsFile(foreign)) << foreign;

  const std::vector<std::pair<std::string, std::string>> damage = {
      {"Program=Vorpo", "Program=Other"},                 // another program's
      {"Format=1", "Format=2"},                           // another format
      {"Players=1", "Players=2"},                         // a player lost
      {"Japanese.TotalSum=20\n", ""},                     // a figure lost
      {"Japanese.TotalSum=20\n", "Japanese.TotalSum=2"},  // cut off in a number
      {"Japanese.Deals=10", "Japanese.Deals=010"},        // not as the game writes
      {"Japanese.Deals=10", "Japanese.Deals=99999999999999999999"},
      {"Japanese.MatchesWon=1", "Japanese.MatchesWon=3"},  // more won than played
      {"Japanese.Deals=10", "Japanese.Deals=61"},          // more than 30 deals a match
      {"Japanese.BestTotal=35", "Japanese.BestTotal=9"},   // a mean above the best
      {"Name=プレイヤー\n", ""},                           // no name
      {"Japanese.Deals=10\n", "Japanese.Deals=10\nJapanese.Rounds=1\n"},  // an unknown key
      {"[Player 1]", "[Results]"},                                        // an unknown section
      {"プレイヤー", "\xE3\x83"},                                         // a broken character
      {"プレイヤー", std::string("プレ\0ヤー", 13)},                      // what no line may hold
  };
  for (const auto& [from, to] : damage)
    EXPECT_FALSE(ParseStatisticsFile(Replaced(kSampleText, from, to))) << from << " -> " << to;

  // A second player reads; the same name twice does not.
  const std::string two = Replaced(kSampleText, "Players=1", "Players=2");
  const std::string player = kSampleText.substr(kSampleText.find("[Player 1]"));
  const std::string second = Replaced(player, "[Player 1]", "[Player 2]");
  EXPECT_EQ(ParseStatisticsFile(two + "\n" + Replaced(second, "イヤー", "x"))->Players().size(),
            2u);
  EXPECT_FALSE(ParseStatisticsFile(two + "\n" + second));
}

}  // namespace
}  // namespace vorpo
