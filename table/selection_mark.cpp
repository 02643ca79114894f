#include "selection_mark.h"

#include <QRect>

#include <cstdint>

#include "table_geometry.h"
#include "table_style.h"

namespace vorpo {

namespace {

constexpr std::uint32_t kRingOutside = 0xFF00FF;
constexpr std::uint32_t kRingInside = 0xFFFF00;

// A frame one pixel wide along the inside of box.
void Frame(ImageControl& image, const QRect& box, std::uint32_t colour) {
  image.SetCanvasColour(WinColour(colour));
  image.FillRectangle(QRect(box.left(), box.top(), box.width(), 1));
  image.FillRectangle(QRect(box.left(), box.bottom(), box.width(), 1));
  image.FillRectangle(QRect(box.left(), box.top(), 1, box.height()));
  image.FillRectangle(QRect(box.right(), box.top(), 1, box.height()));
}

}  // namespace

void DrawSelectionRing(ImageControl& image, int left) {
  const QRect card(left, 0, kCardWidth, kCardHeight);
  Frame(image, card, kRingOutside);
  Frame(image, card.adjusted(1, 1, -1, -1), kRingInside);
  // Every hand clears to the table green.
  image.SetCanvasColour(WinColour(kTableGreen));
}

}  // namespace vorpo
