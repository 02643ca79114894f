// The engine's one door to the screen: the requests the game makes of the table window.
// The table window implements it with Qt; tests implement it with a recorder. The view draws
// what GameState says and decides nothing about the rules.
#pragma once

#include <string>

#include "game_state.h"
#include "match.h"

namespace vorpo {

class TableView {
 public:
  virtual ~TableView() = default;

  // False for a view that shows nothing of the table (the simulator's): the game then spares
  // it every request but the score sheet and error messages, and builds no caption for it.
  virtual bool ShowsTable() const { return true; }

  // Layout and pictures.
  virtual void LayoutSeats() = 0;
  virtual void DrawPiles() = 0;
  virtual void DrawTopCard() = 0;
  // Draws the top card's cell at (0,0) of Image1 over what is there, without clearing first.
  virtual void DrawTopCardOver() = 0;
  // The engine decides the face (GameState::HandFaceDown); the view draws what it is told.
  virtual void DrawHand(int seat, bool faceDown) = 0;
  virtual void RepaintHand(int seat) = 0;
  virtual void RepaintWindow() = 0;
  virtual void ApplyNameFont() = 0;
  // End of a deal: widen the winner's hand picture and, when asked, write "FINISH!!" on it.
  virtual void WidenHand(int seat) = 0;
  virtual void WriteFinish(int seat) = 0;

  // Indicators.
  virtual void SetVisible(Indicator indicator, bool visible) = 0;
  virtual void FillSwatch(int colourIndex) = 0;
  virtual void SetPenaltyCaption(const std::string& text) = 0;
  virtual void SetSymbolCaption(char symbol) = 0;

  // Name labels: caption, shown, and the turn highlight (black regular / red bold).
  virtual void SetSeatCaption(int seat, const std::string& text) = 0;
  virtual void ShowSeatLabel(int seat) = 0;
  virtual void SetSeatHighlight(int seat, bool current) = 0;

  // The Start/Abort menu command: true for "スタート(&S)"/F2, false for "中断(&B)"/F3.
  virtual void SetStartCommand(bool start) = 0;

  // Enables or disables the turn timer; enabling a running timer keeps its rhythm.
  virtual void SetTimerEnabled(bool enabled) = 0;

  // Plays a named sound when sound is switched on; a new sound cuts off the one playing.
  virtual void PlayTurnSound(const char* name) = 0;

  // An error message box owned by the table window.
  virtual void ShowError(const std::string& text) = 0;

  // Shows the standings at the end of a deal, modally; the engine has decided whether the match
  // is over and ends it once the sheet is closed.
  virtual void ShowScoreSheet(const Standings& standings) = 0;
};

}  // namespace vorpo
