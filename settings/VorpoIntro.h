// The welcome dialog (TfrmIntro): shown once at the end of start-up, it asks for the human
// player's name and either starts the game (OK) or ends the program (終了, or the title bar).
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "options_host.h"

namespace vorpo {

// True when the player chose OK; the name is then seat 0's configured name and the settings
// are saved. owner is the table window, which the dialog is centred on.
bool ShowWelcomeDialog(OptionsHost& host, QWidget* owner);

class TfrmIntro : public QDialog {
  Q_OBJECT
 public:
  TfrmIntro(OptionsHost& host, QWidget* owner);

  // Takes the name and its length limit from the settings and centres the dialog on its owner.
  void Fill();
  // 1 when the dialog was closed by OK; any other way of closing leaves it 0.
  int WelcomeResult() const { return welcomeResult_; }

  void Edit1Change();
  void Button1Click();
  void Button2Click();
  void Button3Click();

  QLabel *Label2, *Label1;
  QLineEdit* Edit1;
  QPushButton *Button1, *Button2, *Button3;

 private:
  OptionsHost& host_;
  QWidget* owner_;
  int welcomeResult_ = 0;
};

}  // namespace vorpo
