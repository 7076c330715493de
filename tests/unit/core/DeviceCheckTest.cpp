// The device check on a device of the test's own, kept in memory: what the record fingerprints
// before the passes, what the check then finds at the recorded places (old blocks, names in a
// folder's blocks or in the journal), what it cannot verify and why, and the bounds it keeps.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "core/DeviceCheck.h"
#include "core/DeviceRecord.h"
#include "core/MergedReads.h"
#include "core/NameSearch.h"
#include "platform/Folder.h"
#include "support/FakeBlockDevices.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

using platform::DeviceRange;
using Verdict = TDeviceRecord::Verdict;

namespace {

constexpr std::uint64_t B = FakeDevice::kBlockSize;
constexpr std::size_t kMostRead = FakeDevice::kMostRead;

class DeviceCheckTest : public ::testing::Test {
 protected:
  DeviceCheckTest() {
    auto opened = platform::fs().openFolder(folder.path());
    EXPECT_TRUE(opened);
    work = opened.release();
  }

  // Records a file of `blocks` blocks lying from device block `first` on (holding distinct
  // content, when `fill`) as its passes begin; then, when `deleted`, tells of its deletion.
  platform::EntryId Record(TDeviceRecord& record, const std::string& name, std::uint64_t first,
                           std::uint64_t blocks, bool deleted = true, bool fill = true) {
    for (std::uint64_t b = 0; fill && b < blocks; ++b) {
      device.put((first + b) * B, FakeDevice::Block(static_cast<char>(name[0] + b)));
    }
    platform::FileLayout layout;
    layout.fileSystem = "ext4";
    layout.mapped = true;
    layout.extents = {{0, first * B, blocks * B, 0}};
    const platform::EntryId id{1, ++inode};
    record.PassesBegin(*work, nullptr, folder.path() + name, id, blocks * B, layout, 1);
    if (deleted) record.Deleted(id);
    return id;
  }
  // Records a file whose blocks lie at the device blocks given, one after the other in the file,
  // in `in` (the test's folder when null).
  void RecordAt(TDeviceRecord& record, const std::string& name,
                const std::vector<std::uint64_t>& blocks, platform::Folder* in = nullptr) {
    platform::FileLayout layout;
    layout.fileSystem = "ext4";
    layout.mapped = true;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
      device.put(blocks[b] * B, FakeDevice::Block(static_cast<char>(name[0] + 3 * b)));
      layout.extents.push_back({b * B, blocks[b] * B, B, 0});
    }
    const platform::EntryId id{1, ++inode};
    record.PassesBegin(in ? *in : *work, nullptr,
                       in ? in->path() + "/" + name : folder.path() + name, id, blocks.size() * B,
                       layout, 1);
    record.Deleted(id);
  }
  // The passes wrote over the blocks.
  void Overwrite(std::uint64_t first, std::uint64_t blocks) {
    device.put(first * B, std::string(blocks * B, 'W'));
  }
  TDeviceRecord::File& FileNamed(TDeviceRecord& record, const std::string& name) {
    for (auto& file : record.Files()) {
      if (file.Path == folder.path() + name) return file;
    }
    static TDeviceRecord::File none;
    ADD_FAILURE() << "not recorded: " << name;
    return none;
  }

  TestFolder folder;
  FakeDevice device;
  FakeBlockDevices devices{device};
  platform::ScopedBlockDevices scoped{devices};
  std::unique_ptr<platform::Folder> work;
  std::uint64_t inode = 100;
};

}  // namespace

