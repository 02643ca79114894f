#include "window_hints.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QTimer>
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

xcb_connection_t* XConnection() {
  // The offscreen platform answers for X too, without a connection of its own.
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t HintsAtom(xcb_connection_t* connection) {
  static constexpr char kName[] = "_MOTIF_WM_HINTS";
  static const xcb_atom_t atom = [connection] {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof kName - 1, kName), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
  }();
  return atom;
}

void WriteHints(xcb_connection_t* connection, xcb_window_t window, const MotifWmHints& hints) {
  const xcb_atom_t atom = HintsAtom(connection);
  if (atom == XCB_ATOM_NONE) return;
  std::uint32_t data[5];
  std::memcpy(data, &hints, sizeof data);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom, atom, 32, 5, data);
  xcb_flush(connection);
}

bool HoldsHints(xcb_connection_t* connection, xcb_window_t window, const MotifWmHints& hints) {
  const xcb_atom_t atom = HintsAtom(connection);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, atom, atom, 0, 5), nullptr);
  if (reply == nullptr) return false;
  const bool same = reply->format == 32 &&
                    xcb_get_property_value_length(reply) == int(sizeof(MotifWmHints)) &&
                    std::memcmp(xcb_get_property_value(reply), &hints, sizeof hints) == 0;
  std::free(reply);
  return same;
}

// Writes the hints when the window is about to be mapped, and puts them back once it is mapped:
// the toolkit writes its own while it shows the window, and again whenever it describes the
// window anew. Every such change comes back as a property event, and a value that is not ours is
// put right there too.
class FrameKeeper : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT
 public:
  FrameKeeper(QWidget* window, const WindowFrame& frame)
      : QObject(window), window_(window), hints_(MotifHintsFor(frame)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
  }

  void Write() {
    if (xcb_connection_t* connection = XConnection())
      WriteHints(connection, static_cast<xcb_window_t>(window_->winId()), hints_);
  }

  // Puts the hints back if something has written others since.
  void Keep() {
    if (xcb_connection_t* connection = XConnection();
        connection != nullptr && window_->isVisible()) {
      const auto window = static_cast<xcb_window_t>(window_->winId());
      if (!HoldsHints(connection, window, hints_)) WriteHints(connection, window, hints_);
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_) return false;
    if (event->type() == QEvent::WinIdChange) Write();
    if (event->type() == QEvent::Show) {
      Write();
      // A window being shown is described by the toolkit more than once, and not every rewrite
      // has been seen to come back as an event in time: the hints are looked at again shortly
      // after, while the window is new.
      for (int delay : {50, 250, 1000}) QTimer::singleShot(delay, this, &FrameKeeper::Keep);
    }
    return false;
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const auto window = static_cast<xcb_window_t>(window_->internalWinId());
    if (window == 0) return false;
    switch (event->response_type & 0x7f) {
      case XCB_PROPERTY_NOTIFY: {
        const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
        if (change->window != window || change->state != XCB_PROPERTY_NEW_VALUE) return false;
        xcb_connection_t* connection = XConnection();
        if (connection == nullptr || change->atom != HintsAtom(connection)) return false;
        break;
      }
      // The window is on the screen with whatever the toolkit last wrote before mapping it.
      case XCB_MAP_NOTIFY:
        if (static_cast<const xcb_map_notify_event_t*>(message)->window != window) return false;
        break;
      default:
        return false;
    }
    Keep();
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
  if (window->isVisible()) keeper->Write();
}

}  // namespace vorpo

#include "window_hints.moc"
