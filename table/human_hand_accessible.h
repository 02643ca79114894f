// The human's hand as a screen reader meets it: a list with one item per card, named as the
// card is seen ("赤 5", "ワイルド"), the keyboard's card selected, and focused while the hand
// has the keyboard. The other controls of the table are plain widgets with names of their own.
#pragma once

#include <QWidget>

#include "hand_list.h"

namespace vorpo {

// What the hand's list asks of the window the hand lies in.
class HumanHandSource {
 public:
  virtual const HandList& HumanHand() const = 0;
  // The position the keyboard's mark shows on, or -1 while no mark shows.
  virtual int MarkedPosition() const = 0;

 protected:
  virtual ~HumanHandSource() = default;
};

// Gives humanHand, which lies in a window that is a HumanHandSource, its list of cards for
// screen readers.
void MakeHandReadable(QWidget& humanHand);

}  // namespace vorpo
