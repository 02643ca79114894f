// A captioned group of radio buttons laid out in columns, one of which is selected by index.
#pragma once

#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

#include <vector>

namespace vorpo {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

  // The selected item, -1 when none is.
  int ItemIndex() const;
  // An index outside the items changes nothing.
  void SetItemIndex(int index);
  QRadioButton* Item(int index) const { return items_.at(static_cast<std::size_t>(index)); }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // The arrow keys move the selection, and the focus with it, to the previous or next item.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Tab reaches the group at its selected item, so that Space there changes nothing; the arrow
  // keys move the selection between the items.
  void KeepTabStopOnSelection();

  std::vector<QRadioButton*> items_;
  int columns_;
};

}  // namespace vorpo
