// Where the game's sounds come from and how one is played: the program's own "SE11".."SE18" or
// those of a sound pack module (resources of type "WAVE"), played asynchronously through the
// audio output while the Sound menu item is ticked.
#pragma once

#include <optional>
#include <string>

#include "audio_output.h"
#include "resource_module.h"

namespace vorpo {

// The Sound menu item (mnuSound) as the sound player sees it; the table window implements it.
class SoundMenu {
 public:
  virtual ~SoundMenu() = default;
  virtual bool IsChecked() const = 0;
  virtual void SetChecked(bool checked) = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

class SoundPlayer {
 public:
  explicit SoundPlayer(SoundMenu& menu);

  // With useOtherSound, opens the pack at soundFile (found as a module loader finds it) and
  // plays from it; when it cannot be read, the menu item is unticked and disabled and nothing
  // plays, without a message. Otherwise the program's own sounds play and the menu item is
  // enabled. The tick is changed only by a failed load.
  void LoadSoundPack(bool useOtherSound, const std::string& soundFile);

  // Lets go of a loaded pack (nothing when none is loaded); no sound plays from it afterwards.
  void ReleaseSoundPack();

  // Only while the menu item is ticked: plays the "WAVE" resource of that name, cutting off the
  // sound still playing. A name the source lacks stops the sound playing and rings the
  // system bell at most; a source that is gone plays nothing.
  void PlayTurnSound(const char* name);

  // SoundPackLoaded: a pack is open and is to be released.
  bool PackLoaded() const { return pack_.has_value(); }

 private:
  enum class Source { None, BuiltIn, Pack };

  SoundMenu& menu_;
  Source source_ = Source::None;
  std::optional<ResourceModule> pack_;
  AudioOutput output_;
};

}  // namespace vorpo
