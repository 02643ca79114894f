#include "image_pack.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <span>

#include "builtin_resources.h"
#include "card_pictures.h"
#include "message_box.h"
#include "pe_bitmap.h"
#include "program_paths.h"
#include "small_pictures.h"

namespace vorpo {

namespace {

// A DIB decoded by Qt's BMP reader once a file header is put in front. Run-length encoded
// pixels are expanded first: the reader leaves the pixels such a bitmap skips (an early end of
// line or of the bitmap, a delta) undefined, and the same pack must always give the same
// picture, skipped pixels in the colour of index 0.
QImage DecodeDib(std::span<const std::uint8_t> dib) {
  auto bmp = pe::DibToPlainBmpFile(dib);
  if (!bmp) return {};
  QImage image;
  if (!image.loadFromData(bmp->data(), static_cast<int>(bmp->size()), "BMP")) return {};
  return image;
}

// A bitmap resource of exactly width x height; a null image otherwise. The size is read from
// the bitmap's own header first, so a pack cannot make the reader allocate for a huge picture
// that would be refused anyway.
QImage ReadBitmap(const ResourceModule& module, const char* name, int width, int height) {
  auto dib = module.Find(kResourceTypeBitmap, name);
  if (!dib) return {};
  auto size = pe::ReadDibSize(*dib);
  if (!size || size->width != width || size->height != height) return {};
  QImage image = DecodeDib(*dib);
  if (image.size() != QSize(width, height)) return {};
  return image;
}

// A built-in picture: a .bmp file among the program's resources, decoded as a pack's is.
QImage BuiltInImage(const char* resourcePath) {
  QFile file(resourcePath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = file.readAll();
  auto dib = pe::BmpFileToDib(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                        static_cast<std::size_t>(bytes.size())));
  return dib ? DecodeDib(*dib) : QImage();
}

}  // namespace

std::optional<ImagePackStrips> ReadImagePack(const ResourceModule& module) {
  ImagePackStrips strips{ReadBitmap(module, kCardImageName, kCardImageWidth, kCardImageHeight),
                         ReadBitmap(module, kOtherImageName, kOtherImageWidth, kOtherImageHeight),
                         {},
                         {}};
  if (strips.cardImage.isNull() || strips.otherImage.isNull()) return std::nullopt;
  return strips;
}

ImagePackStrips BuiltInImages() {
  return {BuiltInImage(resources::kCardImage), BuiltInImage(resources::kOtherImage),
          artwork::DrawCardStrip, artwork::DrawOtherStrip};
}

bool FillImageLists(const std::string& path, bool useOtherImage, ImageList& imageList1,
                    ImageList& imageList2) {
  std::optional<ImagePackStrips> strips;
  if (useOtherImage) {
    auto module = ResourceModule::FromFile(FindModuleFile(path, ProgramFolder()));
    if (module) strips = ReadImagePack(*module);
  } else {
    strips = BuiltInImages();
  }
  if (!strips) return false;
  // Filled as copies and put in place together, so that a failure never leaves one list new
  // and the other old.
  ImageList cards = imageList1;
  ImageList others = imageList2;
  if (!cards.Fill(strips->cardImage, strips->cardDrawing) ||
      !others.Fill(strips->otherImage, strips->otherDrawing)) {
    return false;
  }
  imageList1 = std::move(cards);
  imageList2 = std::move(others);
  return true;
}

bool LoadImagePack(const std::string& path, bool useOtherImage, QWidget* owner,
                   ImageList& imageList1, ImageList& imageList2) {
  if (FillImageLists(path, useOtherImage, imageList1, imageList2)) return true;
  ShowErrorMessage(owner, QString::fromUtf8(kBrokenImageFileMessage));
  return false;
}

}  // namespace vorpo
