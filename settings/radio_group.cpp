#include "radio_group.h"

#include <QKeyEvent>

#include <algorithm>

namespace vorpo {

namespace {

// Room for the caption above the items and for the frame on the other sides.
constexpr int kCaptionHeight = 16;
constexpr int kFrame = 8;
constexpr int kItemHeight = 17;

}  // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), columns_(columns < 1 ? 1 : columns) {
  for (const QString& text : items) {
    auto* item = new QRadioButton(text, this);
    connect(item, &QRadioButton::toggled, this, &RadioGroup::KeepTabStopOnSelection);
    item->installEventFilter(this);
    items_.push_back(item);
  }
  KeepTabStopOnSelection();
}

void RadioGroup::KeepTabStopOnSelection() {
  const int selected = std::max(ItemIndex(), 0);
  for (std::size_t i = 0; i < items_.size(); ++i)
    items_[i]->setFocusPolicy(static_cast<int>(i) == selected ? Qt::StrongFocus : Qt::ClickFocus);
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QGroupBox::eventFilter(watched, event);
  const auto found = std::find(items_.begin(), items_.end(), watched);
  if (found == items_.end()) return QGroupBox::eventFilter(watched, event);
  int step = 0;
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
      step = -1;
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      step = 1;
      break;
    default:
      return QGroupBox::eventFilter(watched, event);
  }
  // The other items are no tab stops, so the toolkit's own arrow keys would not reach them.
  const int count = static_cast<int>(items_.size());
  const int next = (static_cast<int>(found - items_.begin()) + step + count) % count;
  SetItemIndex(next);
  Item(next)->setFocus(Qt::OtherFocusReason);
  return true;
}

int RadioGroup::ItemIndex() const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void RadioGroup::SetItemIndex(int index) {
  if (index >= 0 && static_cast<std::size_t>(index) < items_.size())
    items_[static_cast<std::size_t>(index)]->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  const int rows = (static_cast<int>(items_.size()) + columns_ - 1) / columns_;
  const int columnWidth = (width() - 2 * kFrame) / columns_;
  const int rowHeight = rows > 0 ? (height() - kCaptionHeight - kFrame) / rows : 0;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const int column = static_cast<int>(i) / rows;
    const int row = static_cast<int>(i) % rows;
    items_[i]->setGeometry(kFrame + column * columnWidth,
                           kCaptionHeight + row * rowHeight + (rowHeight - kItemHeight) / 2,
                           columnWidth, kItemHeight);
  }
}

}  // namespace vorpo
