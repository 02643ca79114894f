// The options dialog (TfrmConfig): five pages of settings, applied all at once by OK. Created
// anew for each showing, filled from the settings; while a match runs the rule settings are
// locked. The turn timer keeps running behind it.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <array>
#include <cstdint>
#include <string>

#include "cards.h"
#include "file_chooser.h"
#include "number_box.h"
#include "options_host.h"
#include "radio_group.h"

namespace vorpo {

// Creates, fills, places and shows the dialog modally, then frees it. owner is the table
// window: the dialog is placed relative to it. parent, when given, is the window the dialog is
// modal to instead of owner (the welcome dialog opens it over itself).
void ShowOptionsDialog(OptionsHost& host, QWidget* owner, QWidget* parent = nullptr);

inline constexpr char kSettingDialogTopic[] = "SETTINGDIALOG";

class TfrmConfig : public QDialog {
  Q_OBJECT
 public:
  TfrmConfig(OptionsHost& host, QWidget* owner, QWidget* parent = nullptr);

  // Puts the settings into the controls, locks what a running match locks and places the
  // dialog; the page and the focus are settled when it is shown (FormShow).
  void Fill();
  // The file dialog of the three browse buttons; ChooseExistingFile unless replaced.
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  void FormShow();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void chbRankingClick();
  void chbCanDefDrawClick();
  void chbUseOtherScrTblClick();
  void chbUseOtherSoundClick();
  void chbUseOtherImageClick();
  void btnSFBrowseClick();
  void btnIFBrowseClick();
  void brnSTFBrowseClick();
  // The key handler of all five number boxes: Enter is OK, Esc is Cancel. True when handled.
  bool speIntervalKeyDown(int key);

  QTabWidget* PageControl1;
  QWidget *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4, *TabSheet5;
  QPushButton *Button1, *Button2, *Button3;

  // Page 0 "ゲーム設定".
  QLabel *Label1, *Label2, *Label3;
  NumberBox *speInterval, *spePlayers;
  QCheckBox *chbRanking, *chbOpenMode;
  RadioGroup* rgScore;
  // How the computer seats play: item 0 the standard player, 1 the strong one.
  QLabel* Label11;
  QComboBox* cmbStrength;

  // Page 1 "ローカルルール".
  QLabel *Label7, *Label8, *Label4, *Label10;
  NumberBox *speIRWScore, *speJRTurns, *speStartingCards;
  QCheckBox *chbCanLastNotFig, *chbCanDefDraw, *chbCanUseNotYama, *chbCanDefWD4, *chbWildFront,
      *chbUseOtherScrTbl;
  QComboBox* cmbScrTblFile;
  QPushButton* brnSTFBrowse;

  // Page 2 "表示".
  QCheckBox* chbNotShowCompCard;
  QLabel* Label9;
  QComboBox* cmbNameFont;

  // Page 3 "プレイヤーの名前": Edit1 … Edit10, the name boxes of seats 0 … 9.
  std::array<QLineEdit*, kSeats> Edits;

  // Page 4 "その他".
  QCheckBox *chbUseOtherSound, *chbUseOtherImage;
  QLabel *Label5, *Label6;
  QComboBox *cmbSoundFile, *cmbImageFile;
  QPushButton *btnSFBrowse, *btnIFBrowse;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreatePages();
  void CreateGamePage();
  void CreateRulesPage();
  void CreateDisplayPage();
  void CreateNamesPage();
  void CreateOtherPage();
  void ConnectHandlers();
  std::array<NumberBox*, 5> NumberBoxes() const;
  void FillFontList();
  void FillFileLists();
  bool FileNamesCanBeStored();
  void BringDealUpToDate(const std::string& imageFileBefore);
  // Shows the file dialog for box; afterwards the current directory becomes the folder of the
  // chosen file, or, when folderAfterCancel, of the name the dialog started with.
  void Browse(QComboBox* box, const FileDialogSpec& spec, bool folderAfterCancel);

  OptionsHost& host_;
  QWidget* owner_;
  bool openModeOnEntry_ = false;
  FileChooser chooser_ = ChooseExistingFile;
};

}  // namespace vorpo
