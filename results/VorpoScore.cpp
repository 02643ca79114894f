#include "VorpoScore.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>
#include <ctime>
#include <limits>

#include "match.h"
#include "message_box.h"
#include "name_spelling.h"
#include "place_near_owner.h"
#include "results_file.h"
#include "results_format.h"
#include "results_save_dialog.h"
#include "window_hints.h"

namespace {

constexpr int kInitialWidth = 435;
constexpr int kInitialHeight = 300;
constexpr int kPanelHeight = 41;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kButtonTop = 8;
// Every line of the sheet takes 13 pixels.
constexpr int kLineHeight = 13;
// Room beside a line's own width, for the text area's cursor column.
constexpr int kLineSlack = 2;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont SheetFamily() {
  QFont font(QStringLiteral("ＭＳ ゴシック"));
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

// The label that measures the sheet's width has characters 13 pixels high.
QFont MeasuringFont() {
  QFont font = SheetFamily();
  font.setPixelSize(kLineHeight);
  return font;
}

// The sheet's text is set in characters whose whole cell (ascent and descent) is 13 pixels, so
// that its lines stand exactly 13 pixels apart.
QFont TextFont() {
  QFont font = SheetFamily();
  for (int size = kLineHeight; size > 1; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).height() <= kLineHeight) break;
  }
  return font;
}

}  // namespace

TfrmScore::TfrmScore(vorpo::Game& game, const vorpo::ProgramSettings& settings, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowMinimizeButtonHint),
      game_(game),
      settings_(settings),
      owner_(owner) {
  // Minimising only: no system menu and so no close box, but a border that resizes.
  vorpo::SetWindowFrame(this, {.resizable = true, .windowMenu = false, .minimizable = true});
  QFont windowFont(QStringLiteral("MS UI Gothic"));
  windowFont.setPixelSize(12);
  setFont(windowFont);
  setWindowTitle(FromUtf8(vorpo::ScoreSheetCaption(false)));

  Label1 = new QLabel(this);
  Label1->setFont(MeasuringFont());
  Label1->move(0, 0);

  Memo1 = new QTextEdit(this);
  Memo1->setReadOnly(true);
  Memo1->setFrameShape(QFrame::NoFrame);
  Memo1->setLineWrapMode(QTextEdit::NoWrap);
  // A sheet as wide as the screen scrolls its text sideways; one that fits shows no bar.
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->document()->setDocumentMargin(0);
  QTextOption centred(Qt::AlignHCenter);
  centred.setWrapMode(QTextOption::NoWrap);
  Memo1->document()->setDefaultTextOption(centred);
  Memo1->setFont(TextFont());
  QPalette colours = Memo1->palette();
  colours.setColor(QPalette::Base, colours.color(QPalette::Button));
  colours.setColor(QPalette::Text, Qt::black);
  Memo1->setPalette(colours);
  Memo1->setFocusPolicy(Qt::ClickFocus);
  Memo1->viewport()->setCursor(Qt::ArrowCursor);
  // The sheet offers no context menu, not even the edit field's own.
  Memo1->setContextMenuPolicy(Qt::PreventContextMenu);
  Memo1->installEventFilter(this);

  Panel1 = new QWidget(this);
  Panel1->installEventFilter(this);
  Bevel1 = new QFrame(Panel1);
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  Button1 = new QPushButton(QStringLiteral("OK"), Panel1);
  Button1->setGeometry(0, kButtonTop, kButtonWidth, kButtonHeight);
  // Enter presses it as the default button; Esc rejects the dialog, which closes it the same way.
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TfrmScore::Button1Click);

  SaveDialog1 = new vorpo::ResultsSaveDialog(this);

  resize(kInitialWidth, kInitialHeight);
}

void TfrmScore::ShowScoreSheet(const vorpo::Standings& standings) {
  setWindowTitle(FromUtf8(standings.Caption()));
  SizeWidth(standings.Players());
  matchOver_ = standings.MatchOver();
  ShowText(standings.Text());
  vorpo::PlaceNearOwner(owner_, this);
  Button1->setFocus();
  exec();
}

