#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>

#include "VConfig.h"
#include "VorpoIntro.h"
#include "cp932_text.h"
#include "fake_host.h"
#include "when_modal.h"

namespace vorpo {
namespace {

using testing::FakeHost;
using testing::WhenModal;

// Types text character by character, as a keyboard or an input method delivers it; QTest's own
// typing knows only ASCII.
void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

TEST(WelcomeDialog, OkIsOfferedOnlyForANameAndEnterThenDoesNothing) {
  FakeHost host;
  host.game.TestingState().ConfiguredNames[0] = "";
  TfrmIntro dialog(host, nullptr);
  dialog.Fill();
  dialog.show();
  EXPECT_FALSE(dialog.Button1->isEnabled());
  QTest::keyClick(dialog.Edit1, Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());

  QTest::keyClick(dialog.Edit1, Qt::Key_A);
  EXPECT_TRUE(dialog.Button1->isEnabled());
  QTest::keyClick(dialog.Edit1, Qt::Key_Backspace);
  EXPECT_FALSE(dialog.Button1->isEnabled());

  QTest::keyClick(dialog.Edit1, Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.WelcomeResult(), 0);
}

TEST(WelcomeDialog, NameIsLimitedToNameMaxBytesOfCp932) {
  FakeHost host;
  host.game.TestingState().ConfiguredNames[0] = "";
  TfrmIntro dialog(host, nullptr);
  dialog.Fill();
  QTest::keyClicks(dialog.Edit1, QStringLiteral("abcdefghijklmnopqrst"));
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("abcdefghijklmn"));

  dialog.Edit1->clear();
  Type(dialog.Edit1, QStringLiteral("一二三四五六七八"));
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("一二三四五六七"));

  // Hangul has no place in CP932, so the settings file could not hold it.
  dialog.Edit1->clear();
  Type(dialog.Edit1, QStringLiteral("a한b"));
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("ab"));
}

TEST(WelcomeDialog, OkTakesTheNameAndSavesTheSettings) {
  FakeHost host;
  host.game.TestingState().ConfiguredNames[0] = "";
  WhenModal<TfrmIntro>([](TfrmIntro* dialog) {
    Type(dialog->Edit1, QStringLiteral("太郎"));
    QTest::keyClick(dialog->Edit1, Qt::Key_Return);
  });
  EXPECT_TRUE(ShowWelcomeDialog(host, nullptr));
  EXPECT_EQ(host.game.TestingState().ConfiguredNames[0], "太郎");
  EXPECT_EQ(host.SettingsFile().Find("Game", "Name0"), text::Utf8ToCp932("太郎"));
}

TEST(WelcomeDialog, QuitOrTheTitleBarEndsWithoutWritingAnything) {
  FakeHost host;
  WhenModal<TfrmIntro>([](TfrmIntro* dialog) { dialog->Button2->click(); });
  EXPECT_FALSE(ShowWelcomeDialog(host, nullptr));
  WhenModal<TfrmIntro>([](TfrmIntro* dialog) { dialog->close(); });
  EXPECT_FALSE(ShowWelcomeDialog(host, nullptr));
  EXPECT_FALSE(host.SettingsWritten());
}

TEST(WelcomeDialog, OptionsShowTheTypedNameAndHandBackTheirOwn) {
  FakeHost host;
  TfrmIntro dialog(host, nullptr);
  dialog.Fill();
  dialog.show();
  dialog.Edit1->setText(QStringLiteral("次郎"));
  WhenModal<TfrmConfig>([](TfrmConfig* options) {
    EXPECT_EQ(options->Edits[0]->text(), QStringLiteral("次郎"));
    EXPECT_TRUE(options->spePlayers->isEnabled());
    options->Edits[0]->setText(QStringLiteral("三郎"));
    options->Button1->click();
  });
  dialog.Button3->click();
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("三郎"));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(host.SettingsFile().Find("Game", "Name0"), text::Utf8ToCp932("三郎"));

  dialog.Edit1->setText(QStringLiteral("四郎"));
  WhenModal<TfrmConfig>([](TfrmConfig* options) {
    options->Edits[0]->setText(QStringLiteral("五郎"));
    options->Button2->click();
  });
  dialog.Button3->click();
  EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("四郎"));
}

TEST(WelcomeDialog, OpensCentredOnTheTableWindow) {
  FakeHost host;
  QWidget table;
  table.setGeometry(100, 200, 400, 300);
  TfrmIntro dialog(host, &table);
  dialog.Fill();
  const QRect frame = dialog.frameGeometry();
  EXPECT_EQ(frame.left(), table.frameGeometry().left() + (400 - frame.width()) / 2);
  EXPECT_EQ(frame.top(), table.frameGeometry().top() + (300 - frame.height()) / 2);
}

}  // namespace
}  // namespace vorpo
