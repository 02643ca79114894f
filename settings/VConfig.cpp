#include "VConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>

#include <algorithm>

#include "message_box.h"
#include "name_text.h"
#include "place_near_owner.h"
#include "stored_path.h"

namespace vorpo {

namespace {

const FileDialogSpec kSoundFileDialog{
    QStringLiteral("サウンドファイルの指定"),
    QStringLiteral("Vorpo サウンド ファイル (*.vsf);;すべてのファイル (*.*)"),
    QStringLiteral("vsf")};
const FileDialogSpec kImageFileDialog{
    QStringLiteral("イメージファイルの指定"),
    QStringLiteral("Vorpo イメージ ファイル (*.vif);;すべてのファイル (*.*)"),
    QStringLiteral("vif")};
const FileDialogSpec kScoreTableDialog{
    QStringLiteral("スコア定義ファイルの指定"),
    QStringLiteral("Vorpo Score Table File (*.stb);;すべてのファイル (*.*)"),
    QStringLiteral("stb")};

void SetEnabled(std::initializer_list<QWidget*> controls, bool enabled) {
  for (QWidget* control : controls) control->setEnabled(enabled);
}

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

void ShowOptionsDialog(OptionsHost& host, QWidget* owner, QWidget* parent) {
  TfrmConfig dialog(host, owner, parent);
  dialog.Fill();
  dialog.exec();
}

void TfrmConfig::ConnectHandlers() {
  connect(Button1, &QPushButton::clicked, this, &TfrmConfig::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TfrmConfig::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TfrmConfig::Button3Click);
  // toggled, not clicked: a check box set by the program runs its handler as a click does.
  connect(chbRanking, &QCheckBox::toggled, this, &TfrmConfig::chbRankingClick);
  connect(chbCanDefDraw, &QCheckBox::toggled, this, &TfrmConfig::chbCanDefDrawClick);
  connect(chbUseOtherScrTbl, &QCheckBox::toggled, this, &TfrmConfig::chbUseOtherScrTblClick);
  connect(chbUseOtherSound, &QCheckBox::toggled, this, &TfrmConfig::chbUseOtherSoundClick);
  connect(chbUseOtherImage, &QCheckBox::toggled, this, &TfrmConfig::chbUseOtherImageClick);
  connect(btnSFBrowse, &QPushButton::clicked, this, &TfrmConfig::btnSFBrowseClick);
  connect(btnIFBrowse, &QPushButton::clicked, this, &TfrmConfig::btnIFBrowseClick);
  connect(brnSTFBrowse, &QPushButton::clicked, this, &TfrmConfig::brnSTFBrowseClick);
  for (NumberBox* box : NumberBoxes()) box->installEventFilter(this);
}

std::array<NumberBox*, 5> TfrmConfig::NumberBoxes() const {
  return {speInterval, spePlayers, speIRWScore, speJRTurns, speStartingCards};
}

void TfrmConfig::Fill() {
  const GameState& s = host_.CurrentGame().State();
  const ProgramSettings& program = host_.Program();
  for (std::size_t seat = 0; seat < Edits.size(); ++seat)
    Edits[seat]->setText(FromUtf8(s.ConfiguredNames[seat]));

  const bool unlocked = !s.MatchRunning();
  SetEnabled({chbRanking, chbUseOtherScrTbl, Label3, Label4, Label7, Label8, Label10, cmbScrTblFile,
              brnSTFBrowse, rgScore, spePlayers, speIRWScore, speJRTurns, speStartingCards,
              chbCanDefDraw, chbCanLastNotFig, chbCanUseNotYama, chbWildFront},
             unlocked);

  PlaceNearOwner(owner_, this);

  speInterval->setValue(program.Wait);
  // Before the ranking switch, whose handler then shows ranking mode's standard player, whatever
  // strength the file holds.
  cmbStrength->setCurrentIndex(s.Strength);
  chbRanking->setChecked(s.Ranking);
  chbOpenMode->setChecked(s.OpenMode);
  chbNotShowCompCard->setChecked(s.NotShowCompCard);
  chbUseOtherScrTbl->setChecked(s.UseOtherScoreTable);
  chbUseOtherScrTblClick();
  chbUseOtherSound->setChecked(s.UseOtherSound);
  chbUseOtherImage->setChecked(s.UseOtherImage);
  chbUseOtherSoundClick();
  chbUseOtherImageClick();
  openModeOnEntry_ = s.OpenMode;
  speIRWScore->setValue(s.IRWScore);
  speJRTurns->setValue(s.JRTurns);
  spePlayers->setValue(s.Players - 1);
  rgScore->SetItemIndex(s.CalcProc);
  speStartingCards->setValue(s.StartingCards);
  chbCanDefDraw->setChecked(s.DefDraw);
  chbCanDefWD4->setChecked(s.DefDraw4);
  chbCanDefWD4->setEnabled(unlocked && chbCanDefDraw->isChecked());
  chbCanLastNotFig->setChecked(s.NotFig);
  chbCanUseNotYama->setChecked(s.NotYama);
  chbWildFront->setChecked(s.WildFront);

  FillFontList();
  FillFileLists();
  cmbSoundFile->setEditText(FromUtf8(program.SoundFile));
  cmbImageFile->setEditText(FromUtf8(program.ImageFile));
  cmbScrTblFile->setEditText(FromUtf8(program.ScoreTableFile));
}

void TfrmConfig::FillFontList() {
  const QString nameFont = FromUtf8(host_.CurrentGame().State().NameFont);
  QStringList fonts = QFontDatabase::families();
  // A name font of a settings file written elsewhere ("MS UI Gothic") is no family here, but the
  // program maps it onto one, so it is offered as it is spelt in the file.
  if (!QFont::substitutes(nameFont).isEmpty() && !fonts.contains(nameFont, Qt::CaseInsensitive))
    fonts.push_back(nameFont);
  std::sort(fonts.begin(), fonts.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
  cmbNameFont->clear();
  cmbNameFont->addItems(fonts);
  const auto found = std::find_if(fonts.cbegin(), fonts.cend(), [&](const QString& font) {
    return font.compare(nameFont, Qt::CaseInsensitive) == 0;
  });
  cmbNameFont->setCurrentIndex(found == fonts.cend() ? -1
                                                     : static_cast<int>(found - fonts.cbegin()));
}

void TfrmConfig::FillFileLists() {
  const QDir folder(FromUtf8(host_.ProgramFolder()));
  const auto names = [&](const QString& pattern) {
    return folder.entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
  };
  cmbSoundFile->addItems(names(QStringLiteral("*.vsf")));
  cmbImageFile->addItems(names(QStringLiteral("*.vif")));
  cmbScrTblFile->addItems(names(QStringLiteral("*.stb")));
}

void TfrmConfig::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TfrmConfig::FormShow() {
  const GameState& s = host_.CurrentGame().State();
  PageControl1->setCurrentIndex(host_.OptionsPage() % PageControl1->count());
  switch (PageControl1->currentIndex()) {
    case 0:
      speInterval->setFocus();
      break;
    case 1:
      if (s.DealRunning())
        setFocus();  // the dialog itself: no control has the focus
      else
        (s.Ranking ? speJRTurns : speIRWScore)->setFocus();
      break;
    case 2:
      chbNotShowCompCard->setFocus();
      break;
    case 3:
      Edits[0]->setFocus();
      break;
    default:
      chbUseOtherSound->setFocus();
      break;
  }
}

void TfrmConfig::chbRankingClick() {
  if (chbRanking->isChecked()) {
    const GameSettings ranking = WithRankingRules(host_.CurrentGame().State());
    chbOpenMode->setChecked(ranking.OpenMode != 0);
    spePlayers->setValue(ranking.Players - 1);
    rgScore->SetItemIndex(ranking.CalcProc);
    speIRWScore->setValue(ranking.IRWScore);
    speStartingCards->setValue(ranking.StartingCards);
    chbCanDefDraw->setChecked(ranking.DefDraw != 0);
    chbCanLastNotFig->setChecked(ranking.NotFig != 0);
    chbCanUseNotYama->setChecked(ranking.NotYama != 0);
    chbWildFront->setChecked(ranking.WildFront != 0);
    chbUseOtherScrTbl->setChecked(ranking.UseOtherScoreTable != 0);
    cmbStrength->setCurrentIndex(ranking.Strength);
    SetEnabled({Label10, cmbScrTblFile, brnSTFBrowse}, false);
  } else {
    chbUseOtherScrTblClick();
  }
  SetEnabled({chbOpenMode, Label3, speIRWScore, spePlayers, rgScore, Label4, Label7,
              speStartingCards, chbCanDefDraw, chbCanLastNotFig, chbCanUseNotYama, chbWildFront,
              chbUseOtherScrTbl, Label11, cmbStrength},
             !chbRanking->isChecked());
  rgScore->update();
}

void TfrmConfig::chbCanDefDrawClick() {
  chbCanDefWD4->setEnabled(chbCanDefDraw->isChecked());
}

void TfrmConfig::chbUseOtherScrTblClick() {
  if (host_.CurrentGame().State().MatchRunning()) return;
  SetEnabled({Label10, cmbScrTblFile, brnSTFBrowse}, chbUseOtherScrTbl->isChecked());
}

void TfrmConfig::chbUseOtherSoundClick() {
  SetEnabled({Label5, cmbSoundFile, btnSFBrowse}, chbUseOtherSound->isChecked());
}

void TfrmConfig::chbUseOtherImageClick() {
  SetEnabled({Label6, cmbImageFile, btnIFBrowse}, chbUseOtherImage->isChecked());
}

void TfrmConfig::Browse(QComboBox* box, const FileDialogSpec& spec, bool folderAfterCancel) {
  const QString startName = box->currentText();
  const std::optional<QString> chosen = chooser_(this, spec, QDir::currentPath(), startName);
  if (chosen) box->setEditText(*chosen);
  if (!chosen && !folderAfterCancel) return;
  const QString name = chosen.value_or(startName);
  // A bare file name has no folder to go to.
  if (name.contains(u'/')) QDir::setCurrent(QFileInfo(name).path());
}

void TfrmConfig::btnSFBrowseClick() {
  Browse(cmbSoundFile, kSoundFileDialog, false);
}
void TfrmConfig::btnIFBrowseClick() {
  Browse(cmbImageFile, kImageFileDialog, true);
}
void TfrmConfig::brnSTFBrowseClick() {
  Browse(cmbScrTblFile, kScoreTableDialog, true);
}

bool TfrmConfig::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto boxes = NumberBoxes();
    if (std::find(boxes.begin(), boxes.end(), watched) != boxes.end() &&
        speIntervalKeyDown(static_cast<QKeyEvent*>(event)->key()))
      return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool TfrmConfig::speIntervalKeyDown(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    Button1Click();
    return true;
  }
  if (key == Qt::Key_Escape) {
    Button2Click();
    return true;
  }
  return false;
}

void TfrmConfig::keyPressEvent(QKeyEvent* event) {
  // Esc is the cancel button; closing by the title bar is not, and stays QDialog's reject().
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Button2Click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TfrmConfig::Button3Click() {
  host_.ShowHelpTopic(QString::fromLatin1(kSettingDialogTopic));
}

void TfrmConfig::Button2Click() {
  host_.OptionsPage() = static_cast<std::uint8_t>(PageControl1->currentIndex());
  accept();
}

void TfrmConfig::Button1Click() {
  // Leaving a number box brings its value into range; OK takes the values as they then are.
  Button1->setFocus();
  for (NumberBox* box : NumberBoxes()) box->interpretText();
  repaint();

  if (!FileNamesCanBeStored()) return;

  Game& game = host_.CurrentGame();
  ProgramSettings& program = host_.Program();
  GameSettings next = game.State();

  SetByteSwitch(next.UseOtherImage, chbUseOtherImage->isChecked());
  const std::string imageFile = cmbImageFile->currentText().toStdString();
  if (!host_.LoadImagePack(imageFile, next.UseOtherImage != 0, this)) {
    // The box may be on a page not shown; a focus there would be out of the player's sight.
    PageControl1->setCurrentWidget(TabSheet5);
    cmbImageFile->setFocus();
    return;
  }
  const std::string imageFileBefore = program.ImageFile;
  program.ImageFile = imageFile;
  host_.Store().SaveImageFile(program);

  const int seats = spePlayers->value() + 1;
  speStartingCards->setValue(
      SettledStartingCards(speStartingCards->value(), seats, SettingsFrom::OptionsDialog));

  program.Wait = speInterval->value();
  host_.SetTimerInterval(program.Wait);
  SetByteSwitch(next.Ranking, chbRanking->isChecked());
  SetByteSwitch(next.OpenMode, chbOpenMode->isChecked());
  SetByteSwitch(next.NotShowCompCard, chbNotShowCompCard->isChecked());
  next.Players = static_cast<std::uint8_t>(seats);
  next.IRWScore = speIRWScore->value();
  next.JRTurns = speJRTurns->value();
  next.StartingCards = static_cast<std::uint8_t>(speStartingCards->value());
  next.CalcProc = static_cast<std::uint8_t>(std::max(rgScore->ItemIndex(), 0));
  next.Strength = static_cast<std::uint8_t>(std::max(cmbStrength->currentIndex(), 0));
  // A name font that is not among the screen fonts selects nothing and is kept as it was.
  if (cmbNameFont->currentIndex() >= 0) next.NameFont = cmbNameFont->currentText().toStdString();
  SetByteSwitch(next.UseOtherSound, chbUseOtherSound->isChecked());
  SetByteSwitch(next.UseOtherScoreTable, chbUseOtherScrTbl->isChecked());
  // SeatNames keeps the names of the running match; StartMatch takes these up.
  for (std::size_t seat = 0; seat < Edits.size(); ++seat)
    next.ConfiguredNames[seat] = NameFromBox(Edits[seat]->text());
  SetByteSwitch(next.DefDraw, chbCanDefDraw->isChecked());
  SetByteSwitch(next.DefDraw4, chbCanDefWD4->isChecked());
  SetByteSwitch(next.NotFig, chbCanLastNotFig->isChecked());
  SetByteSwitch(next.NotYama, chbCanUseNotYama->isChecked());
  SetByteSwitch(next.WildFront, chbWildFront->isChecked());
  game.ApplySettings(next, SettingsFrom::OptionsDialog);

  if (game.State().DealRunning()) BringDealUpToDate(imageFileBefore);

  program.SoundFile = cmbSoundFile->currentText().toStdString();
  program.ScoreTableFile = cmbScrTblFile->currentText().toStdString();

  game.LoadScoreTable(program.ScoreTableFile, host_.ProgramFolder());
  host_.Store().SaveSettings(game.State(), program);
  host_.Store().SaveOnOptionsOk(game.State());
  host_.ReloadSoundPack();
  Button2Click();
}

// OK takes all three file names into the settings, whether their switches are on or not; one
// that the settings file cannot hold is refused before anything is applied.
bool TfrmConfig::FileNamesCanBeStored() {
  for (QComboBox* box : {cmbImageFile, cmbSoundFile, cmbScrTblFile}) {
    if (StoredPathForm(box->currentText().toStdString())) continue;
    ShowErrorMessage(this, QString::fromUtf8(kPathTooLongMessage));
    PageControl1->setCurrentWidget(box->parentWidget());
    box->setFocus();
    return false;
  }
  return true;
}

void TfrmConfig::BringDealUpToDate(const std::string& imageFileBefore) {
  const GameState& s = host_.CurrentGame().State();
  TableView& view = host_.View();
  const bool packChanged = cmbImageFile->currentText().toStdString() != imageFileBefore;
  if (packChanged || chbOpenMode->isChecked() != openModeOnEntry_) {
    if (packChanged) {
      view.DrawHand(0, false);
      view.DrawPiles();
    }
    for (int seat = 1; seat < s.Players; ++seat) view.DrawHand(seat, s.HandFaceDown(seat));
    view.RepaintWindow();
  }
  view.LayoutSeats();
  view.ApplyNameFont();
}

}  // namespace vorpo