void TfrmScore::ShowStandings() {
  const bool seatsMoving = game_.State().TimerEnabled;
  if (seatsMoving) game_.SetTimer(false);
  // The standings as they are: a sheet opened from the menu never ends a match.
  ShowScoreSheet(vorpo::Standings(game_.State(), false));
  // Re-enabling starts a fresh interval: the next seat moves one full wait after the sheet
  // closes, as after any other move.
  if (seatsMoving) game_.SetTimer(true);
}

QString TfrmScore::Memo1Text() const {
  return Memo1->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void TfrmScore::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TfrmScore::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const int width = event->size().width();
  const int height = event->size().height();
  Memo1->setGeometry(0, 0, width, std::max(0, height - kPanelHeight));
  Panel1->setGeometry(0, height - kPanelHeight, width, kPanelHeight);
  Bevel1->setGeometry(0, 0, width, 2);
}

bool TfrmScore::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Memo1 && event->type() == QEvent::FocusIn) Memo1Enter();
  if (watched == Panel1 && event->type() == QEvent::Resize) Panel1Resize();
  return QDialog::eventFilter(watched, event);
}

void TfrmScore::Button1Click() {
  accept();
}

void TfrmScore::Memo1Enter() {
  Button1->setFocus();
}

void TfrmScore::Panel1Resize() {
  Button1->move((frameGeometry().width() - Button1->width()) / 2, kButtonTop);
}

void TfrmScore::SizeWidth(int players) {
  const int columns = players * settings_.NameMax + 1;
  Label1->setText(QString(columns, QLatin1Char(' ')));
  Label1->adjustSize();
  resize(Label1->width(), height());
  Panel1Resize();
  Label1->clear();
}

// The sheet keeps the width its names give it, grows to its longest line (a WINNER line of many
// tied seats can be longer), and is never wider than the screen: beyond that its text scrolls.
void TfrmScore::ShowText(const std::string& text) {
  Memo1->setPlainText(FromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  const QFontMetrics metrics(Memo1->font());
  longestLine_ = 0;
  for (QTextBlock line = Memo1->document()->begin(); line.isValid(); line = line.next())
    longestLine_ = std::max(longestLine_, metrics.horizontalAdvance(line.text()) + kLineSlack);
  wantedWidth_ = std::max(width(), longestLine_);
  FitOnScreen();
}

void TfrmScore::FitOnScreen() {
  const int fitting = std::min(wantedWidth_, ScreenWidthForClient());
  const int lines = Memo1->document()->blockCount();
  const int scrollBar =
      longestLine_ > fitting ? Memo1->horizontalScrollBar()->sizeHint().height() : 0;
  resize(fitting, (lines + 1) * kLineHeight + kPanelHeight + scrollBar);
  Panel1Resize();
}

void TfrmScore::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (width() <= ScreenWidthForClient()) return;
  FitOnScreen();
  vorpo::PlaceNearOwner(owner_, this);
}

int TfrmScore::ScreenWidthForClient() const {
  const QWidget* window = owner_ ? owner_->window() : this;
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return std::numeric_limits<int>::max();
  const int frame = std::max(0, frameGeometry().width() - width());
  return std::max(1, screen->availableGeometry().width() - frame);
}

void TfrmScore::FormClose() {
  if (!matchOver_ || !game_.State().Ranking) return;
  if (!vorpo::AskQuestion(this, QStringLiteral("結果を書き出しますか？"))) return;
  if (SaveDialog1->exec() != QDialog::Accepted) return;
  const auto failure = vorpo::WriteResultsFile(Memo1Text().toStdString(), SaveDialog1->ChosenFile(),
                                               vorpo::ResultsDateTime(std::time(nullptr)),
                                               vorpo::SeatNameSpellings(game_.State(), settings_));
  if (failure) ShowError(*failure);
}

void TfrmScore::ShowError(const std::string& text) {
  vorpo::ShowErrorMessage(this, FromUtf8(text));
}
