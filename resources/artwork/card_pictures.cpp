#include "card_pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <array>

#include "sixteen_colours.h"

namespace vorpo::artwork {

namespace {

using namespace colour;

constexpr int kCardWidth = 40;
constexpr int kCardHeight = 60;
constexpr int kSmallHeight = 25;

// In an overlapping hand of nineteen cards every card but the top one shows only its right-hand
// 20 pixels, and of those the card's own frame takes two: the symbol lives in x 20..36, clear of
// the white border.
constexpr int kSymbolLeft = 20;
constexpr int kSymbolRight = 36;
constexpr int kSymbolBottom = 55;

// Rounded corners: how far each of the top rows starts in from the edge (the bottom rows mirror
// them).
constexpr std::array<int, 3> kCornerInset = {3, 1, 1};

bool InCard(int x, int y) {
  if (x < 0 || y < 0 || x >= kCardWidth || y >= kCardHeight) return false;
  const auto fromEdge = static_cast<std::size_t>(std::min(y, kCardHeight - 1 - y));
  int inset = fromEdge < kCornerInset.size() ? kCornerInset[fromEdge] : 0;
  return x >= inset && x < kCardWidth - inset;
}

bool OnOutline(int x, int y) {
  return InCard(x, y) &&
         (!InCard(x - 1, y) || !InCard(x + 1, y) || !InCard(x, y - 1) || !InCard(x, y + 1));
}

// The blank card: dark outline, a thin white border just inside it, the face colour within and
// magenta (transparent) outside the rounded corners.
void DrawBlankCard(QImage& strip, int cell, const QColor& face) {
  int left = cell * kCardWidth;
  for (int y = 0; y < kCardHeight; ++y) {
    for (int x = 0; x < kCardWidth; ++x) {
      QColor colour = kMagenta;
      if (OnOutline(x, y)) {
        colour = kBlack;
      } else if (InCard(x, y)) {
        bool nearOutline = false;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) nearOutline = nearOutline || OnOutline(x + dx, y + dy);
        }
        colour = nearOutline ? kWhite : face;
      }
      strip.setPixelColor(left + x, y, colour);
    }
  }
}

