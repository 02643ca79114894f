// The window as the player sees it: its controls and menu, the layouts, the hands' pixels, the
// raised card, the end-of-deal banner, the turn timer and what start-up and close do with the
// settings file.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontInfo>
#include <QFrame>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

#include "image_pack.h"
#include "ini_file.h"
#include "raised_bevel.h"
#include "stored_path.h"
#include "table_fixture.h"

namespace vorpo::testing {
namespace {

bool HasColour(const QImage& image, QColor colour) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) return true;
  return false;
}

const QColor kNavyText(0, 0, 128);

std::vector<Card> FirstCards(int n, int from) {
  std::vector<Card> cards;
  for (int c = from; static_cast<int>(cards.size()) < n; ++c) cards.push_back(static_cast<Card>(c));
  return cards;
}

class TableWindow : public TableTest {};

TEST_F(TableWindow, StartsAsDesignedWithEveryIndicatorHidden) {
  Open();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Vorpo"));
  EXPECT_EQ(form->centralWidget()->width(), 400);
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(form->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_EQ(form->centralWidget()->palette().color(QPalette::Window), QColor(0, 128, 0));
  for (QWidget* control : std::initializer_list<QWidget*>{
           form->Bevel1, form->imgArrowUp, form->imgArrowDown, form->Image1, form->Image2,
           form->Image3, form->Image4, form->Label1, form->Label2, form->Label3, form->Button1,
           form->Label4, form->Label8})
    EXPECT_FALSE(control->isVisible());
  EXPECT_EQ(form->Image2->geometry(), QRect(102, 11, 40, 60));
  EXPECT_EQ(form->Label7->geometry(), QRect(295, 55, 40, 30));
  EXPECT_EQ(form->Label7->Tag(), 3);
  for (int seat = 0; seat < kSeats; ++seat) {
    const auto at = static_cast<std::size_t>(seat);
    EXPECT_FALSE(form->NameLabels[at]->isVisible());
    EXPECT_EQ(form->HandImages[at]->geometry(), QRect(0, 112 + 90 * seat, 400, 60));
  }
  EXPECT_FALSE(State().DealRunning());
  EXPECT_FALSE(State().MatchRunning());
}

TEST_F(TableWindow, TheMenuCarriesEveryItemWithItsShortcut) {
  Open();
  const auto items = form->mnuGame->actions();
  // The designed seven items, and 通算成績(&T)... after 成績表(&C)....
  ASSERT_EQ(items.size(), 8);
  EXPECT_EQ(form->mnuGame->title(), QStringLiteral("ゲーム(&G)"));
  EXPECT_TRUE(items[1]->isSeparator());
  EXPECT_EQ(form->mnuOption->text(), QStringLiteral("オプション(&O)..."));
  EXPECT_EQ(form->mnuOption->shortcut(), QKeySequence(Qt::Key_F7));
  EXPECT_EQ(form->mnuCounter->shortcut(), QKeySequence(Qt::Key_F9));
  EXPECT_EQ(items[7], form->mnuExit);
  EXPECT_EQ(form->mnuExit->text(), QStringLiteral("終了(&X)"));
  EXPECT_EQ(form->mnuHelp->title(), QStringLiteral("ヘルプ(&H)"));
  EXPECT_EQ(form->mnuAbout->text(), QStringLiteral("バージョン情報(&A)..."));
  EXPECT_TRUE(form->mnuSound->isChecked());
  QTest::keyClick(form.get(), Qt::Key_F8);
  EXPECT_FALSE(form->mnuSound->isChecked());
  QTest::keyClick(form.get(), Qt::Key_F8);
  EXPECT_TRUE(form->mnuSound->isChecked());
}

TEST_F(TableWindow, WindowsFacesFindTheirInstalledKind) {
  Open();
  EXPECT_TRUE(QFontInfo(form->NameLabels[0]->Font()).family().startsWith("IPA"));
  EXPECT_TRUE(QFontInfo(form->Label2->Font()).family().contains("Mincho") ||
              QFontInfo(form->Label2->Font()).family().contains(QStringLiteral("明朝")));
  EXPECT_EQ(QFontInfo(form->Label1->Font()).family(), QStringLiteral("Liberation Serif"));
  // 14 points, as large as fits the 19 pixels between a name's top and its seat's cards.
  const QFont name = form->NameLabels[0]->Font();
  EXPECT_LE(QFontMetrics(name).height(), 19);
  QFont larger = name;
  larger.setPixelSize(name.pixelSize() + 1);
  EXPECT_GT(QFontMetrics(larger).height(), 19);
}

TEST_F(TableWindow, ANamesDescendersAndCardCountStayAboveItsCards) {
  Open("Players=3\r\n");
  for (const std::string face : {"ＭＳ Ｐゴシック", "ＭＳ 明朝", "Arial", "Times New Roman"}) {
    State().NameFont = face;
    form->ApplyNameFont();
    form->SetSeatCaption(1, "gjpqy (7)");
    const vorpo::TableLabel* label = form->NameLabels[1];
    SCOPED_TRACE(face);
    EXPECT_LE(label->geometry().bottom(), form->HandImages[1]->geometry().top() - 1);
  }
}

struct LayoutCase {
  int players;
  bool compact;
  int clientHeight;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << (c.compact ? "compact, " : "full, ") << c.players << " seats";
}

class Layouts : public TableTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(Layouts, ClientHeightAndRows) {
  const LayoutCase c = GetParam();
  Open("Players=" + std::to_string(c.players) + "\r\nNotShowCompCard=" + (c.compact ? "1" : "0") +
       "\r\n");
  QTest::keyClick(form.get(), Qt::Key_F2);
  EXPECT_EQ(form->centralWidget()->height(), c.clientHeight);
  EXPECT_EQ(form->centralWidget()->width(), 400);
  EXPECT_EQ(form->HandImages[0]->pos(), QPoint(0, 112));
  EXPECT_EQ(form->NameLabels[0]->pos(), QPoint(0, 93));
  for (int seat = 1; seat < kSeats; ++seat) {
    const auto at = static_cast<std::size_t>(seat);
    EXPECT_EQ(form->NameLabels[at]->y(), c.compact ? 183 + 24 * (seat - 1) : 93 + 90 * seat);
    EXPECT_EQ(form->HandImages[at]->isVisible(), !c.compact);
    EXPECT_EQ(form->HandImages[at]->x(), c.compact ? 500 : 0);
  }
  EXPECT_TRUE(form->Bevel1->isVisible());
  EXPECT_TRUE(form->Image1->isVisible());
  EXPECT_TRUE(form->imgArrowDown->isVisible());
  EXPECT_FALSE(form->imgArrowUp->isVisible());
}

INSTANTIATE_TEST_SUITE_P(TableWindow, Layouts,
                         ::testing::Values(LayoutCase{2, false, 262}, LayoutCase{10, false, 982},
                                           LayoutCase{2, true, 204}, LayoutCase{10, true, 396}),
                         [](const ::testing::TestParamInfo<LayoutCase>& instance) {
                           return (instance.param.compact ? "Compact" : "Full") +
                                  std::to_string(instance.param.players);
                         });

TEST_F(TableWindow, HandsAreDrawnSideBySideThenOverlappingWithTheFirstOnTop) {
  Open("Players=2\r\n");
  struct Case {
    int cards, width;
  };
  for (Case c : {Case{0, 0}, Case{10, 400}, Case{11, 400}, Case{12, 392}, Case{19, 400}}) {
    Lay(kGreen5, {FirstCards(c.cards, 0), {100, 101}});
    EXPECT_EQ(form->HandImages[0]->width(), c.width) << c.cards;
  }
  // Eleven cards at step 36: the first card shows whole, the second from its right-hand part
  // on, the last from where the tenth ends.
  Lay(kGreen5, {FirstCards(11, 26), {100, 101}});
  const QImage& hand = form->HandImages[0]->Surface();
  const auto& state = State();
  EXPECT_TRUE(Shows(hand, 0, Cell(form->ImageList1, ImageCell(state.Hands[0].At(0))), 0, 40));
  EXPECT_TRUE(Shows(hand, 40, Cell(form->ImageList1, ImageCell(state.Hands[0].At(1))), 4, 32));
  EXPECT_TRUE(Shows(hand, 364, Cell(form->ImageList1, ImageCell(state.Hands[0].At(10))), 4, 36));
  // The computer's hand lies face down.
  EXPECT_TRUE(Shows(form->HandImages[1]->Surface(), 0, Cell(form->ImageList1, kCellBack), 0, 40));
}

TEST_F(TableWindow, OpenModeShowsTheComputerHandsFaceUp) {
  Open("Players=2\r\nOpenMode=1\r\n");
  Lay(kGreen5, {{2, 4}, {100, 101}});
  EXPECT_TRUE(
      Shows(form->HandImages[1]->Surface(), 0, Cell(form->ImageList1, ImageCell(100)), 0, 40));
}

TEST_F(TableWindow, ThePointerRaisesTheCardAPressWouldPlay) {
  Open("Players=2\r\n");
  // Nineteen cards at step 20; the second card (a blue digit) lies under the first one.
  Lay(kGreen5, {FirstCards(19, 26), {100, 101}}, 1);
  const QImage second = Cell(form->ImageList1, ImageCell(State().Hands[0].At(1)));
  vorpo::ImageControl* hand = form->HandImages[0];
  EXPECT_FALSE(Shows(hand->Surface(), 20, second, 0, 40));
  QTest::mouseMove(hand, QPoint(25, 30));  // during the computer's turn, too
  EXPECT_TRUE(Shows(hand->Surface(), 20, second, 0, 40));
  EXPECT_EQ(State().Hands[0].Count(), 19);
  QTest::mouseMove(hand, QPoint(5, 30));
  EXPECT_FALSE(Shows(hand->Surface(), 20, second, 0, 40));
}

TEST_F(TableWindow, TheWinnersHandIsMarkedFinish) {
  Open("Players=2\r\nJRTurns=1\r\n");
  Lay(kGreen5, {{kGreen6}, {2, 4}});
  ClickHand(5);
  EXPECT_FALSE(State().MatchRunning());  // one deal was the whole match
  EXPECT_EQ(form->HandImages[0]->width(), 400);
  EXPECT_TRUE(HasColour(form->HandImages[0]->Surface(), kNavyText));
  EXPECT_EQ(form->mnuStart->text(), QStringLiteral("スタート(&S)"));
  // Every hand lies open.
  EXPECT_TRUE(
      Shows(form->HandImages[1]->Surface(), 0, Cell(form->ImageList1, ImageCell(2)), 0, 40));
}

// The banner is drawn at the screen's own pixels: at twice the scale its edges have the detail
// of single device pixels, not of doubled ones.
TEST_F(TableWindow, TheFinishBannerIsDrawnAtTheScreensPixels) {
  Open("Players=2\r\nJRTurns=1\r\n");
  const qreal ratio = form->devicePixelRatioF();
  if (ratio < 2) GTEST_SKIP() << "needs a screen of scale 2 (the table_at_scale_2 run)";
  Lay(kGreen5, {{kGreen6}, {2, 4}});
  ClickHand(5);
  const QImage& surface = form->HandImages[0]->Surface();
  EXPECT_EQ(surface.size(), QSize(800, 120));
  int singlePixelSteps = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x + 1 < 300; x += 2)
      if (surface.pixel(x, y) != surface.pixel(x + 1, y)) ++singlePixelSteps;
  EXPECT_GT(singlePixelSteps, 20);
}

