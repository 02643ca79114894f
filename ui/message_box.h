// Message boxes as the program shows them: errors with the error icon and no caption of their
// own, questions captioned "質問" with Yes and No. Both are set in the dialogs' face, and the
// toolkit's translation gives their buttons Japanese texts.
#pragma once

#include <QString>

class QWidget;

namespace vorpo {

// Modal to owner (the window that was active for the operation).
void ShowErrorMessage(QWidget* owner, const QString& text);

// True when the player answers Yes; Yes is the default button.
bool AskQuestion(QWidget* owner, const QString& text);

}  // namespace vorpo
