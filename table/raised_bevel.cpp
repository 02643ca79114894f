#include "raised_bevel.h"

#include <QPainter>

#include <cmath>

#include "table_style.h"

namespace vorpo {

RaisedBevel::RaisedBevel(QWidget* parent, const QRect& bounds) : TablePiece(parent, bounds) {
  // Only the edge is drawn; clicks inside reach the controls of the block.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

// The edge is a whole number of device pixels wide, the same all round at every scale. The dark
// sides are drawn last, so they take the corners they share with the light ones.
void RaisedBevel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const qreal device = devicePixelRatioF();
  const qreal edge = std::max(1.0, std::round(Zoom() * device)) / device;
  const qreal w = width(), h = height();
  painter.fillRect(QRectF(0, 0, w, edge), WinColour(kButtonHighlight));
  painter.fillRect(QRectF(0, 0, edge, h), WinColour(kButtonHighlight));
  painter.fillRect(QRectF(0, h - edge, w, edge), WinColour(kButtonShadow));
  painter.fillRect(QRectF(w - edge, 0, edge, h), WinColour(kButtonShadow));
}

}  // namespace vorpo
