#include "hand_selection.h"

#include <algorithm>
#include <cstdlib>

namespace vorpo {

void HandSelection::Follow(const HandList& hand) {
  const int n = hand.Count();
  int next = 0;
  if (position_ >= 0 && n > 0) {
    const Card selected = hand_.At(position_);
    int twin = -1;
    next = -1;
    for (int i = 0; i < n && next < 0; ++i) {
      if (hand.At(i) == selected) next = i;
      // Nearest to the old place; of two equally near, the left one.
      else if (ImageCell(hand.At(i)) == ImageCell(selected) &&
               (twin < 0 || std::abs(i - position_) < std::abs(twin - position_)))
        twin = i;
    }
    if (next < 0) next = twin >= 0 ? twin : std::min(position_, n - 1);
  }
  hand_ = hand;
  position_ = n > 0 ? next : -1;
}

void HandSelection::MoveLeft() {
  if (position_ > 0) --position_;
}

void HandSelection::MoveRight() {
  if (position_ >= 0 && position_ < hand_.Count() - 1) ++position_;
}

void HandSelection::MoveToFirst() {
  if (position_ >= 0) position_ = 0;
}

void HandSelection::MoveToLast() {
  if (position_ >= 0) position_ = hand_.Count() - 1;
}

}  // namespace vorpo
