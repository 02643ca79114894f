#include "whole_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorpo {

namespace {

namespace fs = std::filesystem;

// The count of bytes read from offset on, short only at the end of the file; -1 on an error.
ssize_t ReadAllAt(int fd, char* data, std::size_t size, off_t offset) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::pread(fd, data + done, size - done, offset + static_cast<off_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return static_cast<ssize_t>(done);
}

bool WriteAllAt(int fd, std::string_view bytes, off_t offset) {
  while (!bytes.empty()) {
    const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
    offset += written;
  }
  return true;
}

// ".NAME.PID.N.tmp": hidden, beside the file it replaces, and naming the process that writes it.
std::string TemporaryName(const std::string& fileName, pid_t writer, int attempt) {
  return "." + fileName + "." + std::to_string(writer) + "." + std::to_string(attempt) + ".tmp";
}

// A number written exactly as std::to_string writes one that is not negative.
std::optional<int> PlainNumber(std::string_view text) {
  int value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 ||
      std::to_string(value) != text)
    return std::nullopt;
  return value;
}

// The writer's process id when name is one of TemporaryName's names for fileName.
std::optional<pid_t> WriterOf(std::string_view name, const std::string& fileName) {
  const std::string prefix = "." + fileName + ".";
  constexpr std::string_view kSuffix = ".tmp";
  if (name.size() <= prefix.size() + kSuffix.size() || !name.starts_with(prefix) ||
      !name.ends_with(kSuffix))
    return std::nullopt;
  name = name.substr(prefix.size(), name.size() - prefix.size() - kSuffix.size());
  const auto dot = name.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const auto writer = PlainNumber(name.substr(0, dot));
  if (!writer || *writer == 0 || !PlainNumber(name.substr(dot + 1))) return std::nullopt;
  return *writer;
}

bool ProcessRuns(pid_t process) {
  // EPERM: the process runs, under a user whom we may not signal.
  return ::kill(process, 0) == 0 || errno == EPERM;
}

// A writer killed between making its temporary file and renaming it leaves the file behind for
// good: nobody else would ever finish or remove it.
void RemoveAbandonedTemporaries(const fs::path& folder, const std::string& fileName) {
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const auto writer = WriterOf(entry->path().filename().string(), fileName);
    std::error_code ignored;
    if (writer && !ProcessRuns(*writer) &&
        entry->symlink_status(ignored).type() == fs::file_type::regular)
      ::unlink(entry->path().c_str());
  }
}

// The new bytes go to a temporary file beside the old one, renamed over it when complete.
int ReplaceByRename(const fs::path& target, const fs::path& folder, std::string_view bytes,
                    const struct stat* old) {
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; fd < 0; ++attempt) {
    temporary = (folder / TemporaryName(target.filename().string(), ::getpid(), attempt)).string();
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || attempt == 99)) return errno;
  }
  int error = 0;
  if (!WriteAllAt(fd, bytes, 0) || (old && ::fchmod(fd, old->st_mode & 07777) != 0) ||
      ::fsync(fd) != 0)
    error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temporary.c_str());
  return error;
}

// The failures of ReplaceByRename that come from the folder (or the mount) refusing a new file
// or a rename, not from the old file or the disk.
bool FolderRefuses(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == EBUSY;
}

// 0, or the error that growing the file to newSize would meet.
int ReserveSpace(int fd, std::size_t oldSize, std::size_t newSize) {
  int error = 0;
  do {
    error =
        ::posix_fallocate(fd, static_cast<off_t>(oldSize), static_cast<off_t>(newSize - oldSize));
  } while (error == EINTR);
  // Where space cannot be reserved, the write itself finds out, and the old bytes go back.
  return (error == EOPNOTSUPP || error == ENOSYS) ? 0 : error;
}

void PutBack(int fd, std::string_view oldStart, std::size_t oldSize) {
  if (WriteAllAt(fd, oldStart, 0) && ::ftruncate(fd, static_cast<off_t>(oldSize)) == 0) ::fsync(fd);
}

// Writes bytes over the open regular file, keeping what it needs to put the old file back.
int WriteOver(int fd, std::string_view bytes, bool canPutBack) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return errno;
  const auto oldSize = static_cast<std::size_t>(info.st_size);
  // The old bytes that the new ones will cover; those beyond stay until the file is cut short.
  std::string oldStart;
  if (canPutBack) {
    oldStart.resize(std::min(oldSize, bytes.size()));
    const ssize_t got = ReadAllAt(fd, oldStart.data(), oldStart.size(), 0);
    if (got < 0) return errno;
    oldStart.resize(static_cast<std::size_t>(got));
  }
  if (bytes.size() > oldSize) {
    if (const int error = ReserveSpace(fd, oldSize, bytes.size()); error != 0) {
      PutBack(fd, {}, oldSize);
      return error;
    }
  }
  int error = WriteAllAt(fd, bytes, 0) ? 0 : errno;
  bool cutShort = false;
  if (error == 0 && bytes.size() < oldSize) {
    cutShort = ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0;
    if (!cutShort) error = errno;
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  // Once the file is cut to its new length its old end is gone; the new bytes are then the
  // better of what is left.
  if (error != 0 && canPutBack && !cutShort) PutBack(fd, oldStart, oldSize);
  return error;
}

// Where a new file cannot take the old one's place, the old file is written over. folderError
// is what refused the new file; it stands when target is no longer a regular file.
int WriteInPlace(const fs::path& target, std::string_view bytes, int folderError) {
  bool canPutBack = true;
  int fd = ::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0 && errno == EACCES) {
    // A file that may be written but not read is still written, without a way back.
    canPutBack = false;
    fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
  }
  if (fd < 0) return errno;
  struct stat info {};
  int error = folderError;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) error = WriteOver(fd, bytes, canPutBack);
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileWhole(const std::string& path,
                                                       std::size_t maxBytes) {
  // Non-blocking, so that a FIFO in the file's place cannot stall the reader before the
  // regular-file test refuses it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  std::optional<std::vector<std::uint8_t>> result;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<std::uint64_t>(info.st_size) <= maxBytes) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    const ssize_t got = ReadAllAt(fd, reinterpret_cast<char*>(bytes.data()), bytes.size(), 0);
    if (got >= 0) {
      bytes.resize(static_cast<std::size_t>(got));
      result = std::move(bytes);
    }
  }
  ::close(fd);
  return result;
}

int ReplaceFileWhole(const std::string& path, std::string_view bytes) {
  std::error_code ignored;
  fs::path target(path);
  // Renaming over a symbolic link would cut it off from the file it points to.
  if (fs::is_symlink(target, ignored)) {
    auto resolved = fs::canonical(target, ignored);
    if (!ignored) target = std::move(resolved);
  }
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;

  RemoveAbandonedTemporaries(folder, target.filename().string());
  const int error = ReplaceByRename(target, folder, bytes, replacing ? &old : nullptr);
  if (error == 0 || !replacing || !S_ISREG(old.st_mode) || !FolderRefuses(error)) return error;
  return WriteInPlace(target, bytes, error);
}

}  // namespace vorpo
