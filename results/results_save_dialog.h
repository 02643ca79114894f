// The save dialog of the score sheet (SaveDialog1): one filter for results files, ".vdf" added
// to a name typed without an extension, no question before replacing a file, and a folder that
// must exist — a name in a folder that is not there is refused while the dialog stays open.
#pragma once

#include <QFileDialog>

#include <string>

namespace vorpo {

class ResultsSaveDialog : public QFileDialog {
  Q_OBJECT

 public:
  explicit ResultsSaveDialog(QWidget* parent);

  // The file the user confirmed (empty before a confirmation), as the file system spells it.
  std::string ChosenFile() const;

 public slots:
  void accept() override;
};

}  // namespace vorpo
