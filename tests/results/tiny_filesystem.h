// A file system of a few kilobytes and a few files, to run out of space or of files on purpose.
// It needs the right to mount: the test program first takes a mount namespace of its own
// (TakePrivateMounts, before any thread starts), so a mount never outlives the program even if
// it crashes. Where mounting is not allowed, Mounted() is false and the test is skipped.
#pragma once

#include <fcntl.h>
#include <filesystem>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

#include "ini_test_folder.h"

namespace vorpo::testing {

inline bool& MountsArePrivate() {
  static bool privateMounts = false;
  return privateMounts;
}

inline void TakePrivateMounts() {
  MountsArePrivate() = ::unshare(CLONE_NEWNS) == 0 &&
                       ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

class TinyFileSystem {
 public:
  TinyFileSystem(int kilobytes, int files) {
    const std::string options =
        "size=" + std::to_string(kilobytes) + "k,nr_inodes=" + std::to_string(files + 1);
    mounted_ = MountsArePrivate() &&
               ::mount("tmpfs", folder_.Path().c_str(), "tmpfs", 0, options.c_str()) == 0;
  }
  ~TinyFileSystem() {
    if (mounted_) ::umount2(folder_.Path().c_str(), MNT_DETACH);
  }
  TinyFileSystem(const TinyFileSystem&) = delete;
  TinyFileSystem& operator=(const TinyFileSystem&) = delete;

  bool Mounted() const { return mounted_; }
  std::string File(const std::string& name) const { return folder_.File(name); }
  const std::filesystem::path& Path() const { return folder_.Path(); }

  // Takes every free byte left, in a file of its own.
  void Fill() const {
    const int fd = ::open(File("filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const std::string block(1024, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
  }

 private:
  TestFolder folder_;
  bool mounted_ = false;
};

}  // namespace vorpo::testing
