#include "results_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/statvfs.h>

#include "cp932_text.h"
#include "results_format.h"
#include "whole_file.h"

namespace vorpo {

namespace {

namespace fs = std::filesystem;

std::string FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path().string() : std::string(".");
}

std::string SystemText(int error) {
  return std::strerror(error);
}

}  // namespace

bool CheckDiskSpace(const std::string& fileName, std::uint64_t byteCount) {
  struct statvfs space {};
  if (::statvfs(FolderOf(fs::path(fileName)).c_str(), &space) != 0) return false;
  const std::uint64_t free = static_cast<std::uint64_t>(space.f_bavail) * space.f_frsize;
  return free >= byteCount;
}

std::optional<std::string> WriteResultsFile(std::string_view sheetText, const std::string& fileName,
                                            std::string_view dateTime,
                                            std::span<const text::Cp932Spelling> names) {
  // File names on this system are UTF-8; a name or a text that CP932 cannot hold is refused
  // rather than stored with guessed bytes.
  const auto name = text::Utf8ToCp932(EmbeddedTextName(fileName));
  const auto body = text::Utf8ToCp932(ResultsBody(sheetText, dateTime), names);
  if (!name || !body) return SystemText(EILSEQ);
  if (!CheckDiskSpace(fileName, ResultsFileSize(name->size(), body->size())))
    return std::string(kDiskSpaceMessage);
  // The bytes are written completely or not at all: an earlier file of that name stays whole.
  if (const int error = ReplaceFileWhole(fileName, ResultsFileBytes(*name, *body)); error != 0)
    return SystemText(error);
  return std::nullopt;
}

}  // namespace vorpo
