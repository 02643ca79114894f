// The table window: the green table with its indicator block, colour chooser and one row per
// seat, the menu, and the human's mouse and keyboard. It owns the game and everything that
// lives as long as the program, draws what the game asks for and forwards the human's input;
// the rules are the game's.
#pragma once

#include <QCursor>
#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game.h"
#include "hand_selection.h"
#include "human_hand_accessible.h"
#include "image_control.h"
#include "image_lists.h"
#include "options_host.h"
#include "random.h"
#include "settings_store.h"
#include "sound_pack.h"
#include "statistics_keeper.h"
#include "table_label.h"
#include "table_view.h"

class QAction;
class QFileDialog;
class QMenu;
class QMenuBar;
class QTimer;

class TfrmScore;
namespace vorpo {
class HelpWindow;
class RaisedBevel;

// The score sheet's tool tip: the seed that the deal's cards came from, so that a player can
// report the deal and have it dealt again with vorpo --seed.
QString SeedToolTip(std::uint64_t seed);
}  // namespace vorpo

class TForm1 : public QMainWindow,
               public vorpo::TableView,
               public vorpo::SoundMenu,
               public vorpo::OptionsHost,
               public vorpo::HumanHandSource {
  Q_OBJECT

 public:
  // Runs the start-up sequence with the settings of store and the dealer random, and ends
  // with the window shown and no match running.
  TForm1(vorpo::SettingsStore store, vorpo::Random random, QWidget* parent = nullptr);
  ~TForm1() override;

  // What the dialogs read and change.
  vorpo::Game& game() { return game_; }
  vorpo::ProgramSettings& programSettings() { return settings_; }
  const vorpo::SettingsStore& settingsStore() const { return store_; }
  vorpo::SoundPlayer& soundPlayer() { return soundPlayer_; }
  // The page of the options dialog to open next; 0 at start-up.
  std::uint8_t& optionsPage() { return optionsPage_; }
  // The program's path with ".hlp".
  const std::string& helpFile() const { return helpFile_; }
  // The pointing hand, for a label that opens a web address.
  const QCursor& handCursor() const { return handCursor_; }
  // The score sheet window, made once after the table window and reused for every sheet.
  void AttachScoreSheet(TfrmScore* sheet) { frmScore_ = sheet; }
  // Records every finished match in the statistics file at path, which 通算成績(&T)... shows;
  // a table without it keeps no statistics and offers none.
  void KeepStatistics(const std::string& path);
  vorpo::StatisticsKeeper* statistics() { return statistics_.get(); }

  // Writes the rule and display settings to the settings file (OK of the welcome and the
  // options dialog).
  void SaveSettings();
  // The turn timer takes the Wait setting as its interval.
  void ApplyWait();
  // The table zoom in percent, 100 to 300: the whole table drawn larger, for a large screen at
  // the desktop's own scale. Ctrl+Plus, Ctrl+Minus and Ctrl+0 step it; it is kept at close.
  int Zoom() const { return settings_.Zoom; }
  void SetZoom(int percent);

  // The drawing requests of the game.
  void LayoutSeats() override;
  void DrawPiles() override;
  void DrawTopCard() override;
  void DrawTopCardOver() override;
  void DrawHand(int seat, bool faceDown) override;
  void RepaintHand(int seat) override;
  void RepaintWindow() override;
  void ApplyNameFont() override;
  void WidenHand(int seat) override;
  void WriteFinish(int seat) override;
  void SetVisible(vorpo::Indicator indicator, bool visible) override;
  void FillSwatch(int colourIndex) override;
  void SetPenaltyCaption(const std::string& text) override;
  void SetSymbolCaption(char symbol) override;
  void SetSeatCaption(int seat, const std::string& text) override;
  void ShowSeatLabel(int seat) override;
  void SetSeatHighlight(int seat, bool current) override;
  void SetStartCommand(bool start) override;
  void SetTimerEnabled(bool enabled) override;
  void PlayTurnSound(const char* name) override;
  void ShowError(const std::string& text) override;
  void ShowScoreSheet(const vorpo::Standings& standings) override;

  // What the options and welcome dialogs need of the table.
  vorpo::Game& CurrentGame() override { return game_; }
  vorpo::ProgramSettings& Program() override { return settings_; }
  const vorpo::SettingsStore& Store() const override { return store_; }
  vorpo::TableView& View() override { return *this; }
  std::uint8_t& OptionsPage() override { return optionsPage_; }
  std::string ProgramFolder() const override;
  void SetTimerInterval(int milliseconds) override;
  bool LoadImagePack(const std::string& path, bool useOtherImage, QWidget* owner) override;
  void ReloadSoundPack() override;
  void ShowHelpTopic(const QString& anchor) override;

  // The Sound menu item, as the sound player sees it.
  bool IsChecked() const override;
  void SetChecked(bool checked) override;
  void SetEnabled(bool enabled) override;

  // The human's hand as a screen reader reads it.
  const vorpo::HandList& HumanHand() const override { return game_.State().Hands[0]; }
  int MarkedPosition() const override { return handMarked_ ? selection_.Position() : -1; }

  // The human's input.
  void HandMouseDown(int x);
  void HandMouseMove(int x);
  void Button1MouseDown();
  void Button1MouseUp();
  void FormKeyPress(char key);
  // A key pressed without Ctrl, Alt or Shift: the arrows, Home and End choose a card of the
  // human's hand, Enter plays it, Down or D draws, P passes, 1-4 or R, B, Y, G name a colour.
  void FormKeyDown(int key);
  void TimerTimer();

  // The menu.
  void mnuStartClick();
  void mnuOptionClick();
  void mnuCounterClick();
  void mnuStatisticsClick();
  void mnuExitClick();
  void mnuSearchforHelpOnClick();
  void mnuAboutClick();

  // The controls, named as the window's design names them.
  QMenuBar* MainMenu1 = nullptr;
  QMenu* mnuGame = nullptr;
  QAction* mnuStart = nullptr;
  QAction* N1 = nullptr;
  QAction* mnuOption = nullptr;
  QAction* mnuSound = nullptr;
  QAction* mnuCounter = nullptr;
  QAction* mnuStatistics = nullptr;
  QAction* N2 = nullptr;
  QAction* mnuExit = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuSearchforHelpOn = nullptr;
  QAction* N3 = nullptr;
  QAction* mnuAbout = nullptr;

  vorpo::RaisedBevel* Bevel1 = nullptr;
  vorpo::ImageControl* imgArrowUp = nullptr;
  vorpo::ImageControl* imgArrowDown = nullptr;
  vorpo::ImageControl* Image1 = nullptr;
  vorpo::ImageControl* Image3 = nullptr;
  vorpo::ImageControl* Image2 = nullptr;
  vorpo::TableLabel* Label1 = nullptr;
  vorpo::TableLabel* Label3 = nullptr;
  vorpo::TableLabel* Label2 = nullptr;
  vorpo::ImageControl* Image4 = nullptr;
  vorpo::ImageControl* Button1 = nullptr;
  vorpo::TableLabel* Label8 = nullptr;
  vorpo::TableLabel* Label4 = nullptr;
  vorpo::TableLabel* Label5 = nullptr;
  vorpo::TableLabel* Label6 = nullptr;
  vorpo::TableLabel* Label7 = nullptr;
  QTimer* Timer = nullptr;
  // The image-pack file dialog of start-up, made when it is first needed.
  QFileDialog* OpenDialog1 = nullptr;

  std::array<vorpo::TableLabel*, vorpo::kSeats> NameLabels{};
  std::array<vorpo::ImageControl*, vorpo::kSeats> HandImages{};

  vorpo::ImageList ImageList1;
  vorpo::ImageList ImageList2;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void CreateMenu();
  void CreateZoomKeys();
  void FormCreate();
  void LoadCardPictures();
  // The image pack the player chooses in OpenDialog1; nullopt when the dialog is cancelled.
  std::optional<std::string> AskForImagePack();
  void CreateSeats();
  void FormClose();

  // The client area in the table's own pixels; the window takes it at the zoom.
  void SetClientSize(int width, int height);
  void ApplyZoom();
  void KeepOnScreenHorizontally();
  void KeepOnScreenVertically();
  QWidget* IndicatorWidget(vorpo::Indicator indicator) const;

  // The keyboard's card in the human's hand. It is marked on the hand image once the player
  // chooses cards with the keys, and then whenever the human is to move, until a press of the
  // mouse on the hand takes over; a player who uses the mouse sees the table as designed. The
  // mark is drawn over the hand as the game drew it, and the picture under it is kept, so that
  // taking the mark away leaves every pixel as drawn.

  // Gives the hand the keyboard and the table's controls their names for screen readers.
  void PrepareKeyboardAndReaders();
  // Whether a press on the hand could play a card now: a deal runs, the human is to move and
  // no colour is awaited.
  bool HumanToChoose() const;
  bool SelectionShown() const { return keyboardChoosing_ && HumanToChoose(); }
  // After seat 0's hand was drawn afresh: follow the new hand and mark it when the mark shows.
  // raise puts the selected card over its neighbours in an overlapping hand.
  void MarkHumanHand(bool raise);
  void DrawSelectionMark(bool raise);
  void EraseSelectionMark();
  void ShowSelectionMark(bool shown);
  // A key that chooses: step moves a mark already shown. A hidden mark is first shown where it
  // is, unless jump says the step goes to a card of its own (Home, End).
  void MoveSelection(void (vorpo::HandSelection::*step)(), bool jump);
  // Tells screen readers which card is chosen.
  void AnnounceSelection();

  vorpo::Random random_;
  vorpo::Game game_;
  vorpo::SettingsStore store_;
  vorpo::ProgramSettings settings_;
  vorpo::SoundPlayer soundPlayer_;
  std::uint8_t optionsPage_ = 0;
  QSize clientSize_;
  std::string helpFile_;
  QCursor handCursor_;
  QString openDialogFolder_;
  TfrmScore* frmScore_ = nullptr;
  std::unique_ptr<vorpo::StatisticsKeeper> statistics_;
  std::unique_ptr<vorpo::HelpWindow> helpWindow_;
  QFont finishFont_;
  vorpo::HandSelection selection_;
  bool keyboardChoosing_ = false;
  bool handMarked_ = false;
  vorpo::ImageControl::Keepsake unmarkedHand_;
};
