#include "AboutBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPixmap>

#include "builtin_resources.h"
#include "fonts.h"
#include "help_window.h"
#include "place_near_owner.h"
#include "program_paths.h"

namespace vorpo {

namespace {

// 0x00BBGGRR 0xFF0000 and 0x800000.
const QColor kAddressBlue(0x00, 0x00, 0xFF);
const QColor kAddressNavy(0x00, 0x00, 0x80);
const QRect kAddressPlace(75, 63, 253, 12);

QLabel* MakeNameLabel(QWidget* parent, const QString& text, int left, int top) {
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
  font.setPixelSize(13);
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QIcon ProgramIcon() {
  const QIcon icon = QApplication::windowIcon();
  return icon.isNull() ? QIcon(QString::fromLatin1(resources::kIcon48)) : icon;
}

}  // namespace

QUrl HelpPageAddress() {
  return QUrl::fromLocalFile(QString::fromStdString(HelpPagePath(HelpFilePath(ProgramPath()))));
}

void ShowAboutBox(QWidget* owner, const QString& title, const QString& version) {
  TfrmAbout box(owner, HelpPageAddress());
  PlaceNearOwner(owner, &box);
  box.lblProjName->setText(title);
  box.lblProjName->adjustSize();
  box.lblVersion->setText(version);
  box.lblVersion->adjustSize();
  box.exec();
}

TfrmAbout::TfrmAbout(QWidget* owner, const QUrl& address) : QDialog(owner), address_(address) {
  setWindowTitle(QStringLiteral("バージョン情報"));
  setFont(DialogFont());
  setFixedSize(402, 87);
  setMouseTracking(true);

  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setGeometry(307, 16, 75, 25);
  connect(Button1, &QPushButton::clicked, this, &TfrmAbout::Button1Click);

  AppIcon = new QLabel(this);
  AppIcon->move(19, 16);
  AppIcon->setPixmap(ProgramIcon().pixmap(32, 32));
  AppIcon->adjustSize();

  lblProjName = MakeNameLabel(this, QStringLiteral("Vorpo"), 75, 11);
  Label1 = MakeNameLabel(this, QStringLiteral("Version"), 75, 27);
  lblVersion = MakeNameLabel(this, QString(), 125, 27);
  lblCopyright = MakeNameLabel(this, QString::fromUtf8(kCopyright), 75, 43);

  // The address is the help page's, so it is as long as the program's folder: where it does not
  // fit the label, its middle gives way, and the whole address is the label's tool tip.
  Label2 = new QLabel(this);
  Label2->setGeometry(kAddressPlace);
  const QString prefix = QStringLiteral("URL: ");
  const QFontMetrics metrics(Label2->font());
  Label2->setText(prefix +
                  metrics.elidedText(address_.toString(), Qt::ElideMiddle,
                                     kAddressPlace.width() - metrics.horizontalAdvance(prefix)));
  Label2->setToolTip(address_.toString());
  Label2->setCursor(QCursor(QPixmap(QString::fromLatin1(resources::kHandCursor)),
                            resources::kHandHotSpotX, resources::kHandHotSpotY));
  Label2->setMouseTracking(true);
  Label2->installEventFilter(this);
  SetAddressColour(kAddressBlue);
}

void TfrmAbout::SetAddressColour(const QColor& colour) {
  QPalette palette = Label2->palette();
  palette.setColor(QPalette::WindowText, colour);
  Label2->setPalette(palette);
}

void TfrmAbout::Button1Click() {
  close();
}

void TfrmAbout::Label2MouseMove() {
  SetAddressColour(kAddressNavy);
}

void TfrmAbout::FormMouseMove() {
  SetAddressColour(kAddressBlue);
}

void TfrmAbout::Label2Click() {
  QDesktopServices::openUrl(address_);
}

void TfrmAbout::mouseMoveEvent(QMouseEvent* event) {
  FormMouseMove();
  QDialog::mouseMoveEvent(event);
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label2) {
    if (event->type() == QEvent::MouseMove) {
      Label2MouseMove();
      // Passed on, the move would reach the box's background and turn the label blue again.
      return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton && Label2->rect().contains(mouse->position().toPoint()))
        Label2Click();
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vorpo
