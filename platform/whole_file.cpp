#include "whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace vorpo {

namespace {

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

}  // namespace

int ReplaceFileWhole(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  fs::path target(path);
  // Renaming over a symbolic link would cut it off from the file it points to.
  if (fs::is_symlink(target, ignored)) {
    auto resolved = fs::canonical(target, ignored);
    if (!ignored) target = std::move(resolved);
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temporary = (folder / ("." + target.filename().string() + "." + std::to_string(::getpid()) +
                           "." + std::to_string(attempt) + ".tmp"))
                    .string();
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 99)) return errno;
  }
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;

  int error = 0;
  if (!WriteAll(fd, bytes) || (replacing && ::fchmod(fd, old.st_mode & 07777) != 0) ||
      ::fsync(fd) != 0)
    error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.c_str());
  return error;
}

}  // namespace vorpo
