#include "image_lists.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "pack_fixtures.h"

namespace vorpo {
namespace {

using packs_test::CellColour;
using packs_test::TestStrip;

constexpr QRgb kSurface = 0xFF123456;

QImage Surface() {
  QImage surface(400, 60, QImage::Format_RGB32);
  surface.fill(kSurface);
  return surface;
}

// A surface of logical size at a device pixel ratio, as an image control keeps it.
QImage Surface(qreal ratio, QSize logical = {400, 60}) {
  QImage surface(static_cast<int>(std::ceil(logical.width() * ratio)),
                 static_cast<int>(std::ceil(logical.height() * ratio)), QImage::Format_RGB32);
  surface.fill(kSurface);
  surface.setDevicePixelRatio(ratio);
  return surface;
}

QImage Strip(int cellWidth, int cellHeight, int cells,
             const std::function<QRgb(int, int, int)>& colour) {
  QImage strip(cellWidth * cells, cellHeight, QImage::Format_RGB32);
  for (int y = 0; y < cellHeight; ++y)
    for (int x = 0; x < strip.width(); ++x)
      strip.setPixel(x, y, colour(x / cellWidth, x % cellWidth, y));
  return strip;
}

constexpr QRgb kMagenta = 0xFFFF00FF;

// Every pixel unlike its neighbours, and every seventh one magenta.
QImage PatternStrip() {
  return Strip(40, 60, 56, [](int cell, int x, int y) {
    if ((cell * 40 + x + 3 * y) % 7 == 0) return kMagenta;
    return qRgb((cell * 40 + x) * 5 % 256, 10 + 3 * y, (x + y) * 3 % 256);
  });
}

TEST(ImageList, RefusesAStripOfAnotherSizeAndKeepsWhatItHeld) {
  ImageList list(40, 25, 4);
  EXPECT_FALSE(list.IsFilled());
  EXPECT_FALSE(list.Fill(TestStrip(40, 26, 4)));
  EXPECT_FALSE(list.Fill(QImage()));
  EXPECT_FALSE(list.IsFilled());

  ASSERT_TRUE(list.Fill(TestStrip(40, 25, 4)));
  EXPECT_FALSE(list.Fill(TestStrip(40, 25, 3)));
  QImage surface = Surface();
  list.Draw(surface, 0, 0, 3);
  EXPECT_EQ(surface.pixel(10, 10), CellColour(3));
}

TEST(ImageList, DrawsACellMaskedWhereItWasMagenta) {
  ImageList list(40, 60, 56);
  ASSERT_TRUE(list.Fill(TestStrip(40, 60, 56)));
  QImage surface = Surface();
  list.Draw(surface, 100, 0, 54);
  EXPECT_EQ(surface.pixel(100, 0), kSurface) << "magenta is transparent";
  EXPECT_EQ(surface.pixel(101, 0), CellColour(54));
  EXPECT_EQ(surface.pixel(139, 59), CellColour(54));
  EXPECT_EQ(surface.pixel(99, 30), kSurface);
  EXPECT_EQ(surface.pixel(140, 30), kSurface);

  list.Draw(surface, 380, 0, 1);  // reaches past the surface's right edge: clipped
  EXPECT_EQ(surface.pixel(399, 30), CellColour(1));

  QImage untouched = surface;
  list.Draw(surface, 0, 0, 56);
  list.Draw(surface, 0, 0, -1);
  EXPECT_EQ(surface, untouched) << "an index outside the list draws nothing";
}

TEST(ImageList, PutsItsBackgroundColourUnderTheTransparentPixels) {
  ImageList list(40, 25, 4);
  ASSERT_TRUE(list.Fill(TestStrip(40, 25, 4)));
  EXPECT_FALSE(list.Background());

  QImage surface = Surface();
  list.SetBackground(QColor(0, 128, 0));
  list.Draw(surface, 6, 14, 2);
  EXPECT_EQ(surface.pixel(6, 14), qRgb(0, 128, 0));
  EXPECT_EQ(surface.pixel(7, 14), CellColour(2));
  EXPECT_EQ(surface.pixel(5, 14), kSurface);
  EXPECT_EQ(surface.pixel(46, 14), kSurface) << "only the cell's own rectangle";
}

TEST(ImageList, IgnoresTheAlphaOfTheStrip) {
  QImage strip = TestStrip(40, 25, 4).convertToFormat(QImage::Format_ARGB32);
  strip.setPixel(5, 5, qRgba(10, 20, 30, 0));
  ImageList list(40, 25, 4);
  ASSERT_TRUE(list.Fill(strip));
  QImage surface = Surface();
  list.Draw(surface, 0, 0, 0);
  EXPECT_EQ(surface.pixel(5, 5), qRgb(10, 20, 30));
}

// At a whole ratio a pack's pictures stay as sharp as they were drawn: every pixel, and every
// transparent one, becomes a block of ratio x ratio device pixels.
TEST(ImageList, AtAWholeRatioRepeatsEveryPixelOfThePictureAndOfItsMask) {
  ImageList list(40, 60, 56);
  ASSERT_TRUE(list.Fill(PatternStrip()));
  QImage once = Surface();
  list.Draw(once, 40, 0, 7);
  for (int ratio : {2, 3}) {
    SCOPED_TRACE(ratio);
    QImage larger = Surface(ratio);
    list.Draw(larger, 40, 0, 7);
    int differing = 0;
    for (int y = 0; y < larger.height(); ++y)
      for (int x = 0; x < larger.width(); ++x)
        if (larger.pixel(x, y) != once.pixel(x / ratio, y / ratio)) ++differing;
    EXPECT_EQ(differing, 0);
  }
}

// At a fractional ratio the pictures are filtered smoothly, but from the masked cells: where a
// picture meets its transparent pixels it fades into the surface, never into magenta.
TEST(ImageList, AtAFractionalRatioIsSmoothWithoutAMagentaFringe) {
  const QRgb orange = qRgb(200, 120, 0);
  ImageList list(40, 60, 56);
  ASSERT_TRUE(list.Fill(Strip(40, 60, 56, [&](int, int x, int y) {
    return (x >= 10 && x < 14 && y >= 20 && y < 24) || (x == 0 && y == 0) ? kMagenta : orange;
  })));
  QImage surface = Surface(1.5);
  surface.fill(qRgb(0, 60, 0));
  list.Draw(surface, 0, 0, 3);
  int blended = 0;
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 60; ++x) {
      const QRgb pixel = surface.pixel(x, y);
      ASSERT_EQ(qBlue(pixel), 0) << "magenta shows at " << x << "," << y;
      if (pixel != orange && pixel != qRgb(0, 60, 0)) ++blended;
    }
  }
  EXPECT_GT(blended, 8);
  EXPECT_EQ(surface.pixel(18, 32), qRgb(0, 60, 0)) << "the middle of the transparent block";
  EXPECT_EQ(surface.pixel(40, 60), orange);
}

