// The dealer's random generator. The program reseeds it from the clock at every deal start;
// tests and the simulator give it a seed and keep its sequence, so a seed replays a whole match.
#pragma once

#include <cstdint>

namespace vorpo {

// Whether Below draws a raw value x again: x lies in the top part of the 64-bit range that
// bound does not divide evenly. The multiple of bound at or below x (x less its remainder) is
// then the one multiple above UINT64_MAX - bound, so one division tells, where comparing x
// with the start of that part would take a second.
constexpr bool InUnevenTail(std::uint64_t x, std::uint32_t bound) {
  return x - x % bound > UINT64_MAX - bound;
}

class Random {
 public:
  // reseedFromClock: whether ReseedForDeal takes a new seed from the clock.
  explicit Random(std::uint64_t seed, bool reseedFromClock = false);

  void ReseedForDeal();
  // The seed the cards on the table come from, for a player to report a deal: the clock's at
  // the last deal start, or the seed given, which then serves the whole run.
  std::uint64_t SeedInUse() const { return seedInUse_; }
  // Uniform in 0..bound-1; bound must be at least 1.
  std::uint32_t Below(std::uint32_t bound);

 private:
  std::uint64_t Next();
  void Seed(std::uint64_t seed);

  std::uint64_t s_[4]{};
  std::uint64_t seedInUse_ = 0;
  bool reseedFromClock_;
};

}  // namespace vorpo
