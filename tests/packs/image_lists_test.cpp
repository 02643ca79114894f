#include "image_lists.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vorpo
