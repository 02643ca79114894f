#include "pe_bitmap.h"

#include <gtest/gtest.h>

#include "pe_layout.h"

namespace vorpo::pe {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& bytes, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
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

}  // namespace
}  // namespace vorpo::pe
