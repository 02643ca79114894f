// A game, its table window stand-in and the score sheet, with the standings laid out by hand.
#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>

#include <string>
#include <vector>

#include "VorpoScore.h"
#include "recording_view.h"
#include "when_modal.h"

namespace vorpo::testing {

// What the sheet showed while it was open.
struct ShownSheet {
  QString text;
  QString title;
  QRect geometry;
  int memoHeight = 0;
  int buttonLeft = 0;
  int outerWidth = 0;
};

struct SheetTable {
  TestTable table;
  GameState& s = table.s;
  ProgramSettings settings;
  QWidget owner;
  TfrmScore sheet{table.game, settings, &owner};

  SheetTable() {
    // The game's own match lengths.
    s.IRWScore = 500;
    s.JRTurns = 5;
    table.view.onScoreSheet = [this](const vorpo::Standings& standings) {
      sheet.ShowScoreSheet(standings);
    };
  }
  // The standings as the engine shows them after a deal: true when the match is over.
  bool ShowScoreSheet() { return table.game.ShowScoreSheet(); }

  // A running match of these seats with one row of deal scores per deal ended so far.
  void Standings(std::vector<std::string> names, std::vector<std::vector<int>> deals,
                 int calcProc = 0) {
    s.Players = static_cast<std::uint8_t>(names.size());
    s.CalcProc = static_cast<std::uint8_t>(calcProc);
    s.MatchState = 0;
    table.view.startCommand = false;
    for (std::size_t seat = 0; seat < names.size(); ++seat) s.SeatNames[seat] = names[seat];
    for (auto& list : s.ScoreLists) list.clear();
    for (const auto& deal : deals)
      for (std::size_t seat = 0; seat < deal.size(); ++seat)
        s.ScoreLists[seat].push_back(std::to_string(deal[seat]));
  }

  // Runs show (the end of a deal, or the menu), runs whileOpen once the sheet is open and
  // closes the sheet with its OK button.
  ShownSheet ShowAndClose(const std::function<void()>& show,
                          const std::function<void(TfrmScore*)>& whileOpen = {}) {
    ShownSheet seen;
    WhenModal<TfrmScore>([&](TfrmScore* open) {
      if (whileOpen) whileOpen(open);
      seen = {open->Memo1Text(),     open->windowTitle(), open->geometry(),
              open->Memo1->height(), open->Button1->x(),  open->frameGeometry().width()};
      open->Button1->click();
    });
    show();
    return seen;
  }
};

inline QString Lines(const std::vector<std::string>& lines) {
  QStringList list;
  for (const auto& line : lines) list << QString::fromStdString(line);
  return list.join(QStringLiteral("\r\n"));
}

inline std::string Spaces(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

}  // namespace vorpo::testing
