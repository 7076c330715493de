#include "support/FakeWipeServices.h"

#include <utility>

FakeWipeProgress::FakeWipeProgress(ProgressLog& log) : log_(log) {
  ++log_.opened;
}

FakeWipeProgress::~FakeWipeProgress() {
  ++log_.closed;
}

void FakeWipeProgress::SetFileRange(std::uint64_t maximum) {
  log_.fileRanges.push_back(maximum);
}

void FakeWipeProgress::SetFilePosition(std::uint64_t position) {
  log_.filePositions.push_back(position);
}

void FakeWipeProgress::SetPassPosition(std::uint64_t position) {
  log_.passPositions.push_back(position);
}

void FakeWipeProgress::ShowFile(const std::string& text) {
  log_.files.push_back(text);
}

void FakeWipeProgress::ShowPass(int number, int total) {
  log_.passes.emplace_back(number, total);
}

void FakeWipeProgress::ShowVerifying(int number, int total) {
  log_.verifying.emplace_back(number, total);
}

void FakeWipeProgress::Advance(std::uint64_t bytes) {
  log_.advanced += bytes;
}

void FakeWipeServices::processOnce(std::function<void()> steps) {
  once_ = std::move(steps);
}

std::unique_ptr<IWipeProgress> FakeWipeServices::OpenProgress(TWipeEngine&) {
  return std::make_unique<FakeWipeProgress>(log);
}

bool FakeWipeServices::ConfirmWipeExecutable(const std::string& path) {
  asked.push_back(path);
  return answer;
}

void FakeWipeServices::ProcessMessages() {
  ++processed;
  if (auto steps = std::exchange(once_, {})) steps();
  if (onProcess) onProcess();
}
