#pragma once
// The progress of a run as JSON lines on standard output (--progress=json): a line when a file
// or a pass begins, and as the pass goes on, one for each hundredth of the file written (and at
// its end), so a reader sees steady progress without a line per block.

#include <cstdint>
#include <string>

#include "core/ProgressStream.h"
#include "core/WipeServices.h"

class TCliOutput;

class TJsonProgress : public IWipeProgress {
 public:
  explicit TJsonProgress(TCliOutput& output);

  void SetFileRange(std::uint64_t maximum) override;
  void SetFilePosition(std::uint64_t position) override;
  void SetPassRange(std::uint64_t maximum) override;
  void SetPassPosition(std::uint64_t position) override;
  void ShowFile(const std::string& text) override;
  void ShowPass(int number, int total) override;
  void Advance(std::uint64_t bytes) override;

 private:
  // Writes the line when the position has gone a hundredth further (or reached the end), or
  // always with `now`.
  void emit(bool now);

  TCliOutput& output_;
  TProgressEvent event_;
  std::uint64_t lastDone_ = 0;
};
