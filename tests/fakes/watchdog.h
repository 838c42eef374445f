#pragma once
// Guards code that must return promptly: when it has not returned within the
// limit, the test program reports which code hung and ends at once, so that a
// call that blocks for good (an open() on a FIFO) fails the run instead of
// hanging it.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace solvane::testing {

class Watchdog {
 public:
  Watchdog(std::string what, std::chrono::milliseconds limit)
      : what_(std::move(what)), guard_([this, limit] { Watch(limit); }) {}
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;
  ~Watchdog() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      returned_ = true;
    }
    returned_changed_.notify_one();
    guard_.join();
  }

 private:
  void Watch(std::chrono::milliseconds limit) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!returned_changed_.wait_for(lock, limit, [this] { return returned_; })) {
      std::fprintf(stderr, "%s did not return within %lld ms\n", what_.c_str(),
                   static_cast<long long>(limit.count()));
      std::fflush(stderr);
      std::_Exit(EXIT_FAILURE);
    }
  }

  std::string what_;
  std::mutex mutex_;
  std::condition_variable returned_changed_;
  bool returned_ = false;
  std::thread guard_;  // last, so that it starts after the fields it reads
};

// Runs `call` under a watchdog and gives back what it returns.
template <typename Call>
auto ReturnsWithin(std::chrono::milliseconds limit, const std::string& what, Call&& call) {
  const Watchdog watchdog(what, limit);
  return std::forward<Call>(call)();
}

}  // namespace solvane::testing
