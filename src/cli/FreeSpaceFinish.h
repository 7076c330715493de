#pragma once
// What `wipe --free-space-after` finishes: the drives whose free space still holds the old
// blocks of files the run deleted (their file system wrote the passes elsewhere) or old copies
// of their names in metadata, and, once the free space of such a drive has been wiped, its files
// told as finished rather than left.

#include <string>
#include <vector>

#include "core/RunOutcome.h"

// The drive roots, once each in the order first met, where a free-space wipe finishes what the
// runs left (FreeSpaceRootsToFinish of each).
std::vector<std::string> RootsToFinish(const std::vector<TRunOutcome>& outcomes);

// True when the free-space run wiped the drive at `root` and left nothing of it behind.
bool FreeSpaceWiped(const TRunOutcome& freeSpace, const std::string& root);
// True when the free-space run that wiped the drive at `root` (of the type `fileSystem`) reached
// the old copies of names the runs left there: always on a file system that writes in place
// (they lie in freed folder blocks, which the fill takes), and on one that writes elsewhere
// only when the run moved the metadata before it filled.
bool NamesReached(const TRunOutcome& freeSpace, const std::string& root,
                  const std::string& fileSystem);

// The files whose old blocks lay in the free space of `root`, which has now been wiped, become
// notes that say so: they are no longer counted as left behind. The names left in the drive's
// metadata go too when `namesReached`; otherwise they still count.
void MarkFinished(std::vector<TRunOutcome>& outcomes, const std::string& root, bool namesReached);
