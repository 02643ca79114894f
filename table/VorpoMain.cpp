// The table window's life: the start-up sequence that builds the table from the settings, the
// packs and the score table, and the close that writes back what belongs to the close.
#include "VorpoMain.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <utility>

#include "VorpoScore.h"
#include "builtin_resources.h"
#include "file_dialog.h"
#include "help_window.h"
#include "image_pack.h"
#include "message_box.h"
#include "pack_resources.h"
#include "program_paths.h"
#include "stored_path.h"
#include "table_geometry.h"
#include "table_piece.h"
#include "table_style.h"
#include "window_showing.h"

using vorpo::WinColour;

TForm1::TForm1(vorpo::SettingsStore store, vorpo::Random random, QWidget* parent)
    : QMainWindow(parent),
      ImageList1(vorpo::kCardCellWidth, vorpo::kCardCellHeight, vorpo::kCardCellCount),
      ImageList2(vorpo::kOtherCellWidth, vorpo::kOtherCellHeight, vorpo::kOtherCellCount),
      random_(random),
      game_(*this, random_),
      store_(std::move(store)),
      soundPlayer_(*this),
      finishFont_(vorpo::TableFont(vorpo::kTimesNewRoman, vorpo::PointsToPixels(28), true, true)) {
  vorpo::InstallFontSubstitutions();
  CreateControls();
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  const vorpo::GameState& state = game_.State();
  helpFile_ = vorpo::HelpFilePath(vorpo::ProgramPath());
  handCursor_ = QCursor(QPixmap(vorpo::resources::kHandCursor), vorpo::resources::kHandHotSpotX,
                        vorpo::resources::kHandHotSpotY);
  Label1->SetFace(vorpo::kTimesNewRoman);
  Label3->SetFace(vorpo::kTimesNewRoman);
  optionsPage_ = 0;
  SetClientSize(vorpo::kClientWidth, clientSize_.height());
  KeepOnScreenHorizontally();
  vorpo::GameSettings read;
  store_.Load(read, settings_);
  game_.ApplySettings(read, vorpo::SettingsFrom::SettingsFile);
  ApplyWait();
  mnuSound->setChecked(settings_.Sound);
  soundPlayer_.LoadSoundPack(state.UseOtherSound, settings_.SoundFile);
  game_.LoadScoreTable(settings_.ScoreTableFile, vorpo::ProgramFolder());
  openDialogFolder_ = QDir::currentPath();
  LoadCardPictures();
  CreateSeats();
  for (vorpo::ImageControl* pile : {Image1, Image2, Image3})
    pile->SetCanvasColour(WinColour(vorpo::kTableGreen));
  Image1->Clear();
  DrawPiles();
  vorpo::ImageControl* humanHand = HandImages[0];
  humanHand->setMouseTracking(true);
  connect(humanHand, &vorpo::ImageControl::MouseDown, this,
          [this](Qt::MouseButton, QPoint at) { HandMouseDown(at.x()); });
  connect(humanHand, &vorpo::ImageControl::MouseMove, this,
          [this](QPoint at) { HandMouseMove(at.x()); });
  // The zoom of the settings file: a larger table is kept on the screen as the designed one is.
  ApplyZoom();
  KeepOnScreenHorizontally();
  // Image4 takes its colour each time it is filled. The game starts with no deal and no match
  // running.
  vorpo::ShowWindowBeforeControls(*this);
  // Naming a control for the screen readers asks whether one listens, which sets up the
  // connection to them: it waits until the table is on the screen.
  PrepareKeyboardAndReaders();
}

