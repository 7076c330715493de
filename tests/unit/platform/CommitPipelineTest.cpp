// Rounds of scratch commits in two groups: one group is changed while the other's commit is on
// its way, a group is never changed again before its previous commit came back (so no change
// is folded into the commit of the one before), every commit made is counted, and a stop or a
// failure ends the rounds with the commit still going waited for.

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/CommitPipeline.h"

using namespace platform::journal;

namespace {

// What happened, in the order it happened, from both threads: "c0" a change of group 0 began,
// "C0" a commit of group 0 came back.
struct Timeline {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::string> events;
  int changes = 0;

  void add(const std::string& event) {
    const std::lock_guard<std::mutex> lock(mutex);
    events.push_back(event);
    if (event[0] == 'c') ++changes;
    changed.notify_all();
  }
  // Waits until there have been more than `seen` changes; false when that did not happen while
  // this commit was going (the commits were not made beside the changes).
  bool waitForChangesBeyond(int seen) {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::seconds(5), [&] { return changes > seen; });
  }
};

// Steps that change and commit into the timeline. The n-th commit is handed over right after the
// n-th change, and waits, while it goes, for the change after that (as the device takes its time
// while the next round is changed); past the commits wanted no more changes come.
CommitPipeline::Steps Recorded(Timeline& timeline, int commitsWanted, std::atomic<int>& counted,
                               std::atomic<bool>& overlapped) {
  CommitPipeline::Steps steps;
  steps.change = [&timeline](std::size_t group) {
    timeline.add("c" + std::to_string(group));
    return 0;
  };
  steps.commit = [&timeline, &overlapped, commitsWanted, made = 0](std::size_t group) mutable {
    // After one commit that waited in vain, the others do not wait.
    ++made;
    if (overlapped && made <= commitsWanted && !timeline.waitForChangesBeyond(made)) {
      overlapped = false;
    }
    timeline.add("C" + std::to_string(group));
    return 0;
  };
  steps.committed = [&counted, commitsWanted](std::size_t) { return ++counted < commitsWanted; };
  return steps;
}

// For each group, a commit came back between any two of its changes.
void ExpectEachChangeInACommitOfItsOwn(const std::vector<std::string>& events) {
  for (const char group : {'0', '1'}) {
    bool open = false;  // a change of the group not yet committed
    for (const std::string& event : events) {
      if (event[1] != group) continue;
      if (event[0] == 'c') {
        EXPECT_FALSE(open) << "group " << group << " changed again before its commit came back";
        open = true;
      } else {
        open = false;
      }
    }
    EXPECT_FALSE(open) << "group " << group << " was changed and never committed";
  }
}

}  // namespace

TEST(CommitPipeline, OneGroupIsChangedWhileTheOthersCommitGoesAndNeverBeforeItsOwnCameBack) {
  Timeline timeline;
  std::atomic<int> counted{0};
  std::atomic<bool> overlapped{true};
  const CommitPipeline::Outcome outcome =
      CommitPipeline::run(Recorded(timeline, 12, counted, overlapped));
  EXPECT_EQ(outcome.end, CommitPipeline::End::Done);
  EXPECT_TRUE(overlapped) << "a commit was waited for before the other group was changed";
  ExpectEachChangeInACommitOfItsOwn(timeline.events);
  // Every commit made was counted, the one still going at the end as well.
  int commits = 0;
  for (const std::string& event : timeline.events) commits += event[0] == 'C';
  EXPECT_EQ(counted, commits);
  EXPECT_GE(commits, 12);
  EXPECT_EQ(timeline.changes, commits);
}

TEST(CommitPipeline, WithOneGroupEachCommitComesBackBeforeTheNextChange) {
  std::vector<std::string> events;
  int counted = 0;
  CommitPipeline::Steps steps;
  steps.groups = 1;
  steps.change = [&](std::size_t group) {
    events.push_back("c" + std::to_string(group));
    return 0;
  };
  steps.commit = [&](std::size_t group) {
    events.push_back("C" + std::to_string(group));
    return 0;
  };
  steps.committed = [&](std::size_t) { return ++counted < 4; };
  EXPECT_EQ(CommitPipeline::run(steps).end, CommitPipeline::End::Done);
  EXPECT_EQ(events, (std::vector<std::string>{"c0", "C0", "c0", "C0", "c0", "C0", "c0", "C0"}));
  EXPECT_EQ(counted, 4);
}

TEST(CommitPipeline, AStopOrAFailureEndsTheRoundsAndTheCommitGoingIsWaitedForAndCounted) {
  struct Case {
    const char* name;
    int stopAfter;      // commits counted before a stop is asked (-1: never)
    int failingChange;  // the change (from 1) that fails (0: none)
    int failingCommit;  // the commit (from 1) that fails (0: none)
    CommitPipeline::End end;
    int error;
  };
  const Case cases[] = {
      {"stop", 3, 0, 0, CommitPipeline::End::Stopped, 0},
      {"change fails", -1, 5, 0, CommitPipeline::End::ChangeFailed, EACCES},
      {"commit fails", -1, 0, 4, CommitPipeline::End::CommitFailed, EIO},
      // The first failure is the one told, also when the commit still going fails as well.
      {"change fails, then commit", -1, 5, 4, CommitPipeline::End::ChangeFailed, EACCES},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::mutex mutex;
    std::vector<std::string> events;
    std::atomic<int> commits{0};
    int changes = 0;
    int counted = 0;
    const auto add = [&](std::string event) {
      const std::lock_guard<std::mutex> lock(mutex);
      events.push_back(std::move(event));
    };
    CommitPipeline::Steps steps;
    steps.change = [&](std::size_t group) {
      add("c" + std::to_string(group));
      return ++changes == c.failingChange ? EACCES : 0;
    };
    steps.commit = [&](std::size_t group) {
      add("C" + std::to_string(group));
      return ++commits == c.failingCommit ? EIO : 0;
    };
    steps.committed = [&](std::size_t) { return ++counted < 100; };
    steps.stopped = [&] { return c.stopAfter >= 0 && counted >= c.stopAfter; };
    const CommitPipeline::Outcome outcome = CommitPipeline::run(steps);
    EXPECT_EQ(outcome.end, c.end);
    EXPECT_EQ(outcome.error, c.error);
    // Nothing runs on after the end; every commit handed over came back before it.
    const std::size_t seen = events.size();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(events.size(), seen);
    // Only the changes that worked were committed, and a commit that worked was counted.
    const int committedChanges = changes - (c.failingChange ? 1 : 0);
    EXPECT_EQ(commits, committedChanges);
    EXPECT_EQ(counted, commits - (c.failingCommit && c.failingCommit <= commits ? 1 : 0));
    if (c.stopAfter >= 0) {
      EXPECT_EQ(counted, c.stopAfter + 1);
    }
  }
}
