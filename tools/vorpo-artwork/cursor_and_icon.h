// The pointing-hand cursor shown over the human's own hand and the program icon.
#pragma once

#include <QImage>

namespace vorpo::artwork {

// 32 x 32 with an alpha channel. The tip of the finger, at (5, 0), is the hot spot that
// resources/builtin_resources.h gives the program.
QImage DrawHandCursor();

// A fan of four cards, the front one the card back's black with a red V; size x size pixels.
QImage DrawIcon(int size);

}  // namespace vorpo::artwork
