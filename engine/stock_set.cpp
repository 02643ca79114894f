#include "stock_set.h"

#include <bit>
#include <cassert>
#include <cstring>

namespace vorpo {

namespace {

constexpr std::uint64_t kLowBytes = 0x0101010101010101ull;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// One bit (0x80) in each byte of word that equals code, and no other bit.
std::uint64_t BytesEqualTo(std::uint64_t word, std::uint8_t code) {
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
  const std::uint64_t v = word ^ (kLowBytes * code);
  return ~(((v & kLow7) + kLow7) | v | kLow7);
}

// The eight owner codes from owner[base] on, as bit i for owner[base + i] == kOwnerStock. The
// bytes are put together in this order whatever the machine's byte order. The
// multiplication moves each byte's 0x80 bit to its own place in the top byte; no two products
// meet there, and none carries into it.
std::uint64_t StockBits(const std::array<std::uint8_t, kDeckSize>& owner, int base) {
  std::uint64_t word = 0;
  if constexpr (std::endian::native == std::endian::little)
    std::memcpy(&word, owner.data() + base, sizeof word);
  else
    for (int i = 7; i >= 0; --i) word = word << 8 | owner[static_cast<std::size_t>(base + i)];
  return ((BytesEqualTo(word, kOwnerStock) >> 7) * 0x0102040810204080ull) >> 56;
}

// Byte i of the result: the set bits in bytes 0..i of word.
std::uint64_t BitsUpToEachByte(std::uint64_t word) {
  std::uint64_t bytes = word - ((word >> 1) & 0x5555555555555555ull);
  bytes = (bytes & 0x3333333333333333ull) + ((bytes >> 2) & 0x3333333333333333ull);
  bytes = (bytes + (bytes >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return bytes * kLowBytes;
}

// Entry [rank][bits]: the place of the set bit of that rank (from 0) among the eight bits.
constexpr std::array<std::array<std::uint8_t, 256>, 8> SelectInByte() {
  std::array<std::array<std::uint8_t, 256>, 8> places{};
  for (unsigned bits = 1; bits < 256; ++bits) {
    std::size_t rank = 0;
    for (std::uint8_t place = 0; place < 8; ++place)
      if (bits >> place & 1u) places[rank++][bits] = place;
  }
  return places;
}

constexpr auto kSelectInByte = SelectInByte();

// The place of the set bit of the given rank (from 0) in word, which holds more set bits;
// upTo is BitsUpToEachByte(word).
int SelectBit(std::uint64_t word, std::uint64_t upTo, int rank) {
  // The bytes whose running count is still at most rank come before the byte with the bit;
  // every running count is at most 64, so no byte borrows from the next.
  const std::uint64_t reached =
      ((upTo | kHighBits) - kLowBytes * static_cast<std::uint64_t>(rank + 1)) & kHighBits;
  const int byte = 8 - static_cast<int>(((reached >> 7) * kLowBytes) >> 56);
  const int before = byte == 0 ? 0 : static_cast<int>((upTo >> (8 * byte - 8)) & 0xFF);
  const auto bits = static_cast<std::size_t>((word >> (8 * byte)) & 0xFF);
  return 8 * byte + kSelectInByte[static_cast<std::size_t>(rank - before)][bits];
}

}  // namespace

StockSet::StockSet(const std::array<std::uint8_t, kDeckSize>& owner) {
  static_assert(kDeckSize % 8 == 0 && kDeckSize <= 128);
  std::uint64_t low = 0, high = 0;
  for (int base = 0; base < 64; base += 8) low |= StockBits(owner, base) << base;
  for (int base = 64; base < kDeckSize; base += 8) high |= StockBits(owner, base) << (base - 64);
  words_ = {low, high};
}

Card StockSet::Take(int rank) {
  const std::uint64_t upToLow = BitsUpToEachByte(words_[0]);
  const int inLow = static_cast<int>(upToLow >> 56);
  assert(rank >= 0 && rank < inLow + static_cast<int>(BitsUpToEachByte(words_[1]) >> 56) &&
         "a card is taken only from the cards the set holds");
  const std::size_t w = rank < inLow ? 0 : 1;
  const int bit = w == 0 ? SelectBit(words_[0], upToLow, rank)
                         : SelectBit(words_[1], BitsUpToEachByte(words_[1]), rank - inLow);
  words_[w] &= ~(std::uint64_t{1} << bit);
  return static_cast<Card>(w == 0 ? bit : 64 + bit);
}

}  // namespace vorpo
