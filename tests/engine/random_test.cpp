#include "random.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vorpo {
namespace {

// Every bound a deal uses and some large ones, tried at the edge of the uneven part of the
// range, where a draw is repeated, and at the ends of the range.
TEST(Random, RedrawsExactlyTheValuesAboveTheLastWholeRoundOfTheBound) {
  for (std::uint64_t bound :
       {2ull, 3ull, 7ull, 10ull, 100ull, 111ull, 112ull, 1000ull, 0x7FFF'FFFFull, 0xFFFF'FFFFull}) {
    const std::uint64_t start = UINT64_MAX - UINT64_MAX % bound;
    for (std::uint64_t x : {std::uint64_t{0}, bound - 1, bound, start - bound, start - 1, start,
                            start + 1, UINT64_MAX - 1, UINT64_MAX}) {
      EXPECT_EQ(InUnevenTail(x, static_cast<std::uint32_t>(bound)), x >= start)
          << "bound " << bound << " value " << x;
    }
  }
}

}  // namespace
}  // namespace vorpo
