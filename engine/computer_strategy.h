// How a computer seat decides its move. The game carries every decision out through the turn
// engine's operations, so a strategy only chooses: which of the cards it may play to lay, and
// which colour to name after a black card.
#pragma once

#include <cstdint>

#include "card_set.h"
#include "cards.h"

namespace vorpo {

class Game;

// The computer players a seat may have: the standard one, fixed and predictable, and a
// stronger one that weighs what every player at the table can see.
enum class Strength : std::uint8_t { Standard = 0, Strong = 1 };

// No card drawn this turn.
inline constexpr Card kNoCard = 255;

class ComputerStrategy {
 public:
  virtual ~ComputerStrategy() = default;
  // The card CurSeat lays, one of legal, which is never empty and holds only cards of its hand
  // that the rules allow now. drawn is the card it has just drawn this turn, or kNoCard.
  virtual Card ChooseCard(const Game& game, const CardSet& legal, Card drawn) const = 0;
  // The colour (0..3) CurSeat names for the black card it has just laid; its hand is what is
  // left of it.
  virtual int ChooseColour(const Game& game) const = 0;
};

const ComputerStrategy& StrategyOf(Strength strength);

}  // namespace vorpo
