// Player names in the dialogs: at most a number of CP932 bytes, and nothing CP932 cannot hold,
// since the settings file keeps names in CP932.
#pragma once

#include <QString>
#include <QValidator>

#include <cstddef>
#include <string>

namespace vorpo {

// The longest name GameState keeps, in CP932 bytes.
inline constexpr std::size_t kNameBytes = 128;

// Refuses an edit that would make the text longer than maxBytes in CP932 or put a character
// into it that CP932 cannot hold; the text then stays as it was before the edit.
class NameValidator : public QValidator {
  Q_OBJECT
 public:
  NameValidator(int maxBytes, QObject* parent);
  State validate(QString& input, int& pos) const override;

 private:
  std::size_t maxBytes_;
};

// The text of a name box as a configured name: UTF-8, cut to kNameBytes bytes of CP932 at a
// character boundary. Characters CP932 cannot hold are left out.
std::string NameFromBox(const QString& text);

}  // namespace vorpo
