#include "cli/TTerminalProgress.h"

#include <chrono>

#include "cli/TCliOutput.h"

namespace {

constexpr double kRedrawSeconds = 0.1;
// The rate is shown once the run has gone on this long, so it is not a guess from one block.
constexpr double kRateAfterSeconds = 0.5;

double steadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

TTerminalProgress::TTerminalProgress(TCliOutput& output)
    : TTerminalProgress(output, steadySeconds) {}

TTerminalProgress::TTerminalProgress(TCliOutput& output, Clock clock)
    : output_(output), clock_(std::move(clock)), runStart_(clock_()), fileStart_(runStart_) {}

TTerminalProgress::~TTerminalProgress() {
  output_.ClearProgress();
}

void TTerminalProgress::SetFileRange(std::uint64_t maximum) {
  fileRange_ = maximum;
}

void TTerminalProgress::SetFilePosition(std::uint64_t position) {
  filePosition_ = position;
  draw();
}

void TTerminalProgress::SetPassRange(std::uint64_t) {}

void TTerminalProgress::SetPassPosition(std::uint64_t) {}

void TTerminalProgress::ShowFile(const std::string& text) {
  // The engine gives the file's range just before it names the file.
  file_ = text;
  fileStart_ = clock_();
  filePosition_ = 0;
  fileAdvanced_ = false;
  pass_ = 0;
  passes_ = 0;
  output_.Detail(text);
  lastDrawn_ = -1;
  draw();
}

void TTerminalProgress::ShowPass(int number, int total) {
  // A new pass is shown at once, however soon it follows the last drawing.
  const bool changed = number != pass_ || total != passes_;
  pass_ = number;
  passes_ = total;
  if (changed) lastDrawn_ = -1;
  draw();
}

void TTerminalProgress::Advance(std::uint64_t bytes) {
  filePosition_ += bytes;
  runBytes_ += bytes;
  fileAdvanced_ = true;
  draw();
}

TProgressFigures TTerminalProgress::Figures() const {
  TProgressFigures figures;
  figures.file = file_;
  figures.pass = pass_;
  figures.passes = passes_;
  const double now = clock_();
  if (fileRange_ > 0) {
    const std::uint64_t position = std::min(filePosition_, fileRange_);
    figures.percent = static_cast<int>(static_cast<double>(position) * 100 / fileRange_);
    const double runSeconds = now - runStart_;
    const double fileSeconds = now - fileStart_;
    if (fileAdvanced_) {
      if (runSeconds >= kRateAfterSeconds && runBytes_ > 0) {
        figures.bytesPerSecond = runBytes_ / runSeconds;
        figures.secondsLeft = (fileRange_ - position) / figures.bytesPerSecond;
      }
    } else if (position > 0 && fileSeconds >= kRateAfterSeconds) {
      // A share set directly (the free-space fill): the time so far, carried on at that pace.
      figures.secondsLeft = fileSeconds * (fileRange_ - position) / position;
    }
  }
  return figures;
}

void TTerminalProgress::draw() {
  if (!output_.ShowsProgress()) return;
  const double now = clock_();
  if (lastDrawn_ >= 0 && now - lastDrawn_ < kRedrawSeconds) return;
  lastDrawn_ = now;
  output_.Progress(FormatProgressLine(Figures(), output_.Columns()));
}
