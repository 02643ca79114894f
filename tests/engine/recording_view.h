// A TableView that remembers what the engine asked of the screen, for tests that check what a
// player would see.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game.h"
#include "table_view.h"

namespace vorpo::testing {

class RecordingView : public TableView {
 public:
  void LayoutSeats() override { calls.push_back("LayoutSeats"); }
  void DrawPiles() override { calls.push_back("DrawPiles"); }
  void DrawTopCard() override { calls.push_back("DrawTopCard"); }
  void DrawTopCardOver() override { calls.push_back("DrawTopCardOver"); }
  void DrawHand(int seat, bool faceDown) override {
    calls.push_back("DrawHand " + std::to_string(seat) + (faceDown ? " down" : " up"));
  }
  void RepaintHand(int) override {}
  void RepaintWindow() override {}
  void ApplyNameFont() override {}
  void WidenHand(int seat) override { widened = seat; }
  void WriteFinish(int seat) override { finished.push_back(seat); }
  void SetVisible(Indicator, bool) override {}
  void FillSwatch(int colourIndex) override { swatch = colourIndex; }
  void SetPenaltyCaption(const std::string& text) override { penaltyCaption = text; }
  void SetSymbolCaption(char symbol) override { symbolCaption = symbol; }
  void SetSeatCaption(int seat, const std::string& text) override { captions[seat] = text; }
  void ShowSeatLabel(int) override {}
  void SetSeatHighlight(int seat, bool current) override { highlighted[seat] = current; }
  void SetStartCommand(bool start) override { startCommand = start; }
  void SetTimerEnabled(bool) override {}
  void PlayTurnSound(const char* name) override { sounds.push_back(name); }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  void ShowScoreSheet(const Standings& standings) override {
    ++sheetsShown;
    lastSheetOver = standings.MatchOver();
    for (int seat = 0; seat < kSeats; ++seat)
      listsShown[static_cast<std::size_t>(seat)] = standings.ScoreList(seat);
    if (onScoreSheet) onScoreSheet(standings);
  }

  std::vector<std::string> calls;
  std::vector<std::string> sounds;
  std::vector<std::string> errors;
  std::vector<int> finished;
  std::string captions[kSeats];
  bool highlighted[kSeats] = {};
  std::string penaltyCaption;
  char symbolCaption = 0;
  int swatch = -1;
  int widened = -1;
  bool startCommand = true;
  int sheetsShown = 0;
  bool lastSheetOver = false;
  // The score lists as the last sheet showed them.
  std::array<std::vector<std::string>, kSeats> listsShown;
  // Looks at the sheet while it is open.
  std::function<void(const Standings&)> onScoreSheet;
};

// Lays out a deal by hand: hands as given, the top card, every other card in the stock, the
// turn at curSeat with no penalty, no draw and no colour awaited.
inline void LayDeal(GameState& s, Card top, const std::vector<std::vector<Card>>& hands,
                    int curSeat) {
  s.Owner.fill(kOwnerStock);
  for (auto& hand : s.Hands) hand.Clear();
  s.Owner[top] = kOwnerDiscard;
  s.TopCard = top;
  int inHands = 0;
  for (std::size_t seat = 0; seat < hands.size(); ++seat)
    for (Card c : hands[seat]) {
      s.Owner[c] = static_cast<std::uint8_t>(seat);
      s.Hands[seat].Append(c);
      ++inHands;
    }
  for (auto& hand : s.Hands) hand.Sort();
  s.StockCount = static_cast<std::uint8_t>(kDeckSize - 1 - inHands);
  s.CurSeat = s.PrevSeat = static_cast<std::int8_t>(curSeat);
  s.Direction = 1;
  s.MatchState = 0;
  s.PenaltyPending = false;
  s.PenaltyCount = 0;
  s.AwaitingColour = false;
  s.HasDrawn = false;
  if (IsColoured(top)) s.SymbolInForce = static_cast<std::int8_t>(KindOf(top));
}

// The five local rules from the bits of rules, DefDraw the lowest: 0..31 are every combination.
inline void SetLocalRules(GameState& s, int rules) {
  s.DefDraw = rules & 1;
  s.DefDraw4 = rules & 2;
  s.NotYama = rules & 4;
  s.NotFig = rules & 8;
  s.WildFront = rules & 16;
}

// A game with default settings, ready for a scenario to be laid out by hand.
struct TestTable {
  RecordingView view;
  Random random{12345};
  Game game{view, random};
  GameState& s = game.TestingState();

  TestTable() {
    s.Players = 5;
    s.StartingCards = 7;
    s.CalcProc = 1;
    s.NotFig = true;
    // A match of one deal unless a test says otherwise, so that a deal's end is the table's
    // last word: under the international rule any score reaches the winning score.
    s.IRWScore = 1;
    s.JRTurns = 1;
    for (std::size_t i = 0; i < kSeats; ++i)
      s.SeatNames[i] = s.ConfiguredNames[i] = "Seat" + std::to_string(i);
  }

  void Lay(Card top, const std::vector<std::vector<Card>>& hands, int curSeat = 0) {
    LayDeal(s, top, hands, curSeat);
    s.SymbolShown = false;
    s.Visible = {};
  }

  // Leaves only n cards in the stock by moving the rest into the hand of a seat that does
  // not take part in the scenario.
  void LeaveInStock(int n, std::uint8_t parkingSeat = 9) {
    for (Card c = 0; c < kDeckSize && s.StockCount > n; ++c)
      if (s.Owner[c] == kOwnerStock) {
        s.Owner[c] = parkingSeat;
        s.Hands[parkingSeat].Append(c);
        --s.StockCount;
      }
    s.Hands[parkingSeat].Sort();
  }
};

}  // namespace vorpo::testing
