// The built-in pictures, drawn in the sixteen standard colours on a magenta (transparent)
// ground: the card strip of 56 cells of 40 x 60 and the strip of 4 small cells of 40 x 25.
#pragma once

#include <QImage>

namespace vorpo::artwork {

// Cells 0-51: red, blue, yellow and green cards of kinds 0-12 (digits, Skip, Reverse, Draw Two);
// 52 Wild, 53 Wild Draw Four, 54 the card back, 55 the second pile picture.
QImage DrawCardStrip();

// Cells 0-3: pass button released and pressed, arrow down, arrow up.
QImage DrawOtherStrip();

}  // namespace vorpo::artwork
