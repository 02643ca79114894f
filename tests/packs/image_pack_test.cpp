#include "image_pack.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "builtin_resources.h"
#include "card_pictures.h"
#include "pack_fixtures.h"
#include "small_pictures.h"

namespace vorpo {
namespace {

using namespace packs_test;

constexpr QRgb kGround = 0xFF0A0B0C;
constexpr QRgb kMagentaShown = kGround;  // a transparent pixel leaves the surface as it was

struct Lists {
  ImageList cards{40, 60, 56};
  ImageList others{40, 25, 4};

  // The colour of pixel (x, y) of card cell k, drawn alone on a plain surface.
  QRgb Card(int cell, int x, int y) const { return Pixel(cards, cell, x, y); }
  QRgb Other(int cell, int x, int y) const { return Pixel(others, cell, x, y); }

  static QRgb Pixel(const ImageList& list, int cell, int x, int y) {
    QImage surface(list.CellWidth(), list.CellHeight(), QImage::Format_RGB32);
    surface.fill(kGround);
    list.Draw(surface, 0, 0, cell);
    return surface.pixel(x, y);
  }
};

class ImagePack : public ScratchFolder {
 protected:
  std::string Pack(const std::string& name, const Bytes& bytes) {
    WriteFile(Path(name), bytes);
    return Path(name).string();
  }

  // Lists already holding the test strips, to see whether a failed load changes them.
  static Lists FilledLists() {
    Lists lists;
    EXPECT_TRUE(lists.cards.Fill(TestStrip(40, 60, 56)));
    EXPECT_TRUE(lists.others.Fill(TestStrip(40, 25, 4)));
    return lists;
  }

