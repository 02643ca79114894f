// The table zoom: the whole table drawn larger than designed, for a large screen that the
// desktop shows at its own scale of 1. The pieces of the table keep their places in the table's
// own pixels and draw themselves at the zoom; the window grows around them.
#include <QAction>

#include <algorithm>
#include <array>

#include "VorpoMain.h"
#include "table_piece.h"

namespace {

constexpr std::array kZoomSteps = {100, 125, 150, 175, 200, 225, 250, 275, 300};

// The next step up or down from percent, which a hand-edited settings file may have put between
// two steps.
int NextZoom(int percent, bool larger) {
  if (larger) {
    const auto* next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
  }
  const auto* next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
  return next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1);
}

}  // namespace

// The keys act wherever the table window has the keyboard; they are in no menu, so the menus
// stay as they are.
void TForm1::CreateZoomKeys() {
  const auto addKeys = [this](QList<QKeySequence> keys, auto step) {
    auto* action = new QAction(this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, step);
    addAction(action);
  };
  addKeys({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
          [this] { SetZoom(NextZoom(Zoom(), true)); });
  addKeys({QKeySequence::ZoomOut}, [this] { SetZoom(NextZoom(Zoom(), false)); });
  addKeys({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { SetZoom(kZoomSteps.front()); });
}

void TForm1::SetZoom(int percent) {
  settings_.Zoom = std::clamp(percent, kZoomSteps.front(), kZoomSteps.back());
  ApplyZoom();
  KeepOnScreenHorizontally();
  KeepOnScreenVertically();
}

void TForm1::ApplyZoom() {
  const qreal zoom = Zoom() / 100.0;
  for (auto* piece : centralWidget()->findChildren<vorpo::TablePiece*>()) piece->SetZoom(zoom);
  SetClientSize(clientSize_.width(), clientSize_.height());
}
