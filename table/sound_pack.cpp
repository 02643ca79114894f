#include "sound_pack.h"

#include <QApplication>
#include <QByteArray>

#include <span>

#include "builtin_resources.h"
#include "pack_resources.h"
#include "program_paths.h"

namespace vorpo {

SoundPlayer::SoundPlayer(SoundMenu& menu) : menu_(menu) {}

void SoundPlayer::LoadSoundPack(bool useOtherSound, const std::string& soundFile) {
  pack_.reset();
  if (!useOtherSound) {
    menu_.SetEnabled(true);
    source_ = Source::BuiltIn;
    return;
  }
  pack_ = ResourceModule::FromFile(FindModuleFile(soundFile, ProgramFolder()));
  if (pack_) {
    menu_.SetEnabled(true);
    source_ = Source::Pack;
  } else {
    menu_.SetChecked(false);
    menu_.SetEnabled(false);
    source_ = Source::None;
  }
}

void SoundPlayer::ReleaseSoundPack() {
  if (!pack_) return;
  pack_.reset();
  source_ = Source::None;
}

void SoundPlayer::PlayTurnSound(const char* name) {
  if (!menu_.IsChecked() || name == nullptr || source_ == Source::None) return;
  QByteArray builtIn;
  std::optional<std::span<const std::uint8_t>> wave;
  if (source_ == Source::Pack) {
    wave = pack_->Find(kSoundResourceType, name);
  } else {
    builtIn = resources::BuiltInSound(name);
    if (!builtIn.isEmpty()) {
      wave = std::span(reinterpret_cast<const std::uint8_t*>(builtIn.constData()),
                       static_cast<std::size_t>(builtIn.size()));
    }
  }
  if (wave) {
    output_.Play(*wave);
    return;
  }
  // Where the platform would play its default sound for a missing resource, this stops the
  // sound playing and rings the bell, which most desktops keep quiet.
  output_.Stop();
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

}  // namespace vorpo
