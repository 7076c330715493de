#pragma once
// The machine-readable progress of a run, one JSON object a line, for a program that shows the
// run of another (the window showing a run it started with administrator rights):
//   {"phase":"progress","path":P,"pass":1,"passes":3,"done":N,"total":M}
//   {"phase":"outcome","aborted":false,"jobs":2,"stoppedIn":P,"stoppedInDrive":P,
//    "notReached":[P...],"failures":[F...],"notes":[F...]}
// where each F is {"path":P,"reason":R,"errno":E,"fileError":F,"detail":D,"freeSpaceRoot":P},
// the last four only when they have a value (one of errno and fileError at most).
// Text (paths, details) is written with every byte that is not printable ASCII, and "%", "\"" and
// "\\", as "%XX": names that are not valid UTF-8 pass through JSON unchanged. The writer puts no
// blank anywhere and the fields always in this order; the reader takes exactly that form.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// One line of the stream read back: the progress of a file or the outcome of the run.
struct TProgressRecord {
  std::optional<TProgressEvent> progress;
  std::optional<TRunOutcome> outcome;
};
// Null for a line the writer did not write (another program's output, or damaged): a count
// that is no plain decimal or does not fit in 64 bits, a reason the engine does not know, a
// field missing, added or out of its place.
std::optional<TProgressRecord> ReadProgressLine(std::string_view line);

// Adds the outcome of a later run to the outcome of the runs before it, so that a stream of
// several runs (the files of a job, then its folders) is reported as one run.
void AddRunOutcome(TRunOutcome& into, const TRunOutcome& more);

// Whether the number is one of the reasons of TWipeFailureReason.
bool IsWipeFailureReason(int value);
