// The human plays seat 0 with the keys alone: the arrows, Home and End choose a card, Enter
// plays it, Down or D draws, P passes, 1-4 or R, B, Y, G name a colour. Each key is held to the
// guards of the click it stands for, and the mark of the chosen card never changes a pixel of
// the table while it is not shown.
#include <QTimer>

#include <cstring>

#include "hand_drawing.h"
#include "table_fixture.h"
#include "table_geometry.h"

namespace vorpo::testing {
namespace {

const QColor kRingOutside(255, 0, 255);
const QColor kRingInside(0, 255, 255);

bool SameBytes(const QImage& a, const QImage& b) {
  return a.size() == b.size() && a.format() == b.format() &&
         std::memcmp(a.constBits(), b.constBits(), static_cast<std::size_t>(a.sizeInBytes())) == 0;
}

class KeyboardPlay : public TableTest {
 protected:
  void SetUp() override { Open("Players=2\r\n"); }

  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(form.get(), static_cast<Qt::Key>(key), modifiers);
  }

  const QImage& HumanHand() const { return form->HandImages[0]->Surface(); }

  // Seat 0's hand drawn by the hand drawing alone, on a control like the window's.
  QImage DrawnWithoutMark(const HandList& hand) {
    ImageControl image(nullptr, {0, 0, 400, 60}, {400, 60});
    image.SetCanvasColour(QColor(0, 128, 0));
    DrawHandCards(image, form->ImageList1, hand, false);
    return image.Surface();
  }

  // The colour of the hand's pixel at (x, y) in the window's pixels, whatever the screen's.
  QColor At(int x, int y) const {
    const QImage& hand = HumanHand();
    const qreal ratio = hand.devicePixelRatio();
    return hand.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
  }

  // Whether the ring marks the card whose left edge is at left, on every side.
  bool RingAt(int left) const {
    return At(left, 30) == kRingOutside && At(left + 1, 30) == kRingInside &&
           At(left + 39, 30) == kRingOutside && At(left + 20, 0) == kRingOutside &&
           At(left + 20, 58) == kRingInside;
  }

