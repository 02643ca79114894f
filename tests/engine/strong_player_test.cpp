// The strong computer player's decisions on hands laid out by hand, and a soak of whole deals
// that checks it only lays cards the rules allow and never decides by what it cannot see.
#include "strong_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "recording_view.h"

namespace vorpo {
namespace {

using testing::TestTable;

constexpr Card kRed2 = 4, kRed3 = 7, kRed4 = 8, kRed5 = 10, kRed7 = 14, kRed9 = 19, kRedSkip = 21,
               kBlue1 = 28, kBlue4 = 34, kBlue7 = 40, kBlue8 = 42, kBlueSkip = 47, kRed1 = 2,
               kGreen5 = 88, kWild = 104, kWildDraw4 = 108;
constexpr int kBlue = 1;

// Four seats with seat 1 strong and to move; seats 0, 2 and 3 hold the given hands.
struct StrongTable : TestTable {
  StrongTable() {
    s.Players = 4;
    game.SetSeatStrength(1, Strength::Strong);
  }
  void Lay(Card top, const std::vector<Card>& mine, int nextSeatCards) {
    std::vector<Card> next;
    for (Card c = 52; next.size() < static_cast<std::size_t>(nextSeatCards); ++c)
      if (c != top) next.push_back(c);  // yellow cards, then green
    TestTable::Lay(top, {{60, 61, 62, 63, 64, 65, 66}, mine, next, {67, 68, 69, 70, 71, 72, 73}},
                   1);
  }
};

TEST(StrongPlayer, KeepsItsWildToGoOutOnAndPlaysTheLastColouredCardFirst) {
  StrongTable t;
  t.Lay(kRed3, {kRed7, kWild}, 7);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.TopCard, kRed7) << "the standard player lays the Wild here";
}

TEST(StrongPlayer, TheSettingsStrengthGivesEveryComputerSeatItButRankingModeNone) {
  for (const bool ranked : {false, true}) {
    TestTable t;
    t.s.Players = 4;
    GameSettings settings = t.s;
    settings.Strength = 1;
    settings.Ranking = ranked;
    t.game.ApplySettings(settings, SettingsFrom::OptionsDialog);
    t.Lay(kRed3, {{kRed7, kWild}, {kRed7 + 1, kWild + 1}, {60, 61}, {62, 63}}, 1);
    t.game.ComputerMove();
    EXPECT_EQ(t.s.TopCard, ranked ? kWild + 1 : kRed7 + 1) << "ranked " << ranked;
    t.Lay(kRed3, {{kRed7, kWild}, {60, 61}, {62, 63}, {64, 65}}, 0);
    t.game.ComputerMove();
    EXPECT_EQ(t.s.TopCard, kWild) << "the human's seat keeps the standard player";
  }
}

TEST(StrongPlayer, LaysAWildDrawFourOnANextSeatAboutToGoOutAndKeepsItOtherwise) {
  StrongTable close;
  close.Lay(kRed5, {kRed2, kRed9, kWildDraw4}, 1);
  close.game.ComputerMove();
  EXPECT_EQ(close.s.TopCard, kWildDraw4) << "the next seat holds one card";
  EXPECT_EQ(close.s.Hands[2].Count(), 1) << "it pays only at its own turn";

  StrongTable far;
  far.Lay(kRed5, {kRed2, kRed9, kWildDraw4}, 9);
  far.game.ComputerMove();
  EXPECT_EQ(far.s.TopCard, kRed9) << "the next seat holds 9 cards";
}

TEST(StrongPlayer, FollowsWithTheColourTheNextSeatShowedItLacks) {
  // The standard player lays blue 7: blue is its largest colour.
  StrongTable t;
  t.Lay(kRed7, {kRed2, kBlue7, kBlue4}, 2);
  t.game.TestingRecord().FoundNothingOn(2, 0);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.TopCard, kRed2) << "seat 2 drew on red and has taken nothing since";

  StrongTable unknown;
  unknown.Lay(kRed7, {kRed2, kBlue7, kBlue4}, 2);
  unknown.game.ComputerMove();
  EXPECT_EQ(unknown.s.TopCard, kBlue7) << "without a sighting it keeps to its largest colour";
}

TEST(StrongPlayer, NamesTheColourTheNextSeatLacksAmongItsEqualColours) {
  StrongTable t;
  t.Lay(kGreen5, {kRed1, kBlue1, kWild}, 1);
  t.game.TestingRecord().FoundNothingOn(2, kBlue);
  t.game.ComputerMove();
  ASSERT_EQ(t.s.TopCard, kWild);
  EXPECT_EQ(t.s.NamedColour, kBlue) << "the standard player names red, the lower colour";

  // Four cards taken since leave little of what it showed.
  StrongTable taken;
  taken.Lay(kGreen5, {kRed1, kBlue1, kWild}, 1);
  taken.game.TestingRecord().FoundNothingOn(2, kBlue);
  taken.game.TestingRecord().TookUnseen(2, 4);
  taken.game.TestingRecord().FoundNothingOn(2, 0);
  taken.game.ComputerMove();
  EXPECT_EQ(taken.s.NamedColour, 0) << "seat 2 lacked red last, and blue four cards ago";
}

TEST(StrongPlayer, WithNotFigOffKeepsANumberCardToFinishOn) {
  // The standard player searches blue first and lays blue 8, leaving a Skip it cannot finish
  // on; the strong one lays the red Skip by its kind.
  StrongTable t;
  t.s.NotFig = 0;
  t.Lay(kBlueSkip, {kRedSkip, kBlue8}, 7);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.TopCard, kRedSkip);

  // And a black card goes before the last card, where it could not be laid.
  StrongTable black;
  black.s.NotFig = 0;
  black.Lay(kRed3, {kRed4, kWild}, 7);
  black.game.ComputerMove();
  EXPECT_EQ(black.s.TopCard, kWild);
}

