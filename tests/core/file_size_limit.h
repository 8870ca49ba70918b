#pragma once
// A disk that fills up, for one test: files of this process cannot grow beyond `bytes`, and a write
// past the limit fails with EFBIG instead of ending the process with SIGXFSZ.

#include <sys/resource.h>

#include <csignal>

namespace orvane::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &former_);
    formerHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, former_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &former_);
    std::signal(SIGXFSZ, formerHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit former_{};
  void (*formerHandler_)(int) = nullptr;
};

}  // namespace orvane::testing
