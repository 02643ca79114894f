#include "game_settings.h"

#include <algorithm>

namespace vorpo {

namespace {

// No deal may hand out more than this many cards, and a seat then gets this divided by the
// hands counted.
constexpr int kMaxDealt = 110;
constexpr int kDealDivisor = 111;

}  // namespace

int SettledStartingCards(int startingCards, int players, SettingsFrom from) {
  const int cards = std::max(startingCards, 1);
  const int hands = from == SettingsFrom::SettingsFile ? players + 1 : players;
  return hands * cards > kMaxDealt ? kDealDivisor / hands : cards;
}

GameSettings Settled(GameSettings settings, SettingsFrom from) {
  settings.Players = static_cast<std::uint8_t>(std::clamp<int>(settings.Players, 2, kSeats));
  settings.CalcProc = std::min<std::uint8_t>(settings.CalcProc, 1);
  settings.Strength = std::min<std::uint8_t>(settings.Strength, 1);
  settings.IRWScore = std::clamp(settings.IRWScore, 1, 1000);
  settings.JRTurns = std::clamp(settings.JRTurns, 1, 30);
  settings.StartingCards = static_cast<std::uint8_t>(
      SettledStartingCards(settings.StartingCards, settings.Players, from));
  return settings;
}

GameSettings WithRankingRules(GameSettings settings) {
  settings.OpenMode = 0;
  settings.Players = 5;
  settings.CalcProc = 0;
  settings.IRWScore = 500;
  settings.StartingCards = 7;
  settings.DefDraw = 0;
  if (settings.NotFig == 0) settings.NotFig = 1;
  settings.NotYama = 0;
  settings.WildFront = 0;
  settings.UseOtherScoreTable = 0;
  settings.Strength = 0;
  return settings;
}

}  // namespace vorpo
