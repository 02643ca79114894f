// What the window manager offers on a window's frame. The toolkit describes a window to the
// window manager by its window flags, but it offers a window menu wherever there is a title bar
// and resizing even for a window of fixed size; these hints say exactly what the program's
// windows have.
#pragma once

#include <cstdint>

class QWidget;

namespace vorpo {

struct WindowFrame {
  bool resizable = false;
  bool windowMenu = false;  // the system menu, and with it the close box
  bool minimizable = false;
  bool maximizable = false;
};

// The _MOTIF_WM_HINTS property that X window managers read: flags, functions, decorations,
// input mode, status.
struct MotifWmHints {
  std::uint32_t flags = 0;
  std::uint32_t functions = 0;
  std::uint32_t decorations = 0;
  std::uint32_t inputMode = 0;
  std::uint32_t status = 0;
};

MotifWmHints MotifHintsFor(const WindowFrame& frame);

// Gives the top-level window these hints whenever it is shown. Nothing happens on platforms
// other than X.
void SetWindowFrame(QWidget* window, const WindowFrame& frame);

}  // namespace vorpo
