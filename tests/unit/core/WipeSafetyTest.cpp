// What a wipe must never do: reach outside the chosen tree when a folder or file is swapped
// while the run goes on, or destroy content that other names share.

#include <sched.h>
#include <sys/mount.h>

#include <filesystem>

#include "WipeEngineFixture.h"
#include "support/ScopedMount.h"

namespace fsys = std::filesystem;

class WipeSafetyTest : public WipeEngineTest {
 protected:
  WipeSafetyTest() { AddMethod("one.mtd", {BytePass(0x5A)}); }

  // True when no write went to a path that starts with the prefix.
  bool NothingWrittenUnder(const std::string& prefix) const {
    return std::none_of(files.writes.begin(), files.writes.end(), [&](const auto& write) {
      return write.path.compare(0, prefix.size(), prefix) == 0;
    });
  }
  const TWipeFailure* FailureOf(const std::string& path) const {
    for (const TWipeFailure& failure : engine.Failures) {
      if (failure.Path == path) return &failure;
    }
    return nullptr;
  }
};

TEST_F(WipeSafetyTest, FolderSwappedForALinkMidWalkNeverLeadsOutside) {
  const std::string outside = folder.makeFolder("outside");
  folder.write("outside/a", "precious a");
  folder.write("outside/b", "precious b");
  const std::string top = folder.makeFolder("top");
  folder.write("top/sub/a", "mine a");
  folder.write("top/sub/b", "mine b");
  // Once the first file of the subfolder is gone, the subfolder becomes a link to the outside.
  bool swapped = false;
  services.onProcess = [&] {
    if (swapped || files.deleted.empty()) return;
    fsys::rename(top + "/sub", folder / "moved");
    fsys::create_directory_symlink(outside, top + "/sub");
    swapped = true;
  };
  Run(wkFolder, top);
  ASSERT_TRUE(swapped);
  EXPECT_EQ(readFileBytes(outside + "/a"), "precious a");
  EXPECT_EQ(readFileBytes(outside + "/b"), "precious b");
  EXPECT_TRUE(NothingWrittenUnder(outside));
  // The link is not removed as a folder and is named; the top folder stays with it.
  EXPECT_EQ(fsys::symlink_status(top + "/sub").type(), fsys::file_type::symlink);
  ASSERT_TRUE(FailureOf(top + "/sub"));
  EXPECT_EQ(FailureOf(top + "/sub")->Reason, TWipeFailureReason::Changed);
  EXPECT_TRUE(HasFailure(top, TWipeFailureReason::FolderNotRemoved));
}

TEST_F(WipeSafetyTest, EntriesSwappedBetweenListingAndUseAreLeftAndNamed) {
  const std::string outside = folder.write("outside/b", "precious");
  const std::string top = folder.makeFolder("top");
  folder.write("top/a", "mine");
  folder.write("top/b", "mine");
  folder.write("top/sub/c", "mine");
  // After the first file: the second file becomes a link out, and the subfolder another folder
  // (the listed one moved out of the tree, a new one with a file of its own in its place). Each
  // file goes before the next is written.
  engine.FlushWindowFiles = 0;
  bool swapped = false;
  services.onProcess = [&] {
    if (swapped || files.deleted.empty()) return;
    fsys::remove(top + "/b");
    fsys::create_symlink(outside, top + "/b");
    fsys::rename(top + "/sub", folder / "listed-sub");
    folder.write("top/sub/planted", "not listed");
    swapped = true;
  };
  Run(wkFolder, top);
  ASSERT_TRUE(swapped);
  EXPECT_EQ(readFileBytes(outside), "precious");
  EXPECT_EQ(readFileBytes(top + "/sub/planted"), "not listed");
  EXPECT_EQ(readFileBytes(folder / "listed-sub/c"), "mine");
  ASSERT_TRUE(FailureOf(top + "/b"));
  EXPECT_EQ(FailureOf(top + "/b")->Reason, TWipeFailureReason::Changed);
  ASSERT_TRUE(FailureOf(top + "/sub"));
  EXPECT_EQ(FailureOf(top + "/sub")->Reason, TWipeFailureReason::Changed);
  EXPECT_TRUE(NothingWrittenUnder(top + "/sub"));
  EXPECT_TRUE(NothingWrittenUnder(outside));
}

