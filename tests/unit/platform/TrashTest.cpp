#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/Trash.h"
#include "support/TestDrives.h"
#include "support/TestFolder.h"

namespace {

const std::string kUid = std::to_string(::getuid());

}  // namespace

TEST(TrashFolders, HomeTrashThenEachFixedDriveInDriveOrderWithItsSafeFoldersOnly) {
  TestFolder t;
  t.makeFolder("home/.local/share/Trash/files");
  // Drive a: both kinds of per-user folder, the shared one with the sticky bit.
  const std::string a = t.makeFolder("a");
  t.makeFolder("a/.Trash/" + kUid);
  ::chmod((a + "/.Trash").c_str(), 01777);
  t.makeFolder("a/.Trash-" + kUid);
  // Drive b: a shared folder without the sticky bit, and a per-user folder that is a link.
  const std::string b = t.makeFolder("b");
  t.makeFolder("b/.Trash/" + kUid);
  ::chmod((b + "/.Trash").c_str(), 0777);
  std::filesystem::create_directory_symlink(t / "elsewhere", b + "/.Trash-" + kUid);
  t.makeFolder("elsewhere");
  // Drive c: the shared folder itself is a link to a sticky folder.
  const std::string c = t.makeFolder("c");
  const std::string sticky = t.makeFolder("sticky");
  t.makeFolder("sticky/" + kUid);
  ::chmod(sticky.c_str(), 01777);
  std::filesystem::create_directory_symlink(sticky, c + "/.Trash");
  // A removable drive and a RAM drive are never searched.
  t.makeFolder("usb/.Trash-" + kUid);
  t.makeFolder("ram/.Trash-" + kUid);
  ScopedTestDrives drives(t, {{a, "ext4"}, {b, "ext4"}, {c, "xfs"}, {t / "ram", "tmpfs"}});

  EXPECT_EQ(platform::trashFolders(),
            (std::vector<std::string>{t.dataFolder() + "Trash/", a + "/.Trash/" + kUid + "/",
                                      a + "/.Trash-" + kUid + "/"}));
}

TEST(TrashFolders, NoneWhenNothingExistsAndAHomeTrashThatIsALinkIsNotFollowed) {
  TestFolder t;
  ScopedTestDrives none(t, {{t / "empty", "ext4"}});
  EXPECT_TRUE(platform::trashFolders().empty());

  // The data folder's trash is a link (here to a drive's own trash folder): only the drive's
  // folder is listed, as the drive's.
  const std::string top = t.makeFolder("top");
  t.makeFolder("top/.Trash-" + kUid);
  t.makeFolder("home/.local/share");
  std::filesystem::create_directory_symlink(top + "/.Trash-" + kUid, t.dataFolder() + "Trash");
  ScopedTestDrives drives(t, {{top, "ext4"}});
  EXPECT_EQ(platform::trashFolders(), (std::vector<std::string>{top + "/.Trash-" + kUid + "/"}));
}
