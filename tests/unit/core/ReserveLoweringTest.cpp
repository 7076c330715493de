// ext4's reserve lowered for a fill: recorded before it is changed, put back afterwards, and put
// back at the next start after a run that was killed; nothing but a reserve file is written.

#include <gtest/gtest.h>

#include <filesystem>
#include <new>

#include "core/FreeSpaceLock.h"
#include "core/ReserveLowering.h"
#include "core/SettingsFolder.h"
#include "platform/Ext4Reserve.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

TEST(ReserveLoweringTest, TheOldValueIsRecordedFirstAndPutBackAfterwardsOrAtTheNextStart) {
  TestFolder t;
  const std::string ext4 = t.makeFolder("ext4") + "/";
  const std::string reserve = t.write("ext4/loop7/reserved_clusters", "4096\n");
  t.write("ext4/loop8/reserved_clusters", "0\n");
  const std::string record = t.path() + "reserve-lowered";
  platform::ScopedExt4ReserveFolder folder(ext4);
  {
    TReserveLowering lowering("loop7", ext4, record);
    ASSERT_TRUE(lowering.Lowered());
    EXPECT_EQ(readFileBytes(reserve), "0\n");
    EXPECT_EQ(readFileBytes(record), reserve + " 4096\n");
    EXPECT_TRUE(lowering.Restore());
    EXPECT_EQ(readFileBytes(reserve), "4096\n");
    EXPECT_FALSE(pathExists(record));
  }
  // Nothing to lower: no device, a reserve of 0 already, no folder in use.
  for (const auto& [device, folderInUse] :
       {std::pair<std::string, std::string>{"", ext4}, {"loop8", ext4}, {"loop7", ""}}) {
    TReserveLowering lowering(device, folderInUse, record);
    EXPECT_FALSE(lowering.Lowered());
    EXPECT_FALSE(pathExists(record));
  }

  // A run killed while the reserve was lowered: the destructor never runs. The object lives in
  // storage of its own that stays reachable, as a killed run's memory is simply gone.
  alignas(TReserveLowering) static unsigned char storage[sizeof(TReserveLowering)];
  auto* killed = new (storage) TReserveLowering("loop7", ext4, record);
  ASSERT_TRUE(killed->Lowered());
  const std::string outside = t.write("elsewhere/reserved_clusters", "7\n");
  t.write("reserve-lowered",
          readFileBytes(record) + outside + " 99\n" + ext4 + "../ext4x/reserved_clusters 5\n");
  EXPECT_TRUE(RestoreLoweredReserves(record));
  EXPECT_EQ(readFileBytes(reserve), "4096\n");
  EXPECT_EQ(readFileBytes(outside), "7\n");  // never written: not a reserve of the folder in use
  EXPECT_FALSE(pathExists(record));
}

TEST(ReserveLoweringTest, OnlyTheReserveFileOfADeviceInTheFolderInUseIsEverWritten) {
  TestFolder t;
  const std::string ext4 = t.makeFolder("ext4") + "/";
  const std::string reserve = t.write("ext4/loop7/reserved_clusters", "4096\n");
  const std::string other = t.write("ext4/loop7/other", "1\n");
  const std::string outside = t.write("outside/reserved_clusters", "2\n");
  t.write("ext4/loop7/sub/reserved_clusters", "3\n");
  std::filesystem::create_directory_symlink(t.path() + "outside", ext4 + "loop9");
  platform::ScopedExt4ReserveFolder folder(ext4);
  for (const std::string& refused :
       {other, outside, ext4 + "loop7/sub/reserved_clusters", ext4 + "../outside/reserved_clusters",
        ext4 + "/reserved_clusters", ext4 + "loop9/reserved_clusters"}) {
    EXPECT_FALSE(platform::writeExt4Reserve(refused, "0\n")) << refused;
  }
  EXPECT_EQ(readFileBytes(other), "1\n");
  EXPECT_EQ(readFileBytes(outside), "2\n");
  EXPECT_TRUE(platform::writeExt4Reserve(reserve, "0\n"));
  EXPECT_EQ(readFileBytes(reserve), "0\n");
}

// A reserve file that cannot be read, or holds no plain number, is left as it is and says why.
TEST(ReserveLoweringTest, AValueThatCannotBeReadIsNotLoweredAndSaysWhy) {
  TestFolder t;
  const std::string ext4 = t.makeFolder("ext4") + "/";
  const std::string record = t.path() + "reserve-lowered";
  platform::ScopedExt4ReserveFolder folder(ext4);
  const struct {
    const char* device;
    const char* contents;  // null: no reserve file at all
    std::errc error;
  } cases[] = {
      {"loop1", "many\n", std::errc::invalid_argument},
      {"loop2", "4096 clusters\n", std::errc::invalid_argument},
      {"loop3", "-4096\n", std::errc::invalid_argument},
      {"loop4", "\n", std::errc::invalid_argument},
      {"loop5", nullptr, std::errc::no_such_file_or_directory},
  };
  for (const auto& c : cases) {
    const std::string file = std::string("ext4/") + c.device + "/reserved_clusters";
    if (c.contents) t.write(file, c.contents);
    TReserveLowering lowering(c.device, ext4, record);
    EXPECT_FALSE(lowering.Lowered()) << c.device;
    EXPECT_EQ(lowering.Error(), std::make_error_code(c.error)) << c.device;
    EXPECT_FALSE(pathExists(record)) << c.device;
    if (c.contents) {
      EXPECT_EQ(readFileBytes(t.path() + file), c.contents) << c.device;
    }
  }
}

