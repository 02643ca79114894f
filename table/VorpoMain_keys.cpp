// The whole game from the keyboard. Each key does what a click on its control does, through the
// same operation of the game and under the same guards: Enter presses the chosen card, Down and D
// click the stock, P the pass button and the colour keys a colour field, each only while that
// control is there to be clicked.
#include <QAccessible>

#include "VorpoMain.h"
#include "hand_drawing.h"
#include "selection_mark.h"
#include "table_geometry.h"

using vorpo::HandSelection;
using vorpo::Indicator;

namespace {

// The colour index a key names, in the order of the colour fields; -1 for other keys.
int ColourOfKey(int key) {
  switch (key) {
    case Qt::Key_1:
    case Qt::Key_R:
      return 0;
    case Qt::Key_2:
    case Qt::Key_B:
      return 1;
    case Qt::Key_3:
    case Qt::Key_Y:
      return 2;
    case Qt::Key_4:
    case Qt::Key_G:
      return 3;
    default:
      return -1;
  }
}

}  // namespace

void TForm1::FormKeyDown(int key) {
  const vorpo::GameState& state = game_.State();
  switch (key) {
    case Qt::Key_Left:
      MoveSelection(&HandSelection::MoveLeft, false);
      break;
    case Qt::Key_Right:
      MoveSelection(&HandSelection::MoveRight, false);
      break;
    case Qt::Key_Home:
      MoveSelection(&HandSelection::MoveToFirst, true);
      break;
    case Qt::Key_End:
      MoveSelection(&HandSelection::MoveToLast, true);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Only a card the player can see chosen is played; before that, Enter shows the choice.
      if (handMarked_)
        game_.PlayHandPosition(selection_.Position());
      else
        MoveSelection(nullptr, false);
      break;
    case Qt::Key_Down:
    case Qt::Key_D:
      game_.Image2Click();
      break;
    case Qt::Key_P:
      if (state.IsVisible(Indicator::Pass)) game_.DoPass();
      break;
    default:
      if (const int colour = ColourOfKey(key);
          colour >= 0 && state.IsVisible(Indicator::ColourChooser))
        game_.Label4Click(colour);
      break;
  }
}

bool TForm1::HumanToChoose() const {
  const vorpo::GameState& state = game_.State();
  return state.DealRunning() && state.CurSeat == 0 && !state.AwaitingColour &&
         !state.IsVisible(Indicator::ColourChooser) && state.Hands[0].Count() > 0;
}

void TForm1::MarkHumanHand(bool raise) {
  selection_.Follow(game_.State().Hands[0]);
  handMarked_ = false;
  if (SelectionShown()) DrawSelectionMark(raise);
}

void TForm1::DrawSelectionMark(bool raise) {
  vorpo::ImageControl& image = *HandImages[0];
  const vorpo::HandList& hand = selection_.Hand();
  const int position = selection_.Position();
  unmarkedHand_ = image.Keep();
  if (raise && hand.Count() > vorpo::kCardsSideBySide)
    vorpo::RaiseCard(image, ImageList1, hand, position);
  vorpo::DrawSelectionRing(image, vorpo::CardLeft(position, hand.Count()));
  handMarked_ = true;
}

void TForm1::EraseSelectionMark() {
  if (!handMarked_) return;
  HandImages[0]->PutBack(unmarkedHand_);
  handMarked_ = false;
}

void TForm1::ShowSelectionMark(bool shown) {
  if (shown == handMarked_) return;
  if (shown)
    DrawSelectionMark(true);
  else
    EraseSelectionMark();
}

void TForm1::MoveSelection(void (HandSelection::*step)(), bool jump) {
  if (!HumanToChoose()) return;
  const bool wasShown = handMarked_;
  keyboardChoosing_ = true;
  EraseSelectionMark();
  if (step != nullptr && (wasShown || jump)) (selection_.*step)();
  DrawSelectionMark(true);
  HandImages[0]->Repaint();
  AnnounceSelection();
}

void TForm1::AnnounceSelection() {
  if (!handMarked_) return;
  QAccessibleEvent selected(HandImages[0], QAccessible::Selection);
  selected.setChild(selection_.Position());
  QAccessible::updateAccessibility(&selected);
  if (!HandImages[0]->hasFocus()) return;
  QAccessibleEvent focused(HandImages[0], QAccessible::Focus);
  focused.setChild(selection_.Position());
  QAccessible::updateAccessibility(&focused);
}
