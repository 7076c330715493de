#pragma once
// The progress of a run as the command line shows it: a line on the terminal that the engine's
// calls keep up to date (at most ten times a second, and at once for a new file or pass), and with
// --verbose a line for every file as its overwrite begins.

#include <cstdint>
#include <functional>
#include <string>

#include "cli/ProgressLine.h"
#include "core/WipeServices.h"

class TCliOutput;

class TTerminalProgress : public IWipeProgress {
 public:
  // Seconds on a steady clock.
  using Clock = std::function<double()>;

  explicit TTerminalProgress(TCliOutput& output);
  TTerminalProgress(TCliOutput& output, Clock clock);
  ~TTerminalProgress() override;

  void SetFileRange(std::uint64_t maximum) override;
  void SetFilePosition(std::uint64_t position) override;
  void SetPassRange(std::uint64_t maximum) override;
  void SetPassPosition(std::uint64_t position) override;
  void ShowFile(const std::string& text) override;
  void ShowPass(int number, int total) override;
  void Advance(std::uint64_t bytes) override;

  // The figures the line shows now.
  TProgressFigures Figures() const;

 private:
  // Draws the line unless it was drawn less than a tenth of a second ago (a new file or a new
  // pass is drawn at once).
  void draw();

  TCliOutput& output_;
  Clock clock_;
  double runStart_;
  double fileStart_;
  double lastDrawn_ = -1;
  std::uint64_t runBytes_ = 0;  // written in this run so far
  std::string file_;
  std::uint64_t fileRange_ = 0;
  std::uint64_t filePosition_ = 0;
  bool fileAdvanced_ = false;  // positions are bytes written (not a share set directly)
  int pass_ = 0;
  int passes_ = 0;
};
