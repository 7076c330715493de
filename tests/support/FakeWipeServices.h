#pragma once
// Wipe services that stand in for the windows: every progress window a run opens records what it
// was told into one log, kept after the window closes; the executable question is recorded and
// answered as the test says; each handling of pending events is counted and runs the test's step.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/WipeServices.h"

// What the progress windows of a run were told, kept after they close.
struct ProgressLog {
  int opened = 0;
  int closed = 0;
  std::vector<std::string> files;
  std::vector<std::pair<int, int>> passes;
  std::vector<std::pair<int, int>> verifying;
  std::vector<std::uint64_t> filePositions;
  std::vector<std::uint64_t> passPositions;
  std::vector<std::uint64_t> fileRanges;
  std::uint64_t advanced = 0;
};

// A progress window that writes what it is told into the log.
class FakeWipeProgress final : public IWipeProgress {
 public:
  explicit FakeWipeProgress(ProgressLog& log);
  ~FakeWipeProgress() override;
  void SetFileRange(std::uint64_t maximum) override;
  void SetFilePosition(std::uint64_t position) override;
  void SetPassRange(std::uint64_t) override {}
  void SetPassPosition(std::uint64_t position) override;
  void ShowFile(const std::string& text) override;
  void ShowPass(int number, int total) override;
  void ShowVerifying(int number, int total) override;
  void Advance(std::uint64_t bytes) override;

 private:
  ProgressLog& log_;
};

class FakeWipeServices final : public IWipeServices {
 public:
  ProgressLog log;
  std::vector<std::string> asked;  // paths of the executable questions
  bool answer = true;
  int processed = 0;  // ProcessMessages calls so far
  // Runs on every ProcessMessages call, after `processed` is counted (and after the steps given
  // to processOnce).
  std::function<void()> onProcess;

  // Runs the steps at the next ProcessMessages call only (in the middle of a run).
  void processOnce(std::function<void()> steps);

  std::unique_ptr<IWipeProgress> OpenProgress(TWipeEngine& engine) override;
  bool ConfirmWipeExecutable(const std::string& path) override;
  void ProcessMessages() override;

 private:
  std::function<void()> once_;
};
