#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>

#include "cp932_text.h"
#include "ini_file.h"
#include "ini_test_folder.h"
#include "results_format.h"
#include "results_save_dialog.h"
#include "score_sheet_test_table.h"

namespace vorpo {
namespace {

using testing::SheetTable;
using testing::TestFolder;
using testing::WhenModal;

// How the user answers once the ranked match has ended: the question, then the file typed into
// the save dialog (none: the dialog is cancelled).
struct Answers {
  bool write = true;
  std::string file;
};

struct SeenClosing {
  QString sheet;
  QString question;  // "title|text" of the question box
  QString error;     // text of an error box
  bool errorLooksRight = false;
};

SeenClosing EndRankedMatch(SheetTable& t, const Answers& answers,
                           std::vector<std::string> names = {"Taro", "山田"}) {
  t.s.Ranking = true;
  t.s.IRWScore = 500;
  t.Standings(std::move(names), {{0, 500}});
  SeenClosing seen;
  WhenModal<QMessageBox>([&](QMessageBox* box) {
    seen.question = box->windowTitle() + u'|' + box->text();
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    box->button(answers.write ? QMessageBox::Yes : QMessageBox::No)->click();
  });
  WhenModal<ResultsSaveDialog>([&](ResultsSaveDialog* dialog) {
    if (answers.file.empty()) return dialog->reject();
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      seen.error = box->text();
      seen.errorLooksRight = box->icon() == QMessageBox::Critical && box->windowTitle().isEmpty();
      box->accept();
    });
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
        ->setText(QString::fromStdString(answers.file));
    dialog->accept();
  });
  seen.sheet = t.ShowAndClose([&] { t.ShowScoreSheet(); }).text;
  testing::StopWaiting();
  return seen;
}

std::vector<std::string> Listing(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ResultsFromTheSheet, ARankedMatchIsWrittenAsTheSheetShowedIt) {
  SheetTable t;
  TestFolder folder;
  const auto seen = EndRankedMatch(t, {true, folder.File("result")});
  EXPECT_EQ(seen.question, QStringLiteral("質問|結果を書き出しますか？"));
  EXPECT_TRUE(seen.error.isEmpty()) << seen.error.toStdString();
  ASSERT_EQ(Listing(folder.Path()), std::vector<std::string>{"result.vdf"});

  const auto content = ReadResultsBytes(testing::ReadBytes(folder.File("result.vdf")));
  ASSERT_TRUE(content);
  EXPECT_EQ(content->name, "result.txt");
  const QString body = QString::fromStdString(*text::Cp932ToUtf8(content->body));
  EXPECT_TRUE(seen.sheet.endsWith(QStringLiteral("WINNER : 山田")));
  const QRegularExpression layout(
      QStringLiteral("^0\\.03\\r\\n\\d{4}/\\d\\d/\\d\\d \\d{1,2}:\\d\\d:\\d\\d\\r\\n\\r\\n(.*)$"),
      QRegularExpression::DotMatchesEverythingOption);
  const auto match = layout.match(body);
  ASSERT_TRUE(match.hasMatch()) << body.toStdString();
  EXPECT_EQ(match.captured(1), seen.sheet);
}

TEST(ResultsFromTheSheet, NamesKeepTheFormTheSettingsFileGaveThem) {
  SheetTable t;
  TestFolder folder;
  // Both names in the NEC form of 纊 (ED 40), which plain conversion writes as FA 5C; the
  // human's name is then changed.
  const SettingsStore store(folder.File("vorpo.ini"));
  testing::WriteBytes(store.Path(), "[Game]\r\nName0=\xED\x40\r\nName1=\xED\x40\x91\xBE\r\n");
  store.Load(t.s, t.settings);
  t.s.ConfiguredNames[0] = "纊次";
  ASSERT_TRUE(store.SaveSettings(t.s, t.settings));
  const IniFile saved = IniFile::Read(store.Path());
  EXPECT_EQ(saved.Find("Game", "Name0"), "\xFA\x5C\x8E\x9F");
  EXPECT_EQ(saved.Find("Game", "Name1"), "\xED\x40\x91\xBE");

  const auto seen = EndRankedMatch(t, {true, folder.File("result.vdf")},
                                   {t.s.ConfiguredNames[0], t.s.ConfiguredNames[1]});
  EXPECT_TRUE(seen.sheet.endsWith(QStringLiteral("WINNER : 纊太")));
  const auto content = ReadResultsBytes(testing::ReadBytes(folder.File("result.vdf")));
  ASSERT_TRUE(content);
  const std::string& body = content->body;
  EXPECT_NE(body.find("\r\n\r\n\xFA\x5C\x8E\x9F         \xED\x40\x91\xBE\r\n"), std::string::npos);
  EXPECT_TRUE(body.ends_with("WINNER : \xED\x40\x91\xBE"));
}

TEST(ResultsFromTheSheet, OnlyAConfirmedRankedResultIsWritten) {
  TestFolder folder;
  {
    SheetTable t;
    EXPECT_FALSE(EndRankedMatch(t, {false, folder.File("result.vdf")}).question.isEmpty());
  }
  {
    SheetTable t;
    EndRankedMatch(t, {true, ""});
  }
  {
    SheetTable t;
    t.s.Ranking = false;
    t.Standings({"Taro", "Jiro"}, {{0, 500}});
    const auto asked = WhenModal<QMessageBox>([](QMessageBox* box) { box->reject(); });
    t.ShowAndClose([&] { EXPECT_TRUE(t.ShowScoreSheet()); });
    testing::StopWaiting();
    EXPECT_FALSE(*asked);
  }
  EXPECT_TRUE(Listing(folder.Path()).empty());
}

TEST(ResultsFromTheSheet, TheSaveDialogKeepsToExistingFolders) {
  SheetTable t;
  TestFolder folder;
  bool refused = false;
  WhenModal<ResultsSaveDialog>([&](ResultsSaveDialog* open) {
    WhenModal<QMessageBox>([&](QMessageBox* warning) {
      warning->accept();
      refused = open->isVisible();
      open->reject();
    });
    open->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
        ->setText(QString::fromStdString(folder.File("missing/result.vdf")));
    open->accept();
  });
  t.sheet.SaveDialog1->exec();
  EXPECT_TRUE(refused);
  EXPECT_TRUE(Listing(folder.Path()).empty());
}

TEST(ResultsFromTheSheet, AFailedWriteIsShownAndKeepsTheEarlierFile) {
  SheetTable t;
  TestFolder folder;
  const std::string file = folder.File("result.vdf");
  testing::WriteBytes(file, "earlier");
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 20;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const auto seen = EndRankedMatch(t, {true, file});
  ::setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(seen.error, QString::fromLocal8Bit(std::strerror(EFBIG)));
  EXPECT_TRUE(seen.errorLooksRight);
  EXPECT_EQ(testing::ReadBytes(file), "earlier");
  EXPECT_EQ(Listing(folder.Path()), std::vector<std::string>{"result.vdf"});
}

}  // namespace
}  // namespace vorpo
