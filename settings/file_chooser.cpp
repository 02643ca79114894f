#include "file_chooser.h"

#include <QFileDialog>

#include "file_dialog.h"

namespace vorpo {

std::optional<QString> ChooseExistingFile(QWidget* parent, const FileDialogSpec& spec,
                                          const QString& folder, const QString& fileName) {
  QFileDialog dialog(parent, spec.title, folder, spec.filter);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setDefaultSuffix(spec.defaultSuffix);
  UseProgramFileDialog(dialog);
  if (!fileName.isEmpty()) dialog.selectFile(fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace vorpo
