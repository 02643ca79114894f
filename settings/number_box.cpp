#include "number_box.h"

#include <algorithm>

namespace vorpo {

namespace {

// Long enough for every range here with a sign, short enough never to overflow.
constexpr int kMaxChars = 10;

bool CanFormNumber(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.size() > kMaxChars) return false;
  for (int i = 0; i < trimmed.size(); ++i) {
    const QChar c = trimmed[i];
    if (!(c >= u'0' && c <= u'9') && !(i == 0 && (c == u'-' || c == u'+'))) return false;
  }
  return true;
}

}  // namespace

NumberBox::NumberBox(int minimum, int maximum, int step, QWidget* parent) : QSpinBox(parent) {
  setRange(minimum, maximum);
  setSingleStep(step);
}

QValidator::State NumberBox::validate(QString& input, int&) const {
  if (!CanFormNumber(input)) return QValidator::Invalid;
  bool isNumber = false;
  const int number = input.trimmed().toInt(&isNumber);
  return isNumber && number >= minimum() && number <= maximum() ? QValidator::Acceptable
                                                                : QValidator::Intermediate;
}

void NumberBox::fixup(QString& input) const {
  input = QString::number(valueFromText(input));
}

int NumberBox::valueFromText(const QString& text) const {
  bool isNumber = false;
  const int number = text.trimmed().toInt(&isNumber);
  return isNumber ? std::clamp(number, minimum(), maximum()) : minimum();
}

}  // namespace vorpo
