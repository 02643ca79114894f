#include "raised_bevel.h"

#include <QPainter>

#include "table_style.h"

namespace vorpo {

RaisedBevel::RaisedBevel(QWidget* parent, const QRect& bounds) : QWidget(parent) {
  setGeometry(bounds);
  // Only the edge is drawn; clicks inside reach the controls of the block.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RaisedBevel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int right = width() - 1, bottom = height() - 1;
  painter.setPen(WinColour(kButtonHighlight));
  painter.drawLine(0, 0, right, 0);
  painter.drawLine(0, 0, 0, bottom);
  painter.setPen(WinColour(kButtonShadow));
  painter.drawLine(0, bottom, right, bottom);
  painter.drawLine(right, 0, right, bottom);
}

}  // namespace vorpo
