#pragma once
// The one-line progress of a run on a terminal: the file, the pass, how far the file is, how
// fast the run writes and how long the file still takes.

#include <cstdint>
#include <string>

struct TProgressFigures {
  std::string file;            // the file line of the engine (a path, or what it is doing)
  int pass = 0;                // the pass being written, 0 when none is
  int passes = 0;              // passes of the file
  int percent = -1;            // of the whole file (every pass), -1 when unknown
  double bytesPerSecond = -1;  // -1 when unknown
  double secondsLeft = -1;     // -1 when unknown
};

// "file  pass 2 of 3  45%  120 MiB/s  0:12 left", at most `columns` characters: the path is
// shortened from the front (its file name is kept), then the figures are dropped from the right.
std::string FormatProgressLine(const TProgressFigures& figures, unsigned columns);
// "850 KiB/s", "12.3 MiB/s", "1.2 GiB/s"
std::string FormatRate(double bytesPerSecond);
// "0:07", "12:30", "1:02:03"
std::string FormatDuration(double seconds);
