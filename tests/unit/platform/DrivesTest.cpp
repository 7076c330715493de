#include <gtest/gtest.h>

#include "platform/Drives.h"
#include "platform/posix/MountInfo.h"
#include "support/TestFolder.h"

using namespace platform;

namespace {

const char kTable[] =
    "22 27 0:21 / /proc rw,relatime - proc proc rw\n"
    "25 24 0:23 / /dev/shm rw,relatime - tmpfs tmpfs rw\n"
    "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
    "30 25 0:27 / /dev/shm rw,relatime - tmpfs tmpfs rw\n"
    "40 27 8:17 / /media/usb\\040stick rw shared:5 - vfat /dev/sdb1 rw\n"
    "41 27 0:50 / /mnt/share rw - nfs4 server:/export rw\n"
    "42 27 11:0 / /media/cdrom ro - iso9660 /dev/sr0 ro\n"
    "43 27 259:1 / /home rw shared:1 master:2 - btrfs /dev/nvme0n1p1 rw\n"
    "44 27 7:0 / /snap/core squashfs - squashfs /dev/loop0 ro\n"
    "garbage line\n"
    "45 27 0:60 / relative rw - ext4 /dev/x rw\n";

struct DriveTableTest : ::testing::Test {
  TestFolder t;
  DriveTable table{t.write("mountinfo", kTable), t.makeFolder("sys")};

  void SetUp() override {
    // /dev/sdb1 (8:17) is a partition of a removable disk; the NVMe disk is not removable.
    t.write("sys/8:17/../removable", "1\n");
    t.makeFolder("sys/8:17");
    t.write("sys/removable", "1\n");
    t.write("sys/259:1/removable", "0\n");
  }
};

}  // namespace

TEST(MountInfo, ParsesFieldsAndUnescapesBlanks) {
  auto mounts = parseMountInfo(kTable);
  ASSERT_EQ(mounts.size(), 9u);  // the garbage line and the relative mount point are skipped
  EXPECT_EQ(mounts[4].mountPoint, "/media/usb stick");
  EXPECT_EQ(mounts[4].fsType, "vfat");
  EXPECT_EQ(mounts[4].source, "/dev/sdb1");
  EXPECT_EQ(mounts[4].major, 8u);
  EXPECT_EQ(mounts[4].minor, 17u);
  EXPECT_EQ(mounts[7].fsType, "btrfs");  // optional fields before the dash are skipped
}

// A line whose numbers are not whole decimal fields is passed over; the lines around it stand.
TEST(MountInfo, LinesWithMalformedNumbersArePassedOver) {
  const char* const malformed[] = {
      "12 1 8x:1 / /bad rw - ext4 /dev/sda rw",                      // letters after the major
      "12 1 8:-1 / /bad rw - ext4 /dev/sda rw",                      // a sign
      "12 1 8:99999999999 / /bad rw - ext4 /dev/sda rw",             // out of range
      "x12 1 8:1 / /bad rw - ext4 /dev/sda rw",                      // the mount's own number
      "99999999999999999999999 1 8:1 / /bad rw - ext4 /dev/sda rw",  // the same, out of range
      "12 1 :1 / /bad rw - ext4 /dev/sda rw",                        // no major at all
  };
  for (const char* line : malformed) {
    const std::string table = std::string("27 1 254:0 / / rw - ext4 /dev/vda rw\n") + line +
                              "\n43 27 259:1 / /home rw - btrfs /dev/nvme0n1p1 rw\n";
    const auto mounts = parseMountInfo(table);
    ASSERT_EQ(mounts.size(), 2u) << line;
    EXPECT_EQ(mounts[0].mountPoint, "/") << line;
    EXPECT_EQ(mounts[1].mountPoint, "/home") << line;
    EXPECT_EQ(mounts[1].id, 43u) << line;
    EXPECT_EQ(mounts[1].minor, 1u) << line;
  }
}

