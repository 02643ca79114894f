#include "pe_bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <tuple>

#include "pe_layout.h"

namespace vorpo::pe {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i)
    bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// An info-header DIB with the given fields and room for table and pixels after the header.
Bytes InfoDib(int width, int height, int bitCount, std::uint32_t compression,
              std::uint32_t coloursUsed, std::size_t after) {
  Bytes dib(40 + after);
  Put(dib, 0, 40, 4);
  Put(dib, 4, static_cast<std::uint32_t>(width), 4);
  Put(dib, 8, static_cast<std::uint32_t>(height), 4);
  Put(dib, 12, 1, 2);
  Put(dib, 14, static_cast<std::uint32_t>(bitCount), 2);
  Put(dib, 16, compression, 4);
  Put(dib, 32, coloursUsed, 4);
  return dib;
}

std::uint32_t PixelOffset(const Bytes& dib) {
  auto bmp = DibToBmpFile(dib);
  EXPECT_TRUE(bmp);
  if (!bmp) return 0;
  EXPECT_EQ(bmp->size(), dib.size() + 14);
  EXPECT_EQ(ReadU32(*bmp, 2), bmp->size());
  return ReadU32(*bmp, 10);
}

TEST(BitmapResource, PixelsStartAfterHeaderMasksAndColourTable) {
  EXPECT_EQ(PixelOffset(InfoDib(2240, 60, 4, 2, 0, 64 + 100)), 14u + 40 + 16 * 4);
  EXPECT_EQ(PixelOffset(InfoDib(8, 8, 8, 0, 0, 1024 + 64)), 14u + 40 + 256 * 4);
  EXPECT_EQ(PixelOffset(InfoDib(8, 8, 8, 0, 20, 80 + 64)), 14u + 40 + 20 * 4);
  EXPECT_EQ(PixelOffset(InfoDib(8, 8, 24, 0, 0, 192)), 14u + 40);
  EXPECT_EQ(PixelOffset(InfoDib(8, 8, 16, 3, 0, 12 + 128)), 14u + 40 + 12);
  EXPECT_EQ(PixelOffset(InfoDib(8, 8, 32, 0, 2, 8 + 256)), 14u + 40 + 8) << "optional table";

  Bytes core(12 + 16 * 3 + 32);
  Put(core, 0, 12, 4);
  Put(core, 4, 8, 2);
  Put(core, 6, 8, 2);
  Put(core, 8, 1, 2);
  Put(core, 10, 4, 2);
  EXPECT_EQ(PixelOffset(core), 14u + 12 + 16 * 3);
}

TEST(BitmapResource, RefusesHeadersThatDoNotFit) {
  EXPECT_FALSE(ReadDibSize({}));
  EXPECT_FALSE(ReadDibSize(InfoDib(0, 60, 4, 2, 0, 64)));
  EXPECT_FALSE(ReadDibSize(InfoDib(10, 0, 4, 2, 0, 64)));
  EXPECT_FALSE(ReadDibSize(InfoDib(10, static_cast<int>(0x80000000u), 24, 0, 0, 0)));
  EXPECT_FALSE(DibToBmpFile(InfoDib(8, 8, 8, 0, 0, 100))) << "colour table cut short";
  EXPECT_FALSE(DibToBmpFile(InfoDib(8, 8, 8, 0, 0xFFFFFFFF, 100)));
  Bytes claimsLongHeader = InfoDib(8, 8, 24, 0, 0, 10);
  Put(claimsLongHeader, 0, 124, 4);
  EXPECT_FALSE(DibToBmpFile(claimsLongHeader));
  EXPECT_FALSE(ReadDibSize(claimsLongHeader));
}

constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;

// A run-length DIB: RLE8 with a colour table of four entries, RLE4 with the full sixteen.
Bytes RunLengthDib(int width, int height, int bitCount, const Bytes& stream) {
  std::size_t table = bitCount == 8 ? 4 * 4 : 16 * 4;
  Bytes dib = InfoDib(width, height, bitCount, bitCount == 8 ? kRle8 : kRle4, bitCount == 8 ? 4 : 0,
                      table + stream.size());
  for (std::size_t i = 0; i < table; ++i) dib[40 + i] = static_cast<std::uint8_t>(0x80 + i);
  std::copy(stream.begin(), stream.end(), dib.begin() + 40 + static_cast<std::ptrdiff_t>(table));
  return dib;
}

