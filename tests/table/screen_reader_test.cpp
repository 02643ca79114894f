// What a screen reader finds on the table: the human's hand as a list of its cards by name, the
// keyboard's card selected and focused, and short Japanese names on the controls that tell the
// player something.
#include <QAccessible>
#include <QAccessibleInterface>

#include "table_fixture.h"

namespace vorpo::testing {
namespace {

QString NameOf(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

class ScreenReader : public TableTest {
 protected:
  void SetUp() override { Open("Players=2\r\nDefDraw=1\r\nWildFront=1\r\n"); }
  QAccessibleInterface* Hand() {
    return QAccessible::queryAccessibleInterface(form->HandImages[0]);
  }
};

TEST_F(ScreenReader, TheHumansHandListsItsCardsByName) {
  constexpr Card kBlueSkip = 46, kYellowDrawTwo = 76, kWildDrawFour = 108;
  Lay(kGreen5, {{kRed5, kBlue3, kBlueSkip, kYellowDrawTwo, kWild, kWildDrawFour}, {60, 62}});
  QAccessibleInterface* hand = Hand();
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(hand->role(), QAccessible::List);
  EXPECT_EQ(hand->text(QAccessible::Name), QStringLiteral("手札"));
  ASSERT_EQ(hand->childCount(), 6);
  const QStringList names = {QStringLiteral("赤 5"),        QStringLiteral("青 3"),
                             QStringLiteral("青 スキップ"), QStringLiteral("黄 ドロー2"),
                             QStringLiteral("ワイルド"),    QStringLiteral("ワイルドドロー4")};
  for (int i = 0; i < 6; ++i) {
    QAccessibleInterface* card = hand->child(i);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->text(QAccessible::Name), names[i]);
    EXPECT_EQ(card->role(), QAccessible::ListItem);
    EXPECT_EQ(card->parent(), hand);
    EXPECT_EQ(hand->indexOfChild(card), i);
    EXPECT_FALSE(card->state().selected);  // nothing is chosen yet
  }
  // A point on the screen finds the card a press there would play.
  const QPoint third = form->HandImages[0]->mapToGlobal(QPoint(85, 30));
  EXPECT_EQ(hand->childAt(third.x(), third.y()), hand->child(2));
  EXPECT_TRUE(hand->child(2)->rect().contains(third));

  // Playing the red 5 shortens the list; the item that was last is no longer valid.
  QAccessibleInterface* last = hand->child(5);
  ClickHand(5);
  EXPECT_EQ(hand->childCount(), 5);
  EXPECT_FALSE(last->isValid());
  EXPECT_EQ(hand->child(0)->text(QAccessible::Name), QStringLiteral("青 3"));
}

TEST_F(ScreenReader, TheChosenCardIsSelectedAndFocused) {
  Lay(kGreen5, {{kRed5, kBlue3, kGreen6}, {60, 62}});
  ASSERT_TRUE(form->HandImages[0]->hasFocus());  // the hand takes the window's keyboard
  QAccessibleInterface* hand = Hand();
  QTest::keyClick(form.get(), Qt::Key_Right);
  QTest::keyClick(form.get(), Qt::Key_Right);
  EXPECT_TRUE(hand->child(1)->state().selected);
  EXPECT_TRUE(hand->child(1)->state().focused);
  EXPECT_FALSE(hand->child(0)->state().selected);
  EXPECT_EQ(hand->focusChild(), hand->child(1));
  // Once the turn has passed, nothing in the hand is chosen.
  QTest::keyClick(form.get(), Qt::Key_Right);
  QTest::keyClick(form.get(), Qt::Key_Return);
  ASSERT_EQ(State().CurSeat, 1);
  EXPECT_FALSE(hand->child(1)->state().selected);
  EXPECT_NE(hand->focusChild(), hand->child(1));
}

TEST_F(ScreenReader, TheControlsHaveShortNamesThatFollowTheTable) {
  Lay(kRed5, {{kBlue3, kGreen8, kWild}, {2, 76}});
  EXPECT_EQ(NameOf(form->Image2), QStringLiteral("山札"));
  EXPECT_EQ(NameOf(form->Image3), QStringLiteral("山札（なし）"));
  EXPECT_EQ(NameOf(form->Button1), QStringLiteral("パス"));
  EXPECT_EQ(NameOf(form->imgArrowDown), QStringLiteral("順番の向き：下"));
  EXPECT_EQ(NameOf(form->imgArrowUp), QStringLiteral("順番の向き：上"));
  EXPECT_EQ(NameOf(form->Label8), QStringLiteral("色を選択してください。"));
  const QStringList colours = {QStringLiteral("赤"), QStringLiteral("青"), QStringLiteral("黄"),
                               QStringLiteral("緑")};
  EXPECT_EQ((QStringList{NameOf(form->Label4), NameOf(form->Label5), NameOf(form->Label6),
                         NameOf(form->Label7)}),
            colours);
  EXPECT_EQ(NameOf(form->Image1), QStringLiteral("場：赤 5"));

  // The Wild on the red 5, yellow named: the swatch and the symbol that stays in force.
  ClickHand(85);
  QTest::mouseClick(form->Label6, Qt::LeftButton);
  EXPECT_EQ(NameOf(form->Image1), QStringLiteral("場：ワイルド"));
  EXPECT_EQ(NameOf(form->Image4), QStringLiteral("指定色：黄"));
  EXPECT_EQ(NameOf(form->Label3), QStringLiteral("有効な記号：5"));
  // The seats by their captions, the one to move described as such.
  EXPECT_EQ(NameOf(form->NameLabels[0]), form->NameLabels[0]->Caption());
  EXPECT_EQ(NameOf(form->NameLabels[0]), QStringLiteral("プレイヤー (2)"));
  QAccessibleInterface* computer = QAccessible::queryAccessibleInterface(form->NameLabels[1]);
  EXPECT_EQ(computer->text(QAccessible::Description), QStringLiteral("手番"));

  // The computer's only card to play is its yellow Draw Two: the penalty by its count.
  form->TimerTimer();
  ASSERT_TRUE(form->Label1->isVisible());
  EXPECT_EQ(NameOf(form->Label1), QStringLiteral("罰則 2 枚"));
  EXPECT_EQ(
      QAccessible::queryAccessibleInterface(form->NameLabels[1])->text(QAccessible::Description),
      QString());
}

}  // namespace
}  // namespace vorpo::testing
