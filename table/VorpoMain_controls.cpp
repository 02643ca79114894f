// The window as designed: the menu and every control of the table at its place, with its font
// and colour, all hidden until a match starts. Controls are made in the designed order, which
// is also their stacking order: the stock lies over the second pile.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "VorpoMain.h"
#include "raised_bevel.h"
#include "table_geometry.h"
#include "table_style.h"
#include "window_hints.h"

using vorpo::ImageControl;
using vorpo::TableFont;
using vorpo::TableLabel;
using vorpo::WinColour;

namespace {

constexpr int kDesignedClientHeight = 254;

QAction* MenuItem(QMenu* menu, const char* caption, QKeySequence shortcut = {}) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setShortcut(shortcut);
  return item;
}

}  // namespace

void TForm1::CreateMenu() {
  MainMenu1 = menuBar();
  mnuGame = MainMenu1->addMenu(QStringLiteral("ゲーム(&G)"));
  mnuStart = MenuItem(mnuGame, "スタート(&S)", Qt::Key_F2);
  N1 = mnuGame->addSeparator();
  mnuOption = MenuItem(mnuGame, "オプション(&O)...", Qt::Key_F7);
  mnuSound = MenuItem(mnuGame, "サウンド(&S)", Qt::Key_F8);
  // A click ticks and unticks the item itself; sounds play only while it is ticked.
  mnuSound->setCheckable(true);
  mnuSound->setChecked(true);
  mnuCounter = MenuItem(mnuGame, "成績表(&C)...", Qt::Key_F9);
  mnuStatistics = MenuItem(mnuGame, "通算成績(&T)...");
  mnuStatistics->setEnabled(false);
  N2 = mnuGame->addSeparator();
  mnuExit = MenuItem(mnuGame, "終了(&X)");
  mnuHelp = MainMenu1->addMenu(QStringLiteral("ヘルプ(&H)"));
  mnuSearchforHelpOn = MenuItem(mnuHelp, "トピックの検索(&H)");
  N3 = mnuHelp->addSeparator();
  mnuAbout = MenuItem(mnuHelp, "バージョン情報(&A)...");

  connect(mnuStart, &QAction::triggered, this, &TForm1::mnuStartClick);
  connect(mnuOption, &QAction::triggered, this, &TForm1::mnuOptionClick);
  connect(mnuCounter, &QAction::triggered, this, &TForm1::mnuCounterClick);
  connect(mnuStatistics, &QAction::triggered, this, &TForm1::mnuStatisticsClick);
  connect(mnuExit, &QAction::triggered, this, &TForm1::mnuExitClick);
  connect(mnuSearchforHelpOn, &QAction::triggered, this, &TForm1::mnuSearchforHelpOnClick);
  connect(mnuAbout, &QAction::triggered, this, &TForm1::mnuAboutClick);
}

void TForm1::CreateControls() {
  setWindowTitle(QStringLiteral("Vorpo"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  // A fixed size: the window manager offers no resizing, only the system menu and minimising.
  vorpo::SetWindowFrame(this, {.resizable = false, .windowMenu = true, .minimizable = true});
  setAttribute(Qt::WA_InputMethodEnabled, false);
  CreateMenu();

  auto* table = new QWidget(this);
  QPalette colours = table->palette();
  colours.setColor(QPalette::Window, WinColour(vorpo::kTableGreen));
  colours.setColor(QPalette::WindowText, WinColour(vorpo::kBlack));
  table->setPalette(colours);
  table->setAutoFillBackground(true);
  table->setFont(TableFont(vorpo::kUiGothic, 12));
  table->setAttribute(Qt::WA_InputMethodEnabled, false);
  setCentralWidget(table);
  SetClientSize(427, kDesignedClientHeight);

  Bevel1 = new vorpo::RaisedBevel(table, {2, 1, 225, 87});
  imgArrowUp = new ImageControl(table, {6, 14, 40, 25});
  imgArrowDown = new ImageControl(table, {6, 42, 40, 25});
  Image1 = new ImageControl(table, {46, 11, 40, 60});
  Image3 = new ImageControl(table, {102, 11, 40, 60});
  Image2 = new ImageControl(table, {102, 11, 40, 60});
  const QColor white = WinColour(vorpo::kWhite);
  Label1 = new TableLabel(table, {51, 71}, TableFont(vorpo::kUiGothic, 12, true),
                          WinColour(vorpo::kAqua));
  Label3 = new TableLabel(table, {145, 54}, TableFont(vorpo::kUiGothic, 12, true), white);
  Label2 = new TableLabel(table, {154, 20}, TableFont(vorpo::kPMincho, 13, true), white);
  Label2->SetCaption(QStringLiteral("指定色："));
  Image4 = new ImageControl(table, {205, 19, 16, 16});
  Button1 = new ImageControl(table, {166, 47, 40, 25});
  Label8 = new TableLabel(table, {235, 8}, TableFont(vorpo::kPGothic, 12, true), white);
  Label8->SetCaption(QStringLiteral("色を選択してください。"));
  Label4 = new TableLabel(table, {255, 25, 40, 30}, WinColour(vorpo::kCardColours[0]), 0);
  Label5 = new TableLabel(table, {255, 55, 40, 30}, WinColour(vorpo::kCardColours[1]), 1);
  Label6 = new TableLabel(table, {295, 25, 40, 30}, WinColour(vorpo::kCardColours[2]), 2);
  Label7 = new TableLabel(table, {295, 55, 40, 30}, WinColour(vorpo::kCardColours[3]), 3);
  for (QWidget* control : std::initializer_list<QWidget*>{
           Bevel1, imgArrowUp, imgArrowDown, Image1, Image3, Image2, Label1, Label3, Label2, Image4,
           Button1, Label8, Label4, Label5, Label6, Label7})
    control->hide();

  connect(Image2, &ImageControl::Click, this, [this] { game_.Image2Click(); });
  connect(Button1, &ImageControl::MouseDown, this, &TForm1::Button1MouseDown);
  connect(Button1, &ImageControl::MouseUp, this, &TForm1::Button1MouseUp);
  connect(Button1, &ImageControl::Click, this, [this] { game_.DoPass(); });
  for (TableLabel* field : {Label4, Label5, Label6, Label7})
    connect(field, &TableLabel::Click, this, [this, field] { game_.Label4Click(field->Tag()); });

  CreateZoomKeys();
  Timer = new QTimer(this);
  connect(Timer, &QTimer::timeout, this, &TForm1::TimerTimer);
}

void TForm1::CreateSeats() {
  QWidget* table = centralWidget();
  const QColor green = WinColour(vorpo::kTableGreen);
  // A seat's hand begins this far below the top of its name label in the full table.
  const int nameCell = vorpo::HandImageTop(0) - vorpo::NameLabelTop(0, false);
  for (int seat = 0; seat < vorpo::kSeats; ++seat) {
    auto* label =
        new TableLabel(table, {0, 0}, TableFont(vorpo::kUiGothic, vorpo::PointsToPixels(14)),
                       WinColour(vorpo::kBlack), nameCell);
    label->LieOn(green);
    label->hide();
    NameLabels[static_cast<std::size_t>(seat)] = label;
    auto* hand = new ImageControl(
        table, {0, vorpo::HandImageTop(seat), vorpo::kClientWidth, vorpo::kCardHeight},
        {vorpo::kClientWidth, vorpo::kCardHeight});
    hand->SetCanvasColour(green);
    hand->Clear();
    hand->show();
    HandImages[static_cast<std::size_t>(seat)] = hand;
  }
}
