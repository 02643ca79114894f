// One seat's hand: appended to, sorted on demand, and known as a set of cards too, so that a
// card's place in the sorted hand is the number of its cards below it.
// Kept as card numbers in a fixed array so that a move never allocates; the three-digit card
// text orders exactly like the number, so sorting numbers is sorting texts. The hand knows
// whether it is in order and how many cards of each colour it holds, so that keeping it
// sorted and counting its colours cost nothing per move.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "card_set.h"
#include "cards.h"

namespace vorpo {

// The four colours, then the black cards (whose ColourOf is 4).
inline constexpr int kColourGroups = 5;
inline constexpr int kBlackGroup = 4;

class HandList {
 public:
  int Count() const { return count_; }
  Card At(int index) const { return cards_[static_cast<std::size_t>(index)]; }
  std::string TextAt(int index) const { return CardText(At(index)); }

  void Append(Card card);
  // Puts card where it belongs in the sorted hand: the same hand as Append and Sort give.
  void Insert(Card card);
  void Sort() {
    if (!sorted_) SortCards();
  }
  bool IsSorted() const { return sorted_; }
  // Index of card in a sorted list, or -1.
  int Find(Card card) const;
  void Delete(int index);
  void Clear();
  bool Contains(Card card) const;

  // The cards of a colour (0..3) or the black cards (kBlackGroup) the hand holds. In a sorted
  // hand they lie together, the colours in their order and the black cards last.
  int GroupCount(int group) const { return groupCounts_[static_cast<std::size_t>(group)]; }
  // The cards of each colour, red to green.
  std::array<int, 4> ColourCounts() const {
    return {GroupCount(0), GroupCount(1), GroupCount(2), GroupCount(3)};
  }
  // The hand's cards as a set, whatever their order.
  const CardSet& Cards() const { return set_; }

  const Card* begin() const { return cards_.data(); }
  const Card* end() const { return cards_.data() + count_; }

 private:
  void SortCards();

  std::array<Card, kDeckSize> cards_{};
  std::uint8_t count_ = 0;
  bool sorted_ = true;
  std::array<std::uint8_t, kColourGroups> groupCounts_{};
  CardSet set_;
};

}  // namespace vorpo
