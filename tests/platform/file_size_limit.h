// Lets no file grow past a number of bytes while it lives, as a full disk would stop a write
// half-way. The signal that a write past the limit raises is ignored, so the write fails with
// EFBIG instead of ending the test program.
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace vorpo::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    set_ = ::getrlimit(RLIMIT_FSIZE, &saved_) == 0;
    savedSignal_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    set_ = set_ && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, savedSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool Set() const { return set_; }

 private:
  rlimit saved_{};
  sighandler_t savedSignal_ = SIG_DFL;
  bool set_ = false;
};

}  // namespace vorpo::testing
