#include "file_dialog.h"

#include <QFileDialog>

#include "fonts.h"

namespace vorpo {

void UseProgramFileDialog(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFont(DialogFont());
}

}  // namespace vorpo
