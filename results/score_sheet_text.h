// The score sheet without its window: the text that the sheet shows, the decision that a match
// is over, and what ending a match does to the game state. The score sheet window and the
// simulator both build on these, so the two can never disagree about a match.
#pragma once

#include <array>
#include <string>

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

// The game-state part of ending a match: no match runs any more and the score lists are
// empty. (The Start menu command is the table's to restore.)
void EndMatchState(GameState& state);

}  // namespace vorpo
