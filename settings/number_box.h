// The number boxes of the options dialog: a spin box that takes any number while it is being
// typed and brings it into range when it loses the focus (or is interpreted); text that is not
// a number reads as the minimum.
#pragma once

#include <QSpinBox>

namespace vorpo {

class NumberBox : public QSpinBox {
  Q_OBJECT
 public:
  NumberBox(int minimum, int maximum, int step, QWidget* parent);

  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;
  int valueFromText(const QString& text) const override;
};

}  // namespace vorpo
