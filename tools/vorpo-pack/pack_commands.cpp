#include "pack_commands.h"

#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <span>

#include "pack_files.h"
#include "pack_resources.h"
#include "pe_bitmap.h"
#include "pe_writer.h"
#include "resource_module.h"
#include "vorpo_version.h"
#include "whole_file.h"

namespace pack {

namespace {

struct CommandError {
  int status;
  std::string message;
};

constexpr const char* kUsage =
    "usage: vorpo-pack vif OUT.vif CARDIMAGE.bmp OTHERIMAGE.bmp | vsf OUT.vsf SE11.wav ... SE18.wav"
    " | list FILE | extract FILE DIR";

constexpr const char* kHelp =
    "usage: vorpo-pack COMMAND ...\n"
    "Builds, lists and extracts Vorpo's card-image (.vif) and sound (.vsf) packs.\n\n"
    "  vif OUT.vif CARDIMAGE.bmp OTHERIMAGE.bmp\n"
    "      a card-image pack from a 2240 x 60 and a 160 x 25 bitmap\n"
    "  vsf OUT.vsf SE11.wav ... SE18.wav\n"
    "      a sound pack from the eight sounds, in that order\n"
    "  list FILE\n"
    "      one line per resource of any resource module\n"
    "  extract FILE DIR\n"
    "      every resource of FILE as a file in DIR\n"
    "  --help, --version\n\n"
    "Exit status: 0 done, 1 an output could not be written, 2 bad arguments or input.\n";

// The standard numbered resource types, named as resource scripts name them.
const std::map<std::string, std::string> kTypeNames = {
    {"#1", "CURSOR"},      {"#2", "BITMAP"},   {"#3", "ICON"},          {"#4", "MENU"},
    {"#5", "DIALOG"},      {"#6", "STRING"},   {"#7", "FONTDIR"},       {"#8", "FONT"},
    {"#9", "ACCELERATOR"}, {"#10", "RCDATA"},  {"#11", "MESSAGETABLE"}, {"#12", "GROUP_CURSOR"},
    {"#14", "GROUP_ICON"}, {"#16", "VERSION"}, {"#24", "MANIFEST"},
};

std::string TypeName(const std::string& type) {
  auto known = kTypeNames.find(type);
  return known != kTypeNames.end() ? known->second : type;
}

std::vector<std::uint8_t> ReadInput(const std::string& path) {
  auto bytes = vorpo::ReadFileWhole(path, vorpo::kMaxModuleBytes);
  if (bytes) return std::move(*bytes);
  std::error_code error;
  auto status = std::filesystem::status(path, error);
  std::string reason = "cannot be read";
  if (!std::filesystem::exists(status)) {
    reason = "no such file";
  } else if (!std::filesystem::is_regular_file(status)) {
    reason = "not a regular file";
  } else if (std::filesystem::file_size(path, error) > vorpo::kMaxModuleBytes) {
    reason = "larger than a pack can be (64 MiB)";
  }
  throw CommandError{kBadInput, path + ": " + reason};
}

vorpo::ResourceModule ReadModule(const std::string& path) {
  auto module = vorpo::ResourceModule::FromBytes(ReadInput(path));
  if (!module) throw CommandError{kBadInput, path + ": not a readable Windows resource module"};
  return std::move(*module);
}

// The DIB of a BMP file that must be width x height, the size the game cuts it at.
std::vector<std::uint8_t> ReadStrip(const std::string& path, const char* name, int width,
                                    int height) {
  std::vector<std::uint8_t> file = ReadInput(path);
  auto dib = vorpo::pe::BmpFileToDib(file);
  auto size = dib ? vorpo::pe::ReadDibSize(*dib) : std::nullopt;
  if (!size) throw CommandError{kBadInput, path + ": not a BMP file"};
  if (size->width != width || size->height != height) {
    throw CommandError{kBadInput, path + ": " + name + " must be " + std::to_string(width) + " x " +
                                      std::to_string(height) + " pixels, not " +
                                      std::to_string(size->width) + " x " +
                                      std::to_string(size->height)};
  }
  return {dib->begin(), dib->end()};
}

std::vector<std::uint8_t> ReadWave(const std::string& path) {
  std::vector<std::uint8_t> file = ReadInput(path);
  if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
      std::memcmp(file.data() + 8, "WAVE", 4) != 0) {
    throw CommandError{kBadInput, path + ": not a RIFF WAVE file"};
  }
  return file;
}

void WriteOutput(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string_view whole(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (vorpo::ReplaceFileWhole(path, whole) != 0)
    throw CommandError{kCannotWrite, path + ": cannot write"};
}

void BuildImagePack(const std::vector<std::string>& args) {
  if (args.size() != 4)
    throw CommandError{kBadInput, "vif takes OUT.vif CARDIMAGE.bmp OTHERIMAGE.bmp"};
  using vorpo::kBitmapTypeId, vorpo::kCardImageName, vorpo::kOtherImageName;
  std::vector<vorpo::pe::ResourceToWrite> resources = {
      {kBitmapTypeId, kCardImageName, vorpo::pe::kLanguageNeutral,
       ReadStrip(args[2], kCardImageName, vorpo::kCardImageWidth, vorpo::kCardImageHeight)},
      {kBitmapTypeId, kOtherImageName, vorpo::pe::kLanguageNeutral,
       ReadStrip(args[3], kOtherImageName, vorpo::kOtherImageWidth, vorpo::kOtherImageHeight)},
  };
  WriteOutput(args[1], vorpo::pe::WriteResourceModule(resources));
}

void BuildSoundPack(const std::vector<std::string>& args) {
  if (args.size() != 2 + vorpo::kSoundNames.size())
    throw CommandError{kBadInput, "vsf takes OUT.vsf and eight WAV files, SE11 to SE18"};
  std::vector<vorpo::pe::ResourceToWrite> resources;
  for (std::size_t i = 0; i < vorpo::kSoundNames.size(); ++i) {
    resources.push_back({vorpo::kSoundResourceType, vorpo::kSoundNames[i],
                         vorpo::pe::kLanguageNeutral, ReadWave(args[i + 2])});
  }
  WriteOutput(args[1], vorpo::pe::WriteResourceModule(resources));
}

void List(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 2) throw CommandError{kBadInput, "list takes FILE"};
  vorpo::ResourceModule module = ReadModule(args[1]);
  for (const auto& entry : module.Entries()) {
    out << TypeName(entry.type) << '\t' << entry.name << '\t' << entry.language << '\t'
        << entry.size << '\n';
  }
}

// Bitmaps become .bmp files (with the file header a resource lacks), WAVE resources .wav files,
// anything else TYPE_NAME.bin; a name met again in another language gets "-LANGUAGE".
void Extract(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 3) throw CommandError{kBadInput, "extract takes FILE DIR"};
  vorpo::ResourceModule module = ReadModule(args[1]);
  std::filesystem::path folder(args[2]);
  std::error_code error;
  std::filesystem::create_directory(folder, error);
  if (!std::filesystem::is_directory(folder))
    throw CommandError{kCannotWrite, args[2] + ": cannot make this folder"};

