#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <string>

#include "AboutBox.h"
#include "help_window.h"
#include "when_modal.h"

namespace vorpo {
namespace {

// Receives what the About box hands to the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

// The offscreen platform turns a pointer move into no event of its own, so the move the
// widget would receive is delivered to it directly.
void MovePointer(QWidget* widget, QPoint at) {
  QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

TEST(AboutBox, AddressLabelLightsUpUnderThePointerAndOpensTheHelpPage) {
  const QUrl address = QUrl::fromLocalFile(QStringLiteral("/usr/share/vorpo/vorpo.html"));
  TfrmAbout box(nullptr, address);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  EXPECT_EQ(box.Label2->text(), QStringLiteral("URL: file:///usr/share/vorpo/vorpo.html"));
  EXPECT_EQ(box.windowTitle(), QStringLiteral("バージョン情報"));
  EXPECT_FALSE(box.AppIcon->pixmap().isNull());
  const auto colour = [&] { return box.Label2->palette().color(QPalette::WindowText); };
  EXPECT_EQ(colour(), QColor(0, 0, 0xFF));

  MovePointer(box.Label2, QPoint(5, 5));
  EXPECT_EQ(colour(), QColor(0, 0, 0x80));
  MovePointer(&box, QPoint(5, 80));
  EXPECT_EQ(colour(), QColor(0, 0, 0xFF));

  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
  QTest::mouseClick(box.Label2, Qt::LeftButton, {}, QPoint(5, 5));
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  EXPECT_EQ(catcher.opened, QList<QUrl>{address});

  QTest::keyClick(&box, Qt::Key_Escape);
  EXPECT_FALSE(box.isVisible());
}

TEST(AboutBox, ShowsTheNameAndVersionItIsGiven) {
  testing::WhenModal<TfrmAbout>([](TfrmAbout* box) {
    EXPECT_EQ(box->lblProjName->text(), QStringLiteral("Vorpo"));
    EXPECT_EQ(box->lblVersion->text(), QStringLiteral("0.03"));
    EXPECT_FALSE(box->lblCopyright->text().isEmpty());
    EXPECT_EQ(box->pos(), QPoint(80, 40));
    box->Button1->click();
  });
  ShowAboutBox(nullptr, QStringLiteral("Vorpo"), QStringLiteral("0.03"));
}

TEST(HelpFile, IsBesideTheProgramOrInTheInstalledDataFolder) {
  QTemporaryDir prefix;
  const QDir root(prefix.path());
  root.mkpath(QStringLiteral("bin"));
  root.mkpath(QStringLiteral("share/vorpo"));
  const std::string program = (prefix.path() + QStringLiteral("/bin/vorpo")).toStdString();
  const std::string beside = program + ".hlp";
  const std::string installed =
      (prefix.path() + QStringLiteral("/share/vorpo/vorpo.hlp")).toStdString();

  EXPECT_EQ(HelpFilePath(program), beside);
  QFile(QString::fromStdString(installed)).open(QIODevice::WriteOnly);
  EXPECT_EQ(HelpFilePath(program), installed);
  QFile(QString::fromStdString(beside)).open(QIODevice::WriteOnly);
  EXPECT_EQ(HelpFilePath(program), beside);
  EXPECT_EQ(HelpPagePath(installed), prefix.path().toStdString() + "/share/vorpo/vorpo.html");
}

TEST(HelpWindow, OpensAtTheContentsOrAtTheSettingsTopicAndCloses) {
  const QString file = QStringLiteral(VORPO_HELP_FILE);
  HelpWindow help;
  help.ShowTopic(file, QStringLiteral("SETTINGDIALOG"));
  ASSERT_TRUE(help.isVisible());
  EXPECT_EQ(help.windowTitle(), QStringLiteral("Vorpo ヘルプ"));
  EXPECT_GT(help.verticalScrollBar()->value(), 0);
  // The help describes every page of the options dialog under that topic.
  const QString text = help.toPlainText();
  const auto topic = text.indexOf(QStringLiteral("オプションダイアログ\n"));
  for (const char* page : {"ゲーム設定", "ローカルルール", "表示", "プレイヤーの名前", "その他"})
    EXPECT_GT(text.indexOf(QString::fromUtf8(page), topic), topic) << page;

  help.ShowContents(file);
  EXPECT_EQ(help.verticalScrollBar()->value(), 0);
  help.Close();
  EXPECT_FALSE(help.isVisible());
}

}  // namespace
}  // namespace vorpo

#include "about_and_help_test.moc"
