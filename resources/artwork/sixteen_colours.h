// The standard 16-colour palette and the 4-bit run-length compressed BMP format (BI_RLE4) that
// the built-in card pictures are stored in.
#pragma once

#include <QColor>
#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace vorpo::artwork {

// The sixteen colours in their standard order (black, maroon, green, olive, navy, purple, teal,
// silver, grey, red, lime, yellow, blue, magenta, aqua, white).
extern const std::array<QRgb, 16> kPalette;

namespace colour {
inline const QColor kBlack{0, 0, 0};
inline const QColor kMaroon{128, 0, 0};
inline const QColor kGreen{0, 128, 0};
inline const QColor kSilver{192, 192, 192};
inline const QColor kGrey{128, 128, 128};
inline const QColor kRed{255, 0, 0};
inline const QColor kLime{0, 255, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kBlue{0, 0, 255};
inline const QColor kMagenta{255, 0, 255};  // a bitmap strip's transparent colour
inline const QColor kWhite{255, 255, 255};
}  // namespace colour

// The picture as a bottom-up BI_RLE4 .bmp file: a transparent pixel is written magenta, every
// other pixel as the nearest palette colour (the pictures at scale 1 are drawn opaque in palette
// colours or left transparent, so nothing actually moves).
std::vector<std::uint8_t> EncodeRle4Bmp(const QImage& image);

}  // namespace vorpo::artwork
