// The open-file dialogs of the options dialog's browse buttons. The chooser is a function so
// that the dialog's rules about combo boxes and the current directory can be exercised without
// a file dialog on the screen.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace vorpo {

struct FileDialogSpec {
  QString title;
  QString filter;  // Qt form: "text (pattern);;text (pattern)"
  QString defaultSuffix;
};

// Asks for an existing file in an existing folder, starting in folder with fileName filled in;
// the chosen full path, or nullopt when the player cancels.
using FileChooser = std::function<std::optional<QString>(
    QWidget* parent, const FileDialogSpec& spec, const QString& folder, const QString& fileName)>;

std::optional<QString> ChooseExistingFile(QWidget* parent, const FileDialogSpec& spec,
                                          const QString& folder, const QString& fileName);

}  // namespace vorpo