QFont SymbolFont(int pixelSize, bool italic = false) {
  QFont font("Liberation Sans");
  font.setPixelSize(pixelSize);
  font.setBold(true);
  font.setItalic(italic);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

// The largest text of font's family that fits maxWidth x maxHeight, as a path at the origin.
QPainterPath FittedText(const QString& text, int maxWidth, int maxHeight, bool italic = false) {
  for (int size = 40; size > 4; --size) {
    QPainterPath path;
    path.addText(0, 0, SymbolFont(size, italic), text);
    QRectF box = path.boundingRect();
    if (box.width() <= maxWidth && box.height() <= maxHeight) return path;
  }
  return {};
}

void FillAliased(QImage& strip, const QPainterPath& path, const QColor& colour) {
  QPainter painter(&strip);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPath(path);
}

// Moves path so that its bounding box's bottom-right corner lands on (right, bottom) of the cell.
QPainterPath PlaceBottomRight(const QPainterPath& path, int cell, int right, int bottom) {
  QRectF box = path.boundingRect();
  return path.translated(cell * kCardWidth + right + 1 - box.right(), bottom + 1 - box.bottom());
}

// A large letter with a small digit after it at the foot: the Draw Two's "D2", the Wild Draw
// Four's "D4".
void DrawDrawSymbol(QImage& strip, int cell, QChar digit, const QColor& colour) {
  QPainterPath small = FittedText(QString(digit), 5, 9);
  int smallWidth = static_cast<int>(small.boundingRect().width());
  QPainterPath large = FittedText("D", kSymbolRight - kSymbolLeft - smallWidth, 24);
  FillAliased(strip, PlaceBottomRight(small, cell, kSymbolRight, kSymbolBottom), colour);
  FillAliased(strip, PlaceBottomRight(large, cell, kSymbolRight - smallWidth - 1, kSymbolBottom),
              colour);
}

struct Suit {
  QColor face;
  QColor symbol;
};

// The card colours in colour-index order, each with the colour its symbol is drawn in.
const std::array<Suit, 4> kSuits = {{
    {kRed, kBlue},
    {kBlue, kYellow},
    {kYellow, kGreen},
    {kLime, kMaroon},
}};

void DrawColouredCard(QImage& strip, int colourIndex, int kind) {
  const Suit& suit = kSuits[static_cast<std::size_t>(colourIndex)];
  int cell = 13 * colourIndex + kind;
  DrawBlankCard(strip, cell, suit.face);
  if (kind == 12) {
    DrawDrawSymbol(strip, cell, '2', suit.symbol);
    return;
  }
  QString symbol = kind < 10 ? QString::number(kind) : QString(kind == 10 ? "S" : "R");
  QPainterPath path = FittedText(symbol, kSymbolRight - kSymbolLeft + 1, 24);
  FillAliased(strip, PlaceBottomRight(path, cell, kSymbolRight, kSymbolBottom), suit.symbol);
}

const std::array<QColor, 4> kWildLetters = {kRed, kBlue, kYellow, kLime};

// "Wild" in four coloured letters, laid out left to right from the origin.
std::array<QPainterPath, 4> WildLetters(int pixelSize) {
  std::array<QPainterPath, 4> letters;
  QFont font = SymbolFont(pixelSize);
  qreal x = 0;
  const QString word = "Wild";
  for (int i = 0; i < 4; ++i) {
    letters[static_cast<std::size_t>(i)].addText(x, 0, font, word.mid(i, 1));
    x += QFontMetricsF(font).horizontalAdvance(word.mid(i, 1));
  }
  return letters;
}

QRectF Bounds(const std::array<QPainterPath, 4>& letters) {
  QRectF box;
  for (const QPainterPath& letter : letters) box = box.united(letter.boundingRect());
  return box;
}

void FillLetters(QImage& strip, const std::array<QPainterPath, 4>& letters, QPointF shift) {
  for (std::size_t i = 0; i < letters.size(); ++i) {
    FillAliased(strip, letters[i].translated(shift), kWildLetters[i]);
  }
}

// The Wild carries its word upright along the right edge, reading upwards, so that it shows in
// the narrow strip of an overlapping hand.
void DrawWild(QImage& strip, int cell) {
  DrawBlankCard(strip, cell, kBlack);
  QTransform turn;
  turn.rotate(-90);
  std::array<QPainterPath, 4> letters;
  for (int size = 30; size > 4; --size) {
    letters = WildLetters(size);
    for (QPainterPath& letter : letters) letter = turn.map(letter);
    QRectF box = Bounds(letters);
    if (box.width() <= kSymbolRight - kSymbolLeft + 1 && box.height() <= 50) break;
  }
  QRectF box = Bounds(letters);
  FillLetters(strip, letters,
              QPointF(cell * kCardWidth + kSymbolRight + 1 - box.right(),
                      kSymbolBottom + 1 - box.bottom()));
}

void DrawWildDrawFour(QImage& strip, int cell) {
  DrawBlankCard(strip, cell, kBlack);
  auto letters = WildLetters(13);
  QRectF box = Bounds(letters);
  FillLetters(
      strip, letters,
      QPointF(cell * kCardWidth + (kCardWidth - box.width()) / 2 - box.left(), 5 - box.top()));
  DrawDrawSymbol(strip, cell, '4', kWhite);
}

// The back: the game's name in red, outlined in white, slanting up across the card.
void DrawBack(QImage& strip, int cell) {
  DrawBlankCard(strip, cell, kBlack);
  QPainterPath name;
  name.addText(0, 0, SymbolFont(15, true), "Vorpo");
  QRectF box = name.boundingRect();
  QTransform turn;
  turn.translate(cell * kCardWidth + kCardWidth / 2.0, kCardHeight / 2.0);
  turn.rotate(-62);
  turn.translate(-box.center().x(), -box.center().y());
  QPainterPath placed = turn.map(name);
  QPainter painter(&strip);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(kWhite, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(placed);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kRed);
  painter.drawPath(placed);
}

// The second pile: a red-framed square cut along both diagonals into four triangles in the card
// colours, clockwise from the top in colour-index order.
void DrawSecondPile(QImage& strip, int cell) {
  int left = cell * kCardWidth;
  QRect square(left + 2, (kCardHeight - 36) / 2, 36, 36);
  QPainter painter(&strip);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  QPointF centre = QRectF(square).center();
  const std::array<std::array<QPointF, 2>, 4> sides = {{
      {QPointF(square.left(), square.top()), QPointF(square.right() + 1, square.top())},
      {QPointF(square.right() + 1, square.top()), QPointF(square.right() + 1, square.bottom() + 1)},
      {QPointF(square.right() + 1, square.bottom() + 1),
       QPointF(square.left(), square.bottom() + 1)},
      {QPointF(square.left(), square.bottom() + 1), QPointF(square.left(), square.top())},
  }};
  const std::array<QColor, 4> colours = {kRed, kBlue, kYellow, kLime};
  for (std::size_t i = 0; i < 4; ++i) {
    painter.setBrush(colours[i]);
    painter.drawPolygon(QPolygonF({sides[i][0], sides[i][1], centre}));
  }
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kRed, 1));
  painter.drawRect(square.adjusted(0, 0, -1, -1));
  painter.drawRect(square.adjusted(1, 1, -2, -2));
}

