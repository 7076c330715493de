#pragma once
// The figures of a whole run for its progress window: which file (or job) of how many, how far
// the run is, the bytes done of the bytes counted, the rate, and the time left once it is
// steady; and, once the run is over, what it did.

#include <QString>
#include <cstddef>
#include <cstdint>

class TWipeEngine;

class TRunProgress {
 public:
  struct TFigures {
    std::size_t jobs = 0;           // jobs of the run, or the files counted before it began
    std::size_t reached = 0;        // of those, begun; the last of them is under way
    double jobFraction = 0;         // how far the one under way is, 0 to 1
    std::uint64_t written = 0;      // bytes written so far, every pass
    std::uint64_t done = 0;         // bytes of the counted files done so far
    std::uint64_t total = 0;        // bytes of the counted files; 0 when nothing was counted
    std::int64_t elapsedMs = -1;    // since the run began; negative when no clock is read
    std::int64_t secondsLeft = -1;  // the steady estimate (TTimeLeft); negative: none yet
  };

  // How far the whole run is, 0 to 1: by the bytes counted where there are any, else by the
  // jobs (or files) begun and how far the last is.
  static double Fraction(const TFigures& figures);
  // "File 312 of 1,000 · 1.21 GB of 3.60 GB · 45.3 MB/s · about 3 min left"; without a count
  // "... · 1.21 GB written · ..."; the rate from a second on.
  static QString Text(const TFigures& figures, const QString& unit);
  // What the engine's jobs are, in the words of the line: "File", "Folder", "Drive" or "Job".
  static QString UnitOf(const TWipeEngine& engine);
  // The window title of a run of the engine's jobs: "Wiping 1,000 files", "Wiping 2 files and
  // 1 folder", "Wiping free space of /data".
  static QString Title(const TWipeEngine& engine);
  // "about 45 s left", "about 3 min left", "about 2 h 5 min left".
  static QString TimeLeft(std::int64_t seconds);
  // "45 s", "3 min", "2 h 5 min" (1 s at the least).
  static QString Duration(std::int64_t seconds);
};

// What the progress window of a run saw it do: the files it overwrote whole with every pass,
// their bytes, and how long the run took.
struct TRunTally {
  std::size_t files = 0;
  std::uint64_t bytes = 0;
  std::int64_t elapsedMs = -1;  // negative: no window saw the run
  bool known() const { return elapsedMs >= 0; }
  // "3,000 files, 258 MB".
  QString What() const;
  // How long the run took: "61 s", "3 min".
  QString Took() const;
};
// The tally of the engine's last run, kept when its progress window closed; none (not known)
// when no window saw it.
TRunTally LastRunTally(const TWipeEngine& engine);
void KeepRunTally(const TWipeEngine& engine, const TRunTally& tally);
