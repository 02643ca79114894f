#include "cursor_and_icon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace vorpo::artwork {

namespace {

// X outline, . white, blank transparent.
constexpr std::array<const char*, 22> kHand = {
    "     XX           ", "    X..X          ", "    X..X          ", "    X..X          ",
    "    X..X          ", "    X..XXX        ", "    X..X..XXX     ", "    X..X..X..XX   ",
    "    X..X..X..X.X  ", " XX X..X..X..X..X ", "X..XX...........X ", "X...X...........X ",
    " X..............X ", "  X.............X ", "  X.............X ", "   X............X ",
    "   X...........X  ", "    X..........X  ", "    X.........X   ", "     X........X   ",
    "     X........X   ", "     XXXXXXXXXX   ",
};

// The fan turns about a point below the cards' feet; at the widest angle the outer corners
// stay just inside the icon.
constexpr qreal kPivotX = 0.5, kPivotY = 0.9, kWidestAngle = 28;

void DrawCard(QPainter& painter, int size, qreal angle, const QColor& face) {
  painter.save();
  painter.translate(size * kPivotX, size * kPivotY);
  painter.rotate(angle);
  QRectF card(-size * 0.17, -size * 0.70, size * 0.34, size * 0.52);
  qreal radius = size * 0.05;
  painter.setPen(QPen(QColor(24, 24, 24), std::max(1.0, size / 48.0)));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(card, radius, radius);
  painter.setPen(Qt::NoPen);
  painter.setBrush(face);
  qreal border = std::max(1.5, size * 0.035);
  painter.drawRoundedRect(card.adjusted(border, border, -border, -border), radius * 0.7,
                          radius * 0.7);
  painter.restore();
}

}  // namespace

QImage DrawHandCursor() {
  QImage cursor(32, 32, QImage::Format_ARGB32);
  cursor.fill(Qt::transparent);
  for (int y = 0; y < static_cast<int>(kHand.size()); ++y) {
    for (int x = 0; kHand[static_cast<std::size_t>(y)][x] != 0; ++x) {
      char c = kHand[static_cast<std::size_t>(y)][x];
      if (c == 'X') cursor.setPixel(x, y, qRgba(0, 0, 0, 255));
      if (c == '.') cursor.setPixel(x, y, qRgba(255, 255, 255, 255));
    }
  }
  return cursor;
}

QImage DrawIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor faces[] = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(255, 255, 0),
                          QColor(0, 255, 0), QColor(0, 0, 0)};
  for (int i = 0; i < 5; ++i) DrawCard(painter, size, kWidestAngle * (i - 2) / 2, faces[i]);

  // The front card's V, turned with it.
  painter.translate(size * kPivotX, size * kPivotY);
  painter.rotate(kWidestAngle);
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setItalic(true);
  font.setPixelSize(static_cast<int>(size * 0.34));
  QPainterPath letter;
  letter.addText(0, 0, font, "V");
  QRectF box = letter.boundingRect();
  letter.translate(-box.center().x(), -size * 0.44 - box.center().y());
  painter.setPen(
      QPen(Qt::white, std::max(1.0, size * 0.03), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor(255, 0, 0));
  painter.drawPath(letter);
  return icon;
}

}  // namespace vorpo::artwork