TEST_F(TableWindow, TheIndicatorBlocksFrameIsOneRaisedEdge) {
  Open();
  QTest::keyClick(form.get(), Qt::Key_F2);
  const QImage frame = form->Bevel1->grab().toImage();
  const int right = frame.width() - 1, bottom = frame.height() - 1;
  const QColor light(255, 255, 255), dark(128, 128, 128);
  EXPECT_EQ(frame.pixelColor(10, 0), light);
  EXPECT_EQ(frame.pixelColor(0, 10), light);
  EXPECT_EQ(frame.pixelColor(10, bottom), dark);
  EXPECT_EQ(frame.pixelColor(right, 10), dark);
  // One line only: the second row and column in belong to the table.
  for (const QPoint inside : {QPoint(10, 1), QPoint(1, 10), QPoint(10, bottom - 1)}) {
    EXPECT_NE(frame.pixelColor(inside), light);
    EXPECT_NE(frame.pixelColor(inside), dark);
  }
}

TEST_F(TableWindow, AComputerWinIsNotMarkedWhileItsHandIsHidden) {
  Open("Players=2\r\nJRTurns=1\r\nNotShowCompCard=1\r\n");
  Lay(kGreen5, {{2, 4}, {kGreen6}}, 1);
  form->TimerTimer();
  EXPECT_FALSE(State().MatchRunning());
  for (vorpo::ImageControl* hand : form->HandImages)
    EXPECT_FALSE(HasColour(hand->Surface(), kNavyText));
}

