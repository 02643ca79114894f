#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QTest>

#include <memory>

#include "VConfig.h"
#include "fake_host.h"

namespace vorpo {
namespace {

using testing::FakeHost;

// The text part of a number box, where the player types.
QLineEdit* EditOf(NumberBox* box) {
  return box->findChild<QLineEdit*>();
}

class OptionsDialogTest : public ::testing::Test {
 protected:
  TfrmConfig& Open() {
    dialog = std::make_unique<TfrmConfig>(host, nullptr);
    dialog->Fill();
    dialog->show();
    return *dialog;
  }
  bool Closed() const { return !dialog->isVisible(); }
  // The rule controls that a running match locks.
  std::vector<QWidget*> MatchLocked() const {
    TfrmConfig& d = *dialog;
    return {d.chbRanking,       d.chbUseOtherScrTbl, d.cmbScrTblFile,    d.brnSTFBrowse,
            d.rgScore,          d.spePlayers,        d.speIRWScore,      d.speJRTurns,
            d.speStartingCards, d.chbCanDefDraw,     d.chbCanLastNotFig, d.chbCanUseNotYama,
            d.chbWildFront,     d.chbCanDefWD4};
  }

  FakeHost host;
  std::unique_ptr<TfrmConfig> dialog;
};

TEST_F(OptionsDialogTest, OpensOnGameSettingsWithTheDependentControlsFollowingTheirSwitches) {
  host.game.TestingState().ConfiguredNames[3] = "花子";
  TfrmConfig& d = Open();
  EXPECT_EQ(d.spePlayers->value(), 4);
  EXPECT_EQ(d.rgScore->ItemIndex(), 1);
  EXPECT_EQ(d.Edits[3]->text(), QStringLiteral("花子"));
  EXPECT_FALSE(d.chbCanDefWD4->isEnabled());
  EXPECT_FALSE(d.cmbScrTblFile->isEnabled());
  EXPECT_FALSE(d.cmbSoundFile->isEnabled());
  EXPECT_FALSE(d.cmbImageFile->isEnabled());
  EXPECT_EQ(d.focusWidget(), d.speInterval);

  d.Button3->click();
  EXPECT_EQ(host.helpTopics, std::vector<QString>{QStringLiteral("SETTINGDIALOG")});
  EXPECT_FALSE(Closed());
}

TEST_F(OptionsDialogTest, RankingFixesTheStandardRulesAndLocksThem) {
  GameState& s = host.game.TestingState();
  s.Players = 8;
  s.CalcProc = 1;
  s.StartingCards = 9;
  s.OpenMode = s.DefDraw = s.DefDraw4 = s.NotYama = s.WildFront = s.UseOtherScoreTable = true;
  s.NotFig = false;
  s.JRTurns = 12;
  TfrmConfig& d = Open();
  ASSERT_TRUE(d.chbCanDefWD4->isEnabled());

  d.chbRanking->click();
  EXPECT_EQ(d.spePlayers->value(), 4);
  EXPECT_EQ(d.rgScore->ItemIndex(), 0);
  EXPECT_EQ(d.speIRWScore->value(), 500);
  EXPECT_EQ(d.speStartingCards->value(), 7);
  EXPECT_FALSE(d.chbOpenMode->isChecked());
  EXPECT_TRUE(d.chbCanLastNotFig->isChecked());
  EXPECT_FALSE(d.chbCanDefDraw->isChecked());
  EXPECT_FALSE(d.chbCanUseNotYama->isChecked());
  EXPECT_FALSE(d.chbWildFront->isChecked());
  EXPECT_FALSE(d.chbUseOtherScrTbl->isChecked());
  for (QWidget* locked :
       {static_cast<QWidget*>(d.chbOpenMode), static_cast<QWidget*>(d.spePlayers),
        static_cast<QWidget*>(d.rgScore), static_cast<QWidget*>(d.speIRWScore),
        static_cast<QWidget*>(d.speStartingCards), static_cast<QWidget*>(d.chbCanDefDraw),
        static_cast<QWidget*>(d.cmbScrTblFile), static_cast<QWidget*>(d.chbUseOtherScrTbl)})
    EXPECT_FALSE(locked->isEnabled()) << locked->metaObject()->className();
  EXPECT_TRUE(d.speJRTurns->isEnabled());
  EXPECT_EQ(d.speJRTurns->value(), 12);
  EXPECT_TRUE(d.chbCanDefWD4->isChecked());
  EXPECT_FALSE(d.chbCanDefWD4->isEnabled());

  d.chbRanking->click();
  EXPECT_TRUE(d.spePlayers->isEnabled());
  EXPECT_TRUE(d.chbOpenMode->isEnabled());
  EXPECT_TRUE(d.chbUseOtherScrTbl->isEnabled());
  EXPECT_EQ(d.spePlayers->value(), 4);
  EXPECT_EQ(d.rgScore->ItemIndex(), 0);
  EXPECT_TRUE(d.chbCanLastNotFig->isChecked());
}

TEST_F(OptionsDialogTest, RankingFromTheFileShowsTheStoredValuesLocked) {
  host.game.TestingState().Ranking = true;
  host.game.TestingState().Players = 7;
  TfrmConfig& d = Open();
  EXPECT_TRUE(d.chbRanking->isChecked());
  EXPECT_EQ(d.spePlayers->value(), 6);
  EXPECT_FALSE(d.spePlayers->isEnabled());
  EXPECT_TRUE(d.chbRanking->isEnabled());
}

TEST_F(OptionsDialogTest, DuringADealTheRulesAreLockedAndPageOneHasNoFocus) {
  host.StartDeal();
  host.game.TestingState().DefDraw = true;
  host.game.TestingState().UseOtherScoreTable = true;
  host.optionsPage = 1;
  TfrmConfig& d = Open();
  for (QWidget* control : MatchLocked()) EXPECT_FALSE(control->isEnabled());
  EXPECT_TRUE(d.chbOpenMode->isEnabled());
  EXPECT_TRUE(d.Edits[0]->isEnabled());
  EXPECT_EQ(d.PageControl1->currentIndex(), 1);
  EXPECT_TRUE(d.focusWidget() == nullptr || d.focusWidget() == &d);

  // In ranking mode open mode is fixed too.
  host.game.TestingState().Ranking = true;
  EXPECT_FALSE(Open().chbOpenMode->isEnabled());
}

TEST_F(OptionsDialogTest, PageOneFocusesTheBoxTheRankingLeavesEditable) {
  host.optionsPage = 1;
  TfrmConfig& unranked = Open();
  EXPECT_EQ(unranked.focusWidget(), unranked.speIRWScore);
  host.game.TestingState().Ranking = true;
  TfrmConfig& ranked = Open();
  EXPECT_EQ(ranked.focusWidget(), ranked.speJRTurns);
}

TEST_F(OptionsDialogTest, TabEntersTheScoringGroupAtItsSelectedRule) {
  TfrmConfig& d = Open();
  ASSERT_EQ(d.rgScore->ItemIndex(), 1);
  EditOf(d.spePlayers)->setFocus();
  QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(d.focusWidget(), d.rgScore->Item(1));
  QTest::keyClick(d.focusWidget(), Qt::Key_Space);
  EXPECT_EQ(d.rgScore->ItemIndex(), 1);

  // After an arrow key moves the selection, Tab comes back to the new one.
  QTest::keyClick(d.focusWidget(), Qt::Key_Left);
  ASSERT_EQ(d.rgScore->ItemIndex(), 0);
  EditOf(d.spePlayers)->setFocus();
  QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(d.focusWidget(), d.rgScore->Item(0));
}

TEST_F(OptionsDialogTest, TheComputersStrengthIsChosenFromTheKeyboardAndStoredAfterTheRest) {
  TfrmConfig& d = Open();
  ASSERT_EQ(d.cmbStrength->count(), 2);
  EXPECT_EQ(d.cmbStrength->itemText(0), QStringLiteral("標準"));
  EXPECT_EQ(d.cmbStrength->itemText(1), QStringLiteral("強い"));
  EXPECT_EQ(d.cmbStrength->currentIndex(), 0);
  EXPECT_EQ(d.Label11->text(), QStringLiteral("コンピュータの強さ(&K):"));

  d.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  QTest::keyClick(&d, Qt::Key_K, Qt::AltModifier);
  ASSERT_EQ(d.focusWidget(), d.cmbStrength);
  QTest::keyClick(d.cmbStrength, Qt::Key_Down);
  EXPECT_EQ(d.cmbStrength->currentIndex(), 1);
  // It follows the scoring rule in the tab order, and leads where the rule led before.
  QTest::keyClick(d.focusWidget(), Qt::Key_Backtab);
  EXPECT_EQ(d.focusWidget(), d.rgScore->Item(1));
  QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(d.focusWidget(), d.cmbStrength);
  QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(d.focusWidget(), d.Button1);

  d.Button1Click();
  EXPECT_EQ(host.game.TestingState().Strength, 1);
  // Written after all that SaveSettings writes: a new file gains it as its last line.
  const std::string bytes = host.SettingsFile().Bytes();
  EXPECT_LT(bytes.find("\r\nNameFont="), bytes.find("\r\nStrength=1\r\n"));
  EXPECT_TRUE(bytes.ends_with("\r\nStrength=1\r\n"));

  // During a deal it may be changed too: OK hands it to the running game.
  host.StartDeal();
  ASSERT_EQ(Open().cmbStrength->currentIndex(), 1);
  EXPECT_TRUE(dialog->cmbStrength->isEnabled());
  dialog->cmbStrength->setCurrentIndex(0);
  dialog->Button1Click();
  EXPECT_EQ(host.game.TestingState().Strength, 0);
  EXPECT_EQ(host.SettingsFile().Find("Game", "Strength"), "0");
}

TEST_F(OptionsDialogTest, RankingPlaysAgainstTheStandardComputer) {
  TfrmConfig& d = Open();
  d.cmbStrength->setCurrentIndex(1);
  d.chbRanking->click();
  EXPECT_EQ(d.cmbStrength->currentIndex(), 0);
  EXPECT_FALSE(d.cmbStrength->isEnabled());
  EXPECT_FALSE(d.Label11->isEnabled());
  d.chbRanking->click();
  EXPECT_TRUE(d.cmbStrength->isEnabled());
  EXPECT_TRUE(d.Label11->isEnabled());
  EXPECT_EQ(d.cmbStrength->currentIndex(), 0);

  // A file that asks for ranking mode and the strong player gets the standard one.
  host.game.TestingState().Ranking = 1;
  host.game.TestingState().Strength = 1;
  ASSERT_TRUE(host.store.SaveOnOptionsOk(host.game.TestingState()));
  Open();
  EXPECT_EQ(dialog->cmbStrength->currentIndex(), 0);
  EXPECT_FALSE(dialog->cmbStrength->isEnabled());
  dialog->Button1Click();
  EXPECT_EQ(host.game.TestingState().Strength, 0);
  EXPECT_EQ(host.SettingsFile().Find("Game", "Strength"), "0");
}

TEST_F(OptionsDialogTest, OpensOnThePageLeftByOkOrCancelButNotByTheTitleBar) {
  TfrmConfig& d = Open();
  d.PageControl1->setCurrentIndex(3);
  d.Button2Click();
  EXPECT_EQ(host.optionsPage, 3);
  Open();
  EXPECT_EQ(dialog->focusWidget(), dialog->Edits[0]);

  dialog->PageControl1->setCurrentIndex(4);
  dialog->close();
  EXPECT_EQ(host.optionsPage, 3);

  dialog->show();
  dialog->PageControl1->setCurrentIndex(2);
  dialog->Button1Click();
  EXPECT_EQ(host.optionsPage, 2);
  Open();
  EXPECT_EQ(dialog->focusWidget(), dialog->chbNotShowCompCard);
}

TEST_F(OptionsDialogTest, EnterInANumberBoxIsOkAndEscIsCancel) {
  TfrmConfig& d = Open();
  EditOf(d.speJRTurns)->setText(QStringLiteral("12"));
  QTest::keyClick(d.speJRTurns, Qt::Key_Escape);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(host.game.TestingState().JRTurns, 5);
  EXPECT_FALSE(host.SettingsWritten());

  EditOf(Open().speJRTurns)->setText(QStringLiteral("12"));
  QTest::keyClick(dialog->speJRTurns, Qt::Key_Enter);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(host.game.TestingState().JRTurns, 12);
  EXPECT_EQ(host.SettingsFile().Find("Game", "JRTurns"), "12");
}

TEST_F(OptionsDialogTest, NumberBoxesComeIntoRangeAndReadNonsenseAsTheMinimum) {
  TfrmConfig& d = Open();
  EditOf(d.speInterval)->clear();
  QTest::keyClicks(d.speInterval, QStringLiteral("9x999"));
  EXPECT_EQ(d.speInterval->text(), QStringLiteral("9999"));
  EditOf(d.speJRTurns)->setText(QStringLiteral("0"));
  EditOf(d.spePlayers)->setText(QStringLiteral("-"));
  d.Button1Click();
  EXPECT_EQ(host.program.Wait, 5000);
  EXPECT_EQ(host.timerInterval, 5000);
  EXPECT_EQ(host.game.TestingState().JRTurns, 1);
  EXPECT_EQ(host.game.TestingState().Players, 2);
}

struct DealtCards {
  int computers, cards, kept;
};

class StartingCardsTest : public OptionsDialogTest,
                          public ::testing::WithParamInterface<DealtCards> {};

TEST_P(StartingCardsTest, OkKeepsTheDealWithinTheDeck) {
  TfrmConfig& d = Open();
  d.spePlayers->setValue(GetParam().computers);
  d.speStartingCards->setValue(GetParam().cards);
  d.Button1Click();
  EXPECT_EQ(host.game.TestingState().StartingCards, GetParam().kept);
  EXPECT_EQ(host.game.TestingState().Players, GetParam().computers + 1);
}

INSTANTIATE_TEST_SUITE_P(Deals, StartingCardsTest,
                         ::testing::Values(DealtCards{9, 11, 11}, DealtCards{9, 12, 11},
                                           DealtCards{1, 55, 55}, DealtCards{1, 56, 55}),
                         [](const ::testing::TestParamInfo<DealtCards>& instance) {
                           return std::to_string(instance.param.cards) + "CardsFor" +
                                  std::to_string(instance.param.computers) + "Computers";
                         });

TEST_F(OptionsDialogTest, AnUnusableImagePackKeepsTheDialogOpenAndAppliesNothing) {
  TfrmConfig& d = Open();
  d.chbUseOtherImage->click();
  d.cmbImageFile->setEditText(QStringLiteral("broken.vif"));
  d.speInterval->setValue(900);
  d.spePlayers->setValue(2);
  d.Edits[0]->setText(QStringLiteral("太郎"));
  d.Button1Click();
  EXPECT_FALSE(Closed());
  EXPECT_EQ(d.PageControl1->currentWidget(), d.TabSheet5);
  EXPECT_TRUE(d.focusWidget() == d.cmbImageFile || d.focusWidget() == d.cmbImageFile->lineEdit());
  EXPECT_FALSE(host.game.TestingState().UseOtherImage);
  EXPECT_EQ(host.program.ImageFile, "");
  EXPECT_EQ(host.program.Wait, 500);
  EXPECT_EQ(host.game.TestingState().Players, 5);
  EXPECT_EQ(host.game.TestingState().ConfiguredNames[0], "プレイヤー");
  EXPECT_FALSE(host.SettingsWritten());
  EXPECT_EQ(host.soundPackReloads, 0);

  d.Button2Click();
  EXPECT_TRUE(Closed());
  EXPECT_FALSE(host.game.TestingState().UseOtherImage);
  EXPECT_EQ(host.program.Wait, 500);
  EXPECT_FALSE(host.SettingsWritten());
}

TEST_F(OptionsDialogTest, OkAppliesStoresAndReloadsEverything) {
  TfrmConfig& d = Open();
  d.chbUseOtherImage->click();
  d.cmbImageFile->setEditText(QStringLiteral("cards.vif"));
  d.chbUseOtherSound->click();
  d.cmbSoundFile->setEditText(QStringLiteral("quiet.vsf"));
  d.chbUseOtherScrTbl->click();
  d.cmbScrTblFile->setEditText(QStringLiteral("missing.stb"));
  d.chbCanDefDraw->click();
  d.chbCanDefWD4->click();
  d.chbWildFront->click();
  d.rgScore->Item(0)->click();
  d.speIRWScore->setValue(300);
  d.Edits[9]->setText(QStringLiteral("九番"));
  d.Button1Click();

  const GameState& s = host.game.TestingState();
  EXPECT_TRUE(Closed());
  EXPECT_EQ(host.imagePackCalls, std::vector<std::string>{"cards.vif"});
  EXPECT_TRUE(s.UseOtherImage && s.UseOtherSound && s.UseOtherScoreTable);
  EXPECT_TRUE(s.DefDraw && s.DefDraw4 && s.WildFront);
  EXPECT_EQ(s.CalcProc, 0);
  EXPECT_EQ(s.IRWScore, 300);
  EXPECT_EQ(s.ConfiguredNames[9], "九番");
  EXPECT_EQ(host.program.ImageFile, "cards.vif");
  EXPECT_EQ(host.program.SoundFile, "quiet.vsf");
  EXPECT_EQ(host.program.ScoreTableFile, "missing.stb");
  EXPECT_EQ(host.soundPackReloads, 1);
  // The score table was loaded with the new settings: its file is missing.
  ASSERT_EQ(host.view.errors.size(), 1u);
  EXPECT_NE(host.view.errors[0].find("missing.stb"), std::string::npos);

  const IniFile file = host.SettingsFile();
  EXPECT_EQ(file.Find("Game", "ImageFile"), "cards.vif");
  EXPECT_EQ(file.Find("Game", "CalcProc"), "0");
  EXPECT_EQ(file.Find("Game", "UseOtherSound"), "1");
  // SoundFile and ScoreTableFile wait for the table window's close.
  EXPECT_EQ(file.Find("Game", "SoundFile"), std::nullopt);
  // Nothing is drawn between deals.
  EXPECT_TRUE(host.view.calls.empty());
}

TEST_F(OptionsDialogTest, NamesChangedDuringAMatchWaitForTheNextMatch) {
  host.StartDeal();
  host.game.TestingState().SeatNames = host.game.TestingState().ConfiguredNames;
  TfrmConfig& d = Open();
  d.Edits[2]->setText(QStringLiteral("新しい名前"));
  d.Button1Click();
  EXPECT_EQ(host.game.TestingState().ConfiguredNames[2], "新しい名前");
  EXPECT_EQ(host.game.TestingState().SeatNames[2], "コンピュータ2");
}

TEST_F(OptionsDialogTest, DuringADealOkRedrawsWhatChanged) {
  host.StartDeal();
  Open().Button1Click();
  EXPECT_EQ(host.view.calls, (std::vector<std::string>{"LayoutSeats", "ApplyNameFont"}));

  host.view.calls.clear();
  host.game.TestingState().Players = 3;
  TfrmConfig& d = Open();
  d.chbUseOtherImage->click();
  d.cmbImageFile->setEditText(QStringLiteral("cards.vif"));
  d.chbOpenMode->click();
  d.Button1Click();
  EXPECT_EQ(host.view.calls, (std::vector<std::string>{
                                 "DrawHand 0 up", "DrawPiles", "DrawHand 1 up", "DrawHand 2 up",
                                 "RepaintWindow", "LayoutSeats", "ApplyNameFont"}));
}

TEST_F(OptionsDialogTest, FontListMatchesTheNameFontWithoutRegardToCase) {
  const QStringList families = QFontDatabase::families();
  ASSERT_FALSE(families.isEmpty());
  host.game.TestingState().NameFont = families.first().toLower().toStdString();
  EXPECT_EQ(Open().cmbNameFont->currentText(), families.first());

  // A Windows face name that the program maps onto an installed face is offered as spelt.
  QFont::insertSubstitution(QStringLiteral("MS UI Gothic"), families.first());
  host.game.TestingState().NameFont = "MS UI Gothic";
  EXPECT_EQ(Open().cmbNameFont->currentText(), QStringLiteral("MS UI Gothic"));
  QFont::removeSubstitutions(QStringLiteral("MS UI Gothic"));

  host.game.TestingState().NameFont = "No Such Face";
  TfrmConfig& d = Open();
  EXPECT_EQ(d.cmbNameFont->currentIndex(), -1);
  d.Button1Click();
  EXPECT_EQ(host.game.TestingState().NameFont, "No Such Face");
}

TEST_F(OptionsDialogTest, FileListsHoldBareNamesFromTheProgramsFolder) {
  const QDir folder(host.folder.path());
  for (const char* name : {"a.vif", "B.VIF", "s.vsf", "t.stb", "notes.txt"}) {
    QFile file(folder.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  folder.mkdir(QStringLiteral("folder.vif"));
  host.program.ImageFile = "/elsewhere/mine.vif";
  TfrmConfig& d = Open();
  ASSERT_EQ(d.cmbImageFile->count(), 2);
  EXPECT_EQ(d.cmbImageFile->itemText(0), QStringLiteral("a.vif"));
  EXPECT_EQ(d.cmbImageFile->itemText(1), QStringLiteral("B.VIF"));
  EXPECT_EQ(d.cmbSoundFile->itemText(0), QStringLiteral("s.vsf"));
  EXPECT_EQ(d.cmbScrTblFile->itemText(0), QStringLiteral("t.stb"));
  EXPECT_EQ(d.cmbImageFile->currentText(), QStringLiteral("/elsewhere/mine.vif"));
}

TEST_F(OptionsDialogTest, BrowseButtonsFillTheBoxAndMoveTheCurrentDirectory) {
  const QString start = QDir::currentPath();
  const QString picked = QDir(host.folder.path()).filePath(QStringLiteral("picked.vsf"));
  std::optional<QString> answer;
  QString offeredFolder, offeredName;
  TfrmConfig& d = Open();
  d.SetFileChooser(
      [&](QWidget*, const FileDialogSpec&, const QString& folder, const QString& name) {
        offeredFolder = folder;
        offeredName = name;
        return answer;
      });

  // Sound: cancelling leaves the folder alone, choosing moves to the file's folder.
  d.cmbSoundFile->setEditText(QStringLiteral("old.vsf"));
  d.btnSFBrowseClick();
  EXPECT_EQ(offeredFolder, start);
  EXPECT_EQ(offeredName, QStringLiteral("old.vsf"));
  EXPECT_EQ(QDir::currentPath(), start);
  answer = picked;
  d.btnSFBrowseClick();
  EXPECT_EQ(d.cmbSoundFile->currentText(), picked);
  EXPECT_EQ(QDir::currentPath(), host.folder.path());

  // Image and score table: a cancel still moves to the folder of the name the dialog began with,
  // unless the name has none.
  ASSERT_TRUE(QDir::setCurrent(start));
  answer.reset();
  d.cmbImageFile->setEditText(QStringLiteral("bare.vif"));
  d.btnIFBrowseClick();
  EXPECT_EQ(QDir::currentPath(), start);
  d.cmbScrTblFile->setEditText(host.folder.path() + QStringLiteral("/table.stb"));
  d.brnSTFBrowseClick();
  EXPECT_EQ(QDir::currentPath(), host.folder.path());
  EXPECT_EQ(d.cmbScrTblFile->currentText(), host.folder.path() + QStringLiteral("/table.stb"));
  QDir::setCurrent(start);
}

}  // namespace
}  // namespace vorpo
