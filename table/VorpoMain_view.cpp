// What the game asks of the table: the layout of the seats, the piles, the hands, the
// indicators and the name labels. Everything is drawn into the controls' own surfaces.
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <string_view>

#include "VorpoMain.h"
#include "card_names.h"
#include "hand_drawing.h"
#include "raised_bevel.h"
#include "table_geometry.h"
#include "table_style.h"

using vorpo::Indicator;
using vorpo::WinColour;

namespace {

constexpr int kSmallPassReleased = 0;
constexpr int kSmallArrowDown = 2;
constexpr int kSmallArrowUp = 3;

std::size_t Index(int seat) {
  return static_cast<std::size_t>(seat);
}

}  // namespace

void TForm1::LayoutSeats() {
  const vorpo::GameState& state = game_.State();
  const bool compact = state.NotShowCompCard;
  for (int seat = 0; seat < vorpo::kSeats; ++seat) {
    vorpo::ImageControl* hand = HandImages[Index(seat)];
    if (seat > 0) hand->setVisible(!compact);
    NameLabels[Index(seat)]->MoveTo({0, vorpo::NameLabelTop(seat, compact)});
    hand->MoveTo({vorpo::HandImageLeft(seat, compact), vorpo::HandImageTop(seat)});
  }
  SetClientSize(vorpo::kClientWidth, vorpo::ClientHeight(state.Players, compact));
  KeepOnScreenVertically();
}

void TForm1::DrawPiles() {
  DrawTopCard();
  Image2->Clear();
  Image3->Clear();
  Image2->DrawCell(ImageList1, vorpo::kCellBack, 0, 0);
  Image3->DrawCell(ImageList1, vorpo::kCellSecondPile, 0, 0);
  Button1->DrawCell(ImageList2, kSmallPassReleased, 0, 0);
  ImageList2.SetBackground(WinColour(vorpo::kTableGreen));
  imgArrowUp->DrawCell(ImageList2, kSmallArrowUp, 0, 0);
  imgArrowDown->DrawCell(ImageList2, kSmallArrowDown, 0, 0);
  Image2->Repaint();
  Image3->Repaint();
  Button1->Repaint();
}

void TForm1::DrawTopCard() {
  Image1->Clear();
  DrawTopCardOver();
  Image1->Repaint();
}

void TForm1::DrawTopCardOver() {
  const vorpo::Card top = game_.State().TopCard;
  Image1->DrawCell(ImageList1, vorpo::ImageCell(top), 0, 0);
  // A pile that does not show has nothing to tell a screen reader; the pile drawn at start-up
  // keeps the name it is given once the table shows.
  if (Image1->isVisible()) Image1->setAccessibleName(QStringLiteral("場：") + vorpo::CardName(top));
}

void TForm1::DrawHand(int seat, bool faceDown) {
  const vorpo::GameState& state = game_.State();
  if (seat != 0 && state.NotShowCompCard) return;
  vorpo::DrawHandCards(*HandImages[Index(seat)], ImageList1, state.Hands[Index(seat)], faceDown);
  if (seat == 0) MarkHumanHand(true);
}

void TForm1::RepaintHand(int seat) {
  HandImages[Index(seat)]->Repaint();
}

// Everything drawn since the last paint goes on the screen now, as a repaint of the whole window
// would show it; only the pieces that changed are painted and sent to the screen.
void TForm1::RepaintWindow() {
  QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
}

void TForm1::ApplyNameFont() {
  const QString face = QString::fromStdString(game_.State().NameFont);
  for (vorpo::TableLabel* label : NameLabels) label->SetFace(face);
}

void TForm1::WidenHand(int seat) {
  vorpo::ImageControl* hand = HandImages[Index(seat)];
  hand->ResizeTo({vorpo::kClientWidth, hand->Bounds().height()});
}

