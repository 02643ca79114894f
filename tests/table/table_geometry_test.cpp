// The arithmetic behind the pixels, where the window tests do not reach: every hand size, and
// presses beside the cards.
#include "table_geometry.h"

#include <gtest/gtest.h>

namespace vorpo {
namespace {

TEST(TableGeometry, EveryHandFitsTheTable) {
  for (int n = 0; n <= 112; ++n) EXPECT_LE(HandWidth(n), 400) << n;
  EXPECT_EQ(OverlapStep(112), 3);
}

TEST(TableGeometry, ALeftEdgeColumnBelongsToTheCardBefore) {
  EXPECT_EQ(CardAtX(0, 19), 0);
  EXPECT_EQ(CardAtX(20, 19), 0);
  EXPECT_EQ(CardAtX(21, 19), 1);
  EXPECT_EQ(CardAtX(40, 19), 1);
  EXPECT_EQ(CardAtX(361, 19), 18);
  EXPECT_EQ(CardAtX(399, 19), 18);
}

TEST(TableGeometry, PressesBesideTheCardsMeanTheNearestCard) {
  EXPECT_EQ(HandPositionAtX(395, 3), 2);
  EXPECT_EQ(HandPositionAtX(-5, 4), 0);
  EXPECT_EQ(HandPositionAtX(10, 0), -1);
}

TEST(TableGeometry, RowsBeyondTheSeatsStartJustBelowTheClientArea) {
  EXPECT_EQ(NameLabelTop(5, false) - ClientHeight(5, false), 11);
  EXPECT_EQ(NameLabelTop(5, true) - ClientHeight(5, true), 3);
}

}  // namespace
}  // namespace vorpo
