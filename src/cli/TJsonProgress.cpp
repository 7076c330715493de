#include "cli/TJsonProgress.h"

#include "cli/TCliOutput.h"

TJsonProgress::TJsonProgress(TCliOutput& output) : output_(output) {}

void TJsonProgress::emit(bool now) {
  // The last block of a pass may be written whole past the file's end: never more than all.
  if (event_.total > 0 && event_.done > event_.total) event_.done = event_.total;
  const std::uint64_t step = event_.total / 100 > 0 ? event_.total / 100 : 1;
  const bool further =
      event_.done >= lastDone_ + step || (event_.done == event_.total && event_.done != lastDone_);
  if (!now && !further) return;
  lastDone_ = event_.done;
  output_.JsonLine(ProgressEventLine(event_));
}

void TJsonProgress::SetFileRange(std::uint64_t maximum) {
  event_.total = maximum;
}

void TJsonProgress::SetFilePosition(std::uint64_t position) {
  event_.done = position;
  emit(false);
}

void TJsonProgress::SetPassRange(std::uint64_t) {}

void TJsonProgress::SetPassPosition(std::uint64_t) {}

void TJsonProgress::ShowFile(const std::string& text) {
  event_.path = text;
  event_.pass = 0;
  event_.passes = 0;
  event_.done = 0;
  lastDone_ = 0;
  emit(true);
}

void TJsonProgress::ShowPass(int number, int total) {
  event_.pass = number;
  event_.passes = total;
  emit(true);
}

void TJsonProgress::Advance(std::uint64_t bytes) {
  event_.done += bytes;
  emit(false);
}
