// What a screen reader hears of the table: every control that tells the player something has a
// short name; the names of the top card, the named colour, the penalty, the symbol in force and
// the seats follow what they show (VorpoMain_view.cpp), and the human's hand lists its cards.
#include "VorpoMain.h"
#include "card_names.h"
#include "human_hand_accessible.h"

void TForm1::PrepareKeyboardAndReaders() {
  // The hand takes the keyboard when the window is activated, so that a screen reader follows
  // the chosen card. It uses no key itself: every key goes on to the window.
  HandImages[0]->setFocusPolicy(Qt::StrongFocus);
  vorpo::MakeHandReadable(*HandImages[0]);
  Image1->setAccessibleName(QStringLiteral("場"));
  Image2->setAccessibleName(QStringLiteral("山札"));
  Image3->setAccessibleName(QStringLiteral("山札（なし）"));
  Button1->setAccessibleName(QStringLiteral("パス"));
  imgArrowUp->setAccessibleName(QStringLiteral("順番の向き：上"));
  imgArrowDown->setAccessibleName(QStringLiteral("順番の向き：下"));
  Image4->setAccessibleName(QStringLiteral("指定色"));
  Label2->setAccessibleName(QStringLiteral("指定色"));
  Label1->setAccessibleName(QStringLiteral("罰則"));
  Label3->setAccessibleName(QStringLiteral("有効な記号"));
  Label8->setAccessibleName(Label8->Caption());
  for (vorpo::TableLabel* field : {Label4, Label5, Label6, Label7})
    field->setAccessibleName(vorpo::ColourName(field->Tag()));
}
