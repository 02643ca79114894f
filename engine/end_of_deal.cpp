// The end of a deal: the last penalty is paid, the hands are laid open, the deal is scored,
// the standings are shown and the match goes on or ends.
#include "game.h"
#include "match.h"
#include "match_result.h"

namespace vorpo {

void Game::EndDeal() {
  const int winner = state.CurSeat;
  const int payer = WrapSeat(state.CurSeat + state.Direction);
  state.Direction = 0;
  SetTimer(false);
  if (state.PenaltyPending) {
    PayPenalty(payer);
    PlayTurnSound("SE17");
    ++counters.penaltiesPaid;
  }
  if (table_) {
    OpenAllHands();
    table_->WidenHand(winner);
    CaptionSeat(winner, Hand(winner).Count());
    if (winner == 0 || !state.NotShowCompCard) table_->WriteFinish(winner);
    table_->RepaintWindow();
  }

  std::array<int, kSeats> sums{};
  int total = 0;
  for (int seat = 0; seat < state.Players; ++seat) {
    for (Card card : Hand(seat)) sums[static_cast<std::size_t>(seat)] += points[card];
    total += sums[static_cast<std::size_t>(seat)];
  }
  std::array<int, kSeats> scores{};
  for (int seat = 0; seat < state.Players; ++seat) {
    if (seat == winner)
      scores[static_cast<std::size_t>(seat)] = total;
    else if (state.CalcProc == 1)
      scores[static_cast<std::size_t>(seat)] = -sums[static_cast<std::size_t>(seat)];
  }
  ++state.DealsWon[static_cast<std::size_t>(winner)];
  ++counters.dealsWon[static_cast<std::size_t>(winner)];
  for (int seat = 0; seat < state.Players; ++seat)
    counters.dealPoints[static_cast<std::size_t>(seat)] += scores[static_cast<std::size_t>(seat)];
  RecordScores(scores);
}

void Game::OpenAllHands() {
  for (int seat = 0; seat < state.Players; ++seat) table_->DrawHand(seat, false);
}

void Game::RecordScores(const std::array<int, kSeats>& scores) {
  for (int seat = 0; seat < state.Players; ++seat)
    state.ScoreLists[static_cast<std::size_t>(seat)].push_back(
        std::to_string(scores[static_cast<std::size_t>(seat)]));
  if (!ShowScoreSheet()) StartDeal();
}

bool Game::ShowScoreSheet() {
  const bool over = MatchIsOver(state);
  // The Start command is back before the sheet shows; the standings stay whole until it closes.
  if (over) RestoreStartCommand();
  view_.ShowScoreSheet(Standings(state, over));
  if (over) {
    if (matchObserver_) matchObserver_->MatchEnded(MatchResultOf(state));
    EndMatchState(state);
  }
  return over;
}

void Game::LoadScoreTable(const std::string& scoreTableFile, const std::string& programDir) {
  if (!state.UseOtherScoreTable) {
    points = DefaultPointTable();
    return;
  }
  if (auto message = ReadScoreTableFile(scoreTableFile, programDir, points))
    view_.ShowError(*message);
}

}  // namespace vorpo
