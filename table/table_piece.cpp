#include "table_piece.h"

#include <cmath>

namespace vorpo {

namespace {

int Zoomed(int pixels, qreal zoom) {
  return static_cast<int>(std::lround(pixels * zoom));
}

}  // namespace

QRect ZoomedRect(const QRect& bounds, qreal zoom) {
  const int left = Zoomed(bounds.x(), zoom), top = Zoomed(bounds.y(), zoom);
  return {left, top, Zoomed(bounds.x() + bounds.width(), zoom) - left,
          Zoomed(bounds.y() + bounds.height(), zoom) - top};
}

TablePiece::TablePiece(QWidget* parent, const QRect& bounds) : QWidget(parent), bounds_(bounds) {
  setGeometry(bounds);
}

void TablePiece::SetBounds(const QRect& bounds) {
  bounds_ = bounds;
  setGeometry(ZoomedRect(bounds, zoom_));
}

void TablePiece::SetZoom(qreal zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  setGeometry(ZoomedRect(bounds_, zoom_));
  ZoomChanged();
  update();
}

QPoint TablePiece::TablePoint(QPointF widgetPoint) const {
  return {static_cast<int>(std::floor(widgetPoint.x() / zoom_)),
          static_cast<int>(std::floor(widgetPoint.y() / zoom_))};
}

}  // namespace vorpo