TEST_F(DeviceCheckTest, AFileIsVerifiedOnlyWhenNoOldBlockAndNoNameOfItRemains) {
  device.folderPlaces = {{1000 * B, B}};
  device.log = {{2000 * B, 64 * B}};
  TDeviceRecord record;
  Record(record, "overwritten-report.txt", 10, 3);
  Record(record, "skipped-pass.doc", 20, 3);
  Record(record, "name-in-folder.odt", 30, 1);
  Record(record, "name-in-journal.pdf", 40, 1);
  Record(record, "still-there.txt", 50, 1, /*deleted=*/false);
  Overwrite(10, 3);
  Overwrite(21, 1);  // one of the three blocks written, two left as they were
  Overwrite(30, 1);
  Overwrite(40, 1);
  device.put(1000 * B + 64, FakeDevice::Entry("name-in-folder.odt"));
  device.put(2010 * B + 7, FakeDevice::Entry("name-in-journal.pdf"));

  const TDeviceCheckSummary summary = TDeviceCheck(record).Run();
  EXPECT_EQ(summary.Verified, 1u);
  EXPECT_EQ(summary.Found, 3u);
  EXPECT_EQ(summary.NotVerified, 0u);
  EXPECT_GE(device.settled, 1);
  // What no read-back sees: the fake disk reports itself as flash.
  ASSERT_EQ(summary.Notes.size(), 1u);
  EXPECT_NE(summary.Notes[0].find("flash"), std::string::npos);

  EXPECT_EQ(FileNamed(record, "overwritten-report.txt").Checked, Verdict::Verified);
  EXPECT_EQ(FileNamed(record, "overwritten-report.txt").Detail, "verified on the device");
  const auto& skipped = FileNamed(record, "skipped-pass.doc");
  EXPECT_EQ(skipped.Checked, Verdict::Found);
  EXPECT_EQ(skipped.Detail,
            "2 of 3 blocks compared still hold the old content, at device offsets " +
                std::to_string(20 * B) + ", " + std::to_string(22 * B));
  EXPECT_EQ(FileNamed(record, "name-in-folder.odt").Detail,
            "its name is still on the device: in a folder block at device offset " +
                std::to_string(1000 * B + 64 + 8));
  EXPECT_EQ(FileNamed(record, "name-in-journal.pdf").Detail,
            "its name is still on the device: in the journal at device offset " +
                std::to_string(2010 * B + 7 + 8));
  EXPECT_EQ(FileNamed(record, "still-there.txt").Checked, Verdict::Unchecked);
}

TEST_F(DeviceCheckTest, ANameIsFoundAcrossTheJointOfTwoReadsButNotInsideALongerName) {
  device.log = {{4000 * B, 512 * B}};  // 2 MiB: read in two steps
  TDeviceRecord record;
  Record(record, "across-the-joint.txt", 10, 1);
  Record(record, "data.txt", 11, 1);
  Overwrite(10, 2);
  // The first step ends 1 MiB in: the entry starts just before it.
  device.put(4000 * B + (1 << 20) - 12, FakeDevice::Entry("across-the-joint.txt"));
  // A file still there whose name holds the other's.
  device.put(4100 * B, FakeDevice::Entry("old-data.txt.bak"));

  TDeviceCheck(record).Run();
  EXPECT_EQ(FileNamed(record, "across-the-joint.txt").Checked, Verdict::Found);
  EXPECT_EQ(FileNamed(record, "data.txt").Checked, Verdict::Verified);
}

