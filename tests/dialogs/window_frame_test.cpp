// What the window manager is told to offer on a window's frame.
#include <gtest/gtest.h>

#include "window_hints.h"

namespace vorpo {
namespace {

constexpr std::uint32_t kResize = 1u << 1, kClose = 1u << 5, kMinimize = 1u << 3,
                        kMaximize = 1u << 4, kMenuButton = 1u << 4, kResizeHandles = 1u << 2;

TEST(WindowFrame, AFixedWindowIsNotOfferedResizingAndOnlyAMenuWindowAMenuButton) {
  const MotifWmHints table =
      MotifHintsFor({.resizable = false, .windowMenu = true, .minimizable = true});
  EXPECT_EQ(table.flags, 3u);
  EXPECT_EQ(table.functions & (kResize | kMaximize), 0u);
  EXPECT_EQ(table.decorations & kResizeHandles, 0u);
  EXPECT_NE(table.functions & kClose, 0u);
  EXPECT_NE(table.decorations & kMenuButton, 0u);

  const MotifWmHints sheet =
      MotifHintsFor({.resizable = true, .windowMenu = false, .minimizable = true});
  EXPECT_EQ(sheet.decorations & kMenuButton, 0u);
  EXPECT_EQ(sheet.functions & kClose, 0u);
  EXPECT_NE(sheet.functions & kResize, 0u);
  EXPECT_NE(sheet.functions & kMinimize, 0u);
}

}  // namespace
}  // namespace vorpo
