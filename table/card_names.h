// The cards and colours in words, as a screen reader speaks them: "赤 5", "青 スキップ",
// "ワイルド", "ワイルドドロー4".
#pragma once

#include <QString>

#include "cards.h"

namespace vorpo {

// Colour index 0..3: 赤, 青, 黄, 緑.
QString ColourName(int colourIndex);
// Kind 0..12 of a coloured card: the digit, スキップ, リバース or ドロー2.
QString KindName(int kind);
QString CardName(Card card);

}  // namespace vorpo
