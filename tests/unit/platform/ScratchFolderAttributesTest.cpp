// How the journal clearing's scratch files are changed through their extended attributes: each
// file first gets an attribute it keeps, then a second, empty one comes and goes in turn, so
// that every change is a real one; a refusal of the file system is given back, not passed over.
// In the test's own folder, where the file system takes user attributes (skipped elsewhere).

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "platform/posix/ScratchFolder.h"
#include "support/TestFolder.h"

using platform::journal::ScratchFolder;

namespace {

const char* const kKept = "user.ferrovane.a";
const char* const kTurned = "user.ferrovane.b";

// The size of the file's attribute `name`, -1 when it has none.
ssize_t AttributeSize(const std::string& file, const char* name) {
  return ::lgetxattr(file.c_str(), name, nullptr, 0);
}

}  // namespace

TEST(ScratchFolderAttributesTest, EachFileKeepsOneAttributeAndASecondOneComesAndGoesInTurn) {
  TestFolder t;
  const int parent = ::open(t.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(parent, 0);
  {
    ScratchFolder scratch(parent);
    ASSERT_EQ(scratch.make(), 0);
    for (int i = 0; i < 3; ++i) ASSERT_EQ(scratch.makeFile(), 0);
    const std::string folder = t.path() + scratch.name() + "/";
    const auto file = [&](int index) { return folder + std::to_string(index); };
    if (::lsetxattr(file(2).c_str(), "user.probe", "", 0, 0) != 0) {
      GTEST_SKIP() << "the test's file system takes no user attributes here";
    }
    ASSERT_EQ(::lremovexattr(file(2).c_str(), "user.probe"), 0);

    ASSERT_EQ(scratch.changeAttributes({0, 1}, 300), 0);
    for (int i : {0, 1}) {
      EXPECT_EQ(AttributeSize(file(i), kKept), 300) << i;
      EXPECT_EQ(AttributeSize(file(i), kTurned), -1) << i;
    }
    EXPECT_EQ(AttributeSize(file(2), kKept), -1);

    // A file listed for the first time gets the kept one; the others gain the second.
    ASSERT_EQ(scratch.changeAttributes({0, 1, 2}, 300), 0);
    for (int i : {0, 1}) EXPECT_EQ(AttributeSize(file(i), kTurned), 0) << i;
    EXPECT_EQ(AttributeSize(file(2), kKept), 300);
    EXPECT_EQ(AttributeSize(file(2), kTurned), -1);

    // Only the files listed change: 0 loses the second, 2 gains it, 1 keeps it.
    ASSERT_EQ(scratch.changeAttributes({0, 2}, 300), 0);
    EXPECT_EQ(AttributeSize(file(0), kTurned), -1);
    EXPECT_EQ(AttributeSize(file(1), kTurned), 0);
    EXPECT_EQ(AttributeSize(file(2), kTurned), 0);
    ASSERT_EQ(scratch.changeAttributes({0}, 300), 0);
    EXPECT_EQ(AttributeSize(file(0), kTurned), 0);
    for (int i : {0, 1, 2}) EXPECT_EQ(AttributeSize(file(i), kKept), 300) << i;

    // Something else took the second attribute away: the refusal comes back as it is.
    ASSERT_EQ(::lremovexattr(file(1).c_str(), kTurned), 0);
    EXPECT_EQ(scratch.changeAttributes({1}, 300), ENODATA);

    EXPECT_EQ(scratch.remove(), 0);
    EXPECT_NE(::access(folder.c_str(), F_OK), 0);
  }
  ::close(parent);
}
