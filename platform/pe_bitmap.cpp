#include "pe_bitmap.h"

#include "pe_layout.h"

namespace vorpo::pe {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; later headers extend it
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

struct DibHeader {
  std::uint32_t headerSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t bitCount = 0;
  std::uint64_t colourTableBytes = 0;
  std::uint32_t maskBytes = 0;
};

std::optional<DibHeader> ReadHeader(std::span<const std::uint8_t> dib) {
  if (dib.size() < 4) return std::nullopt;
  DibHeader header;
  header.headerSize = ReadU32(dib, 0);
  if (header.headerSize == kCoreHeaderSize && dib.size() >= kCoreHeaderSize) {
    header.width = ReadU16(dib, 4);
    header.height = ReadU16(dib, 6);
    header.bitCount = ReadU16(dib, 10);
    if (header.bitCount <= 8) header.colourTableBytes = 3ull << header.bitCount;
    return header;
  }
  if (header.headerSize < kInfoHeaderSize || !Inside(dib.size(), 0, header.headerSize)) {
    return std::nullopt;
  }
  header.width = static_cast<std::int32_t>(ReadU32(dib, 4));
  header.height = static_cast<std::int32_t>(ReadU32(dib, 8));
  header.bitCount = ReadU16(dib, 14);
  std::uint32_t compression = ReadU32(dib, 16);
  std::uint64_t coloursUsed = ReadU32(dib, 32);
  // Beyond 8 bits a colour table is optional and only as long as the colours-used field says.
  if (coloursUsed == 0 && header.bitCount <= 8) coloursUsed = 1ull << header.bitCount;
  header.colourTableBytes = 4 * coloursUsed;
  // The colour masks follow a plain info header; the longer headers hold them inside.
  if (header.headerSize == kInfoHeaderSize) {
    if (compression == kBitFields) header.maskBytes = 12;
    if (compression == kAlphaBitFields) header.maskBytes = 16;
  }
  return header;
}

}  // namespace

std::optional<DibSize> ReadDibSize(std::span<const std::uint8_t> dib) {
  auto header = ReadHeader(dib);
  if (!header || header->width <= 0 || header->height == 0) return std::nullopt;
  std::int64_t height = header->height < 0 ? -header->height : header->height;
  if (header->width > 0x7FFFFFFF || height > 0x7FFFFFFF) return std::nullopt;
  return DibSize{static_cast<int>(header->width), static_cast<int>(height)};
}

std::optional<std::vector<std::uint8_t>> DibToBmpFile(std::span<const std::uint8_t> dib) {
  auto header = ReadHeader(dib);
  if (!header) return std::nullopt;
  std::uint64_t pixels =
      std::uint64_t{header->headerSize} + header->maskBytes + header->colourTableBytes;
  if (pixels > dib.size()) return std::nullopt;

  std::uint64_t fileSize = kBitmapFileHeaderSize + dib.size();
  if (fileSize > 0xFFFFFFFFu) return std::nullopt;
  std::uint32_t pixelOffset = static_cast<std::uint32_t>(kBitmapFileHeaderSize + pixels);
  std::vector<std::uint8_t> bmp;
  bmp.reserve(fileSize);
  auto put32 = [&bmp](std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
      bmp.push_back(static_cast<std::uint8_t>(value >> shift));
  };
  bmp.push_back('B');
  bmp.push_back('M');
  put32(static_cast<std::uint32_t>(fileSize));
  put32(0);  // two reserved words
  put32(pixelOffset);
  bmp.insert(bmp.end(), dib.begin(), dib.end());
  return bmp;
}

std::optional<std::span<const std::uint8_t>> BmpFileToDib(std::span<const std::uint8_t> bmp) {
  if (bmp.size() < kBitmapFileHeaderSize || bmp[0] != 'B' || bmp[1] != 'M') return std::nullopt;
  auto dib = bmp.subspan(kBitmapFileHeaderSize);
  if (!ReadHeader(dib)) return std::nullopt;
  return dib;
}

}  // namespace vorpo::pe
