#include "image_lists.h"

#include <QPainter>

namespace vorpo {

namespace {

constexpr QRgb kTransparentColour = 0xFF00FF;  // magenta, ignoring the alpha byte

}  // namespace

ImageList::ImageList(int cellWidth, int cellHeight, int cellCount)
    : cellWidth_(cellWidth), cellHeight_(cellHeight), cellCount_(cellCount) {}

bool ImageList::Fill(const QImage& strip) {
  if (strip.isNull() || strip.width() != cellCount_ * cellWidth_ || strip.height() != cellHeight_) {
    return false;
  }
  // Through RGB32 first, so that whatever alpha the bitmap carried is ignored as the platform's
  // image lists ignore it; only magenta becomes transparent.
  QImage cells = strip.convertToFormat(QImage::Format_RGB32)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < cells.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(cells.scanLine(y));
    for (int x = 0; x < cells.width(); ++x) {
      if ((row[x] & 0xFFFFFF) == kTransparentColour) row[x] = 0;
    }
  }
  cells_ = std::move(cells);
  return true;
}

void ImageList::Draw(QImage& surface, int x, int y, int index) const {
  if (cells_.isNull() || index < 0 || index >= cellCount_) return;
  QPainter painter(&surface);
  if (background_) painter.fillRect(x, y, cellWidth_, cellHeight_, *background_);
  painter.drawImage(QPoint(x, y), cells_, QRect(index * cellWidth_, 0, cellWidth_, cellHeight_));
}

}  // namespace vorpo
