// Feeds arbitrary bytes to the game as a card-image pack file. Whatever the bytes, loading must
// fill both image lists or neither, and every cell of filled lists must draw.
#include <QGuiApplication>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

#include "image_pack.h"

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// The pack file: an in-memory file, rewritten for every input and opened by its /proc path,
// so that the pack is read exactly as one on disk is.
int packFile = -1;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  packFile = memfd_create("pack.vif", 0);
  Require(packFile >= 0);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Require(ftruncate(packFile, 0) == 0);
  Require(pwrite(packFile, data, size, 0) == static_cast<ssize_t>(size));
  std::string path = "/proc/self/fd/" + std::to_string(packFile);

  vorpo::ImageList cards(40, 60, 56);
  vorpo::ImageList others(40, 25, 4);
  bool loaded = vorpo::FillImageLists(path, true, cards, others);
  Require(cards.IsFilled() == loaded && others.IsFilled() == loaded);
  if (!loaded) return 0;

  QImage surface(400, 60, QImage::Format_RGB32);
  for (int cell = 0; cell < 56; ++cell) cards.Draw(surface, cell % 10 * 36, 0, cell);
  others.SetBackground(QColor(0, 128, 0));
  for (int cell = 0; cell < 4; ++cell) others.Draw(surface, cell * 40, 0, cell);
  return 0;
}
