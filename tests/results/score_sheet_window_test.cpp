#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "score_sheet_test_table.h"

namespace vorpo {
namespace {

using testing::Lines;
using testing::SheetTable;
using testing::Spaces;

const QString kCaption = QStringLiteral("成績表");
const QString kMatchOverCaption = QStringLiteral("成績表 - ゲーム終了");

TEST(ScoreSheet, ShowsTheStandingsInTheTextArea) {
  SheetTable t;
  t.Standings({"Taro", "Jiro", "Hana"}, {{45, 0, 0}, {0, 30, 0}});
  bool over = true;
  const auto seen = t.ShowAndClose([&] { over = t.ShowScoreSheet(); });
  EXPECT_FALSE(over);
  EXPECT_EQ(seen.title, kCaption);
  EXPECT_EQ(seen.text, Lines({"Taro" + Spaces(9) + "Jiro" + Spaces(9) + "Hana", "",
                              Spaces(6) + "45" + Spaces(12) + "0" + Spaces(12) + "0",
                              Spaces(7) + "0" + Spaces(11) + "30" + Spaces(12) + "0", "",
                              Spaces(6) + "45" + Spaces(11) + "30" + Spaces(12) + "0"}));
  // The match goes on untouched.
  EXPECT_EQ(t.s.MatchState, 0);
  EXPECT_EQ(t.s.ScoreLists[2].size(), 2u);
  EXPECT_FALSE(t.table.view.startCommand);
}

TEST(ScoreSheet, TextIsFixedPitchWithLinesThirteenPixelsApartAndNoCaret) {
  SheetTable t;
  const QFontMetrics metrics(t.sheet.Memo1->font());
  EXPECT_EQ(QFontInfo(t.sheet.Memo1->font()).family(), QStringLiteral("IPAGothic"));
  EXPECT_EQ(metrics.height(), 13);
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("i")),
            metrics.horizontalAdvance(QStringLiteral("W")));
  EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("山")),
            2 * metrics.horizontalAdvance(QStringLiteral("W")));
  EXPECT_TRUE(t.sheet.Memo1->isReadOnly());

  t.Standings({"Taro", "Jiro"}, {});
  QWidget* focused = nullptr;
  t.ShowAndClose([&] { t.ShowScoreSheet(); },
                 [&](TfrmScore* open) {
                   open->activateWindow();
                   ASSERT_TRUE(QTest::qWaitForWindowActive(open));
                   QTest::mouseClick(open->Memo1->viewport(), Qt::LeftButton);
                   focused = QApplication::focusWidget();
                 });
  EXPECT_EQ(focused, t.sheet.Button1);
}

TEST(ScoreSheet, EndsTheMatchAtTheWinningScore) {
  SheetTable t;
  t.s.IRWScore = 500;
  t.Standings({"Taro", "Jiro", "Hana"}, {{0, 499, 0}});
  EXPECT_FALSE(t.ShowAndClose([&] { t.ShowScoreSheet(); }).title.contains(u'-'));

  t.Standings({"Taro", "Jiro", "Hana"}, {{0, 499, 0}, {0, 1, 0}});
  bool over = false;
  const auto seen = t.ShowAndClose([&] { over = t.ShowScoreSheet(); });
  EXPECT_TRUE(over);
  EXPECT_EQ(seen.title, kMatchOverCaption);
  EXPECT_TRUE(seen.text.endsWith(QStringLiteral("\r\n\r\nWINNER : Jiro")));
  EXPECT_EQ(t.s.MatchState, kNoMatch);
  EXPECT_TRUE(t.table.view.startCommand);
  for (const auto& list : t.s.ScoreLists) EXPECT_TRUE(list.empty());
}

TEST(ScoreSheet, TiesAndTheDealLimitsNameEveryBestSeat) {
  SheetTable t;
  t.s.JRTurns = 2;
  t.Standings({"Taro", "Jiro", "Hana"}, {{10, -10, 0}, {0, -10, 10}}, 1);
  EXPECT_TRUE(t.ShowAndClose([&] {
                 t.ShowScoreSheet();
               }).text.endsWith(QStringLiteral("WINNER : Taro Hana")));

  // Nobody reaches the winning score in 30 deals of the international rule.
  t.s.IRWScore = 1000;
  t.Standings({"Taro", "Jiro"}, std::vector<std::vector<int>>(29, {10, 10}));
  EXPECT_EQ(t.ShowAndClose([&] { t.ShowScoreSheet(); }).title, kCaption);
  t.s.ScoreLists[0].push_back("0");
  t.s.ScoreLists[1].push_back("0");
  const auto seen = t.ShowAndClose([&] { t.ShowScoreSheet(); });
  EXPECT_EQ(seen.title, kMatchOverCaption);
  EXPECT_TRUE(seen.text.endsWith(QStringLiteral("WINNER : Taro Jiro")));
}

TEST(ScoreSheet, ASheetWiderThanTheScreenScrollsAndStaysOnIt) {
  SheetTable t;
  t.settings.NameMax = 128;
  t.Standings(std::vector<std::string>(10, std::string(128, 'N')), {std::vector<int>(10, 0)});
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  bool scrolls = false;
  QRect frame;
  const auto seen = t.ShowAndClose([&] { t.ShowScoreSheet(); },
                                   [&](TfrmScore* open) {
                                     scrolls = open->Memo1->horizontalScrollBar()->isVisible();
                                     frame = open->frameGeometry();
                                   });
  EXPECT_EQ(seen.outerWidth, screen.width());
  EXPECT_TRUE(screen.contains(frame.topLeft()));
  EXPECT_TRUE(scrolls);
  // Every line stays whole above the scroll bar.
  EXPECT_GE(seen.memoHeight, 6 * 13);
}

