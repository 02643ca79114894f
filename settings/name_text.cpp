#include "name_text.h"

#include "cp932_text.h"

namespace vorpo {

NameValidator::NameValidator(int maxBytes, QObject* parent)
    : QValidator(parent), maxBytes_(static_cast<std::size_t>(maxBytes < 0 ? 0 : maxBytes)) {}

QValidator::State NameValidator::validate(QString& input, int&) const {
  const auto length = text::Cp932Length(input.toStdString());
  return length && *length <= maxBytes_ ? Acceptable : Invalid;
}

std::string NameFromBox(const QString& text) {
  std::string cp932;
  for (const uint codePoint : text.toUcs4()) {
    const char32_t point = codePoint;
    const QString character = QString::fromUcs4(&point, 1);
    if (const auto bytes = text::Utf8ToCp932(character.toStdString())) cp932 += *bytes;
  }
  return text::Cp932ToUtf8(text::CutCp932(cp932, kNameBytes)).value_or(std::string());
}

}  // namespace vorpo