using Rows = std::vector<Bytes>;

Bytes Joined(std::initializer_list<Bytes> parts) {
  Bytes bytes;
  for (const Bytes& part : parts) bytes.insert(bytes.end(), part.begin(), part.end());
  return bytes;
}

// The colour indices of an expanded DIB, row by row in stored order, after checking that it is
// an uncompressed DIB of the same header and colour table with rows of the usual stride.
Rows ExpandedRows(const Bytes& dib) {
  auto plain = ExpandRunLengthDib(dib);
  EXPECT_TRUE(plain);
  if (!plain) return {};
  std::size_t width = ReadU32(dib, 4);
  int height = std::abs(static_cast<std::int32_t>(ReadU32(dib, 8)));
  std::size_t bitCount = ReadU16(dib, 14);
  std::size_t pixels = 40 + (bitCount == 8 ? 4 * 4 : 16 * 4);
  std::size_t stride = (width * bitCount + 31) / 32 * 4;
  EXPECT_EQ(plain->size(), pixels + stride * static_cast<std::size_t>(height));
  EXPECT_EQ(ReadU32(*plain, 16), 0u) << "BI_RGB";
  EXPECT_EQ(ReadU32(*plain, 20), plain->size() - pixels);
  EXPECT_TRUE(std::equal(plain->begin(), plain->begin() + 16, dib.begin()));
  EXPECT_TRUE(std::equal(plain->begin() + 24, plain->begin() + static_cast<std::ptrdiff_t>(pixels),
                         dib.begin() + 24));
  if (plain->size() < pixels + stride * static_cast<std::size_t>(height)) return {};
  Rows rows;
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* line = plain->data() + pixels + stride * static_cast<std::size_t>(row);
    Bytes indices;
    for (std::size_t x = 0; x < width; ++x) {
      indices.push_back(bitCount == 8 ? line[x] : x % 2 ? line[x / 2] & 0x0F : line[x / 2] >> 4);
    }
    std::size_t used = (width * bitCount + 7) / 8;
    EXPECT_TRUE(std::all_of(line + used, line + stride, [](auto b) { return b == 0; }))
        << "row padding of row " << row;
    rows.push_back(indices);
  }
  return rows;
}

