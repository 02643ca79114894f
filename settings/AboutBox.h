// The About box (TfrmAbout): the program's icon, name, version and copyright line, and the
// address of the program's help page, which opens in the desktop's web browser.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace vorpo {

inline constexpr char kCopyright[] = "Copyright (C) 2026 The Vorpo developers";

// Places the box near owner and shows it modally; title is the program's name.
void ShowAboutBox(QWidget* owner, const QString& title, const QString& version);

class TfrmAbout : public QDialog {
  Q_OBJECT
 public:
  // address is what the address label shows after "URL: " and opens.
  TfrmAbout(QWidget* owner, const QUrl& address);

  void Button1Click();
  void Label2MouseMove();
  void FormMouseMove();
  void Label2Click();

  QLabel* AppIcon;
  QLabel *lblProjName, *Label1, *lblVersion, *lblCopyright;
  QLabel* Label2;
  QPushButton* Button1;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetAddressColour(const QColor& colour);

  QUrl address_;
};

// The help page as a file address: what the About box points to.
QUrl HelpPageAddress();

}  // namespace vorpo
