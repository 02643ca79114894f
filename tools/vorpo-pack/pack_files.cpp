#include "pack_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace pack {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path,
                                                       std::size_t maxBytes) {
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  std::optional<std::vector<std::uint8_t>> result;
  if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<std::uint64_t>(info.st_size) <= maxBytes) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    ssize_t got = 1;
    while (done < bytes.size() && (got = read(fd, bytes.data() + done, bytes.size() - done)) > 0) {
      done += static_cast<std::size_t>(got);
    }
    if (got >= 0) {
      bytes.resize(done);
      result = std::move(bytes);
    }
  }
  close(fd);
  return result;
}

bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::string temporary = path + ".XXXXXX";
  int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t put = write(fd, bytes.data() + done, bytes.size() - done);
    if (put <= 0) break;
    done += static_cast<std::size_t>(put);
  }
  // mkstemp makes the file private; the file gets the permissions a plain new file would.
  mode_t mask = umask(0);
  umask(mask);
  bool ok = done == bytes.size() && fchmod(fd, 0666 & ~mask) == 0 && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(temporary.c_str());
  return ok;
}

std::string SafeFileName(const std::string& name) {
  std::string safe;
  for (char c : name) {
    bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                c == '-' || c == '_' || c == '.';
    safe.push_back(kept ? c : '_');
  }
  if (safe.empty() || safe[0] == '.') safe.insert(safe.begin(), '_');
  return safe;
}

}  // namespace pack