// An unusable card-image pack leads into the file dialog until a usable one is chosen; a cancel
// falls back on the built-in pictures for this run.
void TForm1::LoadCardPictures() {
  while (!vorpo::LoadImagePack(settings_.ImageFile, game_.State().UseOtherImage != 0, this,
                               ImageList1, ImageList2)) {
    const std::optional<std::string> chosen = AskForImagePack();
    if (!chosen) {
      vorpo::GameSettings builtIn = game_.State();
      builtIn.UseOtherImage = 0;
      game_.ApplySettings(builtIn, vorpo::SettingsFrom::SettingsFile);
      vorpo::LoadImagePack(std::string(), false, this, ImageList1, ImageList2);
      return;
    }
    settings_.ImageFile = *chosen;
    QDir::setCurrent(QFileInfo(QString::fromStdString(*chosen)).absolutePath());
    store_.SaveImageFile(settings_);
  }
}

// A pack whose name the settings file cannot hold is refused, and the dialog asks again.
std::optional<std::string> TForm1::AskForImagePack() {
  if (!OpenDialog1) {
    OpenDialog1 =
        new QFileDialog(this, QStringLiteral("イメージファイルの指定"), openDialogFolder_);
    OpenDialog1->setNameFilters({QStringLiteral("Vorpo イメージファイル (*.vif)"),
                                 QStringLiteral("すべてのファイル (*.*)")});
    OpenDialog1->setDefaultSuffix(QStringLiteral("vif"));
    OpenDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    vorpo::UseProgramFileDialog(*OpenDialog1);
  }
  for (;;) {
    if (OpenDialog1->exec() != QDialog::Accepted || OpenDialog1->selectedFiles().isEmpty())
      return std::nullopt;
    std::string chosen =
        QFileInfo(OpenDialog1->selectedFiles().constFirst()).absoluteFilePath().toStdString();
    if (vorpo::StoredPathForm(chosen)) return chosen;
    ShowError(vorpo::kPathTooLongMessage);
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  QMainWindow::closeEvent(event);
}

void TForm1::FormClose() {
  // A closed table makes no more moves, even while the program is still winding down.
  Timer->stop();
  settings_.Sound = mnuSound->isChecked();
  store_.SaveOnClose(settings_);
  soundPlayer_.ReleaseSoundPack();
  if (helpWindow_) helpWindow_->Close();
}

void TForm1::SaveSettings() {
  store_.SaveSettings(game_.State(), settings_);
}

void TForm1::ApplyWait() {
  SetTimerInterval(settings_.Wait);
}

void TForm1::SetClientSize(int width, int height) {
  clientSize_ = QSize(width, height);
  const QSize zoomed = vorpo::ZoomedRect(QRect(QPoint(), clientSize_), Zoom() / 100.0).size();
  centralWidget()->setFixedSize(zoomed);
  setFixedSize(zoomed.width(), zoomed.height() + menuBar()->heightForWidth(zoomed.width()));
}

void TForm1::KeepOnScreenHorizontally() {
  const int screenWidth = screen()->geometry().width();
  const QRect outer = frameGeometry();
  if (screenWidth >= outer.width() && screenWidth < outer.left() + outer.width())
    move(screenWidth - outer.width(), pos().y());
}

// Measured against the whole screen, not the work area; a window taller than the screen stays
// where it is.
void TForm1::KeepOnScreenVertically() {
  const int screenHeight = screen()->geometry().height();
  const QRect outer = frameGeometry();
  if (screenHeight >= outer.height() && screenHeight < outer.top() + outer.height())
    move(pos().x(), screenHeight - outer.height());
}

void TForm1::ShowError(const std::string& text) {
  vorpo::ShowErrorMessage(this, QString::fromStdString(text));
}

// A table without its sheet window (a table tested on its own) shows no standings.
void TForm1::ShowScoreSheet(const vorpo::Standings& standings) {
  if (frmScore_ == nullptr) return;
  frmScore_->setToolTip(vorpo::SeedToolTip(random_.SeedInUse()));
  frmScore_->ShowScoreSheet(standings);
}

bool TForm1::IsChecked() const {
  return mnuSound->isChecked();
}

void TForm1::SetChecked(bool checked) {
  mnuSound->setChecked(checked);
}

void TForm1::SetEnabled(bool enabled) {
  mnuSound->setEnabled(enabled);
}
