#include "VorpoIntro.h"

#include "VConfig.h"
#include "designed_geometry.h"
#include "fonts.h"
#include "name_text.h"

namespace vorpo {

namespace {

// The name the welcome dialog gives the human seat; every other setting stays.
void NameHumanSeat(Game& game, const QString& name) {
  GameSettings next = game.State();
  next.ConfiguredNames[0] = NameFromBox(name);
  game.ApplySettings(next, SettingsFrom::OptionsDialog);
}

}  // namespace

bool ShowWelcomeDialog(OptionsHost& host, QWidget* owner) {
  TfrmIntro dialog(host, owner);
  dialog.Fill();
  dialog.exec();
  if (dialog.WelcomeResult() != 1) return false;
  Game& game = host.CurrentGame();
  NameHumanSeat(game, dialog.Edit1->text());
  host.Store().SaveSettings(game.State(), host.Program());
  return true;
}

TfrmIntro::TfrmIntro(OptionsHost& host, QWidget* owner)
    : QDialog(owner), host_(host), owner_(owner) {
  setWindowTitle(QStringLiteral("Vorpo"));
  setFont(DialogFont());
  setFixedSize(331, 108);
  // Modal to the table window only, so that the help window opened from the options dialog
  // stays usable.
  setWindowModality(Qt::WindowModal);
  Label2 = new QLabel(QStringLiteral("Vorpoへようこそ"), this);
  PlaceLabel(Label2, {15, 14, 67, 12});
  Label1 = new QLabel(QStringLiteral("プレーヤーの名前 :"), this);
  PlaceLabel(Label1, {20, 32, 88, 12});
  Edit1 = new QLineEdit(this);
  Edit1->setGeometry(52, 50, 173, 20);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setGeometry(242, 10, 75, 25);
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("終了"), this);
  Button2->setGeometry(242, 42, 75, 25);
  Button3 = new QPushButton(QStringLiteral("オプション(&O)"), this);
  Button3->setGeometry(242, 74, 75, 25);
  connect(Edit1, &QLineEdit::textChanged, this, &TfrmIntro::Edit1Change);
  connect(Button1, &QPushButton::clicked, this, &TfrmIntro::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TfrmIntro::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TfrmIntro::Button3Click);
}

void TfrmIntro::Fill() {
  Edit1->setValidator(new NameValidator(host_.Program().NameMax, Edit1));
  Edit1->setText(QString::fromStdString(host_.CurrentGame().State().ConfiguredNames[0]));
  Edit1Change();
  if (owner_) {
    const QRect table = owner_->frameGeometry();
    const QRect dialog = frameGeometry();
    move(table.left() + (table.width() - dialog.width()) / 2,
         table.top() + (table.height() - dialog.height()) / 2);
  }
}

void TfrmIntro::Edit1Change() {
  Button1->setEnabled(!Edit1->text().isEmpty());
}

void TfrmIntro::Button1Click() {
  welcomeResult_ = 1;
  accept();
}

void TfrmIntro::Button2Click() {
  welcomeResult_ = 0;
  reject();
}

void TfrmIntro::Button3Click() {
  Game& game = host_.CurrentGame();
  NameHumanSeat(game, Edit1->text());
  ShowOptionsDialog(host_, owner_, this);
  Edit1->setText(QString::fromStdString(game.State().ConfiguredNames[0]));
}

}  // namespace vorpo