TEST(ScoreSheet, TheSheetWidensToAWinnerLineLongerThanTheNames) {
  SheetTable t;
  t.s.JRTurns = 1;
  const std::vector<std::string> names(10, "Abcdefghijkl");
  t.Standings(names, {std::vector<int>(10, 0)}, 1);
  int room = 0;
  const auto seen =
      t.ShowAndClose([&] { t.ShowScoreSheet(); },
                     [&](TfrmScore* open) { room = open->Memo1->viewport()->width(); });
  const QString winner = seen.text.mid(seen.text.lastIndexOf(QStringLiteral("WINNER")));
  ASSERT_EQ(winner.count(QStringLiteral("Abcdefghijkl")), 10);
  QFont measuring(QStringLiteral("ＭＳ ゴシック"));
  measuring.setPixelSize(13);
  EXPECT_GE(room, QFontMetrics(measuring).horizontalAdvance(winner));
}

TEST(ScoreSheet, FromTheMenuBeforeTheFirstDealShowsZeros) {
  SheetTable t;
  t.s.Ranking = true;
  t.Standings({"Taro", "Jiro", "Hana"}, {});
  const auto asked = testing::WhenModal<QMessageBox>([](QMessageBox* box) { box->reject(); });
  const auto seen = t.ShowAndClose([&] { t.sheet.ShowStandings(); });
  testing::StopWaiting();
  EXPECT_EQ(seen.title, kCaption);
  EXPECT_EQ(seen.text, Lines({"Taro" + Spaces(9) + "Jiro" + Spaces(9) + "Hana", "", "",
                              Spaces(7) + "0" + Spaces(12) + "0" + Spaces(12) + "0"}));
  EXPECT_FALSE(*asked);
  EXPECT_EQ(t.s.MatchState, 0);
}

TEST(ScoreSheet, WidthFollowsSeatsAndNameLengthHeightFollowsLines) {
  QFont measuring(QStringLiteral("ＭＳ ゴシック"));
  measuring.setPixelSize(13);
  const QFontMetrics metrics(measuring);
  for (int seats : {2, 10})
    for (int nameMax : {14, 128}) {
      if (seats * nameMax > 1000) continue;  // wider than the screen: see below
      SheetTable t;
      t.settings.NameMax = nameMax;
      t.Standings(std::vector<std::string>(static_cast<std::size_t>(seats), "Name"),
                  {std::vector<int>(static_cast<std::size_t>(seats), 0)});
      const auto seen = t.ShowAndClose([&] { t.ShowScoreSheet(); });
      const int width = metrics.horizontalAdvance(QString(seats * nameMax + 1, u' '));
      SCOPED_TRACE(std::to_string(seats) + " seats, names of " + std::to_string(nameMax));
      EXPECT_EQ(seen.geometry.width(), width);
      // Names, empty line, one deal, empty line, totals: 5 lines and one more of room.
      EXPECT_EQ(seen.memoHeight, 6 * 13);
      EXPECT_EQ(seen.geometry.height(), 6 * 13 + 41);
      // The button is centred on the window's outer width, border included.
      EXPECT_EQ(seen.buttonLeft, (seen.outerWidth - 75) / 2);
    }
}

TEST(ScoreSheet, FromTheMenuTheComputerSeatsWaitAndThenMoveOn) {
  SheetTable t;
  t.Standings({"Taro", "Jiro", "Hana"}, {{0, 20, 0}});
  for (bool moving : {true, false}) {
    t.table.game.SetTimer(moving);
    bool timerWhileOpen = true;
    t.ShowAndClose([&] { t.sheet.ShowStandings(); },
                   [&](TfrmScore*) { timerWhileOpen = t.s.TimerEnabled; });
    EXPECT_FALSE(timerWhileOpen);
    EXPECT_EQ(t.s.TimerEnabled, moving);
  }
}

// Seat 2 of three goes out with a red 5 while seat 0 holds a red 9 and seat 1 a Wild.
void EndADeal(SheetTable& t) {
  t.table.Lay(8, {{18}, {104}, {10}}, 2);
  t.table.game.PlayCard(10);
}

TEST(ScoreSheet, TheNextDealWaitsForTheSheetToClose) {
  SheetTable t;
  t.Standings({"Taro", "Jiro", "Hana"}, {});
  t.s.JRTurns = 2;
  t.s.CalcProc = 1;
  bool dealRunningWhileOpen = true;
  const auto seen = t.ShowAndClose([&] { EndADeal(t); },
                                   [&](TfrmScore*) { dealRunningWhileOpen = t.s.DealRunning(); });
  EXPECT_FALSE(dealRunningWhileOpen);
  EXPECT_TRUE(seen.text.contains(QStringLiteral("59")));
  EXPECT_TRUE(t.s.DealRunning());
  EXPECT_EQ(t.s.Hands[0].Count(), t.s.StartingCards);

  // The second deal ends the match: the sheet says so and no deal follows.
  const auto last = t.ShowAndClose([&] { EndADeal(t); });
  EXPECT_EQ(last.title, kMatchOverCaption);
  EXPECT_FALSE(t.s.DealRunning());
  EXPECT_EQ(t.s.MatchState, kNoMatch);
  EXPECT_EQ(t.table.view.sheetsShown, 2);
}

}  // namespace
}  // namespace vorpo