TEST_F(DeviceCheckTest, WhatCannotBeReadBackIsNotVerifiedWithTheReason) {
  {
    device.refused = platform::DeviceError::NeedsAdministrator;
    TDeviceRecord record;
    Record(record, "as-an-ordinary-user.txt", 10, 1);
    Overwrite(10, 1);
    const TDeviceCheckSummary summary = TDeviceCheck(record).Run();
    EXPECT_EQ(summary.NotVerified, 1u);
    EXPECT_EQ(FileNamed(record, "as-an-ordinary-user.txt").Detail,
              "not verified (needs administrator rights)");
    device.refused = {};
  }
  {
    // A compressed extent: its bytes on the device are not the file's.
    TDeviceRecord record;
    platform::FileLayout layout;
    layout.mapped = true;
    layout.extents = {{0, 10 * B, B, platform::ExtentEncoded}};
    const platform::EntryId id{1, 7};
    record.PassesBegin(*work, nullptr, folder.path() + "compressed.log", id, B, layout, 1);
    record.Deleted(id);
    TDeviceCheck(record).Run();
    EXPECT_EQ(FileNamed(record, "compressed.log").Detail,
              "not verified (its content is stored compressed)");
  }
  {
    // The journal's place is not known: names cannot all be searched.
    TDeviceRecord record;
    Record(record, "journal-unknown.txt", 10, 1);
    Overwrite(10, 1);
    device.logError = std::make_error_code(std::errc::no_such_device);
    TDeviceCheck(record).Run();
    EXPECT_EQ(FileNamed(record, "journal-unknown.txt").Detail,
              "not verified (the file system's journal could not be found on the device (" +
                  device.logError.message() + "))");
  }
}

TEST_F(DeviceCheckTest, ALargeFileIsSampledEvenlyAndOneByteBlocksAreNotCompared) {
  TDeviceRecord::Limits limits;
  limits.BlocksPerFile = 8;
  limits.Stretches = 4;
  TDeviceRecord record(limits);
  Record(record, "large.iso", 100, 64);
  // Two blocks of one repeated byte: nothing to tell apart.
  device.put(164 * B, std::string(2 * B, 'z'));
  Record(record, "zeros.img", 164, 2, true, /*fill=*/false);
  const auto& large = FileNamed(record, "large.iso");
  EXPECT_EQ(large.Blocks, 64u);
  EXPECT_EQ(large.Samples, 8u);
  // The first and last blocks of the file are among them.
  const auto& samples = record.Samples();
  EXPECT_EQ(samples[large.FirstSample].Offset, 100 * B);
  EXPECT_EQ(samples[large.FirstSample + large.Samples - 1].Offset, 163 * B);
  EXPECT_EQ(FileNamed(record, "zeros.img").Uniform, 2u);

  Overwrite(100, 63);  // the last block is left
  TDeviceCheck(record).Run();
  EXPECT_EQ(large.Checked, Verdict::Found);
  EXPECT_NE(large.Detail.find("1 of 8 blocks compared"), std::string::npos) << large.Detail;
  EXPECT_NE(FileNamed(record, "zeros.img").Detail.find("2 blocks held one byte value repeated"),
            std::string::npos);
}

TEST_F(DeviceCheckTest, TheRecordStaysWithinItsMemoryBounds) {
  TDeviceRecord::Limits limits;
  limits.FingerprintBytes = 4096;
  limits.RecordBytes = 16384;
  TDeviceRecord record(limits);
  for (int i = 0; i < 200; ++i) Record(record, "file-" + std::to_string(i) + ".txt", 10 + i, 1);
  EXPECT_LT(record.Files().size(), 200u);
  EXPECT_EQ(record.Files().size() + record.Uncounted(), 200u);
  EXPECT_EQ(record.BytesWritten(), 200 * B);
  const auto& last = record.Files().back();
  EXPECT_EQ(last.Samples, 0u);
  EXPECT_EQ(last.NotRecorded, "the check had no memory left to record it");
  EXPECT_LE(record.Samples().size() * sizeof(TDeviceRecord::Sample), 4096u + 64);
}

