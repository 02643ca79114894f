// Showing a top-level window before the controls on it. When a window is shown, the toolkit
// shows its controls first and tells the screen readers of each one before it maps the window;
// the first such message sets up the connection to the readers, a round trip to the session bus
// or, where there is none, an attempt to start one. Shown right after the window, in the same
// event, the controls are all in place at the window's first paint, and that set-up follows the
// window onto the screen instead of holding it back.
#pragma once

class QWidget;

namespace vorpo {

// Shows window, then each of its controls that was not hidden.
void ShowWindowBeforeControls(QWidget& window);

}  // namespace vorpo
