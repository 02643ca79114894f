// Whether the seat whose turn it is may play a card now, under the local rules in force.
#pragma once

#include "game_state.h"

namespace vorpo {

// A Draw card may be played only while the stock still holds more cards than the penalty
// it would make, so that paying a penalty never empties the stock.
bool StockAllows(const GameState& s, Card card);

// Asked always on behalf of CurSeat (the last-card condition reads its hand).
bool CanPlay(const GameState& s, Card card);

}  // namespace vorpo