  std::set<std::string> taken;
  for (std::size_t i = 0; i < module.Entries().size(); ++i) {
    const auto& entry = module.Entries()[i];
    std::span<const std::uint8_t> data = module.EntryData(i);
    std::string name = entry.name[0] == '#' ? entry.name.substr(1) : entry.name;
    std::string type = TypeName(entry.type);
    std::vector<std::uint8_t> bytes(data.begin(), data.end());
    std::string extension = ".bin";
    if (type == "BITMAP") {
      if (auto bmp = vorpo::pe::DibToBmpFile(data)) {
        bytes = std::move(*bmp);
        extension = ".bmp";
      }
    } else if (type == vorpo::kSoundResourceType) {
      extension = ".wav";
    } else {
      name = (type[0] == '#' ? type.substr(1) : type) + "_" + name;
    }
    std::string stem = SafeFileName(name);
    std::string fileName = stem + extension;
    for (int copy = 1; taken.count(fileName); ++copy) {
      fileName = stem + "-" + std::to_string(entry.language) +
                 (copy > 1 ? "-" + std::to_string(copy) : "") + extension;
    }
    taken.insert(fileName);
    std::string path = (folder / fileName).string();
    WriteOutput(path, bytes);
    out << path << '\n';
  }
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw CommandError{kBadInput, kUsage};
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
      out << kHelp;
    } else if (command == "--version") {
      out << "vorpo-pack " << vorpo::kVersion << '\n';
    } else if (command == "vif") {
      BuildImagePack(args);
    } else if (command == "vsf") {
      BuildSoundPack(args);
    } else if (command == "list") {
      List(args, out);
    } else if (command == "extract") {
      Extract(args, out);
    } else {
      throw CommandError{kBadInput, "unknown command \"" + command + "\"; " + kUsage};
    }
  } catch (const CommandError& error) {
    err << "vorpo-pack: " << error.message << '\n';
    return error.status;
  }
  return 0;
}

}  // namespace pack
