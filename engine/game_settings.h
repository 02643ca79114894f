// The settings a game holds in memory: the players, the cards, the scoring rule, the local
// rules, the match length, the display switches and the configured names. They come into the
// game as one value, settled by the rules below, and only the engine applies them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "cards.h"

namespace vorpo {

struct GameSettings {
  std::uint8_t Players = 0;
  std::uint8_t StartingCards = 0;
  std::uint8_t CalcProc = 0;
  // The switches are bytes, off when 0 and on otherwise. They keep the byte the settings file
  // held (a 2 stays 2), so that a switch nobody changed goes back to the file as it came.
  std::uint8_t DefDraw = 0;
  std::uint8_t DefDraw4 = 0;
  std::uint8_t NotYama = 0;
  std::uint8_t NotFig = 0;
  std::uint8_t WildFront = 0;
  std::uint8_t Ranking = 0;
  std::uint8_t OpenMode = 0;
  std::uint8_t NotShowCompCard = 0;
  std::int32_t IRWScore = 0;
  std::int32_t JRTurns = 0;
  std::uint8_t UseOtherSound = 0;
  std::uint8_t UseOtherImage = 0;
  std::uint8_t UseOtherScoreTable = 0;
  // How the computer seats play: 0 the standard player, 1 the strong one.
  std::uint8_t Strength = 0;
  std::string NameFont;
  // Names are held in UTF-8; they are converted to CP932 only at the file boundary. A match
  // takes them up as its seat names when it starts.
  std::array<std::string, kSeats> ConfiguredNames{};
};

// Where settings come from, which decides how many cards a seat may be dealt.
enum class SettingsFrom : std::uint8_t {
  // The settings file counts one hand more than there are seats, so that a full hand is left in
  // the stock whatever the first top card takes.
  SettingsFile,
  // The options dialog counts the seats only.
  OptionsDialog,
};

// The starting cards a seat is dealt: at least one, and no more than the cap of the source.
int SettledStartingCards(int startingCards, int players, SettingsFrom from);

// Every value brought into its range: 2 to 10 players, the scoring rule 0 or 1, a winning
// score of 1 to 1000, 1 to 30 deals of the Japanese rule, then the starting cards.
GameSettings Settled(GameSettings settings, SettingsFrom from);

// The standard rules of ranking mode: four computer seats, the international rule to 500,
// seven cards, a hand may be finished with any card, no other local rule, no score table file,
// no open hands and the standard computer player, so that ranked results stay comparable. The
// turns of the Japanese rule, the display and the names stay.
GameSettings WithRankingRules(GameSettings settings);

}  // namespace vorpo
