// The built-in pictures at every scale: at scale 1 the very bitmaps the program carries, at the
// others cells of the rounded size whose outlines keep one width all round and whose symbols
// are drawn smooth, not as doubled pixels.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <cmath>
#include <set>
#include <string>

#include "card_pictures.h"
#include "sixteen_colours.h"
#include "small_pictures.h"

namespace vorpo::artwork {
namespace {

constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

int Rounded(qreal value) {
  return static_cast<int>(std::lround(value));
}

QImage CellOf(const QImage& strip, int cells, int index) {
  const int width = strip.width() / cells;
  return strip.copy(index * width, 0, width, strip.height());
}

// How many pixels from from on, a step at a time, are of colour.
int RunOf(const QImage& image, QPoint from, QPoint step, QRgb colour) {
  int count = 0;
  for (QPoint at = from; image.rect().contains(at) && image.pixel(at) == colour; at += step)
    ++count;
  return count;
}

TEST(Pictures, AtScaleOneAreTheBitmapsTheProgramCarries) {
  const std::pair<const char*, QImage> strips[] = {{"CARDIMAGE", DrawCardStrip()},
                                                   {"OTHERIMAGE", DrawOtherStrip()}};
  for (const auto& [name, drawn] : strips) {
    SCOPED_TRACE(name);
    const QString path = QString(VORPO_RESOURCES_DIR "/images/%1.bmp").arg(name);
    const QImage carried(path, "BMP");
    ASSERT_EQ(drawn.size(), carried.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y) {
      for (int x = 0; x < drawn.width(); ++x) {
        const QRgb want = carried.pixel(x, y);
        const QRgb got = drawn.pixel(x, y);
        const bool same = (want & 0xFFFFFF) == 0xFF00FF ? qAlpha(got) == 0 : got == want;
        if (!same) ++differing;
      }
    }
    EXPECT_EQ(differing, 0) << "magenta in the bitmap is transparent in the drawing";

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::vector<std::uint8_t> encoded = EncodeRle4Bmp(drawn);
    EXPECT_EQ(std::string(encoded.begin(), encoded.end()), bytes.toStdString());
  }
}

class AtScale : public ::testing::TestWithParam<qreal> {};

TEST_P(AtScale, CardsHaveAnOutlineAndBorderOfOneWidthAllRound) {
  const qreal scale = GetParam();
  const QImage strip = DrawCardStrip(scale);
  const int width = Rounded(40 * scale), height = Rounded(60 * scale);
  ASSERT_EQ(strip.size(), QSize(56 * width, height));
  const int line = std::max(1, Rounded(scale));
  // Number cards of every colour, a Draw Two, the Wild, the Wild Draw Four and the back.
  for (int cell : {0, 12, 17, 30, 45, 52, 53, 54}) {
    SCOPED_TRACE("cell " + std::to_string(cell));
    const QImage card = CellOf(strip, 56, cell);
    for (int y : {height / 4, height / 2, height * 3 / 5}) {
      EXPECT_EQ(RunOf(card, {0, y}, {1, 0}, kBlack), line) << "row " << y;
      EXPECT_EQ(RunOf(card, {width - 1, y}, {-1, 0}, kBlack), line) << "row " << y;
      EXPECT_EQ(RunOf(card, {line, y}, {1, 0}, kWhite), line) << "row " << y;
      EXPECT_EQ(RunOf(card, {width - 1 - line, y}, {-1, 0}, kWhite), line) << "row " << y;
    }
    for (int x : {width / 4, width / 2, width * 3 / 4}) {
      EXPECT_EQ(RunOf(card, {x, 0}, {0, 1}, kBlack), line) << "column " << x;
      EXPECT_EQ(RunOf(card, {x, height - 1}, {0, -1}, kBlack), line) << "column " << x;
      EXPECT_EQ(RunOf(card, {x, line}, {0, 1}, kWhite), line) << "column " << x;
      EXPECT_EQ(RunOf(card, {x, height - 1 - line}, {0, -1}, kWhite), line) << "column " << x;
    }
    EXPECT_EQ(qAlpha(card.pixel(0, 0)), 0) << "the corners are rounded off";
  }
}

TEST_P(AtScale, ThePassButtonsBevelIsOneLineWideOnEverySide) {
  const qreal scale = GetParam();
  const QImage strip = DrawOtherStrip(scale);
  const int width = Rounded(40 * scale), height = Rounded(25 * scale);
  ASSERT_EQ(strip.size(), QSize(4 * width, height));
  const int line = std::max(1, Rounded(scale));
  const QImage released = CellOf(strip, 4, 0);
  const QImage pressed = CellOf(strip, 4, 1);
  const QPoint middle(width / 3, height / 2);
  EXPECT_EQ(RunOf(released, {middle.x(), 0}, {0, 1}, kWhite), line);
  EXPECT_EQ(RunOf(released, {0, middle.y()}, {1, 0}, kWhite), line);
  EXPECT_EQ(RunOf(released, {middle.x(), height - 1}, {0, -1}, kBlack), line);
  EXPECT_EQ(RunOf(released, {width - 1, middle.y()}, {-1, 0}, kBlack), line);
  EXPECT_EQ(RunOf(pressed, {middle.x(), 0}, {0, 1}, kBlack), line);
  EXPECT_EQ(RunOf(pressed, {width - 1, middle.y()}, {-1, 0}, kWhite), line);
}

// The second pile's four triangles meet along the diagonals: however their edges are smoothed,
// no pixel inside its frame lets the table show through.
TEST_P(AtScale, TheSecondPileIsWholeAcrossItsDiagonals) {
  const qreal scale = GetParam();
  const QImage pile = CellOf(DrawCardStrip(scale), 56, 55);
  const QRect square(QPoint(Rounded(2 * scale), Rounded(12 * scale)),
                     QPoint(Rounded(38 * scale) - 1, Rounded(48 * scale) - 1));
  int seeThrough = 0;
  for (int y = square.top(); y <= square.bottom(); ++y)
    for (int x = square.left(); x <= square.right(); ++x)
      if (qAlpha(pile.pixel(x, y)) != 255) ++seeThrough;
  EXPECT_EQ(seeThrough, 0);
  EXPECT_EQ(qAlpha(pile.pixel(square.left() - 1, square.top())), 0);
  const int frame = Rounded(2 * scale);
  EXPECT_EQ(RunOf(pile, {square.center().x() + 1, square.bottom()}, {0, -1}, 0xFFFF0000), frame);
  EXPECT_EQ(RunOf(pile, {square.left(), square.center().y() + 1}, {1, 0}, 0xFFFF0000), frame);
}

INSTANTIATE_TEST_SUITE_P(Pictures, AtScale, ::testing::Values(1.0, 1.25, 1.5, 2.0, 3.0),
                         [](const ::testing::TestParamInfo<qreal>& scale) {
                           return "Times" + std::to_string(Rounded(scale.param * 100));
                         });

// At twice the scale a card is drawn anew, not its 16-colour cell with every pixel doubled: the
// symbol's edges have the detail of single device pixels and blend into the face.
TEST(Pictures, AtTwiceTheScaleTheSymbolsAreSmooth) {
  const QImage once = DrawCardStrip(1);
  const QImage twice = DrawCardStrip(2);
  for (int cell : {0, 8, 12, 23, 37, 52, 53}) {
    SCOPED_TRACE("cell " + std::to_string(cell));
    const QImage small = CellOf(once, 56, cell);
    const QImage large = CellOf(twice, 56, cell);
    std::set<QRgb> flat;  // the colours of the 16-colour cell
    for (int y = 0; y < small.height(); ++y)
      for (int x = 0; x < small.width(); ++x) flat.insert(small.pixel(x, y));
    int uneven = 0, blended = 0;
    for (int y = 2 * 30; y < 2 * 56; y += 2) {
      for (int x = 2 * 20; x < 2 * 37; x += 2) {
        const QRgb corner = large.pixel(x, y);
        if (large.pixel(x + 1, y) != corner || large.pixel(x, y + 1) != corner ||
            large.pixel(x + 1, y + 1) != corner)
          ++uneven;
        if (!flat.count(corner)) ++blended;
      }
    }
    EXPECT_GT(uneven, 20) << "2 x 2 blocks of one colour throughout: doubled pixels";
    EXPECT_GT(blended, 10) << "no smoothed edge";
  }
}

}  // namespace
}  // namespace vorpo::artwork
