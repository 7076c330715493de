// Clears the old copies of file names from the journal of the file system holding a folder, and
// prints the seconds it took and the journal bytes it put through, for bench/run.sh.
//
// Usage: JournalBench inspect FOLDER
//        JournalBench checkpoint|rewrite|auto FOLDER
// Prints "<seconds> <bytes> <outcome>"; the exit status is 0 when the journal was cleared.
//        JournalBench wipe-on|wipe-off FOLDER
// Wipes the folder with everything in it through the engine (one pass of zeros), with the
// journal option on or off, and prints "<seconds> <notes>".

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/JournalCleanup.h"
#include "core/TPass.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/Journal.h"

namespace {

int wipe(const std::string& folder, bool option) {
  TWipeMethodsManager manager;
  auto method = std::make_unique<TWipeMethod>();
  method->AddPass(std::make_unique<TPass>());  // bytes of value 0
  manager.AddMethod(std::move(method));
  manager.WipeSlackSpace = false;
  manager.WriteSignature = false;
  manager.EraseJournalNames = option;
  TWipeEngine engine("JournalBench");
  engine.AddItem(std::make_unique<TWipeItem>(wkFolder, folder));
  const auto start = std::chrono::steady_clock::now();
  WipeRun run = WipeRun::For(engine, manager, WipeServices());
  engine.Execute(run);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%.4f", seconds.count());
  for (const TWipeFailure& failure : engine.Failures) {
    std::printf(" [%s: %s]", failure.Path.c_str(), DescribeFailure(failure).c_str());
  }
  std::printf("\n");
  return engine.Failures.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s inspect|checkpoint|rewrite|auto|wipe-on|wipe-off FOLDER\n",
                 argv[0]);
    return 2;
  }
  const std::string how = argv[1];
  const std::string folder = argv[2];
  if (how == "wipe-on" || how == "wipe-off") return wipe(folder, how == "wipe-on");
  if (how == "inspect") {
    const platform::JournalInfo info = platform::journals().inspect(folder);
    std::printf(
        "ext4=%d xfs=%d journal=%d internal=%d journalBytes=%llu blockSize=%u inodeSize=%u "
        "fastCommit=%s device=%s canEmpty=%d\n",
        info.ext4, info.xfs, info.journal, info.internal,
        static_cast<unsigned long long>(info.journalBytes), info.blockSize, info.inodeSize,
        info.fastCommit == platform::FastCommit::On    ? "on"
        : info.fastCommit == platform::FastCommit::Off ? "off"
                                                       : "unknown",
        info.device.c_str(), platform::journals().canEmpty(folder));
    return info.ext4 || info.xfs ? 0 : 1;
  }
  platform::JournalRequest request;
  request.folder = folder;
  if (how == "checkpoint") {
    request.way = platform::JournalWay::Checkpoint;
  } else if (how == "rewrite") {
    request.way = platform::JournalWay::Rewrite;
  } else if (how != "auto") {
    std::fprintf(stderr, "unknown way: %s\n", how.c_str());
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const platform::JournalOutcome outcome = platform::journals().clean(request);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("%.4f %llu %s\n", seconds.count(), static_cast<unsigned long long>(outcome.bytes),
              DescribeJournalOutcome(outcome).c_str());
  return outcome.result == platform::JournalResult::Cleaned ? 0 : 1;
}
