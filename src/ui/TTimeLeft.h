#pragma once
// The time a run has left, told from how far the run is at each moment: the rate over the last
// seconds, smoothed, and said only once it has been steady for a while. A run whose speed
// changes (the system's cache filling up, small files after large ones) thereby shows no times
// that jump about, and none at all while nothing steady can be said.

#include <cstdint>
#include <deque>
#include <utility>

class TTimeLeft {
 public:
  // The rate is taken over this much of the run's latest time.
  static constexpr std::int64_t kWindowMs = 10000;
  // Nothing is said before the run is this old and the rate window this long.
  static constexpr std::int64_t kFirstMs = 3000;
  // Said once the estimate has kept within a quarter of itself this long.
  static constexpr std::int64_t kSteadyMs = 2000;

  // How far the run is (0 to 1) at the time, in milliseconds since a fixed point; samples
  // closer than a quarter of a second to the one before are passed over.
  void Sample(std::int64_t nowMs, double fraction);
  // The seconds left, or -1 while nothing steady can be said.
  std::int64_t Seconds() const { return shown_ ? static_cast<std::int64_t>(smoothed_ + 0.5) : -1; }

 private:
  std::deque<std::pair<std::int64_t, double>> samples_;
  std::int64_t first_ = -1;
  double smoothed_ = -1;  // seconds left
  std::int64_t steadySince_ = -1;
  bool shown_ = false;
};
