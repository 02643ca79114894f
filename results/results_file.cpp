#include "results_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cp932_text.h"
#include "results_format.h"

namespace vorpo {

namespace {

namespace fs = std::filesystem;

std::string FolderOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path().string() : std::string(".");
}

std::string SystemText(int error) {
  return std::strerror(error);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The bytes go to a new file beside the target, which is flushed and renamed over it only when
// complete: a full disk or a failing device leaves either the old file or none, never a part.
std::optional<std::string> ReplaceWhole(const std::string& fileName, std::string_view bytes) {
  std::error_code ignored;
  fs::path target(fileName);
  // Renaming over a symbolic link would cut it off from the file it points to.
  if (fs::is_symlink(target, ignored)) {
    auto resolved = fs::canonical(target, ignored);
    if (!ignored) target = std::move(resolved);
  }
  // A new file gets the mode any new file gets (the user's umask applies); a replaced one keeps
  // its own.
  const fs::path folder = FolderOf(target);
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temporary = (folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) +
                           "." + std::to_string(attempt) + ".tmp"))
                    .string();
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 99)) return SystemText(errno);
  }
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;

  int error = 0;
  if (!WriteAll(fd, bytes) || (replacing && ::fchmod(fd, old.st_mode & 07777) != 0) ||
      ::fsync(fd) != 0)
    error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error == 0) return std::nullopt;
  ::unlink(temporary.c_str());
  return SystemText(error);
}

}  // namespace

bool CheckDiskSpace(const std::string& fileName, std::uint64_t byteCount) {
  struct statvfs space {};
  if (::statvfs(FolderOf(fs::path(fileName)).c_str(), &space) != 0) return false;
  const std::uint64_t free = static_cast<std::uint64_t>(space.f_bavail) * space.f_frsize;
  return free >= byteCount;
}

std::optional<std::string> WriteResultsFile(std::string_view sheetText, const std::string& fileName,
                                            std::string_view dateTime) {
  // File names on this system are UTF-8; a name or a text that CP932 cannot hold is refused
  // rather than stored with guessed bytes.
  const auto name = text::Utf8ToCp932(EmbeddedTextName(fileName));
  const auto body = text::Utf8ToCp932(ResultsBody(sheetText, dateTime));
  if (!name || !body) return SystemText(EILSEQ);
  if (!CheckDiskSpace(fileName, ResultsFileSize(name->size(), body->size())))
    return std::string(kDiskSpaceMessage);
  return ReplaceWhole(fileName, ResultsFileBytes(*name, *body));
}

}  // namespace vorpo