TEST_F(DriveTableTest, KindsFollowTheFileSystemAndTheDisk) {
  EXPECT_EQ(table.driveKind("/"), DriveFixed);
  EXPECT_EQ(table.driveKind("/home/"), DriveFixed);
  EXPECT_EQ(table.driveKind("/media/usb stick/"), DriveRemovable);
  EXPECT_EQ(table.driveKind("/mnt/share"), DriveRemote);
  EXPECT_EQ(table.driveKind("/media/cdrom/"), DriveOptical);
  EXPECT_EQ(table.driveKind("/dev/shm/"), DriveRam);
  EXPECT_EQ(table.driveKind("/proc/"), DriveUnknown);
  EXPECT_EQ(table.driveKind("/snap/core/"), DriveUnknown);
  EXPECT_EQ(table.driveKind("/not/mounted/"), DriveUnknown);
  EXPECT_EQ(table.fileSystem("/home/"), "btrfs");
  EXPECT_EQ(table.fileSystem("/nowhere/"), "");
}

TEST_F(DriveTableTest, RootsAreRealFileSystemsOnceEachSortedWithTrailingSeparator) {
  EXPECT_EQ(table.driveRoots(),
            (std::vector<std::string>{"/", "/dev/shm/", "/home/", "/media/cdrom/",
                                      "/media/usb stick/", "/mnt/share/"}));
}

TEST_F(DriveTableTest, RootOfAPathIsItsLongestMountPoint) {
  EXPECT_EQ(table.rootOf("/home/user/file.txt"), "/home/");
  EXPECT_EQ(table.rootOf("/home"), "/home/");
  EXPECT_EQ(table.rootOf("/homework/x"), "/");
  EXPECT_EQ(table.rootOf("/media/usb stick/a"), "/media/usb stick/");
  EXPECT_EQ(table.rootOf("relative/path"), "");
}

TEST(DriveTableMissing, AnUnreadableTableGivesNoDrives) {
  DriveTable table("/nonexistent/mountinfo", "/nonexistent");
  EXPECT_TRUE(table.driveRoots().empty());
  EXPECT_EQ(table.driveKind("/"), DriveUnknown);
}

TEST(DriveTableRoots, EachFileSystemOnceAtItsShortestMountPointAndOnlyFolders) {
  TestFolder t;
  const std::string data = t.makeFolder("data");
  const std::string bound = t.makeFolder("srv/www");  // the same file system bind-mounted again
  const std::string c1 = t.makeFolder("c1");          // two mount points of equal length
  const std::string c0 = t.makeFolder("c0");
  const std::string hosts = t.write("hosts", "");  // a file bind-mounted over a file
  const std::string ram = t.makeFolder("ram");
  auto mount = [](int id, const char* device, const std::string& point, const char* type) {
    return std::to_string(id) + " 1 " + device + " / " + point + " rw - " + type + " src rw\n";
  };
  const std::string mountInfo = mount(30, "8:1", bound, "ext4") + mount(31, "8:1", data, "ext4") +
                                mount(32, "8:2", c1, "xfs") + mount(33, "8:2", c0, "xfs") +
                                mount(34, "8:3", hosts, "ext4") + mount(35, "0:44", ram, "tmpfs") +
                                mount(36, "0:45", t / "missing", "ext4");
  DriveTable table(t.write("mountinfo", mountInfo), t.makeFolder("sys"));
  EXPECT_EQ(table.driveRoots(),
            (std::vector<std::string>{c0 + "/", data + "/", t / "missing/", ram + "/"}));
  // Each point is still a mount point of its own, and keeps its kind.
  EXPECT_TRUE(table.isMountPoint(bound + "/"));
  EXPECT_EQ(table.driveKind(bound), DriveFixed);
  EXPECT_FALSE(table.isMountPoint(data + "/inside"));
  EXPECT_FALSE(table.isMountPoint("relative"));
}
