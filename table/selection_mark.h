// The keyboard's mark on the selected card of the human's hand: a ring two pixels wide along
// the card's edge, magenta outside and cyan inside. Neither is a colour of any card, its border
// or the table, so the ring shows on every face and between any neighbours.
#pragma once

#include "image_control.h"

namespace vorpo {

// Rings the card whose left edge is at left, in the image's own pixels.
void DrawSelectionRing(ImageControl& image, int left);

}  // namespace vorpo