TEST(NameSearch, NamesAreFoundWholeInEachFormFileSystemsStoreThem) {
  TNameSearch search;
  EXPECT_FALSE(search.Add("abc", 9));  // too short to tell apart
  ASSERT_TRUE(search.Add("Wombat.txt", 1));
  ASSERT_TRUE(search.Add("Käse-Übersicht.ods", 2));
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::uint32_t> tags;
  };
  const std::string wide = Utf16LeOf("Wombat.txt");
  const std::vector<Case> cases{
      {"ext4 entry", std::string("\0\0\x0a\x01", 4) + "Wombat.txt", {1}},
      {"XFS entry", std::string("\0\0\0\x0a", 4) + "Wombat.txt\x01", {1}},
      {"btrfs item", std::string("\x0a\0\x01", 3) + "Wombat.txt", {1}},
      {"NTFS record", std::string("\0\x0a\x01", 3) + wide, {1}},
      {"UTF-8 name", std::string("\0\0\x14\x01", 4) + "Käse-Übersicht.ods", {2}},
      {"inside a longer name", std::string("\0\x0e\x01", 3) + "My-Wombat.txt", {}},
      {"loose bytes", std::string("1234") + "Wombat.txt", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::uint32_t> found;
    search.Search(c.bytes, 0, [&](std::uint32_t tag, std::size_t) { found.push_back(tag); });
    EXPECT_EQ(found, c.tags) << c.what;
  }
  EXPECT_EQ(Utf16LeOf("\xff\xfe"), "");
}

TEST(MergedRead, PlacesAreJoinedWhileCloseAndWithinTheBound) {
  struct Case {
    const char* what;
    std::vector<DeviceRange> places;
    std::vector<DeviceRange> reads;  // with a gap of 16 and a bound of 100
  };
  const std::vector<Case> cases{
      {"one after another", {{0, 10}, {10, 10}, {20, 10}}, {{0, 30}}},
      {"a gap of the most joined", {{0, 10}, {26, 10}}, {{0, 36}}},
      {"a gap one byte more apart", {{0, 10}, {27, 10}}, {{0, 10}, {27, 10}}},
      {"a read of the bound exactly", {{0, 50}, {50, 50}, {100, 1}}, {{0, 100}, {100, 1}}},
      {"the same place twice, and one inside another", {{5, 20}, {5, 20}, {8, 4}}, {{5, 20}}},
      {"a place longer than the bound, alone",
       {{0, 10}, {12, 150}, {170, 5}},
       {{0, 10}, {12, 150}, {170, 5}}},
      {"nothing", {}, {}},
  };
  for (const Case& c : cases) {
    std::vector<DeviceRange> reads;
    std::size_t covered = 0;
    const auto placeAt = [&c](std::size_t k) { return c.places[k]; };
    for (std::size_t k = 0; k < c.places.size();) {
      DeviceRange read;
      const std::size_t next = MergedRead(k, c.places.size(), placeAt, 16, 100, read);
      ASSERT_GT(next, k) << c.what;
      // Every place lies whole within its read.
      for (; k < next; ++k) {
        EXPECT_GE(c.places[k].offset, read.offset) << c.what;
        EXPECT_LE(c.places[k].offset + c.places[k].length, read.offset + read.length) << c.what;
        ++covered;
      }
      reads.push_back(read);
    }
    EXPECT_EQ(reads, c.reads) << c.what;
    EXPECT_EQ(covered, c.places.size()) << c.what;
  }
}

