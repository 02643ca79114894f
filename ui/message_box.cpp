#include "message_box.h"

#include <QMessageBox>

#include "fonts.h"

namespace vorpo {

void ShowErrorMessage(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, owner);
  box.setFont(DialogFont());
  box.exec();
}

bool AskQuestion(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("質問"), text,
                  QMessageBox::Yes | QMessageBox::No, owner);
  box.setFont(DialogFont());
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace vorpo
