#include "radio_group.h"

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
  for (const QString& text : items) items_.push_back(new QRadioButton(text, this));
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
