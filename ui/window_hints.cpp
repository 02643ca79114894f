#include "window_hints.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace vorpo {

namespace {

// The bits of the Motif window manager hints.
constexpr std::uint32_t kHintsFunctions = 1u << 0;
constexpr std::uint32_t kHintsDecorations = 1u << 1;
constexpr std::uint32_t kFunctionResize = 1u << 1;
constexpr std::uint32_t kFunctionMove = 1u << 2;
constexpr std::uint32_t kFunctionMinimize = 1u << 3;
constexpr std::uint32_t kFunctionMaximize = 1u << 4;
constexpr std::uint32_t kFunctionClose = 1u << 5;
constexpr std::uint32_t kDecorationBorder = 1u << 1;
constexpr std::uint32_t kDecorationResizeHandles = 1u << 2;
constexpr std::uint32_t kDecorationTitle = 1u << 3;
constexpr std::uint32_t kDecorationMenu = 1u << 4;
constexpr std::uint32_t kDecorationMinimize = 1u << 5;
constexpr std::uint32_t kDecorationMaximize = 1u << 6;

void WriteHints(QWidget* window, const MotifWmHints& hints) {
  // The offscreen platform answers for X too, without a connection of its own.
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (connection == nullptr) return;
  static constexpr char kName[] = "_MOTIF_WM_HINTS";
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
  if (atom == nullptr) return;
  std::uint32_t data[5];
  std::memcpy(data, &hints, sizeof data);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                      atom->atom, atom->atom, 32, 5, data);
  xcb_flush(connection);
  std::free(atom);
}

// Writes the hints when the window is about to be mapped, after the toolkit has written its own.
class FrameKeeper : public QObject {
  Q_OBJECT
 public:
  FrameKeeper(QWidget* window, const WindowFrame& frame)
      : QObject(window), window_(window), hints_(MotifHintsFor(frame)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ &&
        (event->type() == QEvent::Show || event->type() == QEvent::WinIdChange))
      WriteHints(window_, hints_);
    return false;
  }

 private:
  QWidget* window_;
  MotifWmHints hints_;
};

}  // namespace

MotifWmHints MotifHintsFor(const WindowFrame& frame) {
  MotifWmHints hints;
  hints.flags = kHintsFunctions | kHintsDecorations;
  hints.functions = kFunctionMove;
  hints.decorations = kDecorationBorder | kDecorationTitle;
  if (frame.resizable) {
    hints.functions |= kFunctionResize;
    hints.decorations |= kDecorationResizeHandles;
  }
  if (frame.windowMenu) {
    hints.functions |= kFunctionClose;
    hints.decorations |= kDecorationMenu;
  }
  if (frame.minimizable) {
    hints.functions |= kFunctionMinimize;
    hints.decorations |= kDecorationMinimize;
  }
  if (frame.maximizable) {
    hints.functions |= kFunctionMaximize;
    hints.decorations |= kDecorationMaximize;
  }
  return hints;
}

void SetWindowFrame(QWidget* window, const WindowFrame& frame) {
  auto* keeper = new FrameKeeper(window, frame);
  window->installEventFilter(keeper);
  if (window->isVisible()) WriteHints(window, MotifHintsFor(frame));
}

}  // namespace vorpo

#include "window_hints.moc"
