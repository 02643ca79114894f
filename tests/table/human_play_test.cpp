// The human plays seat 0 through the real window: presses at pixel positions of the hand, the
// stock, the pass button, the colour fields, the space bar, Esc and the menu shortcuts.
#include <QAction>
#include <QTimer>

#include "table_fixture.h"

namespace vorpo::testing {
namespace {

// Nine cards that are illegal on the green 5, lower than any green card.
const std::vector<Card> kNineIllegal = {0, 2, 4, 6, 8, 26, 28, 30, 32};

std::vector<Card> With(std::vector<Card> cards, std::initializer_list<Card> more) {
  cards.insert(cards.end(), more);
  return cards;
}

class HumanPlay : public TableTest {
 protected:
  void SetUp() override { Open("Players=2\r\n"); }
};

TEST_F(HumanPlay, TenCardsSideBySideTheRightEdgePlaysTheLastCard) {
  Lay(kGreen5, {With(kNineIllegal, {kGreen6}), {60, 62}});
  ClickHand(0);  // red 0: illegal, ignored
  EXPECT_EQ(State().TopCard, kGreen5);
  ClickHand(399);
  EXPECT_EQ(State().TopCard, kGreen6);
  EXPECT_EQ(State().Hands[0].Count(), 9);
  EXPECT_EQ(State().CurSeat, 1);
}

TEST_F(HumanPlay, ElevenCardsOverlapAtStep36) {
  // Red 5 and blue 5 are both legal on the green 5 and lie at positions 0 and 1.
  const std::vector<Card> hand = {11, 37, 52, 54, 56, 58, 60, 64, 66, 68, 70};
  Lay(kGreen5, {hand, {2, 4}});
  ClickHand(36);
  EXPECT_EQ(State().TopCard, 11);
  Lay(kGreen5, {hand, {2, 4}});
  ClickHand(37);
  EXPECT_EQ(State().TopCard, 37);
}

TEST_F(HumanPlay, RightAndMiddleButtonsPlayToo) {
  Lay(kGreen5, {{kGreen6, kGreen7}, {2, 4}});
  ClickHand(5, Qt::RightButton);
  EXPECT_EQ(State().TopCard, kGreen6);
  Lay(kGreen5, {{kGreen6, kGreen7}, {2, 4}});
  ClickHand(45, Qt::MiddleButton);
  EXPECT_EQ(State().TopCard, kGreen7);
}

TEST_F(HumanPlay, PressesOutsideTheHumansTurnDoNothing) {
  Lay(kGreen5, {{kGreen6}, {2, 4}}, 1);
  ClickHand(5);
  EXPECT_EQ(State().TopCard, kGreen5);
  QTest::keyClick(form.get(), Qt::Key_Space);
  EXPECT_EQ(State().Hands[0].Count(), 1);
  QTest::mouseClick(form->Image2, Qt::LeftButton);
  EXPECT_EQ(State().Hands[0].Count(), 1);
}

TEST_F(HumanPlay, AfterADrawOnlyTheDrawnCardPlays) {
  Lay(kGreen5, {{kGreen6, 2}, {4, 6}});
  LeaveOnlyInStock(kGreen8);
  QTest::mouseClick(form->Image2, Qt::LeftButton);
  ASSERT_EQ(State().Hands[0].Count(), 3);
  EXPECT_EQ(State().Hands[0].At(2), kGreen8);
  EXPECT_FALSE(form->Image2->isVisible());  // the stock ran dry
  EXPECT_TRUE(form->Button1->isVisible());
  ClickHand(50);  // the green 6 is legal, but it was not drawn
  EXPECT_EQ(State().TopCard, kGreen5);
  ClickHand(100);
  EXPECT_EQ(State().TopCard, kGreen8);
  EXPECT_FALSE(form->Button1->isVisible());
  EXPECT_TRUE(form->Image2->isVisible());  // the green 5 went back into the stock
}

TEST_F(HumanPlay, ThePassButtonShowsItsPicturesAndPasses) {
  Lay(kGreen5, {{2, 4}, {6, 8}});
  EXPECT_FALSE(form->Button1->isVisible());
  QTest::mouseClick(form->Image2, Qt::LeftButton);
  ASSERT_TRUE(form->Button1->isVisible());
  const QImage pressed = Cell(form->ImageList2, 1);
  const QImage released = Cell(form->ImageList2, 0);
  ASSERT_NE(pressed, released);
  QTest::mousePress(form->Button1, Qt::LeftButton);
  EXPECT_EQ(form->Button1->Surface(), pressed);
  QTest::mouseRelease(form->Button1, Qt::LeftButton);
  EXPECT_EQ(form->Button1->Surface(), released);
  EXPECT_FALSE(form->Button1->isVisible());
  EXPECT_EQ(State().CurSeat, 1);
  EXPECT_EQ(State().Hands[0].Count(), 3);
}

TEST_F(HumanPlay, TheColourChooserHoldsTheTurnUntilAColourIsNamed) {
  Lay(kRed5, {{kRed6, kBlue3, kGreen8, kWild}, {60, 64}});
  ClickHand(130);
  EXPECT_TRUE(State().AwaitingColour);
  for (QWidget* field : {form->Label4, form->Label5, form->Label6, form->Label7, form->Label8})
    EXPECT_TRUE(field->isVisible());
  // Until the colour is named the pile shows the old top card and the hand the Wild.
  EXPECT_TRUE(Shows(form->Image1->Surface(), 0, Cell(form->ImageList1, ImageCell(kRed5)), 0, 40));
  EXPECT_EQ(form->HandImages[0]->width(), 160);
  ClickHand(5);  // the red 6 would be legal, but the colour comes first
  QTest::mouseClick(form->Image2, Qt::LeftButton);
  EXPECT_EQ(State().Hands[0].Count(), 3);
  QTest::mouseClick(form->Label6, Qt::LeftButton);  // yellow
  EXPECT_FALSE(State().AwaitingColour);
  EXPECT_EQ(State().NamedColour, 2);
  EXPECT_FALSE(form->Label4->isVisible());
  EXPECT_FALSE(form->Label8->isVisible());
  EXPECT_TRUE(form->Image4->isVisible());
  EXPECT_TRUE(form->Label2->isVisible());
  EXPECT_EQ(form->Image4->Surface().pixelColor(8, 8), QColor(255, 255, 0));
  EXPECT_EQ(State().CurSeat, 1);
}

TEST_F(HumanPlay, SpacePlaysAWholeTurn) {
  // The first legal card in hand order is the Wild; the second press names the colour a
  // computer seat would name: blue and green tie, blue wins.
  Lay(kRed5, {{kBlue3, kGreen8, kWild}, {60, 64}});
  QTest::keyClick(form.get(), Qt::Key_Space);
  EXPECT_TRUE(form->Label5->isVisible());
  QTest::keyClick(form.get(), Qt::Key_Space);
  EXPECT_EQ(State().NamedColour, 1);
  EXPECT_EQ(form->Image4->Surface().pixelColor(0, 0), QColor(0, 0, 255));
  EXPECT_EQ(State().CurSeat, 1);
}

TEST_F(HumanPlay, SpaceDrawsThenPlaysTheDrawnCardOrPasses) {
  Lay(kGreen5, {{2, 4}, {6, 8}});
  LeaveOnlyInStock(kGreen8);
  QTest::keyClick(form.get(), Qt::Key_Space);
  EXPECT_EQ(State().Hands[0].Count(), 3);
  EXPECT_TRUE(form->Button1->isVisible());
  QTest::keyClick(form.get(), Qt::Key_Space);
  EXPECT_EQ(State().TopCard, kGreen8);
  EXPECT_FALSE(form->Button1->isVisible());

  Lay(kGreen5, {{2, 4}, {6, 8}});
  LeaveOnlyInStock(26);
  QTest::keyClick(form.get(), Qt::Key_Space);
  QTest::keyClick(form.get(), Qt::Key_Space);  // blue 0 cannot be played: pass
  EXPECT_EQ(State().TopCard, kGreen5);
  EXPECT_EQ(State().Hands[0].Count(), 3);
  EXPECT_FALSE(form->Button1->isVisible());
  EXPECT_EQ(State().CurSeat, 1);
}

TEST_F(HumanPlay, TheStartCommandMovesBetweenF2AndF3) {
  EXPECT_EQ(form->mnuStart->text(), QStringLiteral("スタート(&S)"));
  QTest::keyClick(form.get(), Qt::Key_F3);
  EXPECT_FALSE(State().MatchRunning());
  QTest::keyClick(form.get(), Qt::Key_F2);
  EXPECT_TRUE(State().MatchRunning());
  EXPECT_TRUE(State().DealRunning());
  EXPECT_EQ(form->mnuStart->text(), QStringLiteral("中断(&B)"));
  EXPECT_EQ(form->mnuStart->shortcut(), QKeySequence(Qt::Key_F3));
  QTest::keyClick(form.get(), Qt::Key_F2);  // no second start while a match runs
  EXPECT_TRUE(State().MatchRunning());
  QTest::keyClick(form.get(), Qt::Key_F3);
  EXPECT_FALSE(State().MatchRunning());
  EXPECT_FALSE(State().DealRunning());
  EXPECT_EQ(form->mnuStart->text(), QStringLiteral("スタート(&S)"));
  EXPECT_EQ(form->mnuStart->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_FALSE(form->Timer->isActive());
}

TEST_F(HumanPlay, EscapeMinimisesTheProgram) {
  QTest::keyClick(form.get(), Qt::Key_Escape);
  EXPECT_TRUE(form->isMinimized());
}

}  // namespace
}  // namespace vorpo::testing