TEST_F(TableWindow, AComputerWinIsMarkedOnAFullTable) {
  Open("Players=2\r\nJRTurns=1\r\n");
  Lay(kGreen5, {{2, 4}, {kGreen6}}, 1);
  form->TimerTimer();
  EXPECT_TRUE(HasColour(form->HandImages[1]->Surface(), kNavyText));
  EXPECT_FALSE(HasColour(form->HandImages[0]->Surface(), kNavyText));
}

TEST_F(TableWindow, ADrawTwoShowsThePenaltyAndHandsTheTurnOn) {
  Open("Players=3\r\nDefDraw=1\r\n");
  Lay(kRed5, {{24, kGreen6}, {2, 4}, {6, 8}});
  ClickHand(5);
  EXPECT_TRUE(form->Label1->isVisible());
  EXPECT_EQ(form->Label1->Caption(), QStringLiteral("Draw: 2"));
  EXPECT_EQ(form->NameLabels[0]->Caption(), QStringLiteral("プレイヤー (1)"));
  EXPECT_EQ(form->NameLabels[1]->FontColour(), QColor(255, 0, 0));
  EXPECT_TRUE(form->NameLabels[1]->Font().bold());
  EXPECT_EQ(form->NameLabels[0]->FontColour(), QColor(0, 0, 0));
  EXPECT_FALSE(form->NameLabels[0]->Font().bold());
  EXPECT_TRUE(form->Timer->isActive());
}

