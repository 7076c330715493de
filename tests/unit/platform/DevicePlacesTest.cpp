// Where file systems keep things on their devices, and what lies beneath a device: sysfs trees
// made by the test (a dm-crypt volume on a partition of a flash disk, a RAID set of two disks, a
// loop device), ext4 superblocks with the journal's map in each form, btrfs chunk items of each
// profile, and the place of an XFS inode.

#include <gtest/gtest.h>

#include <string>

#include "platform/posix/BtrfsChunkMap.h"
#include "platform/posix/DeviceLayers.h"
#include "platform/posix/Ext4JournalPlace.h"
#include "platform/posix/XfsPlaces.h"
#include "support/FakeExt4.h"
#include "support/FakeSysfs.h"
#include "support/TestFolder.h"

using platform::DeviceError;
using platform::DeviceFacts;
using platform::DeviceLayer;
using platform::DeviceRange;

TEST(DeviceLayers, AnEncryptedVolumeOnAPartitionOfAFlashDiskIsTracedToTheDisk) {
  TestFolder folder;
  FakeSysfs sys(folder);
  sys.add("virtual/block/dm-0", "253:0");
  sys.file("virtual/block/dm-0", "dm/uuid", "CRYPT-LUKS2-0123456789abcdef-luks");
  sys.file("virtual/block/dm-0", "dm/name", "luks-home");
  sys.slave("virtual/block/dm-0", "sda2");
  sys.add("pci0/host0/sda", "8:0");
  sys.file("pci0/host0/sda", "device/model", "Samsung SSD 870  ");
  sys.file("pci0/host0/sda", "device/serial", "S5Y1NX0R");
  sys.file("pci0/host0/sda", "queue/rotational", "0");
  sys.add("pci0/host0/sda/sda2", "8:2");
  sys.file("pci0/host0/sda/sda2", "partition", "2");

  EXPECT_EQ(platform::posix::blockDeviceName(253, 0, sys.root()), "dm-0");
  EXPECT_EQ(platform::posix::blockDeviceName(253, 9, sys.root()), "");
  DeviceFacts facts;
  platform::posix::describeLayers("dm-0", facts, sys.root());
  const std::vector<DeviceLayer> layers{
      {"dm-0", "crypt", "luks-home"}, {"sda2", "partition", ""}, {"sda", "disk", ""}};
  EXPECT_EQ(facts.layers, layers);
  EXPECT_TRUE(facts.encrypted);
  EXPECT_EQ(facts.rotational, false);
  EXPECT_EQ(facts.model, "Samsung SSD 870");
  EXPECT_EQ(facts.serial, "S5Y1NX0R");
}

TEST(DeviceLayers, ARaidSetNamesEveryMemberAndALoopDeviceItsImage) {
  TestFolder folder;
  FakeSysfs sys(folder);
  sys.add("virtual/block/md0", "9:0");
  folder.makeFolder("sys/devices/virtual/block/md0/md");
  sys.slave("virtual/block/md0", "sdb");
  sys.slave("virtual/block/md0", "sdc");
  for (const char* disk : {"sdb", "sdc"}) {
    const std::string place = std::string("pci0/host1/") + disk;
    sys.add(place, disk == std::string("sdb") ? "8:16" : "8:32");
    sys.file(place, "device/model", std::string("WDC ") + disk);
    sys.file(place, "queue/rotational", "1");
  }
  sys.file("pci0/host1/sdc", "serial", "WD-C");

  DeviceFacts raid;
  platform::posix::describeLayers("md0", raid, sys.root());
  ASSERT_EQ(raid.layers.size(), 3u);
  EXPECT_EQ(raid.layers[0].kind, "raid");
  EXPECT_EQ(raid.model, "WDC sdb, WDC sdc");
  EXPECT_EQ(raid.serial, "WD-C");
  EXPECT_EQ(raid.rotational, true);
  EXPECT_FALSE(raid.encrypted);

  sys.add("virtual/block/loop3", "7:3");
  sys.file("virtual/block/loop3", "loop/backing_file", "/nowhere/disk.img (deleted)");
  DeviceFacts loop;
  platform::posix::describeLayers("loop3", loop, sys.root());
  const std::vector<DeviceLayer> layers{{"loop3", "loop", "/nowhere/disk.img (deleted)"}};
  EXPECT_EQ(loop.layers, layers);
  // Nothing beneath tells whether it turns.
  EXPECT_FALSE(loop.rotational.has_value());
}

TEST(Ext4JournalPlace, TheJournalIsFoundFromTheSuperblocksCopyOfItsMap) {
  constexpr std::uint64_t B = 4096;
  {
    // Two extents that follow each other on the device are one place.
    FakeExt4 ext4(4);
    ext4.header(FakeExt4::kRoot, 2, 0);
    ext4.extent(FakeExt4::kRoot + 12, 0, 100, 5000);
    ext4.extent(FakeExt4::kRoot + 24, 100, 28, 5100);
    EXPECT_EQ(ext4.find(), (std::vector<DeviceRange>{{5000 * B, 128 * B}}));
  }
  {
    // A tree of two levels: the leaf is read from the device.
    FakeExt4 ext4(80);
    ext4.header(FakeExt4::kRoot, 1, 1);
    ext4.put32(FakeExt4::kRoot + 12, 0);
    ext4.put32(FakeExt4::kRoot + 16, 77);  // the leaf's block
    ext4.header(77 * B, 2, 0);
    ext4.extent(77 * B + 12, 0, 64, 9000);
    ext4.extent(77 * B + 24, 64, 64, 20000);
    EXPECT_EQ(ext4.find(), (std::vector<DeviceRange>{{9000 * B, 64 * B}, {20000 * B, 64 * B}}));
  }
  {
    // An ext3 journal: direct blocks, then an indirect block with a hole in it.
    FakeExt4 ext4(401);
    for (std::uint32_t i = 0; i < 3; ++i) ext4.put32(FakeExt4::kRoot + i * 4, 300 + i);
    ext4.put32(FakeExt4::kRoot + 12 * 4, 400);
    ext4.put32(400 * B, 303);
    ext4.put32(400 * B + 8, 999);
    EXPECT_EQ(ext4.find(), (std::vector<DeviceRange>{{300 * B, 4 * B}, {999 * B, B}}));
  }
}

