#include "sheet_view.h"

namespace vorpo::sim {

// The text is built only for the sheet that ends a match: the sheets in between are shown to
// nobody here, and building them would cost more than playing the deal.
void SheetView::ShowScoreSheet(const Standings& standings) {
  if (!standings.MatchOver()) return;
  last_.caption = standings.Caption();
  last_.text = standings.Text();
  last_.totals = standings.Totals();
}

}  // namespace vorpo::sim