TEST(StrongPlayer, UnderTheJapaneseRuleSpendsDearCardsWhenASeatIsClose) {
  // A red Skip is worth 20 points, a red 4 four; with the next seat on one card the dear card
  // goes first, although the Skip lets the seat after it play instead.
  StrongTable t;
  t.Lay(kRed5, {kRed4, kRedSkip, kBlue1}, 1);
  t.game.ComputerMove();
  EXPECT_EQ(t.s.TopCard, kRedSkip);
}

TEST(DealRecord, FollowsWhatTheTableSees) {
  TestTable t;
  t.s.Players = 2;
  t.Lay(kRed5, {{60}, {64, 65}}, 1);  // seat 1 holds two yellow cards: nothing to lay on red
  t.LeaveInStock(1, 9);               // a Wild Draw Four, which the empty stock then refuses
  t.game.ComputerMove();
  ASSERT_EQ(t.s.Hands[1].Count(), 3) << "it drew and passed";
  const DealRecord& record = t.game.Record();
  EXPECT_EQ(record.TakenSinceLacking(1, 0), 0) << "it drew on red";
  EXPECT_EQ(record.TakenSinceLacking(1, DealRecord::kBlackCards), 0);
  EXPECT_EQ(record.TakenSinceLacking(1, 1), DealRecord::kNotSeen);
  EXPECT_EQ(record.TakenSinceLacking(0, 0), DealRecord::kNotSeen);

  DealRecord r;
  r.FoundNothingOn(3, 2);
  r.TookUnseen(3, 2);
  EXPECT_EQ(r.TakenSinceLacking(3, 2), 2) << "a penalty's cards may bring the colour";
  r.Played(3, 56);
  EXPECT_EQ(r.TakenSinceLacking(3, 2), DealRecord::kNotSeen) << "it laid a yellow card";
  EXPECT_TRUE(r.Played().Contains(56));
  r.Clear(kRed5);
  EXPECT_FALSE(r.Played().Contains(56));
  EXPECT_TRUE(r.Played().Contains(kRed5)) << "the first top card is seen by all";
}

// Moves the cards CurSeat cannot see (the other hands and the stock) around, keeping every
// hand's size.
void ShuffleUnseenCards(GameState& s, std::uint32_t turn) {
  std::vector<Card> hidden;
  for (Card c = 0; c < kDeckSize; ++c)
    if (s.Owner[c] != s.CurSeat && s.Owner[c] != kOwnerDiscard) hidden.push_back(c);
  std::rotate(hidden.begin(), hidden.begin() + static_cast<long>(turn % hidden.size()),
              hidden.end());
  std::size_t next = 0;
  for (int seat = 0; seat < s.Players; ++seat) {
    if (seat == s.CurSeat) continue;
    HandList& hand = s.Hands[static_cast<std::size_t>(seat)];
    const int count = hand.Count();
    hand.Clear();
    for (int i = 0; i < count; ++i) {
      s.Owner[hidden[next]] = static_cast<std::uint8_t>(seat);
      hand.Append(hidden[next++]);
    }
    hand.Sort();
  }
  for (; next < hidden.size(); ++next) s.Owner[hidden[next]] = kOwnerStock;
}

TEST(StrongPlayer, WholeDealsUnderEveryRuleLayOnlyLegalCardsAndOnlyWhatIsSeenCounts) {
  const StrongPlayer strong;
  int decisions = 0;
  std::uint32_t seed = 1;
  for (int rules = 0; rules < 32; ++rules) {
    for (int players : {2, 4, 7}) {
      testing::RecordingView view;
      Random random{seed++};
      Game game{view, random};
      GameState& s = game.TestingState();
      s.Players = static_cast<std::uint8_t>(players);
      s.StartingCards = 7;
      testing::SetLocalRules(s, rules);
      s.CalcProc = static_cast<std::uint8_t>(rules % 2);
      s.JRTurns = 4;
      s.IRWScore = 1000;
      for (int seat = 0; seat < players; ++seat) game.SetSeatStrength(seat, Strength::Strong);
      game.StartMatch();
      for (int moves = 0; s.MatchRunning(); ++moves) {
        ASSERT_LT(moves, 100000) << "a match did not end: rules " << rules;
        if (s.AwaitingColour) {
          const int colour = game.ChooseColor();
          ASSERT_TRUE(colour >= 0 && colour < 4);
          game.Label4Click(colour);
          continue;
        }
        const CardSet legal =
            PlayableCards(s).Cards() & s.Hands[static_cast<std::size_t>(s.CurSeat)].Cards();
        if (!legal.Empty() && (s.DefDraw || !s.PenaltyPending)) {
          const Card chosen = strong.ChooseCard(game, legal, kNoCard);
          ASSERT_TRUE(game.CanPlay(chosen)) << "rules " << rules << " card " << int{chosen};
          const GameState seen = s;
          ShuffleUnseenCards(s, static_cast<std::uint32_t>(moves));
          ASSERT_EQ(strong.ChooseCard(game, legal, kNoCard), chosen)
              << "the choice changed with cards it cannot see, rules " << rules;
          s = seen;
          ++decisions;
        }
        game.TimerTimer();
      }
    }
  }
  EXPECT_GT(decisions, 10000);
}

}  // namespace
}  // namespace vorpo