TEST_F(WipeSafetyTest, HardLinkedFilesAreLeftWholeAndTheirFolderStaysAndSaysWhy) {
  const std::string original = folder.write("outside/original", "shared content");
  const std::string top = folder.makeFolder("top");
  const std::string linked = top + "/sub/linked";
  folder.makeFolder("top/sub");
  fsys::create_hard_link(original, linked);
  folder.write("top/sub/own", "mine");
  Run(wkFolder, top);
  EXPECT_EQ(readFileBytes(original), "shared content");
  EXPECT_EQ(readFileBytes(linked), "shared content");
  EXPECT_FALSE(pathExists(top + "/sub/own"));
  EXPECT_TRUE(NothingWrittenUnder(linked));
  ASSERT_TRUE(FailureOf(linked));
  EXPECT_EQ(DescribeFailure(*FailureOf(linked)), "has other hard links; its content is shared");
  for (const std::string& kept : {top + "/sub", top}) {
    SCOPED_TRACE(kept);
    ASSERT_TRUE(FailureOf(kept));
    EXPECT_EQ(FailureOf(kept)->Reason, TWipeFailureReason::FolderNotRemoved);
    EXPECT_FALSE(FailureOf(kept)->Detail.empty());
    EXPECT_TRUE(pathExists(kept));
  }

  // Given as a file job, by either of its names.
  for (const std::string& name : {linked, original}) {
    Run(wkFile, name);
    EXPECT_EQ(readFileBytes(name), "shared content");
    EXPECT_TRUE(HasFailure(name, TWipeFailureReason::SharedContent));
  }
  EXPECT_TRUE(files.renames.size() == 1u);  // only "own" was renamed for deletion

  // Once the other name is gone, the file is wiped like any other.
  fsys::remove(original);
  Run(wkFile, linked);
  EXPECT_FALSE(pathExists(linked));
  EXPECT_TRUE(engine.Failures.empty());
}

TEST_F(WipeSafetyTest, ALinkOnTheWayToAJobIsNeverFollowed) {
  const std::string secret = folder.write("outside/sub/secret", "precious");
  folder.write("top/real/sub/secret", "mine");
  const std::string top = folder / "top";
  fsys::create_directory_symlink(folder / "outside", top + "/via");
  // A file job and a folder job whose paths pass through the link: the link is a middle
  // component, so the entry itself is not a link and would be wiped where the link leads.
  for (const auto& [kind, path] :
       {std::pair{wkFile, top + "/via/sub/secret"}, std::pair{wkFolder, top + "/via/sub"}}) {
    SCOPED_TRACE(path);
    Run(kind, path);
    EXPECT_EQ(readFileBytes(secret), "precious");
    EXPECT_TRUE(NothingWrittenUnder(folder / "outside"));
    ASSERT_TRUE(FailureOf(path));
    EXPECT_EQ(FailureOf(path)->Error, platform::FileError::Link);
  }
  // The same path without the link is wiped.
  Run(wkFile, top + "/real/sub/secret");
  EXPECT_TRUE(engine.Failures.empty());
  EXPECT_FALSE(pathExists(top + "/real/sub/secret"));
}

TEST_F(WipeSafetyTest, AFileThatGainsAHardLinkBetweenListingAndOpeningIsLeftWhole) {
  const std::string top = folder.makeFolder("top");
  const std::string file = folder.write("top/file", "shared from now on");
  const std::string other = folder / "outside-name";
  // Listed with one name; another process links it before the engine opens it.
  files.beforeOpen[file] = [&] {
    if (!pathExists(other)) fsys::create_hard_link(file, other);
  };
  for (const auto& [kind, path] : {std::pair{wkFolder, top}, std::pair{wkFile, file}}) {
    SCOPED_TRACE(path);
    Run(kind, path);
    EXPECT_EQ(readFileBytes(other), "shared from now on");
    EXPECT_TRUE(NothingWrittenUnder(file));
    EXPECT_TRUE(HasFailure(file, TWipeFailureReason::SharedContent));
    fsys::remove(other);
  }
}

TEST_F(WipeSafetyTest, ASystemFileSystemInsideATreeIsNeitherWalkedNorRemoved) {
  // A message-queue file system of a namespace of the test's own: empty, and nothing else's.
  std::string reason;
  if (!EnterPrivateMountNamespace(&reason)) GTEST_SKIP() << reason;
  if (::unshare(CLONE_NEWIPC) != 0) GTEST_SKIP() << "no namespace of its own for message queues";
  const std::string top = folder.makeFolder("top");
  folder.write("top/own", "mine");
  const std::string queues = folder.makeFolder("top/queues");
  if (::mount("mqueue", queues.c_str(), "mqueue", 0, nullptr) != 0) {
    GTEST_SKIP() << "cannot mount a message-queue file system";
  }
  Run(wkFolder, top);
  ::umount2(queues.c_str(), MNT_DETACH);
  EXPECT_FALSE(pathExists(top + "/own"));
  ASSERT_TRUE(FailureOf(queues));
  EXPECT_EQ(DescribeFailure(*FailureOf(queues)), "is on a system file system (mqueue): not wiped");
  EXPECT_TRUE(HasFailure(top, TWipeFailureReason::FolderNotRemoved));
}
