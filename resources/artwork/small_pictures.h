// The built-in small pictures: the strip of 4 cells of 40 x 25 picture pixels, drawn at a scale
// as the card pictures are (see picture_cell.h), transparent where nothing is drawn.
#pragma once

#include <QImage>

namespace vorpo::artwork {

// Cells 0-3: pass button released and pressed, arrow down, arrow up. Each cell is
// round(40 x scale) x round(25 x scale) device pixels.
QImage DrawOtherStrip(qreal scale = 1);

}  // namespace vorpo::artwork
