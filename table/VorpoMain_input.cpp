// The human's mouse and keyboard on the table, and the menu. A pixel becomes a card position
// here; whether the card may be played, and what playing it does, is the game's business.
#include <QAction>
#include <QKeyEvent>

#include <memory>

#include "AboutBox.h"
#include "VConfig.h"
#include "VorpoMain.h"
#include "VorpoScore.h"
#include "hand_drawing.h"
#include "help_window.h"
#include "table_geometry.h"
#include "vorpo_version.h"

namespace {

constexpr int kSmallPassReleased = 0;
constexpr int kSmallPassPressed = 1;
constexpr char kEscape = 27;
constexpr char kSpace = 32;

}  // namespace

// A press of the mouse on the hand ends choosing by keys: its mark goes.
void TForm1::HandMouseDown(int x) {
  keyboardChoosing_ = false;
  EraseSelectionMark();
  game_.PlayHandPosition(vorpo::HandPositionAtX(x, game_.State().Hands[0].Count()));
}

// In an overlapping hand the card that a press would play is raised above its neighbours, also
// while the computer seats move.
void TForm1::HandMouseMove(int x) {
  const vorpo::GameState& state = game_.State();
  const vorpo::HandList& hand = state.Hands[0];
  const int n = hand.Count();
  if (n <= vorpo::kCardsSideBySide || state.Direction == 0 || state.AwaitingColour) return;
  if (x > n * vorpo::OverlapStep(n) + 39) return;
  vorpo::DrawHandCards(*HandImages[0], ImageList1, hand, false);
  vorpo::RaiseCard(*HandImages[0], ImageList1, hand, vorpo::CardAtX(x, n));
  // The pointer's card stays on top; the keyboard's card keeps only its ring.
  MarkHumanHand(false);
  HandImages[0]->Repaint();
}

void TForm1::Button1MouseDown() {
  Button1->DrawCell(ImageList2, kSmallPassPressed, 0, 0);
  Button1->Repaint();
}

void TForm1::Button1MouseUp() {
  Button1->DrawCell(ImageList2, kSmallPassReleased, 0, 0);
  Button1->Repaint();
}

void TForm1::FormKeyPress(char key) {
  if (key == kEscape) {
    if (!isMinimized()) showMinimized();
  } else if (key == kSpace) {
    game_.DefaultMove();
  }
}

// Every key reaches the table first and goes on unchanged. Keys held with Ctrl, Alt or Shift
// belong to the menu and the zoom; the keypad's own keys count as plain.
void TForm1::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape)
    FormKeyPress(kEscape);
  else if (event->text() == QStringLiteral(" "))
    FormKeyPress(kSpace);
  else if ((event->modifiers() | Qt::KeypadModifier) == Qt::KeypadModifier)
    FormKeyDown(event->key());
  QMainWindow::keyPressEvent(event);
}

void TForm1::TimerTimer() {
  game_.TimerTimer();
}

void TForm1::mnuStartClick() {
  game_.mnuStartClick();
}

// The options dialog opens from here once it exists.
void TForm1::mnuOptionClick() {
  vorpo::ShowOptionsDialog(*this, this);
}

void TForm1::mnuCounterClick() {
  if (frmScore_ == nullptr) return;
  frmScore_->setToolTip(vorpo::SeedToolTip(random_.SeedInUse()));
  frmScore_->ShowStandings();
}

void TForm1::mnuExitClick() {
  close();
}

void TForm1::mnuSearchforHelpOnClick() {
  if (!helpWindow_) helpWindow_ = std::make_unique<vorpo::HelpWindow>();
  helpWindow_->ShowContents(QString::fromStdString(helpFile_));
}

void TForm1::ShowHelpTopic(const QString& anchor) {
  if (!helpWindow_) helpWindow_ = std::make_unique<vorpo::HelpWindow>();
  helpWindow_->ShowTopic(QString::fromStdString(helpFile_), anchor);
}

void TForm1::mnuAboutClick() {
  vorpo::ShowAboutBox(
      this, QStringLiteral("Vorpo"),
      QString::fromUtf8(vorpo::kVersion.data(), static_cast<qsizetype>(vorpo::kVersion.size())));
}
