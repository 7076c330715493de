#include "platform/posix/CommitPipeline.h"

#include <array>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace platform::journal {
namespace {

// The thread that makes the commits handed to it, one at a time, in the order handed over.
class Committer {
 public:
  explicit Committer(const std::function<int(std::size_t)>& commit) : commit_(commit) {
    try {
      thread_ = std::thread([this] { loop(); });
    } catch (const std::system_error&) {
      // No thread to be had: each commit is made when it is handed over.
    }
  }
  ~Committer() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      quit_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
  }
  Committer(const Committer&) = delete;
  Committer& operator=(const Committer&) = delete;

  void hand(std::size_t group) {
    if (!thread_.joinable()) {
      results_[group] = commit_(group);
      return;
    }
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      handed_.push_back(group);
      results_[group].reset();
    }
    wake_.notify_all();
  }
  // Waits for the group's commit to come back; its errno.
  int collect(std::size_t group) {
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [&] { return results_[group].has_value(); });
    const int error = *results_[group];
    results_[group].reset();
    return error;
  }

 private:
  void loop() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return quit_ || !handed_.empty(); });
      if (handed_.empty()) return;  // quit, nothing left to commit
      const std::size_t group = handed_.front();
      handed_.pop_front();
      lock.unlock();
      const int error = commit_(group);
      lock.lock();
      results_[group] = error;
      done_.notify_all();
    }
  }

  const std::function<int(std::size_t)>& commit_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  std::deque<std::size_t> handed_;  // groups to commit, in the order handed over
  std::array<std::optional<int>, 2> results_{};
  bool quit_ = false;
  std::thread thread_;
};

}  // namespace

CommitPipeline::Outcome CommitPipeline::run(const Steps& steps) {
  Outcome outcome;
  Committer committer(steps.commit);
  std::array<bool, 2> pending{};
  // A commit that came back; false when it failed or no more are wanted.
  const auto collect = [&](std::size_t group, bool& more) {
    pending[group] = false;
    if (const int error = committer.collect(group)) {
      outcome = {End::CommitFailed, error};
      return false;
    }
    more = steps.committed(group);
    return true;
  };

  std::size_t group = 0;
  for (;;) {
    bool more = true;
    // The group's previous commit has come back before the group is changed again.
    if (pending[group] && (!collect(group, more) || !more)) break;
    if (steps.stopped && steps.stopped()) {
      outcome = {End::Stopped, 0};
      break;
    }
    if (const int error = steps.change(group)) {
      outcome = {End::ChangeFailed, error};
      break;
    }
    committer.hand(group);
    pending[group] = true;
    group = steps.groups > 1 ? 1 - group : 0;
  }
  // The other group's commit, still going: waited for, and counted when it worked.
  for (std::size_t g : {std::size_t{0}, std::size_t{1}}) {
    if (!pending[g]) continue;
    const Outcome before = outcome;
    bool more = true;
    if (!collect(g, more) && before.end != End::Done) outcome = before;
  }
  return outcome;
}

}  // namespace platform::journal
