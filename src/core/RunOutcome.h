#pragma once
// What a wipe engine's last run came to, taken before its jobs are cleared: the window's report
// and the command line's are both made from it.

#include <cstddef>
#include <string>
#include <vector>

#include "core/TWipeEngine.h"

struct TRunOutcome {
  bool aborted = false;
  std::vector<TWipeFailure> failures;
  // What else the user should know, that left nothing behind (the engine's notes).
  std::vector<TWipeFailure> notes;
  // After a stop: the file that was being overwritten, still there under its own name; empty
  // when the run stopped between files.
  std::string stoppedIn;
  // After a stop: the drive whose free-space wipe was under way, its free space not completely
  // wiped; empty when the run was not in one.
  std::string stoppedInDrive;
  // After a stop: the jobs the run did not begin, and how many jobs it had.
  std::vector<std::string> notReached;
  std::size_t jobs = 0;
};
TRunOutcome RunOutcomeOf(const TWipeEngine& engine);
// The drive roots, once each in the order first met, where a free-space wipe finishes what the
// run left: the old blocks of files its file system wrote the passes elsewhere for, and the old
// copies of names in metadata that the free-space wipe moves before it fills. The command line's
// --free-space-after and the window's question after a run both go by it.
std::vector<std::string> FreeSpaceRootsToFinish(const TRunOutcome& outcome);
