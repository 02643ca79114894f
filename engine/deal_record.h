// What every player at the table has seen of the deal so far: the cards laid on the pile, and
// for each seat the colours it showed it could not follow. Nothing here looks into a hand or
// the stock, so a computer seat may weigh it as a person at the table would.
#pragma once

#include <array>
#include <cstdint>

#include "card_set.h"
#include "cards.h"

namespace vorpo {

class DealRecord {
 public:
  // No sighting of a colour for a seat yet, or one that a card of the colour has since undone.
  static constexpr std::uint8_t kNotSeen = 255;
  static constexpr int kBlackCards = 4;

  // A new deal, whose first top card everybody sees.
  void Clear(Card firstTopCard);
  // seat laid card on the pile: it held that colour after all.
  void Played(int seat, Card card);
  // seat drew with colour in force on the pile (the top card's colour, or the colour named for
  // a black one): it showed no card it wanted to lay on that colour, nor a black card, which
  // may be laid on any colour.
  void FoundNothingOn(int seat, int colour);
  // seat took cards from the stock unseen, any of which may be of a colour it lacked.
  void TookUnseen(int seat, int cards);

  // The cards laid on the pile in this deal, the first top card included.
  const CardSet& Played() const { return played_; }
  // How many cards seat has taken unseen since it last showed it lacked colour (0..3, or
  // kBlackCards for the black cards), or kNotSeen.
  int TakenSinceLacking(int seat, int colour) const {
    return since_[static_cast<std::size_t>(seat)][static_cast<std::size_t>(colour)];
  }

 private:
  using Sightings = std::array<std::array<std::uint8_t, 5>, kSeats>;
  static constexpr Sightings NoSightings() {
    Sightings none{};
    for (auto& seat : none) seat.fill(kNotSeen);
    return none;
  }

  CardSet played_;
  Sightings since_ = NoSightings();
};

}  // namespace vorpo
