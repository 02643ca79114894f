// vorpo-artwork: draws the built-in card pictures, the cursor and the icon, and synthesises the
// built-in sounds, into a resources folder (the program embeds what it writes). With --preview
// it also lays the pictures it wrote out on the table green, enlarged, with an overlapping hand,
// to look at.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>
#include <string>
#include <vector>

#include "card_pictures.h"
#include "cursor_and_icon.h"
#include "sixteen_colours.h"
#include "small_pictures.h"
#include "sound_effects.h"
#include "vorpo_version.h"

namespace {

namespace artwork = vorpo::artwork;

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    std::fprintf(stderr, "vorpo-artwork: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

QByteArray Bytes(const std::vector<std::uint8_t>& data) {
  return QByteArray(reinterpret_cast<const char*>(data.data()),
                    static_cast<qsizetype>(data.size()));
}

bool WritePng(const QString& path, const QImage& image) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") && WriteFile(path, png);
}

bool WriteAll(const QDir& root) {
  for (const char* folder : {"images", "sounds", "cursors", "icons"}) root.mkpath(folder);
  bool ok = WriteFile(root.filePath("images/CARDIMAGE.bmp"),
                      Bytes(artwork::EncodeRle4Bmp(artwork::DrawCardStrip())));
  ok = WriteFile(root.filePath("images/OTHERIMAGE.bmp"),
                 Bytes(artwork::EncodeRle4Bmp(artwork::DrawOtherStrip()))) &&
       ok;
  for (const artwork::SoundEffect& sound : artwork::SynthesiseSounds()) {
    ok = WriteFile(root.filePath(QString("sounds/%1.wav").arg(sound.name.c_str())),
                   Bytes(sound.wave)) &&
         ok;
  }
  ok = WritePng(root.filePath("cursors/hand.png"), artwork::DrawHandCursor()) && ok;
  for (int size : {48, 256}) {
    ok =
        WritePng(root.filePath(QString("icons/vorpo-%1.png").arg(size)), artwork::DrawIcon(size)) &&
        ok;
  }
  return ok;
}

// The strips as written, magenta shown as the table green, every cell apart and then a hand of
// nineteen cards overlapping at 20 pixels, all enlarged three times.
QImage Preview(const QDir& root) {
  QImage cards(root.filePath("images/CARDIMAGE.bmp"), "BMP");
  QImage other(root.filePath("images/OTHERIMAGE.bmp"), "BMP");
  auto masked = [](QImage strip) {
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < strip.height(); ++y) {
      for (int x = 0; x < strip.width(); ++x) {
        if ((strip.pixel(x, y) & 0xFFFFFF) == 0xFF00FF) strip.setPixel(x, y, 0);
      }
    }
    return strip;
  };
  cards = masked(cards);
  other = masked(other);
  QImage sheet(14 * 44 + 4, 4 * 64 + 29 + 64 + 8, QImage::Format_RGB32);
  sheet.fill(QColor(0, 128, 0));
  QPainter painter(&sheet);
  for (int cell = 0; cell < 56; ++cell) {
    painter.drawImage(4 + cell % 14 * 44, 4 + cell / 14 * 64, cards, cell * 40, 0, 40, 60);
  }
  for (int cell = 0; cell < 4; ++cell) {
    painter.drawImage(4 + cell * 44, 4 + 4 * 64, other, cell * 40, 0, 40, 25);
  }
  const int hand[] = {0, 5, 9, 10, 11, 12, 16, 23, 24, 30, 36, 37, 38, 42, 48, 50, 51, 52, 53};
  for (int j = 18; j >= 0; --j) {
    painter.drawImage(4 + j * 20, 4 + 4 * 64 + 29, cards, hand[j] * 40, 0, 40, 60);
  }
  painter.end();
  return sheet.scaled(sheet.size() * 3);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::printf(
        "usage: vorpo-artwork RESOURCES_DIR [--preview FILE.png]\n"
        "Draws the built-in card pictures, cursor and icon and synthesises the built-in\n"
        "sounds into RESOURCES_DIR; --preview also writes an enlarged sheet of them.\n");
    return 0;
  }
  if (args.size() == 1 && args[0] == "--version") {
    std::printf("vorpo-artwork %s\n", vorpo::kVersion.data());
    return 0;
  }
  if (args.size() != 1 && !(args.size() == 3 && args[1] == "--preview")) {
    std::fprintf(stderr, "usage: vorpo-artwork RESOURCES_DIR [--preview FILE.png]\n");
    return 2;
  }
  QDir root(args[0]);
  if (!WriteAll(root)) return 1;
  if (args.size() == 3 && !WritePng(args[2], Preview(root))) return 1;
  return 0;
}
