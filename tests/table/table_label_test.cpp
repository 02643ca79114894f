// A name label that lies on the table's green paints exactly the pixels a see-through label
// shows over that green, whether it draws its text or puts back pixels it kept, at whole and at
// fractional scales.
#include "table_label.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "fonts.h"
#include "table_style.h"

namespace vorpo::testing {
namespace {

class NameLabelPixels : public ::testing::TestWithParam<qreal> {
 protected:
  NameLabelPixels() {
    QPalette colours = table.palette();
    colours.setColor(QPalette::Window, WinColour(kTableGreen));
    table.setPalette(colours);
    table.setAutoFillBackground(true);
    table.resize(400, 120);
    onGreen->LieOn(WinColour(kTableGreen));
    for (TableLabel* label : {seeThrough, onGreen}) {
      label->SetCaption(QStringLiteral("あなた (7)"));
      label->show();
    }
    table.show();
  }

  // The table painted at the scale, and the part of it each label covers.
  std::pair<QImage, QImage> Painted() {
    const qreal ratio = GetParam();
    QImage picture(table.size() * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    table.render(&picture);
    const auto part = [&](const TableLabel* label) {
      const QRect device(label->pos() * ratio, label->size() * ratio);
      return picture.copy(device);
    };
    return {part(seeThrough), part(onGreen)};
  }

  void Style(bool current) {
    for (TableLabel* label : {seeThrough, onGreen}) {
      label->SetFontColour(WinColour(current ? kPureRed : kBlack));
      label->SetBold(current);
    }
  }

  QWidget table;
  const QFont font = TableFont(kUiGothic, 19);
  TableLabel* seeThrough = new TableLabel(&table, {0, 3}, font, WinColour(kBlack), 19);
  TableLabel* onGreen = new TableLabel(&table, {0, 63}, font, WinColour(kBlack), 19);
};

TEST_P(NameLabelPixels, AreTheSeeThroughLabelsOverGreenInEveryStyle) {
  for (bool current : {true, false, true}) {
    Style(current);
    for (int paint = 0; paint < 2; ++paint) {
      const auto [seen, painted] = Painted();
      ASSERT_FALSE(seen.isNull());
      QImage ground(seen.size(), seen.format());
      ground.fill(WinColour(kTableGreen));
      ASSERT_NE(seen, ground) << "no text was drawn";
      EXPECT_EQ(seen, painted) << "current " << current << ", paint " << paint;
    }
  }
  onGreen->SetCaption(QStringLiteral("あなた (6)"));
  seeThrough->SetCaption(QStringLiteral("あなた (6)"));
  const auto [seen, painted] = Painted();
  EXPECT_EQ(seen, painted);
}

INSTANTIATE_TEST_SUITE_P(Scales, NameLabelPixels, ::testing::Values(1.0, 1.5, 2.0));

}  // namespace
}  // namespace vorpo::testing
