// Where the score sheet, the options dialog and the About box open: a little below and to the
// right of the table window, pulled back onto the screen where they would hang over its right
// or bottom edge.
#pragma once

class QWidget;

namespace vorpo {

// Moves dialog to 80 right and 40 below owner's top-left corner, keeps it inside the screen's
// width and height, and puts it at the screen's top or left edge when the owner's own corner
// lies above or left of the screen. Without an owner (or a screen) the dialog goes to (80, 40).
void PlaceNearOwner(const QWidget* owner, QWidget* dialog);

}  // namespace vorpo
