// The built-in card pictures: the strip of 56 cells of 40 x 60 picture pixels, drawn at a scale
// (see picture_cell.h): at scale 1 the 16-colour pictures the program carries, at any other
// scale the same pictures drawn anew at that many device pixels per picture pixel. Where no
// card is, the strip is transparent.
#pragma once

#include <QImage>

namespace vorpo::artwork {

// Cells 0-51: red, blue, yellow and green cards of kinds 0-12 (digits, Skip, Reverse, Draw Two);
// 52 Wild, 53 Wild Draw Four, 54 the card back, 55 the second pile picture. Each cell is
// round(40 x scale) x round(60 x scale) device pixels.
QImage DrawCardStrip(qreal scale = 1);

}  // namespace vorpo::artwork
