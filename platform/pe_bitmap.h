// Bitmap resources: a bitmap resource is a device-independent bitmap (DIB) without the 14-byte
// file header of a .bmp file. These helpers read its size and convert between the two forms,
// so that an ordinary BMP reader can decode a resource and a .bmp file can become one.
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

// The DIB of a .bmp file (everything after its file header); nullopt when the bytes do not
// start with "BM" and a readable bitmap header.
std::optional<std::span<const std::uint8_t>> BmpFileToDib(std::span<const std::uint8_t> bmp);

}  // namespace vorpo::pe
