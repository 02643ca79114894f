// The program's help: an HTML document of its own with named topic anchors, shown in a window
// of the program, which stays usable while a modal dialog is open.
#pragma once

#include <QString>
#include <QTextBrowser>

#include <string>

namespace vorpo {

// The help file: the program's path with ".hlp". An installed program, which has no such file
// beside it, finds it as <prefix>/share/vorpo/<name>.hlp next to its <prefix>/bin.
std::string HelpFilePath(const std::string& programPath);
// The same document with ".html", which a web browser opens.
std::string HelpPagePath(const std::string& helpFile);

class HelpWindow : public QTextBrowser {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Opens the help file at its beginning, its table of contents.
  void ShowContents(const QString& path);
  // Opens the help file at the topic whose anchor is anchor.
  void ShowTopic(const QString& path, const QString& anchor);
  // Closes the window if it is open.
  void Close();

 private:
  // Loads path unless it is the document shown; false, with an error message, when it cannot be
  // read.
  bool Load(const QString& path);
  void Present();
};

}  // namespace vorpo