TEST(Ext4JournalPlace, AJournalElsewhereNoneOrAMapThatCannotBeReadIsSaidSo) {
  FakeExt4 external(4);
  external.put32(1024 + 0xE0, 0);
  EXPECT_EQ(external.find().error(), std::errc::no_such_device);

  FakeExt4 none(4);
  none.put32(1024 + 0x5C, 0);
  EXPECT_EQ(none.find(), std::vector<DeviceRange>{});

  FakeExt4 damaged(4);
  damaged.header(FakeExt4::kRoot, 5, 0);  // more entries than the inode has room for
  EXPECT_EQ(damaged.find().error(), DeviceError::NotMapped);

  FakeExt4 notExt4(4);
  notExt4.put16(1024 + 0x38, 0x1234);
  EXPECT_EQ(notExt4.find().error(), DeviceError::NotMapped);
}

namespace {

std::string ChunkItem(std::uint64_t length, std::uint64_t type,
                      const std::vector<std::pair<std::uint64_t, std::uint64_t>>& stripes) {
  std::string item(48 + stripes.size() * 32, '\0');
  const auto put = [&item](std::size_t at, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) item[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  put(0, length, 8);
  put(24, type, 8);
  put(44, stripes.size(), 2);
  for (std::size_t i = 0; i < stripes.size(); ++i) {
    put(48 + i * 32, stripes[i].first, 8);
    put(56 + i * 32, stripes[i].second, 8);
  }
  return item;
}

}  // namespace

TEST(BtrfsChunkMap, EachCopyOfAChunkOnOneDeviceHoldsTheBytes) {
  constexpr std::uint64_t M = 1 << 20;
  const auto single = platform::posix::parseBtrfsChunk(13 * M, ChunkItem(8 * M, 1, {{1, 13 * M}}));
  const auto dup = platform::posix::parseBtrfsChunk(
      30 * M, ChunkItem(32 * M, 4 | 32, {{1, 38 * M}, {1, 72 * M}}));
  const auto striped = platform::posix::parseBtrfsChunk(
      62 * M, ChunkItem(8 * M, 1 | 8, {{1, 100 * M}, {1, 110 * M}}));
  const auto twoDevices =
      platform::posix::parseBtrfsChunk(70 * M, ChunkItem(8 * M, 1, {{1, 120 * M}, {2, 0}}));
  ASSERT_TRUE(single && dup && striped && twoDevices);
  EXPECT_FALSE(platform::posix::parseBtrfsChunk(0, ChunkItem(8 * M, 1, {{1, 0}}).substr(0, 60)));
  const std::vector<platform::posix::BtrfsChunk> chunks{*single, *dup, *striped, *twoDevices};

  EXPECT_EQ(platform::posix::mapBtrfsRange(chunks, 14 * M, 4096),
            (std::vector<DeviceRange>{{14 * M, 4096}}));
  EXPECT_EQ(platform::posix::mapBtrfsRange(chunks, 31 * M, 4096),
            (std::vector<DeviceRange>{{39 * M, 4096}, {73 * M, 4096}}));
  // Across the end of one chunk into the next: each piece, each of its copies.
  EXPECT_EQ(platform::posix::mapBtrfsRange(chunks, 21 * M - 4096, 8192).error(),
            DeviceError::NotMapped);  // the bytes between the chunks lie in none
  EXPECT_EQ(platform::posix::mapBtrfsRange(chunks, 62 * M, 4096).error(), DeviceError::NotMapped);
  EXPECT_EQ(platform::posix::mapBtrfsRange(chunks, 70 * M, 4096).error(), DeviceError::NotMapped);
  EXPECT_EQ(platform::posix::mapBtrfsRange(chunks, 0, 4096).error(), DeviceError::NotMapped);

  const auto next = platform::posix::parseBtrfsChunk(21 * M, ChunkItem(9 * M, 1, {{1, 200 * M}}));
  const std::vector<platform::posix::BtrfsChunk> adjacent{*single, *next};
  EXPECT_EQ(platform::posix::mapBtrfsRange(adjacent, 21 * M - 4096, 8192),
            (std::vector<DeviceRange>{{21 * M - 4096, 4096}, {200 * M, 4096}}));
}

TEST(XfsPlaces, AnInodeLiesWhereItsNumberSays) {
  const platform::posix::XfsShape shape{4096, 512, 20480};
  // Allocation group 0, block 16, the fourth inode of the block.
  EXPECT_EQ(platform::posix::xfsInodePlace(131, shape), 16u * 4096 + 3 * 512);
  // Allocation group 1 (groups of 20480 blocks take 15 bits), block 5, third inode.
  const std::uint64_t inGroup1 = (std::uint64_t(1) << 18) | (5 << 3) | 2;
  EXPECT_EQ(platform::posix::xfsInodePlace(inGroup1, shape), (20480u + 5) * 4096 + 2 * 512);
  // A block past the group's end, or a shape that cannot be, places nothing.
  EXPECT_FALSE(platform::posix::xfsInodePlace(std::uint64_t(30000) << 3, shape));
  EXPECT_FALSE(platform::posix::xfsInodePlace(131, {4096, 0, 20480}));
}
