#pragma once
// Keeps a test about a named pipe from hanging: should the code under test
// ever wait on the pipe, a writer that comes and goes every few seconds frees
// it, and the test fails instead.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <thread>

namespace fwtest {

class PipeWatchdog {
 public:
  explicit PipeWatchdog(std::filesystem::path pipe)
      : thread_([pipe = std::move(pipe), stop = stop_.get_future()] {
          while (stop.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
            int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
          }
        }) {}
  ~PipeWatchdog() {
    stop_.set_value();
    thread_.join();
  }
  PipeWatchdog(const PipeWatchdog&) = delete;
  PipeWatchdog& operator=(const PipeWatchdog&) = delete;

 private:
  std::promise<void> stop_;
  std::thread thread_;
};

}  // namespace fwtest
