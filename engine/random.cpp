#include "random.h"

#include <chrono>

namespace vorpo {

namespace {
std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
std::uint64_t Rotl(std::uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}
}  // namespace

Random::Random(std::uint64_t seed, bool reseedFromClock) : reseedFromClock_(reseedFromClock) {
  Seed(seed);
}

void Random::Seed(std::uint64_t seed) {
  seedInUse_ = seed;
  for (auto& word : s_) word = SplitMix(seed);
}

void Random::ReseedForDeal() {
  if (!reseedFromClock_) return;
  Seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
       static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

// xoshiro256**
std::uint64_t Random::Next() {
  const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

// Rejection keeps every value equally likely.
std::uint32_t Random::Below(std::uint32_t bound) {
  if (bound <= 1) return 0;
  std::uint64_t x;
  do x = Next();
  while (InUnevenTail(x, bound));
  return static_cast<std::uint32_t>(x % bound);
}

}  // namespace vorpo
