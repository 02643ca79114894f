#include "settings_store.h"

#include <type_traits>
#include <utility>

#include "cp932_text.h"
#include "name_spelling.h"
#include "program_paths.h"
#include "settings_table.h"
#include "stored_path.h"

namespace vorpo {

namespace {

// A setting's value on its way between the file and its field: a number, or a UTF-8 text.
struct Value {
  std::int32_t number = 0;
  std::string text;
};

// The field a member pointer names, in whichever of the two records owns it.
template <class Owner, class Field, class Game, class Program>
auto& FieldIn(Field Owner::*member, Game& game, Program& program) {
  if constexpr (std::is_same_v<Owner, GameSettings>) {
    return game.*member;
  } else {
    return program.*member;
  }
}

void Store(const SettingField& field, Value value, GameSettings& game, ProgramSettings& program) {
  std::visit(
      [&](auto member) {
        if constexpr (std::is_same_v<decltype(member), SeatName>) {
          game.ConfiguredNames[static_cast<std::size_t>(member.seat)] = std::move(value.text);
        } else {
          auto& target = FieldIn(member, game, program);
          if constexpr (std::is_same_v<std::remove_reference_t<decltype(target)>, std::string>) {
            target = std::move(value.text);
          } else {
            target = static_cast<std::remove_reference_t<decltype(target)>>(value.number);
          }
        }
      },
      field);
}

Value Fetch(const SettingField& field, const GameSettings& game, const ProgramSettings& program) {
  return std::visit(
      [&](auto member) -> Value {
        if constexpr (std::is_same_v<decltype(member), SeatName>) {
          return {0, game.ConfiguredNames[static_cast<std::size_t>(member.seat)]};
        } else {
          const auto& source = FieldIn(member, game, program);
          if constexpr (std::is_same_v<std::remove_cvref_t<decltype(source)>, std::string>) {
            return {0, source};
          } else {
            return {static_cast<std::int32_t>(source), {}};
          }
        }
      },
      field);
}

// A text as the file holds it, cut to maxBytes at a character boundary. Spaces left at the end
// by the cut go too: the file could not give them back on the next read. nullopt when the key
// is missing or its bytes are not CP932.
std::optional<text::Cp932Spelling> ReadSpelling(const IniFile& file, const Setting& setting,
                                                std::size_t maxBytes) {
  const auto bytes = file.Find(kSettingsSection, setting.key);
  if (!bytes) return std::nullopt;
  std::string cut = text::CutCp932(*bytes, maxBytes);
  cut.erase(cut.find_last_not_of(" \t") + 1);
  auto utf8 = text::Cp932ToUtf8(cut);
  if (!utf8) return std::nullopt;
  return text::Cp932Spelling{std::move(*utf8), std::move(cut)};
}

std::string ReadText(const IniFile& file, const Setting& setting, std::size_t maxBytes) {
  auto spelling = ReadSpelling(file, setting, maxBytes);
  return spelling ? std::move(spelling->text) : std::string(setting.defaultText);
}

std::int32_t ReadNumber(const IniFile& file, const Setting& setting) {
  std::int32_t number = file.GetInt(kSettingsSection, setting.key, setting.defaultNumber);
  if (setting.held == Held::Byte || setting.held == Held::ByteSwitch) {
    number = static_cast<std::uint8_t>(number);
  }
  if (setting.rule) number = setting.rule(number);
  if (setting.held == Held::Switch) number = number != 0;
  return number;
}

// The bytes a text setting goes to the file with; nullopt when the file cannot hold it.
std::optional<std::string> TextBytes(const Setting& setting, const std::string& value,
                                     const ProgramSettings& program) {
  switch (setting.held) {
    case Held::Path:
      return StoredPathForm(value);
    case Held::Name: {
      const auto seat = static_cast<std::size_t>(std::get<SeatName>(setting.field).seat);
      return NameBytes(value, program.NameSpellings[seat]);
    }
    default:
      return text::Utf8ToCp932(value);
  }
}

// The configured name of the human seat that a missing Name0 gives.
constexpr std::string_view kUnnamedHuman = "コンピュータ0";
constexpr std::string_view kHumanDefault = "プレイヤー";

}  // namespace

void SetByteSwitch(std::uint8_t& held, bool on) {
  if ((held != 0) != on) held = on ? 1 : 0;
}

void ReadSettings(const IniFile& file, GameSettings& game, ProgramSettings& program) {
  for (const Setting& setting : AllSettings()) {
    Value value;
    switch (setting.held) {
      case Held::Text:
        value.text = ReadText(file, setting, kTextMaxBytes);
        break;
      case Held::Path:
        value.text = PathFromStored(ReadText(file, setting, kTextMaxBytes));
        break;
      case Held::Name: {
        auto spelling = ReadSpelling(file, setting, static_cast<std::size_t>(program.NameMax));
        value.text = spelling ? spelling->text : std::string(setting.defaultText);
        const auto seat = static_cast<std::size_t>(std::get<SeatName>(setting.field).seat);
        program.NameSpellings[seat] = spelling ? std::move(*spelling) : text::Cp932Spelling{};
        break;
      }
      default:
        value.number = ReadNumber(file, setting);
        break;
    }
    Store(setting.field, std::move(value), game, program);
  }
  if (game.ConfiguredNames[0] == kUnnamedHuman) game.ConfiguredNames[0] = kHumanDefault;
  game = Settled(std::move(game), SettingsFrom::SettingsFile);
}

bool WriteSettings(IniFile& file, const GameSettings& game, const ProgramSettings& program,
                   WriteMoment moment) {
  bool allWritten = true;
  for (const Setting& setting : AllSettings()) {
    if (setting.writtenAt != moment) continue;
    const Value value = Fetch(setting.field, game, program);
    if (setting.joinsOnceChanged && value.number == setting.defaultNumber &&
        !file.Find(kSettingsSection, setting.key))
      continue;
    if (setting.held == Held::Text || setting.held == Held::Path || setting.held == Held::Name) {
      const auto bytes = TextBytes(setting, value.text, program);
      allWritten = bytes && file.Set(kSettingsSection, setting.key, *bytes) && allWritten;
    } else {
      file.Set(kSettingsSection, setting.key, std::to_string(value.number));
    }
  }
  return allWritten;
}

SettingsStore::SettingsStore(std::string iniPath) : path_(std::move(iniPath)) {}

SettingsStore SettingsStore::ForProgram(const std::string& programPath) {
  return SettingsStore(SettingsPathFor(programPath));
}

void SettingsStore::Load(GameSettings& game, ProgramSettings& program) const {
  ReadSettings(IniFile::Read(path_), game, program);
}

bool SettingsStore::SaveSettings(const GameSettings& game, const ProgramSettings& program) const {
  return Save(game, program, WriteMoment::SaveSettings);
}

bool SettingsStore::SaveImageFile(const ProgramSettings& program) const {
  return Save(GameSettings{}, program, WriteMoment::ImageFileChosen);
}

bool SettingsStore::SaveOnClose(const ProgramSettings& program) const {
  return Save(GameSettings{}, program, WriteMoment::FormClose);
}

bool SettingsStore::SaveOnOptionsOk(const GameSettings& game) const {
  return Save(game, ProgramSettings{}, WriteMoment::OptionsOk);
}

bool SettingsStore::Save(const GameSettings& game, const ProgramSettings& program,
                         WriteMoment moment) const {
  IniFile file = IniFile::Read(path_);
  const bool allWritten = WriteSettings(file, game, program, moment);
  return file.WriteTo(path_) && allWritten;
}

}  // namespace vorpo
