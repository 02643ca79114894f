#include "picture_cell.h"

#include <algorithm>
#include <cmath>

namespace vorpo::artwork {

namespace {

QSize CellSize(QSize picture, qreal scale) {
  return {static_cast<int>(std::lround(picture.width() * scale)),
          static_cast<int>(std::lround(picture.height() * scale))};
}

}  // namespace

QImage BlankStrip(QSize picture, int cells, qreal scale) {
  const QSize cell = CellSize(picture, scale);
  QImage strip(cells * cell.width(), cell.height(), QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::transparent);
  return strip;
}

PictureCell::PictureCell(QImage& strip, int index, QSize picture, qreal scale)
    : scale_(scale),
      size_(CellSize(picture, scale)),
      left_(index * size_.width()),
      painter_(&strip) {
  painter_.setRenderHint(QPainter::Antialiasing, Smooth());
  painter_.setPen(Qt::NoPen);
}

int PictureCell::Snap(qreal length) const {
  return static_cast<int>(std::lround(length * scale_));
}

int PictureCell::Line() const {
  return std::max(1, Snap(1));
}

QPainter& PictureCell::InPicturePixels() {
  painter_.setTransform(QTransform::fromTranslate(left_, 0).scale(scale_, scale_));
  return painter_;
}

QPainter& PictureCell::InDevicePixels() {
  painter_.setTransform(QTransform::fromTranslate(left_, 0));
  return painter_;
}

}  // namespace vorpo::artwork
