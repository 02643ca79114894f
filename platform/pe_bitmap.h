// Bitmap resources: a bitmap resource is a device-independent bitmap (DIB) without the 14-byte
// file header of a .bmp file. These helpers read its size, convert between the two forms, so
// that an ordinary BMP reader can decode a resource and a .bmp file can become one, and expand
// run-length encoded pixels, so that such a reader never has to decode them itself.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vorpo::pe {

inline constexpr std::size_t kBitmapFileHeaderSize = 14;

struct DibSize {
  int width = 0;
  int height = 0;  // always positive; a top-down DIB stores it negated
};

// nullopt when the bytes do not start with a bitmap header the platform knows (core or info
// header of 40 bytes and more) or the width or height is zero.
std::optional<DibSize> ReadDibSize(std::span<const std::uint8_t> dib);

// The DIB with a BITMAPFILEHEADER in front whose pixel offset points past the header, the
// colour masks and the colour table; nullopt when those would not fit in the bytes.
std::optional<std::vector<std::uint8_t>> DibToBmpFile(std::span<const std::uint8_t> dib);

// DibToBmpFile of the DIB with its pixels uncompressed: a run-length encoded DIB goes through
// ExpandRunLengthDib first, any other DIB is taken byte for byte. Every pixel of the result is
// defined by the bytes, so the same resource always gives the same picture.
std::optional<std::vector<std::uint8_t>> DibToPlainBmpFile(std::span<const std::uint8_t> dib);

// What a BMP reader is willing to allocate for one picture: a larger expansion is refused
// rather than made, since a few bytes of run-length data may claim any size.
inline constexpr std::uint64_t kMaxExpandedPixelBytes = 256ull << 20;

// A BI_RLE8 (8 bits per pixel) or BI_RLE4 (4 bits) DIB as an uncompressed BI_RGB DIB with the
// same header, size, orientation, bit count and colour table. Every pixel starts as colour
// index 0 and keeps it where the encoded stream skips it (an early end of line or of the
// bitmap, a delta). Malformed streams are clipped, never read or written past: pixels of a run
// beyond the row end are dropped, a delta beyond the last row ends the picture, and a run or
// delta cut short by the end of the data ends decoding, keeping every pixel decoded before it.
// nullopt when the DIB is not run-length encoded, its bit count does not match its encoding,
// its colour table does not fit, or the expanded pixels would exceed kMaxExpandedPixelBytes.
std::optional<std::vector<std::uint8_t>> ExpandRunLengthDib(std::span<const std::uint8_t> dib);

// The DIB of a .bmp file (everything after its file header); nullopt when the bytes do not
// start with "BM" and a readable bitmap header.
std::optional<std::span<const std::uint8_t>> BmpFileToDib(std::span<const std::uint8_t> bmp);

}  // namespace vorpo::pe
