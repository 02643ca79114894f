// The simulator's table: nothing is drawn and nothing is heard. Of the sheets the engine shows
// at the end of every deal it keeps the one that ends a match.
#pragma once

#include <array>
#include <string>

#include "match.h"
#include "table_view.h"

namespace vorpo::sim {

// A TableView that ignores every request to draw, caption or play a sound.
class SilentView : public TableView {
 public:
  bool ShowsTable() const override { return false; }
  void LayoutSeats() override {}
  void DrawPiles() override {}
  void DrawTopCard() override {}
  void DrawTopCardOver() override {}
  void DrawHand(int, bool) override {}
  void RepaintHand(int) override {}
  void RepaintWindow() override {}
  void ApplyNameFont() override {}
  void WidenHand(int) override {}
  void WriteFinish(int) override {}
  void SetVisible(Indicator, bool) override {}
  void FillSwatch(int) override {}
  void SetPenaltyCaption(const std::string&) override {}
  void SetSymbolCaption(char) override {}
  void SetSeatCaption(int, const std::string&) override {}
  void ShowSeatLabel(int) override {}
  void SetSeatHighlight(int, bool) override {}
  void SetStartCommand(bool) override {}
  void SetTimerEnabled(bool) override {}
  void PlayTurnSound(const char*) override {}
  void ShowError(const std::string&) override {}
};

// How a finished match stood when its sheet closed.
struct MatchSheet {
  std::string caption;
  std::string text;  // UTF-8, CR LF line breaks, exactly as the sheet shows it
  std::array<int, kSeats> totals{};
};

class SheetView : public SilentView {
 public:
  void ShowScoreSheet(const Standings& standings) override;

  // The sheet of the match that ended last.
  const MatchSheet& LastSheet() const { return last_; }

 private:
  MatchSheet last_;
};

}  // namespace vorpo::sim
