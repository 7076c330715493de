// Paths handed to the window from outside, sorted for its lists.

#include "core/QueuedPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TestFolder.h"

namespace fsys = std::filesystem;
using Paths = std::vector<std::string>;

TEST(QueuedPaths, APathThroughALinkedFolderIsQueuedWhereTheLinkLed) {
  // A folder reached through a link on the way (a linked home folder, say): the job names the
  // place itself, so that the wipe, which follows no link on the way, reaches it.
  TestFolder t;
  t.write("real/file", "x");
  t.makeFolder("real/sub");
  fsys::create_directory_symlink(t / "real", t / "via");
  fsys::create_symlink(t / "real/file", t / "real/flink");
  const TQueuedPaths sorted = SortQueuedPaths(
      {t / "via/file", t / "via/sub/", "via/sub", t / "via/flink", t / "via", t / "via/missing"},
      t.path());
  // A link named itself stays a link, to be removed as one.
  EXPECT_EQ(sorted.files, (Paths{t / "real/file", t / "real/flink", t / "via"}));
  EXPECT_EQ(sorted.folders, (Paths{t / "real/sub", t / "real/sub"}));
  ASSERT_EQ(sorted.refused.size(), 1u);
  EXPECT_EQ(sorted.refused[0].path, t / "real/missing");
}
