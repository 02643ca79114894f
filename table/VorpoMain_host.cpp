// What the options and welcome dialogs ask of the table window: its folder, the timer's
// interval, a new card-image or sound pack.
#include <QTimer>

#include "VorpoMain.h"
#include "image_pack.h"
#include "program_paths.h"

std::string TForm1::ProgramFolder() const {
  return vorpo::ProgramFolder();
}

void TForm1::SetTimerInterval(int milliseconds) {
  Timer->setInterval(milliseconds);
}

bool TForm1::LoadImagePack(const std::string& path, bool useOtherImage, QWidget* owner) {
  return vorpo::LoadImagePack(path, useOtherImage, owner, ImageList1, ImageList2);
}

void TForm1::ReloadSoundPack() {
  soundPlayer_.ReleaseSoundPack();
  soundPlayer_.LoadSoundPack(game_.State().UseOtherSound, settings_.SoundFile);
}
