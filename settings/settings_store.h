// The settings file: section "Game" of an INI file in CP932, read once at start-up with each
// key's default and rule, written back at fixed moments. In memory every text is UTF-8.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "cp932_text.h"
#include "game_state.h"
#include "ini_file.h"

namespace vorpo {

// The settings that are not the game's: they belong to the program.
struct ProgramSettings {
  int NameMax = 14;  // bytes of CP932 a name may take
  int Wait = 500;    // the turn timer's interval in milliseconds
  bool Sound = true;
  int Zoom = 100;  // the table zoom in percent, written at close
  std::string SoundFile, ImageFile, ScoreTableFile;
  // Name0 … Name9 as the settings file spelt them when they were read (empty for a key that
  // was missing or unreadable): a name still unchanged is written back with these bytes.
  std::array<text::Cp932Spelling, kSeats> NameSpellings{};
};

// Sets a byte switch from a check box. A byte that already says what the box says keeps its
// value (a 2 read from the file stays 2); otherwise it becomes 1 or 0.
void SetByteSwitch(std::uint8_t& held, bool on);

// The moments at which settings reach the file; each setting is written at one of them.
enum class WriteMoment : std::uint8_t {
  Never,            // NameMax: only a hand edit of the file sets it
  SaveSettings,     // OK of the welcome dialog and of the options dialog
  ImageFileChosen,  // an image pack is chosen
  FormClose,        // the table window closes
  OptionsOk,        // OK of the options dialog, after SaveSettings
};

// Reads every setting from file, applying its default and its rule, and settles the game's
// settings as the game does (Settled, from the settings file). A text whose bytes are not
// CP932 reads as the key's default, as a number without digits does.
void ReadSettings(const IniFile& file, GameSettings& game, ProgramSettings& program);
// Puts the settings written at moment into file, in the order of the settings file. A text that
// CP932 cannot hold, or a file name that StoredPathForm refuses, leaves its key as it was in
// the file and makes the result false.
bool WriteSettings(IniFile& file, const GameSettings& game, const ProgramSettings& program,
                   WriteMoment moment);

class SettingsStore {
 public:
  explicit SettingsStore(std::string iniPath);
  // The store of the program at programPath (see SettingsPathFor for where its file lives).
  static SettingsStore ForProgram(const std::string& programPath);

  const std::string& Path() const { return path_; }

  // A missing file or key gives the defaults.
  void Load(GameSettings& game, ProgramSettings& program) const;

  // Each write replaces the file whole and keeps the lines it does not write. A write that
  // fails leaves the old file as it was; the game ignores the result, which is false then, or
  // when a text could not be held in CP932.
  bool SaveSettings(const GameSettings& game, const ProgramSettings& program) const;
  bool SaveImageFile(const ProgramSettings& program) const;
  bool SaveOnClose(const ProgramSettings& program) const;
  // The keys of the options dialog's own beyond those SaveSettings writes; its OK writes them
  // after SaveSettings.
  bool SaveOnOptionsOk(const GameSettings& game) const;

 private:
  bool Save(const GameSettings& game, const ProgramSettings& program, WriteMoment moment) const;

  std::string path_;
};

}  // namespace vorpo
