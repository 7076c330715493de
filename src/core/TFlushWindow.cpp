#include "core/TFlushWindow.h"

#include <utility>

bool TFlushWindow::Fits(std::uint64_t size, std::size_t mostFiles) const {
  return files_.size() < mostFiles && bytes_ + size <= kMostBytes;
}

void TFlushWindow::Push(TFlushingFile file) {
  bytes_ += file.size;
  files_.push_back(std::move(file));
}

TFlushingFile TFlushWindow::PopOldest() {
  TFlushingFile oldest = std::move(files_.front());
  files_.pop_front();
  bytes_ -= oldest.size;
  return oldest;
}
