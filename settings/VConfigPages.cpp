// The options dialog's controls at their places, page by page, in the tab order of the pages.
#include "VConfig.h"
#include "designed_geometry.h"
#include "fonts.h"
#include "name_text.h"

namespace vorpo {

namespace {

// buddy: the control the label's "&" letter focuses.
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& place,
                  QWidget* buddy = nullptr) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  PlaceLabel(label, place);
  return label;
}

QCheckBox* MakeCheck(QWidget* parent, const QString& text, const QRect& place) {
  auto* box = new QCheckBox(text, parent);
  box->setGeometry(place);
  return box;
}

NumberBox* MakeNumber(QWidget* parent, int minimum, int maximum, int step, const QRect& place) {
  auto* box = new NumberBox(minimum, maximum, step, parent);
  box->setGeometry(place);
  return box;
}

// An editable combo box for a file name; a name typed is never added to the list.
QComboBox* MakeFileCombo(QWidget* parent, const QRect& place) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setGeometry(place);
  return box;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const QRect& place) {
  auto* button = new QPushButton(text, parent);
  button->setGeometry(place);
  return button;
}

}  // namespace

TfrmConfig::TfrmConfig(OptionsHost& host, QWidget* owner, QWidget* parent)
    : QDialog(parent ? parent : owner), host_(host), owner_(owner) {
  setWindowTitle(QStringLiteral("オプション"));
  // Modal to its parent only, so that the help window its Help button opens stays usable.
  setWindowModality(Qt::WindowModal);
  setFont(DialogFont());
  setFixedSize(351, 394);
  CreatePages();
  Button1 = MakeButton(this, QStringLiteral("OK"), {107, 359, 75, 25});
  Button1->setDefault(true);
  Button2 = MakeButton(this, QStringLiteral("キャンセル"), {187, 359, 75, 25});
  Button3 = MakeButton(this, QStringLiteral("ヘルプ(&H)"), {266, 359, 75, 25});
  ConnectHandlers();
}

void TfrmConfig::CreatePages() {
  PageControl1 = new QTabWidget(this);
  PageControl1->setGeometry(11, 11, 329, 334);
  FitTabsInOneRow(PageControl1);
  TabSheet1 = new QWidget;
  TabSheet2 = new QWidget;
  TabSheet3 = new QWidget;
  TabSheet4 = new QWidget;
  TabSheet5 = new QWidget;
  PageControl1->addTab(TabSheet1, QStringLiteral("ゲーム設定"));
  PageControl1->addTab(TabSheet2, QStringLiteral("ローカルルール"));
  PageControl1->addTab(TabSheet3, QStringLiteral("表示"));
  PageControl1->addTab(TabSheet4, QStringLiteral("プレイヤーの名前"));
  PageControl1->addTab(TabSheet5, QStringLiteral("その他"));
  CreateGamePage();
  CreateRulesPage();
  CreateDisplayPage();
  CreateNamesPage();
  CreateOtherPage();
}

void TfrmConfig::CreateGamePage() {
  QWidget* page = TabSheet1;
  speInterval = MakeNumber(page, 1, 5000, 100, {120, 19, 64, 21});
  Label1 = MakeLabel(page, QStringLiteral("表示待ち時間(&W):"), {28, 24, 89, 12}, speInterval);
  Label2 = MakeLabel(page, QStringLiteral("ミリ秒"), {188, 24, 29, 12});
  chbRanking = MakeCheck(page, QStringLiteral("ランキング設定(&R)"), {27, 57, 110, 17});
  chbOpenMode = MakeCheck(page, QStringLiteral("オープンモード(&O)"), {148, 57, 109, 17});
  spePlayers = MakeNumber(page, 1, 9, 1, {136, 91, 51, 21});
  Label3 = MakeLabel(page, QStringLiteral("コンピュータの数(&C):"), {28, 96, 103, 12}, spePlayers);
  rgScore = new RadioGroup(QStringLiteral("得点計算と勝敗決定(&D)"),
                           {QStringLiteral("国際ルール"), QStringLiteral("日本ルール")}, 2, page);
  rgScore->setGeometry(23, 127, 193, 45);
  // In the page's free room below the scoring rule, lined up with the open-mode switch above.
  cmbStrength = new QComboBox(page);
  cmbStrength->addItems({QStringLiteral("標準"), QStringLiteral("強い")});
  cmbStrength->setGeometry(148, 189, 68, 20);
  Label11 =
      MakeLabel(page, QStringLiteral("コンピュータの強さ(&K):"), {28, 194, 115, 12}, cmbStrength);
}

