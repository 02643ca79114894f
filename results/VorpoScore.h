// The score sheet window: the standings of the running match in fixed-pitch text, shown
// modally at the end of every deal and from the menu. Its showing is where a match ends, and
// closing it after a ranked match offers to write the results file.
#pragma once

#include <QDialog>

#include "game.h"
#include "settings_store.h"

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

namespace vorpo {
class ResultsSaveDialog;
}

class TfrmScore : public QDialog {
  Q_OBJECT

 public:
  // Created once at start-up, after the table window (owner), and reused for every showing.
  TfrmScore(vorpo::Game& game, const vorpo::ProgramSettings& settings, QWidget* owner);

  // Fills the sheet with the standings the engine shows and shows it modally. The table
  // window's TableView::ShowScoreSheet is this call.
  void ShowScoreSheet(const vorpo::Standings& standings);

  // The menu's 成績表 (F9): the sheet at any time. The computer seats wait while it is open —
  // a deal they finished behind it would open the sheet a second time — and move on at their
  // usual interval once it is closed.
  void ShowStandings();

  // The sheet's text as shown, lines separated by CR LF.
  QString Memo1Text() const;

  QTextEdit* Memo1;
  QLabel* Label1;
  QWidget* Panel1;
  QFrame* Bevel1;
  QPushButton* Button1;
  vorpo::ResultsSaveDialog* SaveDialog1;

 public slots:
  void done(int result) override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The frame is known only once the window is shown: the sheet is fitted to the screen again.
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Button1Click();
  void Memo1Enter();
  void Panel1Resize();
  void FormClose();

  // The width the seats' names may take.
  void SizeWidth(int players);
  void ShowText(const std::string& text);
  // Sizes the sheet to its wanted width where the screen holds it, to the screen's width with a
  // scroll bar where it does not.
  void FitOnScreen();
  // The widest client area the screen holds, frame excluded.
  int ScreenWidthForClient() const;
  void ShowError(const std::string& text);

  vorpo::Game& game_;
  const vorpo::ProgramSettings& settings_;
  QWidget* owner_;
  bool matchOver_ = false;
  int wantedWidth_ = 0;
  int longestLine_ = 0;
};