TEST_F(TableWindow, TheTimerTicksBehindAModalDialog) {
  Open("Players=2\r\nWait=1\r\n");
  Lay(kGreen5, {{2, 4}, {kGreen6, kGreen7}}, 1);
  form->SetTimerEnabled(true);
  const auto movesBefore = form->game().counters.moves;
  QDialog dialog(form.get());
  QObject::connect(form->Timer, &QTimer::timeout, &dialog, &QDialog::accept, Qt::QueuedConnection);
  dialog.exec();
  EXPECT_GT(form->game().counters.moves, movesBefore);
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

// The game's waits show the table as it stands without going back to the event loop: what was
// drawn is on the screen at once, and nothing else is painted again.
TEST_F(TableWindow, ARepaintOfTheWindowPaintsWhatWasDrawnAtOnce) {
  Open("Players=2\r\n");
  Lay(kGreen5, {{2, 4}, {kGreen6, kGreen7}});
  QApplication::processEvents();
  PaintCounter human(form->HandImages[0]), computer(form->HandImages[1]);
  form->DrawHand(0, false);
  form->RepaintWindow();
  EXPECT_EQ(human.paints, 1);
  EXPECT_EQ(computer.paints, 0);
}

TEST_F(TableWindow, CloseWritesTheSoundSwitch) {
  Open();
  form->mnuSound->trigger();
  form->close();
  QFile ini(QString::fromStdString(iniPath));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(ini.readAll().contains("Sound=0"));
}

// Closes every modal window that opens: the message boxes, whose texts it keeps, and the file
// dialog. Each time the file dialog opens the next of the files is chosen; once they are used
// up it is cancelled.
class ModalCloser : public QObject {
  Q_OBJECT
 public:
  explicit ModalCloser(QStringList choices) : choices_(std::move(choices)) {
    connect(&timer_, &QTimer::timeout, this, [this] { Close(); });
    timer_.start(5);
  }
  int dialogsSeen = 0;
  QStringList messages;

 private:
  void Close() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (auto* files = qobject_cast<QFileDialog*>(modal)) {
      if (dialogsSeen++ < choices_.size()) {
        // Typed into the name box: the dialog would keep the name it showed last. The file
        // chosen last time may still be selected in the list (the dialog only drops it when
        // the name box has the focus, which an unmanaged test screen does not promise), and a
        // selected file wins over a typed name, so the selection goes first.
        files->findChild<QListView*>(QStringLiteral("listView"))
            ->selectionModel()
            ->clearSelection();
        files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(choices_[dialogsSeen - 1]);
        static_cast<QDialog*>(files)->accept();
        return;
      }
      files->reject();
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) messages << box->text();
    modal->close();
  }
  QStringList choices_;
  QTimer timer_;
};