TEST_F(DeviceCheckTest, BlocksReadTogetherAreComparedForTheFileTheyBelongTo) {
  device.folderPlaces = {{1000 * B, B}};
  device.log = {{2000 * B, 4 * B}};
  TDeviceRecord record;
  // Two files whose blocks take turns on the device.
  RecordAt(record, "alternate-a.txt", {10, 12});
  RecordAt(record, "alternate-b.txt", {11, 13});
  // A file of 256 blocks fills one read of 1 MiB; the next file starts the next read, which
  // joins a block 64 KiB past it but not one 64 KiB and one block past that.
  Record(record, "fills-a-read.bin", 100, 256);
  RecordAt(record, "next-read.txt", {356});
  RecordAt(record, "a-gap-joined.txt", {357 + 16});
  RecordAt(record, "a-gap-too-far.txt", {374 + 17});
  // 300 small files one after another.
  for (int i = 0; i < 300; ++i)
    RecordAt(record, "ledger-" + std::to_string(i) + ".txt", {500u + i});
  const std::string block13 = device.bytes.substr(13 * B, B);
  std::string edges;
  for (std::uint64_t b : {100, 355, 356, 373, 391, 500, 799})
    edges += device.bytes.substr(b * B, B);
  Overwrite(10, 4);
  Overwrite(100, 800);
  device.put(13 * B, block13);
  int k = 0;
  for (std::uint64_t b : {100, 355, 356, 373, 391, 500, 799})
    device.put(b * B, edges.substr(B * k++, B));
  device.reads = 0;

  TDeviceCheck(record).Run();
  EXPECT_EQ(FileNamed(record, "alternate-a.txt").Checked, Verdict::Verified);
  EXPECT_EQ(FileNamed(record, "alternate-b.txt").Detail,
            "1 of 2 blocks compared still hold the old content, at device offsets " +
                std::to_string(13 * B));
  EXPECT_EQ(FileNamed(record, "fills-a-read.bin").Detail,
            "2 of 256 blocks compared still hold the old content, at device offsets " +
                std::to_string(100 * B) + ", " + std::to_string(355 * B));
  for (const auto& [name, block] :
       std::vector<std::pair<std::string, std::uint64_t>>{{"next-read.txt", 356},
                                                          {"a-gap-joined.txt", 373},
                                                          {"a-gap-too-far.txt", 391},
                                                          {"ledger-0.txt", 500},
                                                          {"ledger-299.txt", 799}}) {
    EXPECT_EQ(FileNamed(record, name).Detail,
              "1 of 1 blocks compared still hold the old content, at device offsets " +
                  std::to_string(block * B))
        << name;
  }
  EXPECT_EQ(FileNamed(record, "ledger-1.txt").Checked, Verdict::Verified);
  EXPECT_EQ(FileNamed(record, "ledger-298.txt").Checked, Verdict::Verified);
  // Blocks 10 to 13; 100 to 355; 356 to 373; 391; 500 to 755 and 756 to 799; the folder's
  // block and the journal, which lie apart.
  EXPECT_EQ(device.reads, 8);
}

TEST_F(DeviceCheckTest, NamesAreSearchedPerFolderInReadsThatJoinFoldersAndTheJournal) {
  ASSERT_TRUE(platform::fs().createFolder(folder.path() + "other"));
  auto opened = platform::fs().openFolder(folder.path() + "other");
  ASSERT_TRUE(opened);
  std::unique_ptr<platform::Folder> other = opened.release();
  // The two folders' blocks and the journal's first two blocks lie one after another, read at
  // once; the journal's second part takes two reads.
  device.placesOf[work->path()] = {{1000 * B, B}};
  device.placesOf[other->path()] = {{1001 * B, B}};
  device.log = {{1002 * B, 2 * B}, {1004 * B, 300 * B}};
  TDeviceRecord record;
  RecordAt(record, "quarterly-figures.ods", {10});
  RecordAt(record, "minutes-march.txt", {11}, other.get());
  RecordAt(record, "across-reads.txt", {12});
  RecordAt(record, "agenda-april.txt", {13});
  Overwrite(10, 4);
  // A file of the same name still in the other folder is not the one wiped here.
  device.put(1001 * B + 40, FakeDevice::Entry("quarterly-figures.ods"));
  device.put(1001 * B + 200, FakeDevice::Entry("minutes-march.txt"));
  device.put(1002 * B + 100, FakeDevice::Entry("agenda-april.txt"));
  // An entry of the journal across the joint of its second part's two reads.
  const std::uint64_t joint = 1004 * B + kMostRead;
  device.put(joint - 10, FakeDevice::Entry("across-reads.txt"));
  device.reads = 0;

  TDeviceCheck(record).Run();
  EXPECT_EQ(FileNamed(record, "quarterly-figures.ods").Checked, Verdict::Verified);
  EXPECT_EQ(FileNamed(record, "other/minutes-march.txt").Detail,
            "its name is still on the device: in a folder block at device offset " +
                std::to_string(1001 * B + 200 + 8));
  EXPECT_EQ(FileNamed(record, "across-reads.txt").Detail,
            "its name is still on the device: in the journal at device offset " +
                std::to_string(joint - 10 + 8));
  EXPECT_EQ(FileNamed(record, "agenda-april.txt").Detail,
            "its name is still on the device: in the journal at device offset " +
                std::to_string(1002 * B + 100 + 8));
  // The content in one read; the folders and the journal in three.
  EXPECT_EQ(device.reads, 4);
}

