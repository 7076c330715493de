#pragma once
// Rounds of scratch commits that write a journal over, with the waiting for the device taken off
// the critical path: the scratch files are taken in two groups, and while one group's commit goes
// to the device (on a thread of the pipeline's own), the other group is changed. A group is
// changed again only once its previous commit has come back, so a change is never folded into a
// commit that already carries the change before it: every change goes through the journal in a
// commit of its own, exactly as when each round is committed before the next begins. Only the
// commits run on the pipeline's thread; changing, counting and asking whether to stop stay on the
// caller's.

#include <cstddef>
#include <functional>

namespace platform::journal {

class CommitPipeline {
 public:
  struct Steps {
    // Changes the files of group 0 or 1; 0, or the errno. On the caller's thread.
    std::function<int(std::size_t group)> change;
    // Forces the group's changes to the device; 0, or the errno. On the pipeline's thread.
    std::function<int(std::size_t group)> commit;
    // A commit of the group has come back: true while more are wanted. On the caller's thread.
    std::function<bool(std::size_t group)> committed;
    // Whether to stop before the next change. On the caller's thread.
    std::function<bool()> stopped;
    // 1 where there are too few files for two groups: each commit is then waited for before the
    // next change, as in rounds one after the other.
    std::size_t groups = 2;
  };
  enum class End { Done, Stopped, ChangeFailed, CommitFailed };
  struct Outcome {
    End end = End::Done;
    int error = 0;  // the errno of a failed change or commit
  };

  // Changes and commits the groups in turn until `committed` wants no more, a stop is asked, or a
  // step fails. A commit still going when it ends is waited for, and counted when it comes back
  // (its failure turns Done into CommitFailed). Where no thread can be started, each commit is
  // made in turn on the caller's thread.
  static Outcome run(const Steps& steps);
};

}  // namespace platform::journal
