// What the options dialog and the welcome dialog need of the table window. The table window
// implements it; the dialogs know nothing else of it, and tests give them a stand-in.
#pragma once

#include <QString>

#include <cstdint>
#include <string>

#include "game.h"
#include "settings_store.h"
#include "table_view.h"

class QWidget;

namespace vorpo {

class OptionsHost {
 public:
  virtual ~OptionsHost() = default;

  // The game: its state holds the rule and display settings and the configured names.
  virtual Game& CurrentGame() = 0;
  // NameMax, the turn timer's interval and the three pack file names.
  virtual ProgramSettings& Program() = 0;
  // The settings file that OK and the welcome dialog write to.
  virtual const SettingsStore& Store() const = 0;
  // The table's drawing, to bring a running deal up to date after OK.
  virtual TableView& View() = 0;
  // The page the options dialog opens on next: 0 at start-up, never stored in a file.
  virtual std::uint8_t& OptionsPage() = 0;
  // The program's own folder: the file lists and a relative score table file come from it.
  virtual std::string ProgramFolder() const = 0;
  // Gives the turn timer its interval in milliseconds.
  virtual void SetTimerInterval(int milliseconds) = 0;
  // Fills both image lists from the pack at path, or from the built-in pictures when
  // useOtherImage is off. When the pack cannot be used it shows "イメージファイルが壊れています。"
  // owned by owner, leaves both lists exactly as they were and returns false.
  virtual bool LoadImagePack(const std::string& path, bool useOtherImage, QWidget* owner) = 0;
  // Releases a loaded sound pack, then loads the one UseOtherSound and SoundFile now name.
  virtual void ReloadSoundPack() = 0;
  // Opens the help file in the program's help window at the topic with this anchor.
  virtual void ShowHelpTopic(const QString& anchor) = 0;
};

}  // namespace vorpo
