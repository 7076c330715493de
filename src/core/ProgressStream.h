#pragma once
// The machine-readable progress of a run, one JSON object a line, for a program that shows the
// run of another (the window showing a run it started with administrator rights):
//   {"phase":"progress","path":P,"pass":1,"passes":3,"done":N,"total":M}
//   {"phase":"outcome","aborted":false,"jobs":2,"stoppedIn":P,"notReached":[P...],
//    "failures":[{"path":P,"reason":R,"errno":E,"fileError":F,"detail":D}...],"notes":[...]}
// Text (paths, details) is written with every byte that is not printable ASCII, and "%", "\"" and
// "\\", as "%XX": names that are not valid UTF-8 pass through JSON unchanged.

#include <cstdint>
#include <string>

#include "core/RunOutcome.h"

struct TProgressEvent {
  std::string path;  // the file (or step) being worked on
  int pass = 0;
  int passes = 0;
  // Bytes written over the file so far, in all its passes, of all it will take.
  std::uint64_t done = 0;
  std::uint64_t total = 0;
};

// The text as the stream writes it (see above).
std::string ProgressText(const std::string& bytes);
std::string ProgressEventLine(const TProgressEvent& event);
std::string ProgressOutcomeLine(const TRunOutcome& outcome);
