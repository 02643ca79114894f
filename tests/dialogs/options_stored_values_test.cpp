// OK of the options dialog and what the settings file held: switch bytes that nobody changed go
// back as they were, and a file name the file cannot hold is refused with a message instead of
// being lost.
#include <gtest/gtest.h>

#include <QMessageBox>

#include <memory>

#include "VConfig.h"
#include "fake_host.h"
#include "stored_path.h"
#include "when_modal.h"

namespace vorpo {
namespace {

using testing::FakeHost;
using testing::WhenModal;

class OptionsStoredValues : public ::testing::Test {
 protected:
  TfrmConfig& Open() {
    dialog = std::make_unique<TfrmConfig>(host, nullptr);
    dialog->Fill();
    dialog->show();
    return *dialog;
  }
  std::optional<std::string> Stored(const char* key) const {
    return host.SettingsFile().Find("Game", key);
  }

  FakeHost host;
  std::unique_ptr<TfrmConfig> dialog;
};

TEST_F(OptionsStoredValues, OkKeepsTheSwitchBytesThePlayerLeftAlone) {
  GameState& s = host.game.TestingState();
  s.DefDraw = 2;
  s.WildFront = 3;
  s.NotShowCompCard = 200;
  TfrmConfig& d = Open();
  d.chbWildFront->click();
  d.chbOpenMode->click();
  d.Button1Click();
  ASSERT_FALSE(d.isVisible());
  EXPECT_EQ(Stored("DefDraw"), "2");
  EXPECT_EQ(Stored("NotShowCompCard"), "200");
  EXPECT_EQ(Stored("WildFront"), "0");
  EXPECT_EQ(Stored("OpenMode"), "1");
  EXPECT_EQ(Stored("NotFig"), "1");

  // In ranking mode the locked rules keep their bytes too.
  s.Ranking = 2;
  s.NotYama = 2;
  s.UseOtherScoreTable = 200;
  Open().Button1Click();
  EXPECT_EQ(Stored("Ranking"), "2");
  EXPECT_EQ(Stored("NotYama"), "2");
  EXPECT_EQ(Stored("UseOtherScoreTable"), "200");
}

struct Refusal {
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

TEST_F(OptionsStoredValues, AFileNameTooLongToStoreIsRefusedAndFocused) {
  const QString tooLong = QStringLiteral("/tmp/") + QString(300, u'a') + QStringLiteral(".vsf");
  TfrmConfig& d = Open();
  d.speInterval->setValue(900);
  for (QCheckBox* useFile : {d.chbUseOtherSound, d.chbUseOtherScrTbl, d.chbUseOtherImage})
    useFile->click();
  for (QComboBox* box : {d.cmbSoundFile, d.cmbScrTblFile, d.cmbImageFile}) {
    d.cmbSoundFile->setEditText(QString());
    d.cmbScrTblFile->setEditText(QString());
    d.cmbImageFile->setEditText(QString());
    box->setEditText(tooLong);
    Refusal seen;
    WhenModal<QMessageBox>([&](QMessageBox* message) {
      seen = {message->text(), message->windowTitle(), message->icon()};
      message->accept();
    });
    d.Button1Click();
    EXPECT_EQ(seen.text, QString::fromUtf8(kPathTooLongMessage));
    EXPECT_TRUE(seen.title.isEmpty());
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.PageControl1->currentWidget(), box->parentWidget());
    EXPECT_TRUE(d.focusWidget() == box || d.focusWidget() == box->lineEdit());
  }
  EXPECT_EQ(d.PageControl1->currentWidget(), d.TabSheet5);
  // Nothing was applied.
  EXPECT_TRUE(host.imagePackCalls.empty());
  EXPECT_EQ(host.program.Wait, 500);
  EXPECT_FALSE(host.SettingsWritten());
}

TEST_F(OptionsStoredValues, AFileNameOutsideCp932IsStoredAsAUrl) {
  TfrmConfig& d = Open();
  d.chbUseOtherImage->click();
  d.cmbImageFile->setEditText(QStringLiteral("/home/Müller/cards.vif"));
  d.cmbSoundFile->setEditText(QStringLiteral("/home/Müller/se.vsf"));
  d.Button1Click();
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(host.program.ImageFile, "/home/Müller/cards.vif");
  EXPECT_EQ(host.program.SoundFile, "/home/Müller/se.vsf");
  EXPECT_EQ(Stored("ImageFile"), "file:///home/M%C3%BCller/cards.vif");
  ASSERT_TRUE(host.store.SaveOnClose(host.program));
  EXPECT_EQ(Stored("SoundFile"), "file:///home/M%C3%BCller/se.vsf");
}

}  // namespace
}  // namespace vorpo
