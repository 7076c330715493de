// Files of a one-pass wipe whose flush goes on while the next files are written: the bytes and
// the random numbers are those of a run that waits for every flush, no file is renamed, deleted
// or written again before its own flush has ended, and a flush that fails keeps its file.

#include <algorithm>
#include <map>

#include "WipeEngineFixture.h"
#include "core/ProgramRandom.h"

namespace {

TPass RandomPass() {
  TPass pass;
  pass.WipeWith = wwRandomBytes;
  pass.RandomBytesValue1 = 0;
  pass.RandomBytesValue2 = 255;
  return pass;
}

// What a run did to its files, as far as the bytes and the random numbers go.
struct RunTrace {
  std::map<std::string, std::vector<std::pair<std::uint64_t, std::uint64_t>>> writes;  // per file
  std::vector<std::string> wiped;  // the bytes of every file deleted, in order
  std::uint32_t seedAfter = 0;
  bool operator==(const RunTrace&) const = default;
};

}  // namespace

class WipeFlushWindowTest : public WipeEngineTest {
 protected:
  // Writes the files afresh and wipes them as one job each, from the same random seed.
  RunTrace WipeFiles(std::size_t window, const std::vector<std::uint64_t>& sizes) {
    files.writes.clear();
    files.deleted.clear();
    files.touchedWhileFlushing.clear();
    files.mostFlushing = 0;
    files.writesBesideFlushes = 0;
    engine.FlushWindowFiles = window;
    engine.ClearItems();
    std::vector<std::string> names;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
      const std::string name = "files/f" + std::to_string(i);
      names.push_back(folder.write(name, std::string(sizes[i], 'x')));
      engine.AddItem(std::make_unique<TWipeItem>(wkFile, names.back()));
    }
    SetRandomSeed(777);
    ExecuteWith(engine, manager, services);
    RunTrace trace;
    for (const auto& write : files.writes) {
      trace.writes[write.path].emplace_back(write.offset, write.length);
    }
    trace.wiped = WipedContents();
    trace.seedAfter = RandomSeed();
    for (const std::string& name : names) EXPECT_FALSE(pathExists(name)) << name;
    return trace;
  }

  const std::vector<std::uint64_t> sizes_{1,     4096, 10000, 0, 700000, 5000, 3, 4096,
                                          65536, 12,   9000,  1, 2,      100,  7};
};

TEST_F(WipeFlushWindowTest, OverlappedFlushesLeaveTheSameBytesAndRandomNumbers) {
  for (const std::string& method : {std::string("random"), std::string("pattern")}) {
    SCOPED_TRACE(method);
    AddMethod("one.mtd", {method == "random" ? RandomPass() : TextPass("Wiped")});
    files.slowFlushTurns = 2;
    const RunTrace overlapped = WipeFiles(8, sizes_);
    // The flushes did overlap the next files' writes, never more than the window holds, and no
    // file was touched while its own flush went on.
    EXPECT_GT(files.writesBesideFlushes, 0);
    EXPECT_GT(files.mostFlushing, 1u);
    EXPECT_LE(files.mostFlushing, 8u);
    EXPECT_EQ(files.touchedWhileFlushing, std::vector<std::string>());
    EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);

    const RunTrace oneByOne = WipeFiles(0, sizes_);
    EXPECT_EQ(files.mostFlushing, 1u);
    EXPECT_EQ(files.writesBesideFlushes, 0);
    ASSERT_EQ(overlapped.wiped.size(), sizes_.size());
    EXPECT_TRUE(overlapped == oneByOne);
  }
}

TEST_F(WipeFlushWindowTest, SeveralPassesEachReachTheDeviceBeforeTheNextStarts) {
  AddMethod("three.mtd", {RandomPass(), BytePass(0x11), RandomPass()});
  files.slowFlushTurns = 3;
  const RunTrace trace = WipeFiles(8, {5000, 1, 70000});
  EXPECT_EQ(files.mostFlushing, 1u);
  EXPECT_EQ(files.touchedWhileFlushing, std::vector<std::string>());
  EXPECT_EQ(trace.wiped.size(), 3u);
}

TEST_F(WipeFlushWindowTest, AFileWhoseFlushFailsInTheWindowKeepsItsNameAndTheOthersGo) {
  AddMethod("one.mtd", {RandomPass()});
  files.slowFlushTurns = 1;
  std::vector<std::string> names;
  for (int i = 0; i < 5; ++i) {
    names.push_back(folder.write("files/f" + std::to_string(i), std::string(3000, 'x')));
  }
  const std::string kept = names[2];
  files.failFlush = {kept};
  engine.FlushWindowFiles = 8;
  engine.ClearItems();
  for (const std::string& name : names) engine.AddItem(std::make_unique<TWipeItem>(wkFile, name));
  ExecuteWith(engine, manager, services);
  EXPECT_TRUE(pathExists(kept));
  EXPECT_EQ(engine.Failures,
            (std::vector<TWipeFailure>{{kept, TWipeFailureReason::PassFailed, files.flushError,
                                        "pass 1 failed at byte 0"}}));
  EXPECT_EQ(WipedContents().size(), 4u);
  // Renamed one after the other, in the order they were written.
  std::vector<std::string> renamed;
  for (const auto& [from, to] : files.renames) renamed.push_back(from);
  EXPECT_EQ(renamed, (std::vector<std::string>{names[0], names[1], names[3], names[4]}));
}

TEST_F(WipeFlushWindowTest, CancelKeepsTheFileBeingWrittenAndFinishesThoseWrittenBefore) {
  AddMethod("one.mtd", {RandomPass()});
  files.slowFlushTurns = 2;
  engine.FlushWindowFiles = 8;
  engine.ClearItems();
  std::vector<std::string> names;
  for (int i = 0; i < 4; ++i) {
    names.push_back(folder.write("files/f" + std::to_string(i), std::string(600000, 'x')));
    engine.AddItem(std::make_unique<TWipeItem>(wkFile, names.back()));
  }
  // Pressed while the third file is being written.
  services.onProcess = [&] {
    const auto third = std::count_if(files.writes.begin(), files.writes.end(),
                                     [&](const auto& write) { return write.path == names[2]; });
    if (third > 0) engine.Stop();
  };
  ExecuteWith(engine, manager, services);
  EXPECT_FALSE(pathExists(names[0]));
  EXPECT_FALSE(pathExists(names[1]));
  EXPECT_TRUE(pathExists(names[2]));
  EXPECT_EQ(readFileBytes(names[3]), std::string(600000, 'x'));
  EXPECT_EQ(engine.StoppedInFile(), names[2]);
  EXPECT_EQ(files.touchedWhileFlushing, std::vector<std::string>());
}

TEST_F(WipeFlushWindowTest, OutsideARunAFileIsGoneWhenItsWipeReturns) {
  AddMethod("one.mtd", {RandomPass()});
  files.slowFlushTurns = 2;
  // As the cleaner wipes what it erases: one entry at a time, its outcome read at once.
  const std::string path = folder.write("single", std::string(3000, 'x'));
  WipeRun run = WipeRun::For(engine, manager, services);
  const TWipeEngine::RunScope scope(engine, run);
  engine.WipeFile(TWipeItem(wkFile, path));
  EXPECT_FALSE(pathExists(path));
  EXPECT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(files.touchedWhileFlushing, std::vector<std::string>());
}
