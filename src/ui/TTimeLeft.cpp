#include "ui/TTimeLeft.h"

#include <algorithm>
#include <cmath>

void TTimeLeft::Sample(std::int64_t nowMs, double fraction) {
  fraction = std::clamp(fraction, 0.0, 1.0);
  if (first_ < 0) first_ = nowMs;
  if (!samples_.empty() && nowMs - samples_.back().first < 250) return;
  const std::int64_t previous = samples_.empty() ? nowMs : samples_.back().first;
  samples_.emplace_back(nowMs, fraction);
  while (samples_.size() > 2 && nowMs - samples_[1].first >= kWindowMs) samples_.pop_front();
  const auto& [oldestMs, oldest] = samples_.front();
  const std::int64_t span = nowMs - oldestMs;
  if (nowMs - first_ < kFirstMs || span < kFirstMs) return;
  const double rate = (fraction - oldest) / (static_cast<double>(span) / 1000.0);
  if (rate <= 0 || fraction >= 1) {
    // Nothing moved for the whole window: no time can be told.
    steadySince_ = -1;
    shown_ = false;
    smoothed_ = -1;
    return;
  }
  const double raw = (1 - fraction) / rate;
  if (smoothed_ < 0) {
    smoothed_ = raw;
  } else {
    // The time said counts down between samples and leans a quarter of the way to the new
    // estimate.
    smoothed_ = std::max(0.0, smoothed_ - static_cast<double>(nowMs - previous) / 1000.0);
    smoothed_ += 0.25 * (raw - smoothed_);
  }
  const bool steady = std::abs(raw - smoothed_) <= 0.25 * std::max(smoothed_, 4.0);
  if (!steady) {
    steadySince_ = -1;
    return;
  }
  if (steadySince_ < 0) steadySince_ = nowMs;
  if (nowMs - steadySince_ >= kSteadyMs) shown_ = true;
}
