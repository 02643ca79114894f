// A match's standings and its end: the score sheet's text, the decision that a match is over,
// and what ending a match does to the game state. The engine alone decides; the score sheet
// window and the simulator only show what it decided.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cards.h"
#include "game_state.h"

namespace vorpo {

// Each seat's sum of its deal scores so far (seats that do not take part stay 0).
std::array<int, kSeats> SeatTotals(const GameState& state);

// International rule: some total has reached IRWScore, or 30 deals are recorded. Japanese
// rule: JRTurns deals are recorded. A sheet without a deal never ends a match.
bool MatchIsOver(const GameState& state);

// The sheet's text in UTF-8 with CR LF line breaks: the name line, one line per deal, an empty
// line and the totals; when the match is over also an empty line and the winners.
std::string ScoreSheetText(const GameState& state, bool matchOver);

// "成績表", or "成績表 - ゲーム終了" when the match is over.
std::string ScoreSheetCaption(bool matchOver);

// The game-state part of ending a match: no match runs any more and the score lists and the
// deals won are empty.
void EndMatchState(GameState& state);

// The width of a name in half-width columns of the sheet's fixed-pitch face, which is its
// length in CP932 bytes: one for ASCII, ¥, ‾ and half-width katakana, two for every other
// character.
std::size_t NameColumns(std::string_view utf8);

// What a score sheet shows: the standings of the game as they stand while the sheet is open,
// and whether the match is over. The text is built only when a sheet asks for it.
class Standings {
 public:
  Standings(const GameState& state, bool matchOver) : state_(state), matchOver_(matchOver) {}

  bool MatchOver() const { return matchOver_; }
  int Players() const { return state_.Players; }
  std::string Caption() const { return ScoreSheetCaption(matchOver_); }
  std::string Text() const { return ScoreSheetText(state_, matchOver_); }
  std::array<int, kSeats> Totals() const { return SeatTotals(state_); }
  // The seat's deal scores, one decimal text per deal.
  const std::vector<std::string>& ScoreList(int seat) const {
    return state_.ScoreLists[static_cast<std::size_t>(seat)];
  }

 private:
  const GameState& state_;
  bool matchOver_;
};

}  // namespace vorpo
