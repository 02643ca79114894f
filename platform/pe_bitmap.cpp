#include "pe_bitmap.h"

#include <algorithm>

#include "pe_layout.h"

namespace vorpo::pe {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; later headers extend it
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

struct DibHeader {
  std::uint32_t headerSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t bitCount = 0;
  std::uint32_t compression = 0;  // BI_RGB; a core header has no other
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
  header.compression = ReadU32(dib, 16);
  std::uint64_t coloursUsed = ReadU32(dib, 32);
  // Beyond 8 bits a colour table is optional and only as long as the colours-used field says.
  if (coloursUsed == 0 && header.bitCount <= 8) coloursUsed = 1ull << header.bitCount;
  header.colourTableBytes = 4 * coloursUsed;
  // The colour masks follow a plain info header; the longer headers hold them inside.
  if (header.headerSize == kInfoHeaderSize) {
    if (header.compression == kBitFields) header.maskBytes = 12;
    if (header.compression == kAlphaBitFields) header.maskBytes = 16;
  }
  return header;
}

bool IsRunLength(const DibHeader& header) {
  return header.compression == kRle8 || header.compression == kRle4;
}

// The rows of an expanded bitmap in the order they are stored, which is the order the encoded
// stream fills them in, whichever way up the picture is.
class PixelRows {
 public:
  PixelRows(std::span<std::uint8_t> pixels, std::uint64_t stride, std::int64_t width,
            std::int64_t height, bool fourBits)
      : pixels_(pixels), stride_(stride), width_(width), height_(height), fourBits_(fourBits) {}

  bool Full() const { return row_ >= height_; }
  void EndLine() {
    x_ = 0;
    ++row_;
  }
  // A delta: on by columns in the row and by rows in stored order (up the picture when it is
  // stored bottom-up).
  void Skip(std::uint8_t columns, std::uint8_t rows) {
    x_ += columns;
    row_ += rows;
  }
  // An encoded run: the next count pixels of the row take the indices first and second in
  // turn. Pixels beyond the row end are dropped, and so is the rest of the row after them.
  void Run(std::int64_t count, std::uint8_t first, std::uint8_t second) {
    std::int64_t shown = std::clamp<std::int64_t>(width_ - x_, 0, count);
    for (std::int64_t i = 0; i < shown; ++i) Put(i % 2 ? second : first);
  }
  // An absolute run: count pixels from bytes, one per byte or two per byte (high nibble first).
  void Absolute(std::int64_t count, std::span<const std::uint8_t> bytes) {
    std::int64_t shown = std::clamp<std::int64_t>(width_ - x_, 0, count);
    for (std::int64_t i = 0; i < shown; ++i) {
      std::uint8_t byte = bytes[static_cast<std::size_t>(fourBits_ ? i / 2 : i)];
      Put(fourBits_ ? (i % 2 ? byte & 0x0F : byte >> 4) : byte);
    }
  }

 private:
  void Put(std::uint8_t index) {
    std::uint8_t* line = pixels_.data() + static_cast<std::uint64_t>(row_) * stride_;
    if (fourBits_) {
      std::uint8_t& byte = line[x_ / 2];
      byte = static_cast<std::uint8_t>(x_ % 2 ? (byte & 0xF0) | index : (byte & 0x0F) | index << 4);
    } else {
      line[x_] = index;
    }
    ++x_;
  }

  std::span<std::uint8_t> pixels_;
  std::uint64_t stride_;
  std::int64_t width_;
  std::int64_t height_;
  bool fourBits_;
  std::int64_t x_ = 0;
  std::int64_t row_ = 0;
};

// Decodes the stream into rows until the end of the bitmap, the last row or the end of the
// data; a run or delta whose bytes the data cuts short ends it as well.
void DecodeRunLength(std::span<const std::uint8_t> data, bool fourBits, PixelRows& rows) {
  constexpr std::uint8_t kEndOfLine = 0, kEndOfBitmap = 1, kDelta = 2;
  std::size_t at = 0;
  while (!rows.Full() && Inside(data.size(), at, 2)) {
    std::uint8_t count = data[at];
    std::uint8_t value = data[at + 1];
    at += 2;
    if (count > 0) {
      if (fourBits) {
        rows.Run(count, static_cast<std::uint8_t>(value >> 4), value & 0x0F);
      } else {
        rows.Run(count, value, value);
      }
    } else if (value == kEndOfLine) {
      rows.EndLine();
    } else if (value == kEndOfBitmap) {
      return;
    } else if (value == kDelta) {
      if (!Inside(data.size(), at, 2)) return;
      rows.Skip(data[at], data[at + 1]);
      at += 2;
    } else {
      // Absolute run: value pixels, their bytes padded to a 16-bit boundary.
      std::size_t bytes = fourBits ? (value + 1u) / 2 : value;
      if (!Inside(data.size(), at, bytes)) return;
      rows.Absolute(value, data.subspan(at, bytes));
      at += bytes + bytes % 2;
    }
  }
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

std::optional<std::vector<std::uint8_t>> DibToPlainBmpFile(std::span<const std::uint8_t> dib) {
  auto header = ReadHeader(dib);
  if (!header) return std::nullopt;
  if (!IsRunLength(*header)) return DibToBmpFile(dib);
  auto plain = ExpandRunLengthDib(dib);
  if (!plain) return std::nullopt;
  return DibToBmpFile(*plain);
}

std::optional<std::vector<std::uint8_t>> ExpandRunLengthDib(std::span<const std::uint8_t> dib) {
  auto header = ReadHeader(dib);
  auto size = ReadDibSize(dib);
  if (!header || !size || !IsRunLength(*header)) return std::nullopt;
  bool fourBits = header->compression == kRle4;
  if (header->bitCount != (fourBits ? 4u : 8u)) return std::nullopt;
  std::uint64_t pixelsAt = std::uint64_t{header->headerSize} + header->colourTableBytes;
  if (pixelsAt > dib.size()) return std::nullopt;

  std::uint64_t stride = (static_cast<std::uint64_t>(size->width) * header->bitCount + 31) / 32 * 4;
  std::uint64_t pixelBytes = stride * static_cast<std::uint64_t>(size->height);
  if (pixelBytes > kMaxExpandedPixelBytes) return std::nullopt;

  std::vector<std::uint8_t> plain(dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(pixelsAt));
  plain.resize(pixelsAt + pixelBytes, 0);
  auto put32 = [&plain](std::size_t at, std::uint64_t value) {
    for (std::size_t i = 0; i < 4; ++i) plain[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  put32(16, 0);  // BI_RGB
  put32(20, pixelBytes);
  PixelRows rows{std::span(plain).subspan(pixelsAt), stride, size->width, size->height, fourBits};
  DecodeRunLength(dib.subspan(pixelsAt), fourBits, rows);
  return plain;
}

std::optional<std::span<const std::uint8_t>> BmpFileToDib(std::span<const std::uint8_t> bmp) {
  if (bmp.size() < kBitmapFileHeaderSize || bmp[0] != 'B' || bmp[1] != 'M') return std::nullopt;
  auto dib = bmp.subspan(kBitmapFileHeaderSize);
  if (!ReadHeader(dib)) return std::nullopt;
  return dib;
}

}  // namespace vorpo::pe
