#include "hand_list.h"

#include <algorithm>
#include <cassert>

namespace vorpo {

void HandList::Append(Card card) {
  if (count_ < kDeckSize) cards_[count_++] = card;
}

void HandList::Sort() {
  std::sort(cards_.begin(), cards_.begin() + count_);
}

int HandList::Find(Card card) const {
  const Card* first = cards_.data();
  const Card* last = first + count_;
  assert(std::is_sorted(first, last) && "a hand is searched only once sorted");
  const Card* it = std::lower_bound(first, last, card);
  return (it != last && *it == card) ? static_cast<int>(it - first) : -1;
}

void HandList::Delete(int index) {
  if (index < 0 || index >= count_) return;
  std::copy(cards_.begin() + index + 1, cards_.begin() + count_, cards_.begin() + index);
  --count_;
}

bool HandList::Contains(Card card) const {
  return std::find(begin(), end(), card) != end();
}

}  // namespace vorpo
