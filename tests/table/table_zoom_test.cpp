// The table zoom: the whole table drawn larger while every place, press and picture keeps its
// meaning in the table's own pixels, and the zoom kept in the settings file at close only.
#include <QFile>

#include "image_control.h"
#include "table_fixture.h"

namespace vorpo::testing {
namespace {

QByteArray FileBytes(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TableZoom : public TableTest {
 protected:
  void SetUp() override { Open("Players=2\r\n"); }
};

TEST_F(TableZoom, EveryPieceCoversItsPlaceTimesTheZoom) {
  const int height = form->centralWidget()->height();
  form->SetZoom(200);
  EXPECT_EQ(form->centralWidget()->size(), QSize(800, 2 * height));
  EXPECT_EQ(form->Image2->geometry(), QRect(204, 22, 80, 120));
  EXPECT_EQ(form->Image2->Bounds(), QRect(102, 11, 40, 60));
  EXPECT_EQ(form->Label7->geometry(), QRect(590, 110, 80, 60));
  // At 150% edges are rounded one by one, so that touching pieces still touch.
  form->SetZoom(150);
  EXPECT_EQ(form->Image3->geometry(), QRect(153, 17, 60, 90));
  EXPECT_EQ(form->Label4->geometry().bottom() + 1, form->Label5->geometry().top());
}

TEST_F(TableZoom, APressPlaysTheCardUnderThePointer) {
  form->SetZoom(250);
  Lay(kGreen5, {{kRed5, kGreen6, kGreen7}, {2, 4}});
  // Column 100 of the zoomed hand is column 40 of the table: the second card.
  QTest::mouseClick(form->HandImages[0], Qt::LeftButton, {}, QPoint(100, 75));
  EXPECT_EQ(State().TopCard, kGreen6);
  EXPECT_EQ(form->HandImages[0]->Bounds().width(), 80);
  EXPECT_EQ(form->HandImages[0]->width(), 200);
}

TEST_F(TableZoom, SurfacesAreRedrawnAtTheNewScale) {
  Lay(kGreen5, {{kRed5, kGreen6}, {2, 4}});
  form->SetZoom(200);
  const QImage& surface = form->HandImages[0]->Surface();
  EXPECT_EQ(surface.devicePixelRatio(), 2.0);
  EXPECT_EQ(surface.size(), QSize(800, 120));
  // What a hand drawn afresh at 200% shows, pixel for pixel.
  const QImage redrawn = surface.copy();
  form->DrawHand(0, false);
  EXPECT_EQ(form->HandImages[0]->Surface(), redrawn);
  form->SetZoom(100);
  EXPECT_EQ(form->HandImages[0]->Surface().size(), QSize(400, 60));
}

// A control that is only ever covered in one colour holds no surface until a card is drawn on
// it; the colour stays under the card, at the new scale too.
TEST_F(TableZoom, AControlFirstCoveredInOneColourKeepsItUnderWhatIsDrawnLater) {
  ImageControl& hand = *form->HandImages[5];
  EXPECT_EQ(hand.grab().toImage().pixelColor(0, 0), QColor(0, 128, 0));
  hand.SetCanvasColour(QColor(255, 0, 0));
  hand.Clear();
  hand.DrawCell(form->ImageList1, kCellBack, 100, 0);
  form->SetZoom(200);
  const QImage& surface = hand.Surface();
  EXPECT_EQ(surface.pixelColor(10, 10), QColor(255, 0, 0));
  EXPECT_NE(surface.pixelColor(220, 60), QColor(255, 0, 0));
}

// A control drawn on again and again without ever being cleared (the pass button's two pictures)
// keeps a short record: what it showed is carried over to the new scale as a picture.
TEST_F(TableZoom, ALongDrawingRecordIsCarriedOverAsAPicture) {
  ImageControl& button = *form->Button1;
  for (int i = 0; i < 600; ++i) button.DrawCell(form->ImageList2, i % 2, 0, 0);
  const QImage before = button.Surface().copy();
  button.SetZoom(2);
  const QImage after =
      button.Surface().scaled(before.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_EQ(button.Surface().size(), QSize(80, 50));
  // The released picture, drawn last, is what shows.
  EXPECT_EQ(after.pixel(20, 12), before.pixel(20, 12));
  EXPECT_EQ(after.pixel(1, 1), before.pixel(1, 1));
}

// The keyboard's ring is two halves of whole device pixels at any zoom, and taking the mark away
// after a change of zoom leaves the hand as the game drew it, at the new zoom.
TEST_F(TableZoom, TheKeyboardsRingKeepsWholePixelsAndLeavesNoTrace) {
  const QRgb outside = qRgb(255, 0, 255), inside = qRgb(0, 255, 255);
  form->SetZoom(150);
  Lay(kGreen5, {{kRed5, kGreen6, kGreen7}, {2, 4}});
  QTest::keyClick(form.get(), Qt::Key_Home);
  for (const int zoom : {150, 200}) {
    form->SetZoom(zoom);
    const QImage& hand = form->HandImages[0]->Surface();
    // One table pixel is round(1.5) = 2 device pixels at 150%, and 2 at 200%.
    const int width = 2, card = 40 * zoom / 100;
    for (const int row : {card / 2, card}) {
      for (int i = 0; i < width; ++i) {
        EXPECT_EQ(hand.pixel(i, row), outside) << zoom << " " << i;
        EXPECT_EQ(hand.pixel(width + i, row), inside) << zoom << " " << i;
        EXPECT_EQ(hand.pixel(card - 1 - i, row), outside) << zoom << " " << i;
        EXPECT_EQ(hand.pixel(card - 1 - width - i, row), inside) << zoom << " " << i;
      }
    }
    EXPECT_EQ(hand.pixel(card / 2, 0), outside);
    EXPECT_EQ(hand.pixel(card / 2, width), inside);
  }
  form->SetZoom(250);
  State().CurSeat = 1;
  form->SetSeatHighlight(0, false);
  const QImage unmarked = form->HandImages[0]->Surface().copy();
  form->DrawHand(0, false);
  EXPECT_EQ(form->HandImages[0]->Surface(), unmarked);
}

TEST_F(TableZoom, KeysStepTheZoomBetween100And300) {
  QTest::keyClick(form.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(form->Zoom(), 100);
  QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(form->Zoom(), 125);
  QTest::keyClick(form.get(), Qt::Key_Equal, Qt::ControlModifier);
  EXPECT_EQ(form->Zoom(), 150);
  for (int i = 0; i < 12; ++i) QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(form->Zoom(), 300);
  QTest::keyClick(form.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(form->Zoom(), 275);
  QTest::keyClick(form.get(), Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(form->Zoom(), 100);
  // A zoom between two steps, as a hand-edited file may give, steps to its neighbours.
  form->SetZoom(130);
  QTest::keyClick(form.get(), Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(form->Zoom(), 125);
}

TEST_F(TableZoom, TheZoomIsWrittenAtCloseAndOnlyOnceChanged) {
  form->SaveSettings();
  form->close();
  EXPECT_FALSE(FileBytes(iniPath).contains("Zoom"));

  Open("Players=2\r\n");
  form->SetZoom(175);
  form->SaveSettings();
  EXPECT_FALSE(FileBytes(iniPath).contains("Zoom"));
  form->close();
  EXPECT_TRUE(FileBytes(iniPath).contains("Zoom=175\r\n"));
}

TEST_F(TableZoom, TheSettingsFileZoomIsShownAtStartUp) {
  Open("Zoom=150\r\n");
  EXPECT_EQ(form->Zoom(), 150);
  EXPECT_EQ(form->centralWidget()->width(), 600);
  // Back at 100% the key stays in the file, so that the next start-up is at 100% too.
  form->SetZoom(100);
  form->close();
  EXPECT_TRUE(FileBytes(iniPath).contains("Zoom=100\r\n"));
  Open("Zoom=900\r\n");
  EXPECT_EQ(form->Zoom(), 300);
}

}  // namespace
}  // namespace vorpo::testing
