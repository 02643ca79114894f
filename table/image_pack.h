// The card-image pack: fills ImageList1 (56 card cells of 40 x 60) and ImageList2 (4 small cells
// of 40 x 25) from the bitmaps "CARDIMAGE" and "OTHERIMAGE" of a pack module, or from the
// program's own pictures.
#pragma once

#include <QImage>

#include <optional>
#include <string>

#include "image_lists.h"
#include "pack_resources.h"
#include "resource_module.h"

class QWidget;

namespace vorpo {

inline constexpr char kBrokenImageFileMessage[] = "イメージファイルが壊れています。";

struct ImagePackStrips {
  QImage cardImage;   // "CARDIMAGE"
  QImage otherImage;  // "OTHERIMAGE"
  // The built-in pictures drawn anew at other device pixel ratios; a pack has none, its bitmaps
  // are scaled.
  ImageList::StripDrawing cardDrawing;
  ImageList::StripDrawing otherDrawing;
};

// Both bitmaps of a pack, decoded; nullopt when either is missing, cannot be decoded or has
// another size than 2240 x 60 and 160 x 25 (a bitmap of another size is not even decoded).
std::optional<ImagePackStrips> ReadImagePack(const ResourceModule& module);

// The program's own pictures, with their drawing at other ratios.
ImagePackStrips BuiltInImages();

// LoadImagePack without its message: with useOtherImage, the pack at path (found as a module
// loader finds it: a bare file name beside the program first, then in the current directory);
// otherwise the built-in pictures, path unused. True when both lists now hold the pictures;
// false leaves both lists exactly as they were.
bool FillImageLists(const std::string& path, bool useOtherImage, ImageList& imageList1,
                    ImageList& imageList2);

// FillImageLists, and on failure the error box "イメージファイルが壊れています。" (error icon,
// OK, the default caption) owned by owner. A pack whose bitmaps have the wrong size is refused
// whole and leaves the lists as they were, like one that cannot be read at all.
bool LoadImagePack(const std::string& path, bool useOtherImage, QWidget* owner,
                   ImageList& imageList1, ImageList& imageList2);

}  // namespace vorpo
