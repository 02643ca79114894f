// The statistics dialog and the table's 通算成績(&T)... item, on the offscreen platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QMessageBox>

#include <filesystem>
#include <string>

#include "VorpoScore.h"
#include "VorpoStatistics.h"
#include "ini_test_folder.h"
#include "statistics_file.h"
#include "table_fixture.h"
#include "when_modal.h"

namespace vorpo {
namespace {

using testing::WhenModal;

constexpr std::size_t Row(FigureRow row) {
  return static_cast<std::size_t>(row);
}
constexpr std::size_t Column(MatchKind kind) {
  return static_cast<std::size_t>(kind);
}

MatchResult Played(std::uint8_t calcProc, bool ranked, int total, bool won) {
  MatchResult result;
  result.CalcProc = calcProc;
  result.Ranked = ranked;
  result.Players = 2;
  result.Deals = 5;
  result.SeatNames = {"プレイヤー", "コンピュータ1"};
  result.Totals = {total, 0};
  result.DealsWon = {2, 3};
  result.Winners = {won, !won};
  return result;
}

class StatisticsDialog : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::string path = dir.filePath("statistics.ini").toStdString();
  int reports = 0;
  StatisticsKeeper keeper{path, [this](const std::string&) { ++reports; }};

  QString Cell(const TfrmStatistics& dialog, FigureRow row, MatchKind kind) {
    return dialog.lblFigures[Row(row)][Column(kind)]->text();
  }
};

TEST_F(StatisticsDialog, ShowsEachKindOfMatchInItsOwnColumn) {
  keeper.MatchEnded(Played(1, false, 30, true));
  keeper.MatchEnded(Played(1, false, -10, false));
  keeper.MatchEnded(Played(0, true, 120, true));
  TfrmStatistics dialog(nullptr, keeper, "プレイヤー");
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("通算成績"));
  EXPECT_EQ(dialog.lblName->text(), QStringLiteral("名前: プレイヤー"));
  EXPECT_EQ(Cell(dialog, FigureRow::MatchesWon, MatchKind::Japanese), "1");
  EXPECT_EQ(Cell(dialog, FigureRow::DealsWon, MatchKind::Japanese), "4");
  EXPECT_EQ(Cell(dialog, FigureRow::BestTotal, MatchKind::Japanese), "30");
  EXPECT_EQ(Cell(dialog, FigureRow::Average, MatchKind::Japanese), "10.0");
  // A kind never played: counts of 0, and no best or mean.
  EXPECT_EQ(Cell(dialog, FigureRow::Matches, MatchKind::International), "0");
  EXPECT_EQ(Cell(dialog, FigureRow::BestTotal, MatchKind::International), "-");
  EXPECT_EQ(Cell(dialog, FigureRow::Average, MatchKind::JapaneseRanked), "-");
  EXPECT_FALSE(dialog.lblNotRecorded->isVisibleTo(&dialog));
  EXPECT_TRUE(dialog.btnReset->isEnabled());
}

TEST_F(StatisticsDialog, EveryTextFitsItsPlace) {
  TfrmStatistics dialog(nullptr, keeper, "プレイヤー");
  dialog.lblNotRecorded->show();
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
        << label->text().toStdString();
    EXPECT_TRUE(dialog.rect().contains(label->geometry())) << label->text().toStdString();
  }
  for (const QPushButton* button : {dialog.btnReset, dialog.Button1})
    EXPECT_TRUE(dialog.rect().contains(button->geometry()));
}

