#include "hand_list.h"

#include <algorithm>
#include <cassert>

namespace vorpo {

namespace {
std::size_t GroupOf(Card card) {
  return static_cast<std::size_t>(ColourOf(card));
}
}  // namespace

void HandList::Append(Card card) {
  if (count_ >= kDeckSize) return;
  if (count_ > 0 && cards_[count_ - 1u] > card) sorted_ = false;
  cards_[count_++] = card;
  ++groupCounts_[GroupOf(card)];
  set_.Add(card);
}

void HandList::Insert(Card card) {
  if (count_ >= kDeckSize) return;
  Sort();
  // A hand is short: shifting the higher cards up one by one costs less than a call to move
  // them.
  std::size_t i = count_;
  for (; i > 0 && cards_[i - 1] > card; --i) cards_[i] = cards_[i - 1];
  cards_[i] = card;
  ++count_;
  ++groupCounts_[GroupOf(card)];
  set_.Add(card);
}

void HandList::SortCards() {
  std::sort(cards_.begin(), cards_.begin() + count_);
  sorted_ = true;
}

int HandList::Find(Card card) const {
  assert(sorted_ && "a hand is searched only once sorted");
  return set_.Contains(card) ? set_.CountBelow(card) : -1;
}

void HandList::Delete(int index) {
  if (index < 0 || index >= count_) return;
  --groupCounts_[GroupOf(cards_[static_cast<std::size_t>(index)])];
  set_.Remove(cards_[static_cast<std::size_t>(index)]);
  std::copy(cards_.begin() + index + 1, cards_.begin() + count_, cards_.begin() + index);
  --count_;
  // Taking out the card that was out of place leaves a hand in order.
  if (!sorted_) sorted_ = std::is_sorted(begin(), end());
}

void HandList::Clear() {
  count_ = 0;
  sorted_ = true;
  groupCounts_.fill(0);
  set_ = {};
}

bool HandList::Contains(Card card) const {
  return set_.Contains(card);
}

}  // namespace vorpo