TEST(ImageList, AtAFractionalRatioACellLandsOnTheRoundedDevicePixel) {
  const QRgb solid = qRgb(30, 90, 150);
  ImageList list(40, 60, 56);
  ASSERT_TRUE(list.Fill(
      Strip(40, 60, 56, [&](int cell, int, int) { return cell == 2 ? kMagenta : solid; })));
  EXPECT_EQ(list.DeviceCellSize(1.5), QSize(60, 90));
  QImage surface = Surface(1.5, {400, 100});
  list.Draw(surface, 37, 1, 1);  // from (55.5, 1.5), rounded to (56, 2)
  EXPECT_EQ(surface.pixel(55, 40), kSurface);
  EXPECT_EQ(surface.pixel(56, 40), solid);
  EXPECT_EQ(surface.pixel(115, 40), solid);
  EXPECT_EQ(surface.pixel(116, 40), kSurface);
  EXPECT_EQ(surface.pixel(80, 1), kSurface);
  EXPECT_EQ(surface.pixel(80, 2), solid);
  EXPECT_EQ(surface.pixel(80, 91), solid);
  EXPECT_EQ(surface.pixel(80, 92), kSurface);

  // A wholly transparent cell shows the background, over exactly the cell's device pixels.
  list.SetBackground(QColor(0, 128, 0));
  list.Draw(surface, 101, 0, 2);  // from 151.5, rounded to 152
  EXPECT_EQ(surface.pixel(151, 40), kSurface);
  EXPECT_EQ(surface.pixel(152, 40), qRgb(0, 128, 0));
  EXPECT_EQ(surface.pixel(211, 89), qRgb(0, 128, 0));
  EXPECT_EQ(surface.pixel(212, 40), kSurface);
  EXPECT_EQ(surface.pixel(180, 90), kSurface);
}

