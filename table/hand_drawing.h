// A hand on its image: cards side by side up to ten, overlapping from eleven on with the first
// card of the list on top, so that every other card shows its right-hand strip, where its
// symbol is.
#pragma once

#include "hand_list.h"
#include "image_control.h"
#include "image_lists.h"

namespace vorpo {

// Clears the image, sets its width to what the cards cover and draws them, face down as card
// backs. The caller repaints.
void DrawHandCards(ImageControl& image, const ImageList& cards, const HandList& hand,
                   bool faceDown);

// Draws the card at position of an overlapping hand once more, over its neighbours.
void RaiseCard(ImageControl& image, const ImageList& cards, const HandList& hand, int position);

}  // namespace vorpo
