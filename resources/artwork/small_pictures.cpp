#include "small_pictures.h"

#include <QFont>
#include <QString>

#include "picture_cell.h"
#include "sixteen_colours.h"

namespace vorpo::artwork {

namespace {

using namespace colour;

constexpr QSize kSmall(40, 25);

// A grey raised button bearing パス; pressed, the bevel turns inwards and the word moves down
// and right by a line. The bevel's lines lie on whole device pixels.
void DrawPassButton(PictureCell& cell, bool pressed) {
  QPainter& painter = cell.InDevicePixels();
  const int w = cell.Size().width(), h = cell.Size().height(), line = cell.Line();
  painter.fillRect(0, 0, w, h, kSilver);
  const QColor& light = pressed ? kBlack : kWhite;
  const QColor& dark = pressed ? kWhite : kBlack;
  painter.fillRect(0, 0, w - line, line, light);
  painter.fillRect(0, 0, line, h - line, light);
  painter.fillRect(0, h - line, w, line, dark);
  painter.fillRect(w - line, 0, line, h, dark);
  if (pressed) {
    painter.fillRect(line, line, w - 3 * line, line, kGrey);
    painter.fillRect(line, line, line, h - 3 * line, kGrey);
  } else {
    painter.fillRect(line, h - 2 * line, w - 2 * line, line, kGrey);
    painter.fillRect(w - 2 * line, line, line, h - 2 * line, kGrey);
  }
  QFont font("IPAGothic");
  font.setPixelSize(13);
  if (!cell.Smooth()) font.setStyleStrategy(QFont::NoAntialias);
  const qreal shift = pressed ? line / cell.Scale() : 0;
  QPainter& text = cell.InPicturePixels();
  text.setFont(font);
  text.setPen(kBlack);
  text.drawText(QRectF(QPointF(shift, shift), QSizeF(kSmall)), Qt::AlignCenter,
                QString::fromUtf8("パス"));
  text.setPen(Qt::NoPen);
}

// A white arrow on the transparent ground, pointing down, or up when flipped: a shaft six
// pixels wide and a head whose rows narrow by a pixel on each side.
void DrawArrow(PictureCell& cell, bool up) {
  auto y = [up](qreal down) { return up ? kSmall.height() - down : down; };
  QPainter& painter = cell.InPicturePixels();
  painter.setBrush(kWhite);
  painter.drawRect(QRectF(QPointF(17, y(2)), QPointF(23, y(13))).normalized());
  painter.drawPolygon(QPolygonF({QPointF(8.5, y(12)), QPointF(31.5, y(12)), QPointF(20, y(23.5))}));
}

}  // namespace

QImage DrawOtherStrip(qreal scale) {
  QImage strip = BlankStrip(kSmall, 4, scale);
  auto cell = [&](int index, auto draw) {
    PictureCell picture(strip, index, kSmall, scale);
    draw(picture);
  };
  cell(0, [](PictureCell& picture) { DrawPassButton(picture, false); });
  cell(1, [](PictureCell& picture) { DrawPassButton(picture, true); });
  cell(2, [](PictureCell& picture) { DrawArrow(picture, false); });
  cell(3, [](PictureCell& picture) { DrawArrow(picture, true); });
  return strip;
}

}  // namespace vorpo::artwork