// A list given a drawing asks it once for each ratio it draws at, and never for ratio 1, where
// the filled strip is the picture; filling the list again forgets every ratio's cells.
TEST(ImageList, DrawsItsDrawingOnceForEachRatioAndForgetsItWhenFilledAgain) {
  const QRgb drawnColour = qRgb(1, 2, 3);
  int drawings = 0;
  auto drawing = [&](qreal ratio) {
    ++drawings;
    QImage strip(4 * static_cast<int>(std::lround(40 * ratio)),
                 static_cast<int>(std::lround(25 * ratio)), QImage::Format_ARGB32_Premultiplied);
    strip.fill(drawnColour);
    return strip;
  };
  ImageList list(40, 25, 4);
  ASSERT_TRUE(list.Fill(TestStrip(40, 25, 4), drawing));
  for (qreal ratio : {1.0, 2.0, 1.5, 2.0, 1.0, 1.5}) {
    QImage surface = Surface(ratio);
    list.Draw(surface, 0, 0, 1);
    EXPECT_EQ(surface.pixel(20, 10), ratio == 1 ? CellColour(1) : drawnColour) << ratio;
  }
  EXPECT_EQ(drawings, 2);

  ASSERT_TRUE(list.Fill(Strip(40, 25, 4, [](int, int, int) { return qRgb(9, 9, 9); })));
  for (qreal ratio : {1.0, 2.0, 1.5}) {
    QImage surface = Surface(ratio);
    list.Draw(surface, 0, 0, 1);
    EXPECT_EQ(surface.pixel(20, 10), qRgb(9, 9, 9)) << ratio;
  }
  EXPECT_EQ(drawings, 2);
}

// A ratio worked out as a product of the screen's and the table's own can miss a whole number
// by a rounding error; it still draws the filled strip or its repeated pixels, never a blur.
TEST(ImageList, ARatioARoundingErrorOffAWholeOneDrawsAsThatOne) {
  int drawings = 0;
  ImageList builtIn(40, 60, 56), pack(40, 60, 56);
  ASSERT_TRUE(builtIn.Fill(PatternStrip(), [&](qreal) {
    ++drawings;
    return QImage();
  }));
  ASSERT_TRUE(pack.Fill(PatternStrip()));
  for (qreal whole : {1.0, 2.0}) {
    SCOPED_TRACE(whole);
    const qreal near = whole * (1 + 1e-12);
    QImage exact = Surface(whole), off = Surface(whole);
    off.setDevicePixelRatio(near);
    pack.Draw(exact, 40, 0, 7);
    pack.Draw(off, 40, 0, 7);
    EXPECT_EQ(off, exact);
  }
  QImage atOne = Surface(1), nearOne = Surface(1);
  nearOne.setDevicePixelRatio(1 - 1e-12);
  builtIn.Draw(atOne, 0, 0, 3);
  builtIn.Draw(nearOne, 0, 0, 3);
  EXPECT_EQ(drawings, 0);
  EXPECT_EQ(nearOne, atOne);
}

}  // namespace
}  // namespace vorpo
