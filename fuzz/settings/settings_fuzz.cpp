// Feeds arbitrary bytes to the game as its settings file. Whatever the file holds, every setting
// must read into its range, the INI layer must give the file's bytes back unchanged, and the
// settings written back into the file must read back as the same values.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <tuple>

#include "cp932_text.h"
#include "ini_file.h"
#include "settings_store.h"
#include "stored_path.h"

namespace {

using vorpo::GameSettings;
using vorpo::ProgramSettings;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

bool FitsCp932(const std::string& text, std::size_t maxBytes) {
  const auto length = vorpo::text::Cp932Length(text);
  return length && *length <= maxBytes;
}

void CheckRanges(const GameSettings& game, const ProgramSettings& program) {
  Require(program.NameMax >= 14 && program.NameMax <= 128);
  Require(program.Wait >= 1 && program.Wait <= 5000);
  Require(game.Players >= 2 && game.Players <= 10);
  Require(game.StartingCards >= 1 && (game.Players + 1) * game.StartingCards <= 111);
  Require(game.CalcProc <= 1);
  Require(game.Strength <= 1);
  Require(game.IRWScore >= 1 && game.IRWScore <= 1000);
  Require(game.JRTurns >= 1 && game.JRTurns <= 30);
  for (const auto& name : game.ConfiguredNames) {
    Require(FitsCp932(name, static_cast<std::size_t>(program.NameMax)));
  }
  Require(FitsCp932(game.NameFont, 255));
  // A file name goes back to the file in a form that reads as the same name.
  for (const auto* path : {&program.SoundFile, &program.ImageFile, &program.ScoreTableFile}) {
    const auto stored = vorpo::StoredPathForm(*path);
    if (stored) Require(vorpo::PathFromStored(*vorpo::text::Cp932ToUtf8(*stored)) == *path);
  }
}

auto Fields(const GameSettings& g, const ProgramSettings& p) {
  return std::tie(g.ConfiguredNames, g.Players, g.StartingCards, g.CalcProc, g.DefDraw, g.DefDraw4,
                  g.NotYama, g.NotFig, g.WildFront, g.Ranking, g.OpenMode, g.NotShowCompCard,
                  g.IRWScore, g.JRTurns, g.UseOtherSound, g.UseOtherImage, g.UseOtherScoreTable,
                  g.Strength, g.NameFont, p.NameMax, p.Wait, p.Sound, p.SoundFile, p.ImageFile,
                  p.ScoreTableFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vorpo::IniFile file = vorpo::IniFile::FromBytes(bytes);
  Require(file.Bytes() == bytes);

  GameSettings game;
  ProgramSettings program;
  vorpo::ReadSettings(file, game, program);
  CheckRanges(game, program);

  for (const auto moment : {vorpo::WriteMoment::SaveSettings, vorpo::WriteMoment::ImageFileChosen,
                            vorpo::WriteMoment::FormClose, vorpo::WriteMoment::OptionsOk}) {
    vorpo::WriteSettings(file, game, program, moment);
  }
  GameSettings again;
  ProgramSettings programAgain;
  vorpo::ReadSettings(vorpo::IniFile::FromBytes(file.Bytes()), again, programAgain);
  Require(Fields(game, program) == Fields(again, programAgain));
  return 0;
}
