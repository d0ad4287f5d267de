#pragma once
// Makes every write beyond a file size fail, as a full disk makes writes fail,
// while the object lives (RLIMIT_FSIZE; the signal such a write raises is
// ignored, so the write reports EFBIG instead).

#include <signal.h>
#include <sys/resource.h>

#include <cstddef>

namespace fwtest {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::size_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limit = old_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit old_ {};
  sighandler_t oldHandler_ = SIG_DFL;
};

}  // namespace fwtest
