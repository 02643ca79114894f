#include "card_pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>

#include <array>
#include <map>
#include <tuple>

#include "picture_cell.h"
#include "sixteen_colours.h"

namespace vorpo::artwork {

namespace {

using namespace colour;

constexpr QSize kCard(40, 60);

// In an overlapping hand of nineteen cards every card but the top one shows only its right-hand
// 20 pixels, and of those the card's own frame takes two: the symbol lives in x 20..36, clear of
// the white border.
constexpr int kSymbolLeft = 20;
constexpr int kSymbolRight = 36;
constexpr int kSymbolBottom = 55;

// The radius of a card's rounded corner, in picture pixels. Filled without antialiasing, a
// quarter circle of this radius starts the card's top rows 3, 1 and 1 pixels in from the edge,
// the corner of the 16-colour cards.
constexpr qreal kCornerRadius = 4.85;

// The blank card: a dark outline one line wide, a white border of one line just inside it and
// the face colour within, the rounded corners transparent. The border and the face share the
// corner of the outline's inner edge, which makes the border a little wider across the corners.
void DrawBlankCard(PictureCell& cell, const QColor& face) {
  QPainter& painter = cell.InDevicePixels();
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(QRect(QPoint(), cell.Size()), Qt::transparent);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  const int line = cell.Line();
  const qreal outer = kCornerRadius * cell.Scale();
  const qreal inner = outer - line;
  auto fill = [&](int inset, qreal radius, const QColor& colour) {
    QPainterPath card;
    card.addRoundedRect(QRectF(QRect(QPoint(), cell.Size()).adjusted(inset, inset, -inset, -inset)),
                        radius, radius);
    painter.setBrush(colour);
    painter.drawPath(card);
  };
  fill(0, outer, kBlack);
  fill(line, inner, kWhite);
  fill(2 * line, inner, face);
}

// The symbols are paths taken from the font as the 16-colour pictures need them (outlines hinted
// for unantialiased glyphs); at other scales the same paths are scaled.
QFont SymbolFont(int pixelSize, bool italic = false) {
  QFont font("Liberation Sans");
  font.setPixelSize(pixelSize);
  font.setBold(true);
  font.setItalic(italic);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

// The symbols' paths, each the largest text of the symbol font that fits a box, at the origin.
// Fitting asks the font for one size after another, which costs far more than the drawing, so
// each is fitted once per strip and shared by the four colours.
class FittedTexts {
 public:
  const QPainterPath& Path(const QString& text, int maxWidth, int maxHeight) {
    auto [at, added] = paths_.try_emplace({text, maxWidth, maxHeight});
    if (added) {
      for (int size = 40; size > 4; --size) {
        QPainterPath path;
        path.addText(0, 0, SymbolFont(size), text);
        QRectF box = path.boundingRect();
        if (box.width() <= maxWidth && box.height() <= maxHeight) {
          at->second = path;
          break;
        }
      }
    }
    return at->second;
  }

 private:
  std::map<std::tuple<QString, int, int>, QPainterPath> paths_;
};

void FillPath(PictureCell& cell, const QPainterPath& path, const QColor& colour) {
  QPainter& painter = cell.InPicturePixels();
  painter.setBrush(colour);
  painter.drawPath(path);
}

// Moves path so that its bounding box's bottom-right corner lands on (right, bottom) of the cell.
QPainterPath PlaceBottomRight(const QPainterPath& path, int right, int bottom) {
  QRectF box = path.boundingRect();
  return path.translated(right + 1 - box.right(), bottom + 1 - box.bottom());
}

// A large letter with a small digit after it at the foot: the Draw Two's "D2", the Wild Draw
// Four's "D4".
void DrawDrawSymbol(PictureCell& cell, FittedTexts& texts, QChar digit, const QColor& colour) {
  const QPainterPath& small = texts.Path(QString(digit), 5, 9);
  int smallWidth = static_cast<int>(small.boundingRect().width());
  const QPainterPath& large = texts.Path("D", kSymbolRight - kSymbolLeft - smallWidth, 24);
  FillPath(cell, PlaceBottomRight(small, kSymbolRight, kSymbolBottom), colour);
  FillPath(cell, PlaceBottomRight(large, kSymbolRight - smallWidth - 1, kSymbolBottom), colour);
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

void DrawColouredCard(PictureCell& cell, FittedTexts& texts, int colourIndex, int kind) {
  const Suit& suit = kSuits[static_cast<std::size_t>(colourIndex)];
  DrawBlankCard(cell, suit.face);
  if (kind == 12) {
    DrawDrawSymbol(cell, texts, '2', suit.symbol);
    return;
  }
  QString symbol = kind < 10 ? QString::number(kind) : QString(kind == 10 ? "S" : "R");
  FillPath(cell,
           PlaceBottomRight(texts.Path(symbol, kSymbolRight - kSymbolLeft + 1, 24), kSymbolRight,
                            kSymbolBottom),
           suit.symbol);
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

void FillLetters(PictureCell& cell, const std::array<QPainterPath, 4>& letters, QPointF shift) {
  for (std::size_t i = 0; i < letters.size(); ++i) {
    FillPath(cell, letters[i].translated(shift), kWildLetters[i]);
  }
}

// The Wild carries its word upright along the right edge, reading upwards, so that it shows in
// the narrow strip of an overlapping hand.
void DrawWild(PictureCell& cell) {
  DrawBlankCard(cell, kBlack);
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
  FillLetters(cell, letters,
              QPointF(kSymbolRight + 1 - box.right(), kSymbolBottom + 1 - box.bottom()));
}

void DrawWildDrawFour(PictureCell& cell, FittedTexts& texts) {
  DrawBlankCard(cell, kBlack);
  auto letters = WildLetters(13);
  QRectF box = Bounds(letters);
  FillLetters(cell, letters,
              QPointF((kCard.width() - box.width()) / 2 - box.left(), 5 - box.top()));
  DrawDrawSymbol(cell, texts, '4', kWhite);
}

// The back: the game's name in red, outlined in white, slanting up across the card.
void DrawBack(PictureCell& cell) {
  DrawBlankCard(cell, kBlack);
  QPainterPath name;
  name.addText(0, 0, SymbolFont(15, true), "Vorpo");
  QRectF box = name.boundingRect();
  QTransform turn;
  turn.translate(kCard.width() / 2.0, kCard.height() / 2.0);
  turn.rotate(-62);
  turn.translate(-box.center().x(), -box.center().y());
  QPainterPath placed = turn.map(name);
  QPainter& painter = cell.InPicturePixels();
  painter.setPen(QPen(kWhite, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(placed);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kRed);
  painter.drawPath(placed);
}

// The second pile: a red-framed square cut along both diagonals into four triangles in the card
// colours, clockwise from the top in colour-index order. The frame, two lines wide, lies on
// whole device pixels.
void DrawSecondPile(PictureCell& cell) {
  const int top = (kCard.height() - 36) / 2;
  const QRect square(QPoint(cell.Snap(2), cell.Snap(top)),
                     QPoint(cell.Snap(38) - 1, cell.Snap(top + 36) - 1));
  QPainter& painter = cell.InDevicePixels();
  QPointF centre = QRectF(square).center();
  const std::array<std::array<QPointF, 2>, 4> sides = {{
      {QPointF(square.left(), square.top()), QPointF(square.right() + 1, square.top())},
      {QPointF(square.right() + 1, square.top()), QPointF(square.right() + 1, square.bottom() + 1)},
      {QPointF(square.right() + 1, square.bottom() + 1),
       QPointF(square.left(), square.bottom() + 1)},
      {QPointF(square.left(), square.bottom() + 1), QPointF(square.left(), square.top())},
  }};
  const std::array<QColor, 4> colours = {kRed, kBlue, kYellow, kLime};
  // Where two smoothed triangles meet, each covers part of a pixel; laid over one another they
  // would let the ground show through along the diagonals. Each is drawn alone and the four
  // are added up, so that the parts of neighbours make whole pixels.
  painter.setCompositionMode(QPainter::CompositionMode_Plus);
  for (std::size_t i = 0; i < 4; ++i) {
    QImage triangle(cell.Size(), QImage::Format_ARGB32_Premultiplied);
    triangle.fill(Qt::transparent);
    QPainter alone(&triangle);
    alone.setRenderHint(QPainter::Antialiasing, cell.Smooth());
    alone.setPen(Qt::NoPen);
    alone.setBrush(colours[i]);
    alone.drawPolygon(QPolygonF({sides[i][0], sides[i][1], centre}));
    alone.end();
    painter.drawImage(0, 0, triangle);
  }
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  const int frame = cell.Snap(2);
  QPainterPath ring;
  ring.addRect(QRectF(square));
  ring.addRect(QRectF(square.adjusted(frame, frame, -frame, -frame)));
  painter.setBrush(kRed);
  painter.drawPath(ring);
}

}  // namespace

QImage DrawCardStrip(qreal scale) {
  QImage strip = BlankStrip(kCard, 56, scale);
  FittedTexts texts;
  auto cell = [&](int index, auto draw) {
    PictureCell picture(strip, index, kCard, scale);
    draw(picture);
  };
  for (int colourIndex = 0; colourIndex < 4; ++colourIndex) {
    for (int kind = 0; kind < 13; ++kind) {
      cell(13 * colourIndex + kind,
           [&](PictureCell& picture) { DrawColouredCard(picture, texts, colourIndex, kind); });
    }
  }
  cell(52, DrawWild);
  cell(53, [&](PictureCell& picture) { DrawWildDrawFour(picture, texts); });
  cell(54, DrawBack);
  cell(55, DrawSecondPile);
  return strip;
}

}  // namespace vorpo::artwork
