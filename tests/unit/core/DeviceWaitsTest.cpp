// Waiting for the device: before a pass's flush the run waits, in steps with the windows
// handling events between them, until what it wrote last is on the device; while it writes it
// keeps what waits for the device bounded. A device that takes its bytes piece by piece shows
// what was waited for and how often the windows had their turn.

#include <gtest/gtest.h>

#include "core/TDeviceWaits.h"
#include "support/FakeDeviceFile.h"

namespace {

constexpr std::uint64_t kMiB = 1u << 20;

}  // namespace

TEST(DeviceWaitsTest, SettlingWaitsUntilTheLastWritesAreOnTheDeviceHandlingEventsMeanwhile) {
  struct Case {
    const char* what;
    std::uint64_t unwritten;  // in the cache when the pass ends
    std::uint64_t recent;     // written by the pass
    std::uint64_t left;       // still in the cache once settled
    int leastEvents;          // turns the windows had at the least
  };
  const Case cases[] = {
      {"a pass of 10 MiB", 10 * kMiB, 10 * kMiB, 0, 5},
      {"a pass larger than what may wait", 32 * kMiB, 300 * kMiB, 0, 16},
      {"a short pass leaves it to the flush", 1 * kMiB, 1 * kMiB, 1 * kMiB, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int events = 0;
    TDeviceWaits waits(TRunTurns{[&events] { ++events; }, [] { return false; }});
    FakeDeviceFile device;
    device.unwritten = c.unwritten;
    waits.Settle(device, c.recent);
    EXPECT_EQ(device.unwritten, c.left);
    EXPECT_GE(events, c.leastEvents);
    // Never more than a piece of the device's between two turns of the windows.
    EXPECT_LE(device.waits, events);
  }
}

TEST(DeviceWaitsTest, PacingStartsWritebackNowAndThenAndKeepsWhatWaitsBounded) {
  int events = 0;
  bool stopped = false;
  TDeviceWaits waits(TRunTurns{[&events] { ++events; }, [&stopped] { return stopped; }});
  FakeDeviceFile device;
  std::uint64_t sinceWriteback = 0;
  // 100 MiB in pieces of 256 KiB, the device taking nothing unless waited for.
  for (int i = 0; i < 400; ++i) {
    ASSERT_TRUE(device.write(nullptr, 256 * 1024));
    waits.Pace(device, 256 * 1024, sinceWriteback);
    ASSERT_LE(device.unwritten, 32 * kMiB);
  }
  EXPECT_EQ(device.writebacks, 50);  // every 2 MiB
  EXPECT_GT(device.waits, 0);
  EXPECT_GE(events, device.waits);
  // A stop ends the waiting; the flush that follows waits for the rest.
  stopped = true;
  ASSERT_TRUE(device.write(nullptr, 8 * kMiB));
  const int waitsBefore = device.waits;
  waits.Pace(device, 8 * kMiB, sinceWriteback);
  EXPECT_EQ(device.waits, waitsBefore);
}
