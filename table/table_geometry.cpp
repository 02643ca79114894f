#include "table_geometry.h"

#include <algorithm>

namespace vorpo {

namespace {

constexpr int kOverlapSpan = kClientWidth - kCardWidth;  // 360
constexpr int kParkedLeft = 500;

}  // namespace

int OverlapStep(int n) {
  return kOverlapSpan / (n - 1);
}

int CardLeft(int position, int n) {
  return n <= kCardsSideBySide ? kCardWidth * position : position * OverlapStep(n);
}

int HandWidth(int n) {
  if (n <= kCardsSideBySide) return kCardWidth * n;
  return (n - 1) * OverlapStep(n) + kCardWidth;
}

int CardAtX(int x, int n) {
  // The smallest k with k * step >= x, less one: (x - 1) div step for x >= 1.
  if (x <= 0) return 0;
  return std::min((x - 1) / OverlapStep(n), n - 1);
}

int HandPositionAtX(int x, int n) {
  int position = n <= kCardsSideBySide ? x / kCardWidth : CardAtX(x, n);
  if (position < 0) position = 0;
  if (position > n - 1) position = n - 1;
  return position;
}

int ClientHeight(int players, bool compact) {
  return compact ? 24 * (players - 1) + 180 : 90 * players + 82;
}

int NameLabelTop(int seat, bool compact) {
  if (compact && seat > 0) return 183 + 24 * (seat - 1);
  return 93 + 90 * seat;
}

int HandImageTop(int seat) {
  return 112 + 90 * seat;
}

int HandImageLeft(int seat, bool compact) {
  return compact && seat > 0 ? kParkedLeft : 0;
}

}  // namespace vorpo