  bool AnyRing() const {
    for (int x = 0; x < 400; ++x)
      if (At(x, 30) == kRingOutside) return true;
    return false;
  }
};

TEST_F(KeyboardPlay, TheArrowsChooseACardAndEnterPlaysIt) {
  Lay(kGreen5, {{2, kGreen6, kGreen7, kWild}, {60, 62}});
  EXPECT_FALSE(AnyRing());  // nothing is chosen until a key chooses
  Press(Qt::Key_Right);     // shows the choice where it is
  EXPECT_TRUE(RingAt(0));
  Press(Qt::Key_Right);
  Press(Qt::Key_Right);
  EXPECT_TRUE(RingAt(80));
  EXPECT_FALSE(RingAt(0));
  Press(Qt::Key_End);
  EXPECT_TRUE(RingAt(120));
  Press(Qt::Key_Right);  // the last card is the end
  EXPECT_TRUE(RingAt(120));
  Press(Qt::Key_Home);
  Press(Qt::Key_Left);
  EXPECT_TRUE(RingAt(0));
  Press(Qt::Key_Enter, Qt::KeypadModifier);  // the red 1 cannot be played on the green 5
  EXPECT_EQ(State().TopCard, kGreen5);
  Press(Qt::Key_Right);
  Press(Qt::Key_Return);
  EXPECT_EQ(State().TopCard, kGreen6);
  EXPECT_EQ(State().CurSeat, 1);
  EXPECT_FALSE(form->Button1->isVisible());
  // The turn went on, and the mark with it.
  EXPECT_TRUE(SameBytes(HumanHand(), DrawnWithoutMark(State().Hands[0])));
}

TEST_F(KeyboardPlay, TheChosenCardRisesInAnOverlappingHand) {
  std::vector<Card> nineteen;
  for (int i = 0; i < 19; ++i) nineteen.push_back(static_cast<Card>(26 + 2 * i));
  Lay(kGreen5, {nineteen, {100, 101}});
  const QImage second = Cell(form->ImageList1, ImageCell(State().Hands[0].At(1)));
  // Step 20: the first card covers the second's left half. The ring takes two columns on each
  // side; the columns within them show the whole second card once it is chosen.
  EXPECT_FALSE(Shows(HumanHand(), 22, second, 2, 36));
  Press(Qt::Key_Home);
  Press(Qt::Key_Right);
  EXPECT_TRUE(Shows(HumanHand(), 22, second, 2, 36));
  EXPECT_TRUE(RingAt(20));
  // The pointer raises its own card over the chosen one, which keeps its ring.
  QTest::mouseMove(form->HandImages[0], QPoint(105, 30));
  const QImage sixth = Cell(form->ImageList1, ImageCell(State().Hands[0].At(5)));
  EXPECT_TRUE(Shows(HumanHand(), 100, sixth, 0, 40));
  EXPECT_TRUE(RingAt(20));
  Press(Qt::Key_Right);
  EXPECT_TRUE(RingAt(40));
}

TEST_F(KeyboardPlay, KeysDuringAComputersTurnDoNothing) {
  Lay(kGreen5, {{kGreen6, 2, 4}, {kGreen7, 62}}, 1);
  const QImage before = HumanHand();
  const auto moves = form->game().counters.moves;
  for (int key : {Qt::Key_Right, Qt::Key_End, Qt::Key_Return, Qt::Key_Down, Qt::Key_D, Qt::Key_P,
                  Qt::Key_1, Qt::Key_R})
    Press(key);
  EXPECT_EQ(State().Hands[0].Count(), 3);
  EXPECT_EQ(State().TopCard, kGreen5);
  EXPECT_EQ(State().CurSeat, 1);
  EXPECT_EQ(form->game().counters.moves, moves);
  EXPECT_TRUE(SameBytes(HumanHand(), before));

  form->TimerTimer();  // the computer plays its green 7; the human's turn
  ASSERT_EQ(State().CurSeat, 0);
  EXPECT_FALSE(AnyRing());
  Press(Qt::Key_Right);  // End pressed in the computer's turn moved nothing: the first card
  EXPECT_TRUE(RingAt(0));
}

TEST_F(KeyboardPlay, TheMarkComesBackEveryTurnUntilTheMousePressesTheHand) {
  Lay(kGreen5, {{kGreen6, kGreen7, 2, 4}, {kGreen8, 62, 64}});
  Press(Qt::Key_Right);  // shows the choice on the red 1; the hand reads red 1, 2, green 6, 7
  for (int i = 0; i < 3; ++i) Press(Qt::Key_Right);
  Press(Qt::Key_Return);
  ASSERT_EQ(State().TopCard, kGreen7);
  EXPECT_FALSE(AnyRing());
  form->TimerTimer();  // the computer lays its green 8
  ASSERT_EQ(State().CurSeat, 0);
  EXPECT_TRUE(RingAt(80));  // the place of the played card, now the last one
  ClickHand(5);             // the red 1 cannot be played: only the mark goes
  EXPECT_EQ(State().CurSeat, 0);
  EXPECT_TRUE(SameBytes(HumanHand(), DrawnWithoutMark(State().Hands[0])));
  ClickHand(85);
  form->TimerTimer();
  ASSERT_EQ(State().CurSeat, 0);
  EXPECT_FALSE(AnyRing());
}

TEST_F(KeyboardPlay, WithTheMarkHiddenTheHandIsAsDrawnWithoutIt) {
  // The colour chooser: the hand still shows the Wild, as the game left it, without the mark.
  Lay(kRed5, {{kBlue3, kGreen8, kWild}, {60, 64}});
  const QImage beforeThePlay = DrawnWithoutMark(State().Hands[0]);
  Press(Qt::Key_End);
  ASSERT_TRUE(RingAt(80));
  Press(Qt::Key_Return);
  ASSERT_TRUE(State().AwaitingColour);
  EXPECT_TRUE(SameBytes(HumanHand(), beforeThePlay));
  Press(Qt::Key_Left);  // the hand takes no card while a colour is asked for
  Press(Qt::Key_Return);
  EXPECT_TRUE(SameBytes(HumanHand(), beforeThePlay));
  EXPECT_TRUE(State().AwaitingColour);

  // Between deals: an aborted match leaves the hands open and unmarked.
  Lay(kGreen5, {{kGreen6, 2}, {60, 62}});
  Press(Qt::Key_Right);
  ASSERT_TRUE(AnyRing());
  Press(Qt::Key_F3);
  EXPECT_TRUE(SameBytes(HumanHand(), DrawnWithoutMark(State().Hands[0])));

  // A computer's hand never carries it, even face up.
  State().OpenMode = 1;
  Lay(kGreen5, {{kGreen6, 2}, {60, 62}});
  Press(Qt::Key_Right);
  ASSERT_TRUE(AnyRing());
  ImageControl computer(nullptr, {0, 0, 400, 60}, {400, 60});
  computer.SetCanvasColour(QColor(0, 128, 0));
  DrawHandCards(computer, form->ImageList1, State().Hands[1], false);
  EXPECT_TRUE(SameBytes(form->HandImages[1]->Surface(), computer.Surface()));
}

TEST_F(KeyboardPlay, AfterADrawOnlyTheDrawnCardPlaysByEnter) {
  Lay(kGreen5, {{kGreen6, 2}, {4, 6}});
  LeaveOnlyInStock(kGreen8);
  Press(Qt::Key_Down);
  ASSERT_EQ(State().Hands[0].Count(), 3);  // red 1, green 6, and the green 8 drawn last
  Press(Qt::Key_Right);
  Press(Qt::Key_Right);
  EXPECT_TRUE(RingAt(40));
  Press(Qt::Key_Return);  // the green 6 is legal, but it was not drawn
  EXPECT_EQ(State().TopCard, kGreen5);
  Press(Qt::Key_D);  // one draw a turn
  EXPECT_EQ(State().Hands[0].Count(), 3);
  Press(Qt::Key_Right);
  Press(Qt::Key_Return);
  EXPECT_EQ(State().TopCard, kGreen8);
  EXPECT_FALSE(form->Button1->isVisible());

  // Where any card may follow a draw, the chosen card stays chosen in the sorted hand.
  State().NotYama = 1;
  Lay(kGreen5, {{kGreen6, 2}, {4, 6}});
  LeaveOnlyInStock(kBlue3);
  Press(Qt::Key_End);  // the green 6
  Press(Qt::Key_D);
  ASSERT_EQ(State().Hands[0].Count(), 3);
  EXPECT_TRUE(RingAt(80));  // red 1, blue 3, green 6
  Press(Qt::Key_Return);
  EXPECT_EQ(State().TopCard, kGreen6);
}

TEST_F(KeyboardPlay, PassesOnlyWhileThePassButtonShows) {
  Lay(kGreen5, {{2, 4}, {6, 8}});
  Press(Qt::Key_P);
  EXPECT_EQ(State().CurSeat, 0);
  EXPECT_EQ(form->game().counters.passes, 0u);
  Press(Qt::Key_D);
  ASSERT_TRUE(form->Button1->isVisible());
  Press(Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(State().CurSeat, 0);
  Press(Qt::Key_P);
  EXPECT_EQ(State().CurSeat, 1);
  EXPECT_EQ(State().Hands[0].Count(), 3);
  EXPECT_FALSE(form->Button1->isVisible());
  EXPECT_EQ(form->game().counters.passes, 1u);
}

TEST_F(KeyboardPlay, ColourKeysNameTheirColourOnlyWhileTheChooserIsOpen) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    int colour;
  };
  for (Case c : {Case{Qt::Key_1, Qt::NoModifier, 0}, Case{Qt::Key_R, Qt::NoModifier, 0},
                 Case{Qt::Key_2, Qt::KeypadModifier, 1}, Case{Qt::Key_B, Qt::NoModifier, 1},
                 Case{Qt::Key_3, Qt::NoModifier, 2}, Case{Qt::Key_Y, Qt::NoModifier, 2},
                 Case{Qt::Key_4, Qt::KeypadModifier, 3}, Case{Qt::Key_G, Qt::NoModifier, 3}}) {
    SCOPED_TRACE(c.key);
    Lay(kRed5, {{kBlue3, kWild}, {60, 64}});
    State().NamedColour = static_cast<std::uint8_t>((c.colour + 1) % 4);
    Press(c.key, c.modifiers);  // the chooser is closed
    EXPECT_NE(State().NamedColour, c.colour);
    EXPECT_EQ(State().CurSeat, 0);
    Press(Qt::Key_End);
    Press(Qt::Key_Return);
    ASSERT_TRUE(form->Label4->isVisible());
    Press(c.key, Qt::ControlModifier);  // held with Ctrl it is someone else's key
    EXPECT_TRUE(State().AwaitingColour);
    Press(c.key, c.modifiers);
    EXPECT_FALSE(State().AwaitingColour);
    EXPECT_EQ(State().NamedColour, c.colour);
    EXPECT_FALSE(form->Label4->isVisible());
    EXPECT_EQ(State().CurSeat, 1);
  }
}