// A grey raised button bearing パス; pressed, the bevel turns inwards and the word moves down
// and right by a pixel.
void DrawPassButton(QImage& strip, int cell, bool pressed) {
  QRect button(cell * kCardWidth, 0, kCardWidth, kSmallHeight);
  QPainter painter(&strip);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(button, kSilver);
  const QColor& light = pressed ? kBlack : kWhite;
  const QColor& dark = pressed ? kWhite : kBlack;
  int l = button.left(), t = button.top(), r = button.right(), b = button.bottom();
  painter.setPen(light);
  painter.drawLine(l, t, r - 1, t);
  painter.drawLine(l, t, l, b - 1);
  painter.setPen(dark);
  painter.drawLine(l, b, r, b);
  painter.drawLine(r, t, r, b);
  painter.setPen(kGrey);
  if (pressed) {
    painter.drawLine(l + 1, t + 1, r - 2, t + 1);
    painter.drawLine(l + 1, t + 1, l + 1, b - 2);
  } else {
    painter.drawLine(l + 1, b - 1, r - 1, b - 1);
    painter.drawLine(r - 1, t + 1, r - 1, b - 1);
  }
  QFont font("IPAGothic");
  font.setPixelSize(13);
  font.setStyleStrategy(QFont::NoAntialias);
  painter.setFont(font);
  painter.setPen(kBlack);
  painter.drawText(button.translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter,
                   QString::fromUtf8("パス"));
}

// A white arrow on the transparent ground, pointing down, or up when flipped.
void DrawArrow(QImage& strip, int cell, bool up) {
  QPainter painter(&strip);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kWhite);
  int left = cell * kCardWidth;
  auto y = [up](int down) { return up ? kSmallHeight - 1 - down : down; };
  painter.drawRect(
      QRect(QPoint(left + 17, std::min(y(2), y(12))), QPoint(left + 22, std::max(y(2), y(12)))));
  for (int row = 12; row <= 22; ++row) {
    int half = 22 - row;  // widest where the shaft meets the head
    painter.drawRect(QRect(QPoint(left + 19 - half, y(row)), QPoint(left + 20 + half, y(row))));
  }
}

}  // namespace

QImage DrawCardStrip() {
  QImage strip(56 * kCardWidth, kCardHeight, QImage::Format_RGB32);
  strip.fill(kMagenta);
  for (int colourIndex = 0; colourIndex < 4; ++colourIndex) {
    for (int kind = 0; kind < 13; ++kind) DrawColouredCard(strip, colourIndex, kind);
  }
  DrawWild(strip, 52);
  DrawWildDrawFour(strip, 53);
  DrawBack(strip, 54);
  DrawSecondPile(strip, 55);
  return strip;
}

QImage DrawOtherStrip() {
  QImage strip(4 * kCardWidth, kSmallHeight, QImage::Format_RGB32);
  strip.fill(kMagenta);
  DrawPassButton(strip, 0, false);
  DrawPassButton(strip, 1, true);
  DrawArrow(strip, 2, false);
  DrawArrow(strip, 3, true);
  return strip;
}

}  // namespace vorpo::artwork
