// A real table window on the offscreen platform, with its settings file in a folder of its own
// and a fixed dealer, and a way to lay out a deal by hand and show it as the game would.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "VorpoMain.h"
#include "recording_view.h"
#include "settings_store.h"

namespace vorpo::testing {

constexpr Card kRed5 = 10, kRed6 = 12, kBlue3 = 32, kGreen5 = 88, kGreen6 = 90, kGreen7 = 92,
               kGreen8 = 94, kWild = 104;

class TableTest : public ::testing::Test {
 protected:
  // Opens the table with these lines in section "Game" of its settings file. Unless the lines
  // say otherwise the wait is long, so that no computer seat moves unless a test makes it.
  void Open(const std::string& lines = "") {
    iniPath = dir.filePath("vorpo.ini").toStdString();
    QFile ini(QString::fromStdString(iniPath));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(("[Game]\r\n" + lines + "Wait=5000\r\n").c_str());
    ini.close();
    form = std::make_unique<TForm1>(SettingsStore(iniPath), Random(20240601));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  GameState& State() { return form->game().TestingState(); }

  // Starts a match with F2, then lays a deal by hand: the hands as given, the top card, every
  // other card in the stock, the turn at curSeat, and the table drawn as after a turn change.
  void Lay(Card top, const std::vector<std::vector<Card>>& hands, int curSeat = 0) {
    if (!State().MatchRunning()) QTest::keyClick(form.get(), Qt::Key_F2);
    GameState& s = State();
    LayDeal(s, top, hands, curSeat);
    form->game().Show(Indicator::Pass, false);
    form->game().Show(Indicator::Stock, true);
    form->game().ShowColourChooser(false);
    form->SetTimerEnabled(false);
    form->DrawTopCard();
    for (int seat = 0; seat < s.Players; ++seat) form->DrawHand(seat, s.HandFaceDown(seat));
  }

  // Leaves only card in the stock, parking the rest in the hand of seat 9, which takes no part.
  void LeaveOnlyInStock(Card card) {
    GameState& s = State();
    for (Card c = 0; c < kDeckSize; ++c)
      if (s.Owner[c] == kOwnerStock && c != card) {
        s.Owner[c] = 9;
        s.Hands[9].Append(c);
        --s.StockCount;
      }
    s.Hands[9].Sort();
  }

  // A press and release of button at column x of seat 0's hand.
  void ClickHand(int x, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(form->HandImages[0], button, {}, QPoint(x, 30));
  }

  QTemporaryDir dir;
  std::string iniPath;
  std::unique_ptr<TForm1> form;
};

// A cell of a list drawn alone on the table green, as a 40-pixel-wide surface shows it.
inline QImage Cell(const ImageList& list, int index) {
  QImage image(list.CellWidth(), list.CellHeight(), QImage::Format_RGB32);
  image.fill(QColor(0, 128, 0));
  list.Draw(image, 0, 0, index);
  return image;
}

// Whether columns [x, x + width) of surface show columns [cellX, cellX + width) of cell. The
// rounded corners are transparent and show what lies under them, so only the rows between the
// corners are compared.
inline bool Shows(const QImage& surface, int x, const QImage& cell, int cellX, int width) {
  constexpr int kCorner = 4;
  const int rows = cell.height() - 2 * kCorner;
  return surface.copy(x, kCorner, width, rows) == cell.copy(cellX, kCorner, width, rows);
}

}  // namespace vorpo::testing
