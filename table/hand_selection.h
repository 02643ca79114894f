// The card the keyboard points at in the human's hand. The hand changes under it with every
// play, draw and deal, so the selection follows: it stays on the card it was on while the hand
// holds it; when that card has left, it goes to a card of the same picture nearest to where it
// was (a twin of a played card); otherwise it keeps its place, or the last place of a shorter
// hand.
#pragma once

#include "hand_list.h"

namespace vorpo {

class HandSelection {
 public:
  // The selected position in the hand last followed; -1 while that hand is empty.
  int Position() const { return position_; }
  // The hand last followed, which Position() indexes.
  const HandList& Hand() const { return hand_; }

  // Takes the hand as it now is. A hand seen for the first time, or after an empty one, is
  // selected at its first card.
  void Follow(const HandList& hand);

  // Moves within the hand last followed, stopping at its ends.
  void MoveLeft();
  void MoveRight();
  void MoveToFirst();
  void MoveToLast();

 private:
  int position_ = -1;
  HandList hand_;
};

}  // namespace vorpo
