#pragma once
// The files a run of an engine's jobs will overwrite and their bytes, counted before the run
// begins, so that its progress window can tell how far the whole run is: every ordinary file of
// a file job, and of a folder job every ordinary file inside it at any depth. Counted as the
// wipe walks: links are not followed, no other mount and no system file system is entered, and
// a file with other hard links, which the wipe leaves, is not counted. Only looks; never
// changes anything.

#include <cstdint>
#include <functional>

class TWipeEngine;

struct TJobCount {
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;
  // False when the count was stopped before it had seen everything.
  bool complete = true;

  // Counts the jobs of the engine. `step` is called every few hundred entries with the count so
  // far; the count stops when it returns false.
  static TJobCount Of(const TWipeEngine& engine,
                      const std::function<bool(const TJobCount&)>& step = {});
};
