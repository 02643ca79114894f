// The toolkit's own texts and faces: its message boxes and file dialogs speak Japanese, in the
// dialogs' face, whatever the locale.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "file_dialog.h"
#include "fonts.h"
#include "message_box.h"
#include "toolkit_translations.h"
#include "when_modal.h"

namespace vorpo {
namespace {

using testing::WhenModal;

class ToolkitTexts : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_TRUE(LoadToolkitTranslations());
  }
};

TEST_F(ToolkitTexts, TheQuestionsButtonsAreJapaneseInTheDialogsFace) {
  QString yes, no;
  QFont face;
  WhenModal<QMessageBox>([&](QMessageBox* box) {
    yes = box->button(QMessageBox::Yes)->text();
    no = box->button(QMessageBox::No)->text();
    face = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->font();
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
    box->button(QMessageBox::No)->click();
  });
  EXPECT_FALSE(AskQuestion(nullptr, QStringLiteral("結果を書き出しますか？")));
  EXPECT_TRUE(yes.startsWith(QStringLiteral("はい"))) << yes.toStdString();
  EXPECT_TRUE(no.startsWith(QStringLiteral("いいえ"))) << no.toStdString();
  EXPECT_EQ(face.family(), DialogFont().family());
  EXPECT_EQ(face.pixelSize(), DialogFont().pixelSize());
}

TEST_F(ToolkitTexts, TheFileDialogsLabelsAreJapaneseAndItsTitleAndFilterStay) {
  QFileDialog dialog(nullptr, QStringLiteral("名前を付けて保存"), QString(),
                     QStringLiteral("Vorpo 成績ファイル (*.vdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  UseProgramFileDialog(dialog);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("名前を付けて保存"));
  EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Vorpo 成績ファイル (*.vdf)")});
  for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"}) {
    const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    ASSERT_NE(label, nullptr) << name;
    EXPECT_FALSE(label->text().contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}"))))
        << name << ": " << label->text().toStdString();
  }
  for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->text().contains(QStringLiteral("Cancel"))) << button->text().toStdString();
  }
  EXPECT_EQ(dialog.font().family(), DialogFont().family());
  dialog.reject();
}

}  // namespace
}  // namespace vorpo