TEST_F(DeviceCheckTest, AStoppedCheckVerifiesNoFileWhoseNameItDidNotSearch) {
  TDeviceRecord record;
  device.put(60 * B, std::string(B, 'z'));
  Record(record, "one-byte-repeated.img", 60, 1, true, /*fill=*/false);
  Record(record, "compared.txt", 10, 1);
  Overwrite(10, 1);
  const TDeviceCheckSummary summary =
      TDeviceCheck(record).Run([](std::uint64_t, std::uint64_t) { return true; });
  EXPECT_TRUE(summary.Stopped);
  EXPECT_EQ(summary.Verified, 0u);
  EXPECT_EQ(FileNamed(record, "one-byte-repeated.img").Detail,
            "not verified (the check was stopped)");
  EXPECT_EQ(FileNamed(record, "compared.txt").Detail, "not verified (the check was stopped)");
}

TEST_F(DeviceCheckTest, TheOldContentOfAFoldersSmallFilesIsFetchedAheadWithinItsBounds) {
  FaultyFileSystem disk;
  const platform::ScopedFileSystem installed{disk};
  folder.write("a.txt", std::string(B, 'a'));
  folder.write("too-large.bin", std::string(4 * B, 'l'));
  folder.write("empty.txt", "");
  folder.write("b.txt", std::string(B, 'b'));
  folder.makeFolder("sub");
  folder.write("c.txt", std::string(2 * B, 'c'));
  folder.write("d.txt", std::string(2 * B, 'd'));
  auto opened = platform::fs().openFolder(folder.path());
  ASSERT_TRUE(opened);
  std::unique_ptr<platform::Folder> walked = opened.release();
  auto listed = walked->list();
  ASSERT_TRUE(listed);
  // The listing's order decides which files the budget takes: the same order here.
  std::vector<platform::DirEntry> entries = *listed;
  const auto rank = [](const std::string& name) {
    const std::vector<std::string> order{"a.txt", "too-large.bin", "empty.txt", "b.txt",
                                         "sub",   "c.txt",         "d.txt"};
    return std::find(order.begin(), order.end(), name) - order.begin();
  };
  std::sort(entries.begin(), entries.end(),
            [&](const auto& x, const auto& y) { return rank(x.name) < rank(y.name); });
  TDeviceRecord::Limits limits;
  limits.AheadFileBytes = 2 * B;
  limits.AheadBytes = 5 * B;
  const auto advised = [&] {
    std::vector<std::pair<std::string, std::uint64_t>> asked;
    for (const auto& [path, length] : disk.advisedReads) {
      asked.emplace_back(path.substr(path.rfind('/') + 1), length);
    }
    disk.advisedReads.clear();
    return asked;
  };
  {
    TDeviceRecord record(limits);
    record.FilesAhead(*walked, entries);
    EXPECT_EQ(advised(), (std::vector<std::pair<std::string, std::uint64_t>>{
                             {"a.txt", B}, {"b.txt", B}, {"c.txt", 2 * B}}));
  }
  {
    // Nothing for a record without fingerprints, or a device the check cannot read.
    limits.Fingerprints = false;
    TDeviceRecord(limits).FilesAhead(*walked, entries);
    limits.Fingerprints = true;
    device.refused = platform::DeviceError::NeedsAdministrator;
    TDeviceRecord(limits).FilesAhead(*walked, entries);
    EXPECT_TRUE(advised().empty());
  }
}