void TfrmConfig::CreateRulesPage() {
  QWidget* page = TabSheet2;
  speIRWScore = MakeNumber(page, 1, 1000, 1, {191, 13, 51, 21});
  Label7 = MakeLabel(page, QStringLiteral("国際ルールのウイニングスコア(&S):"), {7, 17, 174, 12},
                     speIRWScore);
  speJRTurns = MakeNumber(page, 1, 30, 1, {191, 45, 51, 21});
  Label8 =
      MakeLabel(page, QStringLiteral("日本ルールのターン数(&T):"), {7, 49, 132, 12}, speJRTurns);
  speStartingCards = MakeNumber(page, 1, 56, 1, {91, 77, 51, 21});
  Label4 = MakeLabel(page, QStringLiteral("初期枚数(&C):"), {7, 81, 66, 12}, speStartingCards);
  chbCanLastNotFig =
      MakeCheck(page, QStringLiteral("数字以外でも上がれる(&F)"), {151, 77, 147, 17});
  chbCanDefDraw = MakeCheck(page, QStringLiteral("DrawをDrawで返せる(&E)"), {7, 109, 150, 17});
  chbCanUseNotYama =
      MakeCheck(page, QStringLiteral("取ったカード以外も使える(&Y)"), {151, 109, 163, 17});
  chbCanDefWD4 = MakeCheck(page, QStringLiteral("色が合っていればWildDraw4をDraw2で返せる(&W)"),
                           {7, 141, 267, 17});
  chbWildFront =
      MakeCheck(page, QStringLiteral("Wildの直前の記号を有効にする(&R)"), {7, 173, 194, 17});
  chbUseOtherScrTbl =
      MakeCheck(page, QStringLiteral("外部スコア定義ファイルを利用する(&D)"), {7, 205, 218, 17});
  // This label's letter focuses nothing; without a buddy Qt would show the "&" itself, so the
  // letter is underlined by hand.
  Label10 = new QLabel(QStringLiteral("スコアファイル(<u>O</u>):"), page);
  Label10->setTextFormat(Qt::RichText);
  PlaceLabel(Label10, {28, 232, 91, 12});
  cmbScrTblFile = MakeFileCombo(page, {144, 228, 163, 20});
  brnSTFBrowse = MakeButton(page, QStringLiteral("参照(&B)"), {227, 256, 75, 25});
}

void TfrmConfig::CreateDisplayPage() {
  QWidget* page = TabSheet3;
  chbNotShowCompCard =
      MakeCheck(page, QStringLiteral("コンピュータのカードは表示しない(&S)"), {17, 20, 213, 17});
  cmbNameFont = new QComboBox(page);
  cmbNameFont->setGeometry(128, 54, 153, 20);
  Label9 = MakeLabel(page, QStringLiteral("名前のフォント(&F):"), {29, 59, 91, 12}, cmbNameFont);
}

void TfrmConfig::CreateNamesPage() {
  const int nameMax = host_.Program().NameMax;
  for (int seat = 0; seat < kSeats; ++seat) {
    const int column = seat / 5, row = seat % 5;
    auto* box = new QLineEdit(TabSheet4);
    box->setObjectName(QStringLiteral("Edit%1").arg(seat + 1));
    box->setGeometry(column == 0 ? 23 : 167, 21 + 32 * row, 132, 20);
    box->setValidator(new NameValidator(nameMax, box));
    Edits[static_cast<std::size_t>(seat)] = box;
  }
}

void TfrmConfig::CreateOtherPage() {
  QWidget* page = TabSheet5;
  chbUseOtherSound = MakeCheck(page, QStringLiteral("外部サウンドを使う(&O)"), {17, 20, 136, 17});
  cmbSoundFile = MakeFileCombo(page, {144, 43, 163, 20});
  Label5 = MakeLabel(page, QStringLiteral("サウンドファイル(&S):"), {38, 47, 99, 12}, cmbSoundFile);
  btnSFBrowse = MakeButton(page, QStringLiteral("参照(&B)"), {227, 71, 75, 25});
  chbUseOtherImage = MakeCheck(page, QStringLiteral("外部イメージを使う(&M)"), {17, 108, 136, 17});
  cmbImageFile = MakeFileCombo(page, {144, 131, 163, 20});
  Label6 =
      MakeLabel(page, QStringLiteral("イメージファイル(&I):"), {38, 135, 96, 12}, cmbImageFile);
  btnIFBrowse = MakeButton(page, QStringLiteral("参照(&R)"), {227, 159, 75, 25});
}

}  // namespace vorpo
