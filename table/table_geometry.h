// Where things stand on the table: the width of a hand and the card under a pixel column, and
// where each seat's row goes in the full and the compact layout. Plain arithmetic, so that the
// drawing and the mouse always agree on it.
#pragma once

#include "pack_resources.h"

namespace vorpo {

inline constexpr int kClientWidth = 400;
// A card on the table is one cell of the card-image list, drawn at its own size.
inline constexpr int kCardWidth = kCardCellWidth;
inline constexpr int kCardHeight = kCardCellHeight;
// Cards lie side by side up to this many; beyond it they overlap.
inline constexpr int kCardsSideBySide = 10;

// Left edge of the card at position i of a hand of n cards.
int CardLeft(int position, int n);

// Width of a hand image showing n cards: 40 per card up to ten, then the overlap step fitted
// into the 360 pixels left of the last card.
int HandWidth(int n);

// The overlap step of a hand of n >= 11 cards: 360 div (n - 1).
int OverlapStep(int n);

// The card of an overlapping hand (n >= 11) under pixel column x. A card's left edge column
// still belongs to the card before it, whose picture covers it when that card is raised.
int CardAtX(int x, int n);

// The hand position a press at column x means: x div 40 up to ten cards, CardAtX beyond,
// brought into 0 .. n - 1 (an empty hand gives -1).
int HandPositionAtX(int x, int n);

// The table for players seats: the full table gives every seat a label and a hand; the compact
// list, used while computer hands are hidden, gives the computer seats one line each.
int ClientHeight(int players, bool compact);
int NameLabelTop(int seat, bool compact);
int HandImageTop(int seat);
// Computer hands of the compact list are parked to the right of the client area.
int HandImageLeft(int seat, bool compact);

}  // namespace vorpo
