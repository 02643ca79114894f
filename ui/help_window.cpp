#include "help_window.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QUrl>

#include <filesystem>

#include "message_box.h"
#include "program_paths.h"

namespace vorpo {

namespace fs = std::filesystem;

std::string HelpFilePath(const std::string& programPath) {
  const std::string beside = WithExtension(programPath, ".hlp");
  const fs::path program(programPath);
  const fs::path installed =
      program.parent_path().parent_path() / "share" / "vorpo" / fs::path(beside).filename();
  std::error_code error;
  return !fs::exists(beside, error) && fs::exists(installed, error) ? installed.string() : beside;
}

std::string HelpPagePath(const std::string& helpFile) {
  return WithExtension(helpFile, ".html");
}

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
  setWindowFlag(Qt::Window);
  setWindowTitle(QStringLiteral("Vorpo ヘルプ"));
  setOpenExternalLinks(true);
  resize(560, 600);
  connect(this, &QTextBrowser::sourceChanged, this, [this] {
    if (!documentTitle().isEmpty()) setWindowTitle(documentTitle());
  });
}

bool HelpWindow::Load(const QString& path) {
  const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
  if (source().adjusted(QUrl::RemoveFragment) == url) return true;
  if (!QFileInfo(path).isReadable()) {
    ShowErrorMessage(parentWidget(),
                     QStringLiteral("ヘルプファイル %1 を開けませんでした。").arg(path));
    return false;
  }
  setSource(url, QTextDocument::HtmlResource);
  return true;
}

void HelpWindow::Present() {
  show();
  raise();
  activateWindow();
}

void HelpWindow::ShowContents(const QString& path) {
  if (!Load(path)) return;
  verticalScrollBar()->setValue(0);
  Present();
}

void HelpWindow::ShowTopic(const QString& path, const QString& anchor) {
  if (!Load(path)) return;
  Present();
  scrollToAnchor(anchor);
}

void HelpWindow::Close() {
  close();
}

}  // namespace vorpo
