// The strong computer player. It decides with what every player at the table can see: its own
// hand, the top card and the named colour, the pending penalty, the stock count, every seat's
// card count and the deal's record of cards laid and colours not followed. It never looks into
// another hand or the stock, keeps no memory of its own and draws no chance, so the same deal
// is always played the same way.
#pragma once

#include "computer_strategy.h"

namespace vorpo {

class StrongPlayer final : public ComputerStrategy {
 public:
  // Every card it may lay is weighed, and the best kept; among equals the highest card number.
  // The weighing starts from the standard player's order (the most plentiful colour first,
  // the black cards last) and adds:
  // - the chance that the seat which plays on the card next can follow it, in proportion to
  //   how close that seat is to going out;
  // - a Wild Draw Four against a next seat that is close to going out;
  // - with NotFig off, a number card kept to finish on and a black card not left to the last;
  // - under the Japanese rule, the dear cards first once another seat comes close.
  Card ChooseCard(const Game& game, const CardSet& legal, Card drawn) const override;
  // The colour it holds most of, unless the seat that plays next showed it lacks another.
  int ChooseColour(const Game& game) const override;
};

}  // namespace vorpo
