// Whole deals among computer seats under every combination of the local rules, checking after
// every move that no card is lost, doubled or misplaced and that every deal ends.
#include <gtest/gtest.h>

#include <cstdio>

#include "recording_view.h"

namespace vorpo {
namespace {

std::string CheckInvariants(const GameState& s) {
  int inStock = 0, onTop = 0;
  std::array<int, kSeats> owned{};
  for (Card c = 0; c < kDeckSize; ++c) {
    const int owner = s.Owner[c];
    if (owner == kOwnerStock)
      ++inStock;
    else if (owner == kOwnerDiscard)
      ++onTop;
    else if (owner < s.Players)
      ++owned[static_cast<std::size_t>(owner)];
    else
      return "card " + std::to_string(c) + " has owner " + std::to_string(owner);
  }
  if (onTop != 1 || s.Owner[s.TopCard] != kOwnerDiscard) return "the discard pile is not one card";
  if (inStock != s.StockCount) return "StockCount differs from the stock";
  for (int seat = 0; seat < s.Players; ++seat) {
    const HandList& hand = s.Hands[static_cast<std::size_t>(seat)];
    if (hand.Count() != owned[static_cast<std::size_t>(seat)])
      return "hand of seat " + std::to_string(seat) + " differs from the owner codes";
    for (Card c : hand)
      if (s.Owner[c] != seat)
        return "hand of seat " + std::to_string(seat) + " holds a foreign card";
  }
  return "";
}

TEST(WholeDeals, EveryRuleCombinationKeepsTheCardsWholeAndEnds) {
  int dealsPlayed = 0;
  std::uint64_t seed = 1;
  for (int rules = 0; rules < 32; ++rules) {
    for (int players = 2; players <= 10; ++players) {
      const int most = 110 / (players + 1);
      for (int starting : {1, 7, most}) {
        for (int match = 0; match < 4; ++match) {
          testing::RecordingView view;
          Random random{seed++};
          Game game{view, random};
          GameState& s = game.TestingState();
          s.Players = static_cast<std::uint8_t>(players);
          s.StartingCards = static_cast<std::uint8_t>(starting);
          testing::SetLocalRules(s, rules);
          // Matches of three deals, or fewer where the international rule's score is reached.
          s.CalcProc = static_cast<std::uint8_t>(rules % 2);
          s.JRTurns = 3;
          s.IRWScore = 1000;
          int deals = 0;
          view.onScoreSheet = [&](const Standings&) { ++deals; };
          game.StartMatch();
          int moves = 0;
          while (s.MatchRunning()) {
            // Seat 0 is played by the computer's logic too, naming colours as a computer would.
            if (s.AwaitingColour)
              game.Label4Click(game.ChooseColor());
            else
              game.TimerTimer();
            const std::string broken = CheckInvariants(s);
            ASSERT_EQ(broken, "") << "rules " << rules << " seats " << players << " cards "
                                  << starting << " move " << moves;
            ASSERT_LT(++moves, 100000) << "a match did not end: rules " << rules << " seats "
                                       << players << " cards " << starting;
          }
          dealsPlayed += deals;
        }
      }
    }
  }
  RecordProperty("deals", dealsPlayed);
  std::printf("%d deals\n", dealsPlayed);
  EXPECT_GT(dealsPlayed, 10000);
}

}  // namespace
}  // namespace vorpo