TEST(RunLengthBitmap, Rle8SkippedPixelsAreIndexZero) {
  const Bytes stream = Joined({
      {3, 5, 0, 0},              // three of index 5, then an early end of line
      {0, 3, 7, 8, 9, 0, 1, 2},  // an absolute run of three, padded, then one of index 2
      {0, 2, 1, 1},              // delta: one right, one row on
      {1, 3, 0, 0, 2, 4},        // index 3 at the end of the row; two of index 4 next row
      {0, 1, 6, 1},              // end of bitmap: what follows is not read
  });
  const Rows expected = {
      {5, 5, 5, 0, 0, 0}, {7, 8, 9, 2, 0, 0}, {0, 0, 0, 0, 0, 3},
      {4, 4, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
  };
  EXPECT_EQ(ExpandedRows(RunLengthDib(6, 5, 8, stream)), expected);

  // A top-down bitmap is stored top row first and the stream fills it in that order too.
  Bytes topDown = RunLengthDib(6, -5, 8, stream);
  EXPECT_EQ(ExpandedRows(topDown), expected);
  EXPECT_EQ(static_cast<std::int32_t>(ReadU32(*ExpandRunLengthDib(topDown), 8)), -5);
}

TEST(RunLengthBitmap, Rle4SkippedPixelsAreIndexZero) {
  const Bytes stream = Joined({
      {5, 0x12, 0, 0},              // five pixels alternating 1 and 2, end of line
      {0, 5, 0x34, 0x56, 0x70, 0},  // absolute run of five: three bytes, padded
      {1, 0xF0, 0, 0},              // one of index 15, end of line
      {0, 3, 0xAB, 0xC0},           // absolute run of three: two bytes, no padding
      {0, 2, 1, 0, 2, 0xDD},        // one pixel skipped, two of index 13
      {0, 1},                       // end of bitmap
  });
  const Rows expected = {
      {1, 2, 1, 2, 1, 0, 0},
      {3, 4, 5, 6, 7, 15, 0},
      {10, 11, 12, 0, 13, 13, 0},
      {0, 0, 0, 0, 0, 0, 0},
  };
  EXPECT_EQ(ExpandedRows(RunLengthDib(7, 4, 4, stream)), expected);
  EXPECT_EQ(ExpandedRows(RunLengthDib(7, -4, 4, stream)), expected);
}

TEST(RunLengthBitmap, MalformedStreamsAreClippedAndKeepWhatWasDecoded) {
  const std::tuple<const char*, int, Bytes, Rows> cases[] = {
      {"run past the row end does not spill into the next row",
       8,
       {6, 1, 1, 2, 0, 0, 1, 3},
       {{1, 1, 1, 1}, {3, 0, 0, 0}, {0, 0, 0, 0}}},
      {"absolute run past the row end",
       4,
       {0, 5, 0x12, 0x34, 0x50, 0, 1, 0x60, 0, 0, 1, 0x70},
       {{1, 2, 3, 4}, {7, 0, 0, 0}, {0, 0, 0, 0}}},
      {"delta past the row end",
       8,
       {0, 2, 9, 0, 1, 7, 0, 0, 1, 6},
       {{0, 0, 0, 0}, {6, 0, 0, 0}, {0, 0, 0, 0}}},
      {"delta past the last row",
       8,
       {2, 1, 0, 2, 0, 9, 1, 5},
       {{1, 1, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
      {"more rows than the bitmap has",
       8,
       {1, 1, 0, 0, 1, 2, 0, 0, 1, 3, 0, 0, 1, 4, 0, 0},
       {{1, 0, 0, 0}, {2, 0, 0, 0}, {3, 0, 0, 0}}},
      {"absolute run cut short",
       8,
       {1, 4, 0, 0, 0, 5, 1, 2},
       {{4, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
      {"delta cut short", 4, {2, 0x44, 0, 2, 1}, {{4, 4, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
      {"no end of bitmap, odd last byte", 8, {1, 4, 0}, {{4, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
      {"no pixel data at all", 4, {}, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
  };
  for (const auto& [what, bitCount, stream, expected] : cases) {
    SCOPED_TRACE(what);
    EXPECT_EQ(ExpandedRows(RunLengthDib(4, 3, bitCount, stream)), expected);
  }
}

TEST(RunLengthBitmap, OnlyWellFormedRunLengthHeadersAreExpanded) {
  Bytes rle8AtFourBits = RunLengthDib(4, 4, 8, {0, 1});
  Put(rle8AtFourBits, 14, 4, 2);
  EXPECT_FALSE(ExpandRunLengthDib(rle8AtFourBits));
  Bytes rle4AtEightBits = RunLengthDib(4, 4, 4, {0, 1});
  Put(rle4AtEightBits, 14, 8, 2);
  EXPECT_FALSE(ExpandRunLengthDib(rle4AtEightBits));
  EXPECT_FALSE(ExpandRunLengthDib(InfoDib(4, 4, 4, kRle4, 0, 60))) << "colour table cut short";
  EXPECT_FALSE(ExpandRunLengthDib(InfoDib(0, 4, 8, kRle8, 1, 4)));
  // Two bytes that claim ten thousand million pixels are not made into a picture.
  Bytes huge = InfoDib(100000, 100000, 8, kRle8, 1, 4 + 2);
  EXPECT_FALSE(ExpandRunLengthDib(huge));
  EXPECT_FALSE(DibToPlainBmpFile(huge));

  // Uncompressed DIBs are no run-length DIBs, and reach the BMP file unchanged.
  Bytes core(12 + 16 * 3 + 32, 0x5A);
  Put(core, 0, 12, 4);
  Put(core, 4, 8, 2);
  Put(core, 6, 8, 2);
  Put(core, 10, 4, 2);
  for (Bytes plain : {InfoDib(8, 8, 24, 0, 0, 192), InfoDib(8, 8, 8, 0, 2, 8 + 64),
                      InfoDib(8, 8, 16, 3, 0, 12 + 128), core}) {
    for (std::size_t i = 40; i < plain.size(); ++i) plain[i] = static_cast<std::uint8_t>(i * 7);
    EXPECT_FALSE(ExpandRunLengthDib(plain));
    EXPECT_EQ(DibToPlainBmpFile(plain), DibToBmpFile(plain));
  }

  Bytes rle = RunLengthDib(4, 2, 4, {4, 0x12});
  EXPECT_EQ(DibToPlainBmpFile(rle), DibToBmpFile(*ExpandRunLengthDib(rle)));
}

}  // namespace
}  // namespace vorpo::pe
