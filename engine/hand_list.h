// One seat's hand: appended to, sorted on demand, searched by binary search once sorted.
// Kept as card numbers in a fixed array so that a move never allocates; the three-digit card
// text orders exactly like the number, so sorting numbers is sorting texts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "cards.h"

namespace vorpo {

class HandList {
 public:
  int Count() const { return count_; }
  Card At(int index) const { return cards_[static_cast<std::size_t>(index)]; }
  std::string TextAt(int index) const { return CardText(At(index)); }

  void Append(Card card);
  void Sort();
  // Index of card in a sorted list, or -1.
  int Find(Card card) const;
  void Delete(int index);
  void Clear() { count_ = 0; }
  bool Contains(Card card) const;

  const Card* begin() const { return cards_.data(); }
  const Card* end() const { return cards_.data() + count_; }

 private:
  std::array<Card, kDeckSize> cards_{};
  std::uint8_t count_ = 0;
};

}  // namespace vorpo