TEST_F(StatisticsDialog, ResetClearsTheFiguresOnlyAfterAYes) {
  keeper.MatchEnded(Played(1, false, 30, true));
  TfrmStatistics dialog(nullptr, keeper, "プレイヤー");
  QString asked, caption;
  WhenModal<QMessageBox>([&](QMessageBox* box) {
    asked = box->text();
    caption = box->windowTitle();
    box->button(QMessageBox::No)->click();
  });
  dialog.btnReset->click();
  EXPECT_EQ(caption, QStringLiteral("質問"));
  EXPECT_EQ(asked, QStringLiteral("「プレイヤー」の通算成績をすべて消去しますか？"));
  EXPECT_EQ(Cell(dialog, FigureRow::Matches, MatchKind::Japanese), "1");

  WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
  dialog.btnReset->click();
  EXPECT_EQ(Cell(dialog, FigureRow::Matches, MatchKind::Japanese), "0");
  EXPECT_FALSE(dialog.btnReset->isEnabled());
  EXPECT_TRUE(StatisticsKeeper(path, nullptr).Record().Of("プレイヤー").Empty());
}

class TableStatistics : public testing::TableTest {};

TEST_F(TableStatistics, TheGameMenuOffersThemRightAfterTheScoreSheet) {
  Open();
  const auto items = form->mnuGame->actions();
  ASSERT_EQ(items.size(), 8);
  EXPECT_EQ(items[4], form->mnuCounter);
  EXPECT_EQ(items[5], form->mnuStatistics);
  EXPECT_EQ(items[6], form->N2);
  EXPECT_EQ(form->mnuStatistics->text(), QStringLiteral("通算成績(&T)..."));
  EXPECT_TRUE(form->mnuStatistics->shortcut().isEmpty());
  // A table that keeps no statistics offers none.
  EXPECT_FALSE(form->mnuStatistics->isEnabled());
  form->KeepStatistics(dir.filePath("statistics.ini").toStdString());
  EXPECT_TRUE(form->mnuStatistics->isEnabled());
}

TEST_F(TableStatistics, AMatchPlayedAtTheTableIsRecordedAndShown) {
  Open("Players=2\r\nCalcProc=1\r\nJRTurns=1\r\n");
  const std::string path = dir.filePath("data/statistics.ini").toStdString();
  form->KeepStatistics(path);
  TfrmScore sheet(form->game(), form->programSettings(), form.get());
  form->AttachScoreSheet(&sheet);
  Lay(testing::kRed6, {{testing::kRed5}, {testing::kGreen5, testing::kGreen6}});

  QString seedTip;
  WhenModal<TfrmScore>([&](TfrmScore* open) {
    seedTip = open->toolTip();
    open->Button1->click();
  });
  ClickHand(10);
  EXPECT_EQ(seedTip, SeedToolTip(20240601));
  EXPECT_NE(seedTip.indexOf(QStringLiteral("vorpo --seed 20240601")), -1);
  EXPECT_FALSE(State().MatchRunning());
  const auto inFile = ParseStatisticsFile(testing::ReadBytes(path));
  ASSERT_TRUE(inFile);
  EXPECT_EQ(inFile->Of("プレイヤー").Of(MatchKind::Japanese).matchesWon, 1);

  QString matches, name;
  WhenModal<TfrmStatistics>([&](TfrmStatistics* open) {
    matches = open->lblFigures[Row(FigureRow::Matches)][Column(MatchKind::Japanese)]->text();
    name = open->lblName->text();
    open->Button1->click();
  });
  form->mnuStatistics->trigger();
  EXPECT_EQ(matches, "1");
  EXPECT_EQ(name, QStringLiteral("名前: プレイヤー"));
}

TEST_F(TableStatistics, ADamagedFileIsReportedOverTheTable) {
  Open();
  const std::string path = dir.filePath("statistics.ini").toStdString();
  testing::WriteBytes(path, "not statistics\n");
  form->KeepStatistics(path);
  QString reported;
  WhenModal<QMessageBox>([&](QMessageBox* box) {
    reported = box->text();
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    box->accept();
  });
  WhenModal<TfrmStatistics>([](TfrmStatistics* open) { open->Button1->click(); });
  form->mnuStatistics->trigger();
  EXPECT_EQ(reported, QString::fromStdString(DamagedStatisticsMessage(path)));
  EXPECT_TRUE(ParseStatisticsFile(testing::ReadBytes(path)));
}

}  // namespace
}  // namespace vorpo
