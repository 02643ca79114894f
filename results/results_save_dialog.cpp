#include "results_save_dialog.h"

#include <QFileInfo>
#include <QMessageBox>

#include "file_dialog.h"
#include "fonts.h"

namespace vorpo {

ResultsSaveDialog::ResultsSaveDialog(QWidget* parent) : QFileDialog(parent) {
  // The check for the folder below only runs in the toolkit's own dialog.
  UseProgramFileDialog(*this);
  setOption(QFileDialog::DontConfirmOverwrite);
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  setNameFilter(QStringLiteral("Vorpo ﾃﾞｰﾀ ﾌｧｲﾙ (*.vdf)"));
  setDefaultSuffix(QStringLiteral("vdf"));
}

std::string ResultsSaveDialog::ChosenFile() const {
  const QStringList files = selectedFiles();
  return files.isEmpty() ? std::string() : QFile::encodeName(files.first()).toStdString();
}

void ResultsSaveDialog::accept() {
  const QStringList files = selectedFiles();
  if (!files.isEmpty()) {
    const QFileInfo chosen(files.first());
    // A folder name is left to the dialog, which opens it.
    if (!chosen.isDir() && !QFileInfo(chosen.absolutePath()).isDir()) {
      // The toolkit's own message for a missing folder, in its own context, so that its
      // translation applies.
      QMessageBox box(QMessageBox::Warning, windowTitle(),
                      QFileDialog::tr("%1\nDirectory not found.\nPlease verify the "
                                      "correct directory name was given.")
                          .arg(chosen.absolutePath()),
                      QMessageBox::Ok, this);
      box.setFont(DialogFont());
      box.exec();
      return;
    }
  }
  QFileDialog::accept();
}

}  // namespace vorpo