TEST_F(KeyboardPlay, KeysHeldWithCtrlAltOrShiftChooseAndPlayNothing) {
  Lay(kGreen5, {{kGreen6, kGreen7}, {60, 62}});
  for (Qt::KeyboardModifier held : {Qt::ControlModifier, Qt::AltModifier, Qt::ShiftModifier}) {
    Press(Qt::Key_Right, held);
    Press(Qt::Key_Return, held);
    Press(Qt::Key_Down, held);
  }
  EXPECT_FALSE(AnyRing());
  EXPECT_EQ(State().TopCard, kGreen5);
  EXPECT_EQ(State().Hands[0].Count(), 2);
  Press(Qt::Key_Return);  // shows the choice first
  EXPECT_TRUE(RingAt(0));
  EXPECT_EQ(State().TopCard, kGreen5);
}

class KeyboardDeal : public KeyboardPlay {
 protected:
  void SetUp() override { Open("Players=2\r\nJRTurns=1\r\nStartingCards=9\r\n"); }
};

// A whole deal with the keys alone: the human plays the first card it may, draws when it has
// none, passes when the drawn card will not do and names green for its black cards.
TEST_F(KeyboardDeal, IsPlayedWithTheKeysAlone) {
  QTest::keyClick(form.get(), Qt::Key_F2);
  int plays = 0, draws = 0, passes = 0, colours = 0, penalties = 0;
  for (int step = 0; step < 1000 && State().MatchRunning(); ++step) {
    const GameState& s = State();
    if (s.CurSeat != 0 || form->Timer->isActive()) {
      // The computer's move, or the human's penalty paid one interval later.
      if (s.CurSeat == 0) ++penalties;
      form->TimerTimer();
      continue;
    }
    const HandList& hand = s.Hands[0];
    if (s.AwaitingColour) {
      Press(Qt::Key_G);
      ASSERT_EQ(s.NamedColour, 3);
      ++colours;
      continue;
    }
    int target = -1;
    for (int i = 0; i < hand.Count() && target < 0; ++i)
      if ((s.NotYama || !s.HasDrawn || i == hand.Count() - 1) && form->game().CanPlay(hand.At(i)))
        target = i;
    if (target >= 0) {
      if (form->MarkedPosition() < 0) Press(Qt::Key_Home);
      ASSERT_GE(form->MarkedPosition(), 0);
      while (form->MarkedPosition() < target) Press(Qt::Key_Right);
      while (form->MarkedPosition() > target) Press(Qt::Key_Left);
      ASSERT_TRUE(RingAt(CardLeft(target, hand.Count())));
      const int before = hand.Count();
      Press(Qt::Key_Return);
      ASSERT_EQ(hand.Count(), before - 1);
      ++plays;
    } else if (s.IsVisible(Indicator::Pass)) {
      Press(Qt::Key_P);
      ++passes;
    } else {
      Press(Qt::Key_Down);
      ++draws;
    }
  }
  EXPECT_FALSE(State().MatchRunning());
  EXPECT_GT(plays, 0);
  EXPECT_GT(draws, 0);
  EXPECT_GT(passes, 0);
  EXPECT_GT(colours, 0);
  EXPECT_GT(penalties, 0);
}

}  // namespace
}  // namespace vorpo::testing