// Nothing is lowered unless its old value is on record first, and a record goes only once the
// value it names is back: a reserve file that cannot be written keeps its record, at the end of
// the run and at every later start, until the value is put back.
TEST(ReserveLoweringTest,
     ARecordThatCannotBeWrittenLowersNothingAndOneWhoseValueCannotGoBackStays) {
  TestFolder t;
  const std::string ext4 = t.makeFolder("ext4") + "/";
  const std::string reserve = t.write("ext4/loop7/reserved_clusters", "4096\n");
  const std::string record = t.path() + "reserve-lowered-7";
  platform::ScopedExt4ReserveFolder folder(ext4);
  {
    FaultyFileSystem files;
    files.failAtomicWrite.insert(record);
    platform::ScopedFileSystem use(files);
    TReserveLowering lowering("loop7", ext4, record);
    EXPECT_FALSE(lowering.Lowered());
    EXPECT_EQ(lowering.Error(), files.injectedError);
    EXPECT_EQ(readFileBytes(reserve), "4096\n");
  }

  // The reserve file turns into one that is never written (a second name for it) while lowered.
  const std::string second = t.path() + "second-name";
  {
    TReserveLowering lowering("loop7", ext4, record);
    ASSERT_TRUE(lowering.Lowered());
    std::filesystem::create_hard_link(reserve, second);
    EXPECT_FALSE(lowering.Restore());
    EXPECT_EQ(readFileBytes(record), reserve + " 4096\n");
  }
  EXPECT_EQ(readFileBytes(record), reserve + " 4096\n");  // nor at the end of the object
  EXPECT_FALSE(RestoreLoweredReserves(record));
  EXPECT_EQ(readFileBytes(record), reserve + " 4096\n");
  EXPECT_EQ(readFileBytes(reserve), "0\n");

  // A run of the file system that starts meanwhile puts the recorded value back first, and
  // records that value again, not the 0 it finds; while it cannot, it lowers nothing.
  {
    TReserveLowering lowering("loop7", ext4, record);
    EXPECT_FALSE(lowering.Lowered());
    EXPECT_EQ(readFileBytes(record), reserve + " 4096\n");
  }
  std::filesystem::remove(second);
  {
    TReserveLowering lowering("loop7", ext4, record);
    ASSERT_TRUE(lowering.Lowered());
    EXPECT_EQ(readFileBytes(record), reserve + " 4096\n");
  }
  EXPECT_EQ(readFileBytes(reserve), "4096\n");
  EXPECT_FALSE(pathExists(record));
}

// A record read back names a reserve file in the folder in use, or nothing is written: a NUL
// byte in its path would end the path the system is given early (at "..", the folder above).
TEST(ReserveLoweringTest, APathWithANulByteIsNeverTakenForTheReserveFileItStartsLike) {
  TestFolder t;
  const std::string ext4 = t.makeFolder("sys/ext4") + "/";
  const std::string above = t.write("sys/reserved_clusters", "7\n");
  const std::string reserve = t.write("sys/ext4/loop7/reserved_clusters", "0\n");
  platform::ScopedExt4ReserveFolder folder(ext4);
  const std::string planted = ext4 + std::string("..\0x", 4) + "/reserved_clusters";
  EXPECT_FALSE(platform::writeExt4Reserve(planted, "99\n"));
  EXPECT_EQ(readFileBytes(above), "7\n");

  const std::string record = t.write("reserve-lowered-7", planted + " 99\n" + reserve + " 12\n");
  EXPECT_TRUE(RestoreLoweredReserves(record));  // what names no reserve file is not acted on
  EXPECT_EQ(readFileBytes(above), "7\n");
  EXPECT_EQ(readFileBytes(reserve), "12\n");
  EXPECT_FALSE(pathExists(record));
}

// Each file system has its own record, which belongs to the run that holds the file system's
// free-space lock: a start puts back the records of runs that are gone, and leaves those of runs
// that go on.
TEST(ReserveLoweringTest, AStartPutsBackOnlyTheReservesOfRunsThatAreGone) {
  TestFolder t;
  const std::string ext4 = t.makeFolder("ext4") + "/";
  const std::string live = t.write("ext4/loop1/reserved_clusters", "0\n");
  const std::string gone = t.write("ext4/loop2/reserved_clusters", "0\n");
  const std::string earlier = t.write("ext4/loop3/reserved_clusters", "0\n");
  platform::ScopedExt4ReserveFolder folder(ext4);
  ScopedSettingsFolder settings(t.path());
  const std::string liveRecord = t.write("reserve-lowered-1", live + " 100\n");
  const std::string goneRecord = t.write("reserve-lowered-2", gone + " 200\n");
  // The one record an earlier version kept for all file systems.
  const std::string earlierRecord = t.write("reserve-lowered", earlier + " 300\n");
  const auto running = TakeFreeSpaceLock(1);
  ASSERT_TRUE(running) << running.error().message();

  EXPECT_TRUE(RestoreLoweredReserves());
  EXPECT_EQ(readFileBytes(live), "0\n");
  EXPECT_EQ(readFileBytes(liveRecord), live + " 100\n");
  EXPECT_EQ(readFileBytes(gone), "200\n");
  EXPECT_FALSE(pathExists(goneRecord));
  EXPECT_EQ(readFileBytes(earlier), "300\n");
  EXPECT_FALSE(pathExists(earlierRecord));
  EXPECT_EQ(ReserveRecordFile(1), liveRecord);
}
