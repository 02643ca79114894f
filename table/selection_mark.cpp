#include "selection_mark.h"

#include <QRect>

#include <cstdint>

#include "table_geometry.h"
#include "table_style.h"

namespace vorpo {

namespace {

constexpr std::uint32_t kRingOutside = 0xFF00FF;
constexpr std::uint32_t kRingInside = 0xFFFF00;

}  // namespace

void DrawSelectionRing(ImageControl& image, int left) {
  image.DrawRing(QRect(left, 0, kCardWidth, kCardHeight), WinColour(kRingOutside),
                 WinColour(kRingInside));
}

}  // namespace vorpo