void TForm1::WriteFinish(int seat) {
  HandImages[Index(seat)]->TextOut(15, 2, QStringLiteral("FINISH!!"), finishFont_,
                                   WinColour(vorpo::kNavy));
}

QWidget* TForm1::IndicatorWidget(Indicator indicator) const {
  switch (indicator) {
    case Indicator::PileFrame:
      return Bevel1;
    case Indicator::ArrowUp:
      return imgArrowUp;
    case Indicator::ArrowDown:
      return imgArrowDown;
    case Indicator::TopCard:
      return Image1;
    case Indicator::Stock:
      return Image2;
    case Indicator::EmptyStock:
      return Image3;
    case Indicator::ColourSwatch:
      return Image4;
    case Indicator::Penalty:
      return Label1;
    case Indicator::SwatchCaption:
      return Label2;
    case Indicator::Symbol:
      return Label3;
    case Indicator::Pass:
      return Button1;
    case Indicator::ColourChooser:
    case Indicator::Count:
      break;
  }
  return nullptr;
}

void TForm1::SetVisible(Indicator indicator, bool visible) {
  if (indicator == Indicator::ColourChooser) {
    for (QWidget* part : {Label4, Label5, Label6, Label7, Label8}) part->setVisible(visible);
    // While a colour is asked for, the hand takes no card.
    if (!SelectionShown()) EraseSelectionMark();
    return;
  }
  if (QWidget* widget = IndicatorWidget(indicator)) widget->setVisible(visible);
}

void TForm1::FillSwatch(int colourIndex) {
  Image4->SetCanvasColour(WinColour(vorpo::kCardColours[colourIndex & 3]));
  Image4->FillRectangle(QRect(0, 0, 16, 16));
  Image4->setAccessibleName(QStringLiteral("指定色：") + vorpo::ColourName(colourIndex));
}

void TForm1::SetPenaltyCaption(const std::string& text) {
  Label1->SetCaption(QString::fromStdString(text));
  Label1->setAccessibleName(QStringLiteral("罰則 %1 枚").arg(game_.State().PenaltyCount));
}

void TForm1::SetSymbolCaption(char symbol) {
  Label3->SetCaption(QString(QChar::fromLatin1(symbol)));
  const auto kind = static_cast<int>(std::string_view(vorpo::kSymbolChars).find(symbol));
  Label3->setAccessibleName(QStringLiteral("有効な記号：") + vorpo::KindName(kind));
}

void TForm1::SetSeatCaption(int seat, const std::string& text) {
  const QString caption = QString::fromStdString(text);
  NameLabels[Index(seat)]->SetCaption(caption);
  NameLabels[Index(seat)]->setAccessibleName(caption);
}

void TForm1::ShowSeatLabel(int seat) {
  NameLabels[Index(seat)]->show();
}

void TForm1::SetSeatHighlight(int seat, bool current) {
  vorpo::TableLabel* label = NameLabels[Index(seat)];
  label->SetFontColour(WinColour(current ? vorpo::kPureRed : vorpo::kBlack));
  label->SetBold(current);
  label->setAccessibleDescription(current ? QStringLiteral("手番") : QString());
  // The keyboard's mark comes and goes with the human's turn.
  if (seat == 0) {
    ShowSelectionMark(current && SelectionShown());
    if (current) AnnounceSelection();
  }
}

void TForm1::SetStartCommand(bool start) {
  mnuStart->setText(start ? QStringLiteral("スタート(&S)") : QStringLiteral("中断(&B)"));
  mnuStart->setShortcut(start ? Qt::Key_F2 : Qt::Key_F3);
}

// The computer seats keep their rhythm from seat to seat: a running timer is left alone.
void TForm1::SetTimerEnabled(bool enabled) {
  if (!enabled)
    Timer->stop();
  else if (!Timer->isActive())
    Timer->start();
}

void TForm1::PlayTurnSound(const char* name) {
  soundPlayer_.PlayTurnSound(name);
}
