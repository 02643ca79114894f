#include "place_near_owner.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vorpo {

void PlaceNearOwner(const QWidget* owner, QWidget* dialog) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (owner == nullptr || screen == nullptr) {
    dialog->move(80, 40);
    return;
  }
  // Both rectangles are the outer ones, title bar and border included, as the screen sees them.
  const QRect ownerRect = owner->window()->frameGeometry();
  const QSize dialogSize = dialog->frameGeometry().size();
  const QSize screenSize = screen->geometry().size();

  int top = ownerRect.top() + 40;
  int left = ownerRect.left() + 80;
  if (screenSize.height() < top + dialogSize.height())
    top = screenSize.height() - dialogSize.height();
  if (screenSize.width() < left + dialogSize.width())
    left = screenSize.width() - dialogSize.width();
  // The owner's corner is tested here, not the dialog's: a dialog pulled up or left by the
  // steps before may still start above or left of the screen.
  if (ownerRect.top() < 0) top = 0;
  if (ownerRect.left() < 0) left = 0;
  dialog->move(left, top);
}

}  // namespace vorpo