  static void ExpectTestStrips(const Lists& lists) {
    EXPECT_EQ(lists.Card(0, 0, 0), kMagentaShown);
    EXPECT_EQ(lists.Card(0, 1, 0), CellColour(0));
    EXPECT_EQ(lists.Card(37, 20, 30), CellColour(37));
    EXPECT_EQ(lists.Card(55, 39, 59), CellColour(55));
    EXPECT_EQ(lists.Other(3, 0, 0), kMagentaShown);
    EXPECT_EQ(lists.Other(3, 39, 24), CellColour(3));
  }
};

TEST_F(ImagePack, BuiltInPicturesNeedNoFile) {
  Lists lists;
  ASSERT_TRUE(FillImageLists("/no/such/pack.vif", false, lists.cards, lists.others));
  ASSERT_TRUE(lists.cards.IsFilled() && lists.others.IsFilled());

  // Red card 0: transparent corner, dark outline, white inner border, red face.
  EXPECT_EQ(lists.Card(0, 0, 0), kMagentaShown);
  EXPECT_EQ(lists.Card(0, 0, 30), qRgb(0, 0, 0));
  EXPECT_EQ(lists.Card(0, 1, 30), qRgb(255, 255, 255));
  EXPECT_EQ(lists.Card(0, 10, 20), qRgb(255, 0, 0));
  EXPECT_EQ(lists.Card(13, 10, 20), qRgb(0, 0, 255));
  EXPECT_EQ(lists.Card(26, 10, 20), qRgb(255, 255, 0));
  EXPECT_EQ(lists.Card(39, 10, 20), qRgb(0, 255, 0));
  EXPECT_EQ(lists.Card(52, 10, 20), qRgb(0, 0, 0));
  EXPECT_EQ(lists.Card(54, 4, 4), qRgb(0, 0, 0));
  EXPECT_EQ(lists.Card(55, 20, 2), kMagentaShown) << "the second pile is a square, not a card";
  EXPECT_EQ(lists.Other(0, 3, 3), qRgb(192, 192, 192));
  EXPECT_EQ(lists.Other(2, 0, 0), kMagentaShown);
  EXPECT_EQ(lists.Other(2, 19, 4), qRgb(255, 255, 255));
  EXPECT_EQ(lists.Other(3, 19, 20), qRgb(255, 255, 255));
}

TEST_F(ImagePack, EveryBuiltInSymbolShowsInTheStripOfAnOverlappingHand) {
  Lists lists;
  ASSERT_TRUE(FillImageLists("", false, lists.cards, lists.others));
  // Nineteen cards overlap at 20 pixels: only x 20..39 of a card is seen. Its symbol must be
  // there, drawn in a colour other than the card's own.
  const QRgb faces[] = {qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 0), qRgb(0, 255, 0)};
  for (int cell = 0; cell < 54; ++cell) {
    QRgb face = cell < 52 ? faces[cell / 13] : qRgb(0, 0, 0);
    int symbolPixels = 0;
    int hiddenSymbolPixels = 0;
    for (int y = 3; y < 57; ++y) {
      for (int x = 3; x < 37; ++x) {
        QRgb pixel = lists.Card(cell, x, y);
        bool symbol = pixel != face && pixel != qRgb(255, 255, 255) && pixel != qRgb(0, 0, 0);
        if (cell >= 52) symbol = pixel != face;
        if (symbol && x >= 20) ++symbolPixels;
        if (symbol && x < 20 && cell < 52) ++hiddenSymbolPixels;
      }
    }
    EXPECT_GT(symbolPixels, 40) << "cell " << cell;
    EXPECT_EQ(hiddenSymbolPixels, 0) << "cell " << cell;
  }
}

TEST_F(ImagePack, ReadsBitmapsOfEveryUsualForm) {
  QImage cards = TestStrip(40, 60, 56);
  QImage others = TestStrip(40, 25, 4);
  const std::pair<const char*, Bytes> packs[] = {
      {"24-bit bottom-up", ImagePackBytes(Dib24(cards, false), Dib24(others, false))},
      {"24-bit top-down", ImagePackBytes(Dib24(cards, true), Dib24(others, true))},
      {"8-bit", ImagePackBytes(Dib8(cards), Dib8(others))},
  };
  for (const auto& [form, bytes] : packs) {
    SCOPED_TRACE(form);
    Lists lists;
    ASSERT_TRUE(FillImageLists(Pack("pack.vif", bytes), true, lists.cards, lists.others));
    ExpectTestStrips(lists);
  }

  // The built-in RLE4 bitmaps, put into a pack, give the same pictures as the built-in ones.
  Lists fromPack, builtIn;
  ASSERT_TRUE(
      FillImageLists(Pack("rle4.vif", ImagePackBytes(ResourceFileDib(resources::kCardImage),
                                                     ResourceFileDib(resources::kOtherImage))),
                     true, fromPack.cards, fromPack.others));
  ASSERT_TRUE(FillImageLists("", false, builtIn.cards, builtIn.others));
  for (int cell = 0; cell < 56; ++cell) {
    for (int y = 0; y < 60; y += 3) {
      for (int x = 0; x < 40; ++x) ASSERT_EQ(fromPack.Card(cell, x, y), builtIn.Card(cell, x, y));
    }
  }
}

// On a surface of twice the screen's pixels the built-in pictures are drawn anew at that
// scale, while a pack's bitmaps, even the very same ones, are only enlarged.
TEST_F(ImagePack, BuiltInPicturesAreDrawnAnewAtTwiceTheScaleAPacksAreEnlarged) {
  Lists fromPack, builtIn;
  ASSERT_TRUE(
      FillImageLists(Pack("rle4.vif", ImagePackBytes(ResourceFileDib(resources::kCardImage),
                                                     ResourceFileDib(resources::kOtherImage))),
                     true, fromPack.cards, fromPack.others));
  ASSERT_TRUE(FillImageLists("", false, builtIn.cards, builtIn.others));
  auto atTwice = [](const ImageList& list, int cell) {
    QImage surface(2 * list.CellWidth(), 2 * list.CellHeight(), QImage::Format_RGB32);
    surface.fill(kGround);
    surface.setDevicePixelRatio(2);
    list.Draw(surface, 0, 0, cell);
    return surface;
  };
  auto drawn = [](const QImage& strip, int cell, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(kGround);
    QPainter(&picture).drawImage(0, 0, strip, cell * size.width(), 0, size.width(), size.height());
    return picture;
  };
  for (int cell : {0, 25, 52, 54, 55}) {
    SCOPED_TRACE(cell);
    EXPECT_EQ(atTwice(builtIn.cards, cell), drawn(artwork::DrawCardStrip(2), cell, {80, 120}));
    const QImage enlarged = atTwice(fromPack.cards, cell);
    for (int y = 0; y < 120; y += 3) {
      for (int x = 0; x < 80; ++x)
        ASSERT_EQ(enlarged.pixel(x, y), fromPack.Card(cell, x / 2, y / 2)) << x << "," << y;
    }
  }
  EXPECT_EQ(atTwice(builtIn.others, 0), drawn(artwork::DrawOtherStrip(2), 0, {80, 50}));
}

TEST_F(ImagePack, PixelsARunLengthBitmapSkipsShowItsFirstColour) {
  const QRgb first = qRgb(10, 20, 30);
  const QRgb red = qRgb(255, 0, 0);
  // CARDIMAGE in RLE8: the lower thirty rows hold 200 red pixels each and end early, then the
  // bitmap ends.
  Bytes cards;
  for (int row = 0; row < 30; ++row) cards.insert(cards.end(), {200, 1, 0, 0});
  cards.insert(cards.end(), {0, 1});
  // OTHERIMAGE in RLE4: ten red pixels in the bottom row, a delta ten to the right and two rows
  // up, three red pixels, end of bitmap.
  Bytes others = {10, 0x11, 0, 2, 10, 2, 3, 0x11, 0, 1};

  Lists lists;
  ASSERT_TRUE(FillImageLists(
      Pack("rle.vif", ImagePackBytes(RunLengthDib(2240, 60, 8, {first, red}, cards),
                                     RunLengthDib(160, 25, 4, {first, red}, others))),
      true, lists.cards, lists.others));
  EXPECT_EQ(lists.Card(0, 0, 59), red);
  EXPECT_EQ(lists.Card(4, 39, 30), red);
  EXPECT_EQ(lists.Card(5, 0, 59), first) << "after an early end of line";
  EXPECT_EQ(lists.Card(0, 0, 29), first) << "after the end of the bitmap";
  EXPECT_EQ(lists.Card(55, 39, 0), first);
  EXPECT_EQ(lists.Other(0, 9, 24), red);
  EXPECT_EQ(lists.Other(0, 10, 24), first) << "skipped by the delta";
  EXPECT_EQ(lists.Other(0, 15, 23), first) << "skipped by the delta";
  EXPECT_EQ(lists.Other(0, 19, 22), first) << "skipped by the delta";
  EXPECT_EQ(lists.Other(0, 20, 22), red);
  EXPECT_EQ(lists.Other(0, 22, 22), red);
  EXPECT_EQ(lists.Other(0, 23, 22), first) << "after the end of the bitmap";
  EXPECT_EQ(lists.Other(3, 39, 0), first);
}

TEST_F(ImagePack, ARefusedPackLeavesBothListsAsTheyWere) {
  QImage cards = TestStrip(40, 60, 56);
  QImage others = TestStrip(40, 25, 4);
  Bytes good = ImagePackBytes(Dib24(TestStrip(40, 60, 56).mirrored(true, false), false),
                              Dib24(TestStrip(40, 25, 4).mirrored(true, false), false));
  Bytes truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  Bytes loop = good;
  // The first type table of the tree leads back to the root table.
  std::size_t root = 0x200;
  loop[root + 16 + 4] = 0;
  loop[root + 16 + 5] = loop[root + 16 + 6] = 0;
  loop[root + 16 + 7] = 0x80;
  std::string text = "CARDIMAGE BITMAP cards.bmp\n";

  const std::pair<const char*, Bytes> refused[] = {
      {"card strip one row too high",
       ImagePackBytes(Dib24(TestStrip(40, 61, 56), false), Dib24(others, false))},
      {"card strip one cell short",
       ImagePackBytes(Dib24(TestStrip(40, 60, 55), false), Dib24(others, false))},
      {"small strip of another size",
       ImagePackBytes(Dib24(cards, false), Dib24(TestStrip(40, 24, 4), false))},
      {"no OTHERIMAGE", ImagePackBytes(Dib24(cards, false), {})},
      {"no CARDIMAGE", ImagePackBytes({}, Dib24(others, false))},
      {"bitmap that is no bitmap", ImagePackBytes(Bytes(500, 7), Dib24(others, false))},
      {"truncated", truncated},
      {"empty", {}},
      {"text", Bytes(text.begin(), text.end())},
      {"directory loop", loop},
  };
  for (const auto& [what, bytes] : refused) {
    SCOPED_TRACE(what);
    Lists lists = FilledLists();
    EXPECT_FALSE(FillImageLists(Pack("bad.vif", bytes), true, lists.cards, lists.others));
    ExpectTestStrips(lists);
  }
  Lists lists = FilledLists();
  EXPECT_FALSE(FillImageLists(Path("missing.vif").string(), true, lists.cards, lists.others));
  ExpectTestStrips(lists);
  EXPECT_TRUE(FillImageLists(Pack("good.vif", good), true, lists.cards, lists.others));
}

TEST_F(ImagePack, AFailureShowsTheErrorBoxOverItsOwner) {
  QWidget owner;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QWidget* parent = nullptr;
  QString title = "not read";
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    text = box->text();
    icon = box->icon();
    parent = box->parentWidget();
    title = box->windowTitle();
    box->accept();
  });
  Lists lists = FilledLists();
  EXPECT_FALSE(
      LoadImagePack(Path("missing.vif").string(), true, &owner, lists.cards, lists.others));
  EXPECT_EQ(text, QString::fromUtf8("イメージファイルが壊れています。"));
  EXPECT_EQ(icon, QMessageBox::Critical);
  EXPECT_EQ(parent, &owner);
  EXPECT_EQ(title, QString()) << "no caption of its own";
  ExpectTestStrips(lists);

  EXPECT_TRUE(
      LoadImagePack(Path("missing.vif").string(), false, &owner, lists.cards, lists.others));
}

}  // namespace
}  // namespace vorpo
