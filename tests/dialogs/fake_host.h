// A stand-in for the table window: default settings, a settings file in a folder of its own
// (which is also the program's folder), and a record of what the dialogs asked of it.
#pragma once

#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

#include "ini_file.h"
#include "options_host.h"
#include "recording_view.h"
#include "settings_store.h"

namespace vorpo::testing {

// Also records the two requests RecordingView leaves out.
class DialogView : public RecordingView {
 public:
  void RepaintWindow() override { calls.push_back("RepaintWindow"); }
  void ApplyNameFont() override { calls.push_back("ApplyNameFont"); }
};

class FakeHost : public OptionsHost {
 public:
  FakeHost() : store(folder.filePath(QStringLiteral("vorpo.ini")).toStdString()) {
    ReadSettings(IniFile(), game.TestingState(), program);
  }

  Game& CurrentGame() override { return game; }
  ProgramSettings& Program() override { return program; }
  const SettingsStore& Store() const override { return store; }
  TableView& View() override { return view; }
  std::uint8_t& OptionsPage() override { return optionsPage; }
  std::string ProgramFolder() const override { return folder.path().toStdString(); }
  void SetTimerInterval(int milliseconds) override { timerInterval = milliseconds; }
  bool LoadImagePack(const std::string& path, bool useOtherImage, QWidget*) override {
    imagePackCalls.push_back(path);
    return !useOtherImage || path != unusablePack;
  }
  void ReloadSoundPack() override { ++soundPackReloads; }
  void ShowHelpTopic(const QString& anchor) override { helpTopics.push_back(anchor); }

  // The settings file as written so far.
  IniFile SettingsFile() const { return IniFile::Read(store.Path()); }
  bool SettingsWritten() const { return QFileInfo::exists(QString::fromStdString(store.Path())); }

  // A running deal of a running match.
  void StartDeal() {
    game.TestingState().MatchState = 0;
    game.TestingState().Direction = 1;
  }

  QTemporaryDir folder;
  DialogView view;
  Random random{1};
  Game game{view, random};
  ProgramSettings program;
  SettingsStore store;
  std::uint8_t optionsPage = 0;
  int timerInterval = -1;
  int soundPackReloads = 0;
  std::string unusablePack = "broken.vif";
  std::vector<std::string> imagePackCalls;
  std::vector<QString> helpTopics;
};

}  // namespace vorpo::testing
