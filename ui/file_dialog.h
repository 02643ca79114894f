// The open and save dialogs are the toolkit's own, never the desktop's: only they take the
// program's Japanese translation, its dialog face and the folder checks the program relies on,
// whatever desktop and language the player runs.
#pragma once

class QFileDialog;

namespace vorpo {

// Call before the dialog is first shown.
void UseProgramFileDialog(QFileDialog& dialog);

}  // namespace vorpo
