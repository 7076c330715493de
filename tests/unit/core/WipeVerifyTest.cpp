// Passes that check what they wrote: each is read back once it is on the device and compared
// with its bytes; a difference or a read error names the file, and the program's random numbers
// are the same with verification as without.

#include "WipeEngineFixture.h"
#include "core/ProgramRandom.h"
#include "support/ScopedMount.h"

namespace {

TPass RandomPass(bool verified) {
  TPass pass;
  pass.WipeWith = wwRandomBytes;
  pass.RandomBytesValue1 = 7;  // some draws are rejected: the byte count alone says nothing
  pass.RandomBytesValue2 = 250;
  pass.CheckWipe = verified;
  return pass;
}

TPass Verified(TPass pass) {
  pass.CheckWipe = true;
  return pass;
}

}  // namespace

class WipeVerifyTest : public WipeEngineTest {
 protected:
  // The one failure of the run, described as the user reads it; empty when there is none.
  std::string OnlyFailure(const std::string& path) const {
    if (engine.Failures.size() != 1 || engine.Failures[0].Path != path) {
      ADD_FAILURE() << "failures: " << ::testing::PrintToString(engine.Failures);
      return {};
    }
    return DescribeFailure(engine.Failures[0]);
  }
};

TEST_F(WipeVerifyTest, VerifiedPassesAreReadBackAndShownAsVerifying) {
  manager.WriteSignature = true;  // the signature pass is never read back
  AddMethod("mixed.mtd", {Verified(BytePass(0x11)), TextPass("xyz"), Verified(RandomPass(true))});
  const std::string path = folder.write("file", std::string(1500000, 'x'));
  Run(wkFile, path);
  EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
  EXPECT_EQ(files.readBacks, (std::vector<std::string>{path, path}));
  EXPECT_EQ(services.log.verifying, (std::vector<std::pair<int, int>>{{1, 4}, {3, 4}}));
  // While reading back, the pass bar follows the bytes compared, up to the file's end.
  const auto& bar = services.log.passPositions;
  EXPECT_EQ(*std::max_element(bar.begin(), bar.end()), 1500000u);
  EXPECT_FALSE(pathExists(path));
}

TEST_F(WipeVerifyTest, DifferenceOrReadErrorNamesTheFileWhichIsStillDeleted) {
  AddMethod("two.mtd", {Verified(BytePass(0x22)), Verified(RandomPass(true))});
  struct Case {
    const char* what;
    std::uint64_t changedAt;  // -1: no byte changed
    bool readError;
    const char* expected;
  };
  const Case cases[] = {
      {"the first byte", 0, false, "verification failed at byte 0"},
      {"a byte of the second block, past the first read", 4194304 + 1234, false,
       "verification failed at byte 4195538"},
      {"the last byte", 4999999, false, "verification failed at byte 4999999"},
      {"a read error", std::uint64_t(-1), true,
       "verification failed at byte 0 (Input/output error)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    files.changedOnRead.clear();
    files.failReadBack.clear();
    files.readBacks.clear();
    files.deleted.clear();
    const std::string path = folder.write("file", std::string(5000000, 'x'));
    if (c.readError) files.failReadBack.insert(path);
    if (c.changedAt != std::uint64_t(-1)) files.changedOnRead[path] = c.changedAt;
    Run(wkFile, path);
    EXPECT_EQ(OnlyFailure(path), c.expected);
    EXPECT_TRUE(LeavesSomethingBehind(engine.Failures.at(0)));
    // Named once: the second pass is written, not read back again.
    EXPECT_EQ(files.readBacks.size(), 1u);
    ASSERT_EQ(WipedContents().size(), 1u);
    EXPECT_EQ(WipedContents()[0].size(), 5000000u);
    EXPECT_FALSE(pathExists(path));
  }
}

TEST_F(WipeVerifyTest, RandomNumbersAndBytesAreTheSameWithAndWithoutVerification) {
  // A buffer written again for every block, with a file that ends inside a block. (Buffers too
  // large to be held whole are replayed as the pass buffer tests show.)
  manager.BufferSize = 65536;
  std::vector<std::pair<std::string, std::uint32_t>> outcomes;
  for (const bool verified : {false, true}) {
    AddMethod("random.mtd", {RandomPass(verified), RandomPass(verified)});
    files.deleted.clear();
    files.readBacks.clear();
    const ScopedRandomSeed seed(4242);
    Run(wkFile, folder.write("file", std::string(200000, 'x')));
    EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
    EXPECT_EQ(files.readBacks.size(), verified ? 2u : 0u);
    ASSERT_EQ(WipedContents().size(), 1u);
    outcomes.emplace_back(WipedContents()[0], RandomSeed());
  }
  EXPECT_TRUE(outcomes[0] == outcomes[1]);
}

TEST_F(WipeVerifyTest, RealFilesReadBackFromTheDeviceMatch) {
  // tmpfs keeps files in the cache only; ext4 on a loop device is read past the cache.
  struct Case {
    const char* name;
    ScopedMount::Kind kind;
  };
  AddMethod("verified.mtd", {Verified(RandomPass(true)), Verified(TextPass("Wiped"))});
  for (const Case c :
       {Case{"tmpfs", ScopedMount::Kind::Tmpfs}, Case{"ext4", ScopedMount::Kind::Ext4Image}}) {
    SCOPED_TRACE(c.name);
    const std::string point = folder.makeFolder(c.name);
    ScopedMount mount(point, c.kind, 16);
    if (!mount.mounted()) GTEST_SKIP() << mount.reason();
    files.diskSpaceOf.clear();  // the real cluster size of the file system
    files.readBacks.clear();
    // An odd size: the last read ends inside a block of the device.
    const std::string path = folder.write(std::string(c.name) + "/file", std::string(3333333, 'x'));
    Run(wkFile, path);
    EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
    EXPECT_EQ(files.readBacks.size(), 2u);
    EXPECT_FALSE(pathExists(path));
  }
}
