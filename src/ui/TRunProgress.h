#pragma once
// The figures of a whole run for its progress window: which job of how many, how far the run
// is, the bytes written, the rate, and the time left once a few seconds of rate exist.

#include <QString>
#include <cstddef>
#include <cstdint>

class TWipeEngine;

class TRunProgress {
 public:
  struct TFigures {
    std::size_t jobs = 0;         // jobs of the run
    std::size_t reached = 0;      // jobs begun; the last of them is under way
    double jobFraction = 0;       // how far the job under way is, 0 to 1
    std::uint64_t written = 0;    // bytes written so far
    std::int64_t elapsedMs = -1;  // since the run began; negative when no clock is read
  };

  // How far the whole run is, 0 to 1.
  static double Fraction(const TFigures& figures);
  // "File 312 of 1,000 · 1.21 GB written · 45.3 MB/s · about 3 min left"; the rate from a
  // second on, the time left from three seconds on.
  static QString Text(const TFigures& figures, const QString& unit);
  // What the engine's jobs are, in the words of the line: "File", "Folder", "Drive" or "Job".
  static QString UnitOf(const TWipeEngine& engine);
  // The window title of a run of the engine's jobs: "Wiping 1,000 files", "Wiping 2 files and
  // 1 folder", "Wiping free space of /data".
  static QString Title(const TWipeEngine& engine);
  // "about 45 s left", "about 3 min left", "about 2 h 5 min left".
  static QString TimeLeft(std::int64_t seconds);
};