// A file of these bytes at path, in folders made for it.
void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST_F(TableWindow, AnUnusableImagePackLeadsToTheFileDialogUntilCancelled) {
  const QString previousFolder = QDir::currentPath();
  QFile bad(dir.filePath("bad.vif"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a pack");
  bad.close();
  ModalCloser closer({dir.filePath("bad.vif")});
  Open("UseOtherImage=1\r\nImageFile=missing.vif\r\n");
  EXPECT_EQ(closer.dialogsSeen, 2);
  EXPECT_FALSE(State().UseOtherImage);
  EXPECT_TRUE(form->ImageList1.IsFilled());
  EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
  QDir::setCurrent(previousFolder);
  QFile ini(QString::fromStdString(iniPath));
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  const QByteArray written = ini.readAll();
  EXPECT_TRUE(written.contains("ImageFile=" + dir.filePath("bad.vif").toUtf8()));
  EXPECT_TRUE(written.contains("UseOtherImage=1"));  // switched off in memory only
}

TEST_F(TableWindow, AnImagePackNameTheSettingsCannotHoldIsAskedForAgain) {
  const QString previousFolder = QDir::currentPath();
  // More than 255 bytes, and a folder whose name CP932 cannot hold.
  const QString tooLong =
      dir.filePath(QString(150, u'a') + u'/' + QString(120, u'b') + QStringLiteral(".vif"));
  const QString muller = dir.filePath(QStringLiteral("Müller/bad.vif"));
  WriteFile(tooLong, "not a pack");
  WriteFile(muller, "not a pack");
  ModalCloser closer({tooLong, muller});
  Open("UseOtherImage=1\r\nImageFile=missing.vif\r\n");
  QDir::setCurrent(previousFolder);
  EXPECT_EQ(closer.dialogsSeen, 3);
  const QString broken = QString::fromUtf8(kBrokenImageFileMessage);
  EXPECT_EQ(closer.messages, (QStringList{broken, QString::fromUtf8(kPathTooLongMessage), broken}));
  EXPECT_EQ(form->programSettings().ImageFile, muller.toStdString());

  // The name reached the file as a URL and reads back as the same file.
  const auto stored = IniFile::Read(iniPath).Find("Game", "ImageFile");
  ASSERT_TRUE(stored);
  EXPECT_TRUE(stored->starts_with("file://")) << *stored;
  EXPECT_NE(stored->find("/M%C3%BCller/bad.vif"), std::string::npos) << *stored;
  GameState back;
  ProgramSettings program;
  SettingsStore(iniPath).Load(back, program);
  EXPECT_EQ(program.ImageFile, muller.toStdString());
}

}  // namespace
}  // namespace vorpo::testing

#include "table_window_test.moc"
