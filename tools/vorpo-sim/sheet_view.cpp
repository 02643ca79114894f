#include "sheet_view.h"

#include "score_sheet_text.h"

namespace vorpo::sim {

// The text is built only for the sheet that ends a match: the sheets in between are shown to
// nobody here, and building them would cost more than playing the deal.
bool SheetView::ShowScoreSheet() {
  GameState& state = game_->state;
  const bool over = MatchIsOver(state);
  if (over) {
    last_.caption = ScoreSheetCaption(true);
    last_.text = ScoreSheetText(state, true);
    last_.totals = SeatTotals(state);
    game_->RestoreStartCommand();
    EndMatchState(state);
  }
  return over;
}

}  // namespace vorpo::sim
