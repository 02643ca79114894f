#include "window_showing.h"

#include <QWidget>

#include <vector>

namespace vorpo {

void ShowWindowBeforeControls(QWidget& window) {
  std::vector<QWidget*> heldBack;
  for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control->isWindow() || control->isHidden()) continue;
    control->hide();
    heldBack.push_back(control);
  }
  window.show();
  // A control shown on a visible window has its window's layout put it in place at once.
  for (QWidget* control : heldBack) control->show();
}

}  // namespace vorpo
