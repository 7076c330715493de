#include "core/TDeviceWaits.h"

#include <algorithm>
#include <chrono>

#include "platform/FileSystem.h"

namespace {

// Write-back is started every this many bytes, so that the flush at the end of a pass has
// little left to do and the windows never wait long for it.
constexpr std::uint64_t kWritebackInterval = 2u << 20;
// At most this much of what was written waits in the system's cache for the device. Without a
// bound, a write now and then waits long for the system to make room, and the flush at the end
// waits for all that is left.
constexpr std::uint64_t kMostUnwritten = 32u << 20;
// The last of it is waited for in steps of this many bytes, handling events between them.
constexpr std::uint64_t kSettleStep = 2u << 20;
// The longest the engine waits on a flush before the windows handle events again (a frame).
constexpr std::chrono::milliseconds kEventTurn{16};
// What the device has to finish before the windows handle events again, while the engine waits
// for write-back: about a frame's worth of writing on a slow disk.
constexpr std::uint64_t kWaitPiece = 1u << 20;

}  // namespace

void TDeviceWaits::Pace(platform::File& file, std::uint64_t written,
                        std::uint64_t& sinceWriteback) {
  sinceWriteback += written;
  if (sinceWriteback >= kWritebackInterval) {
    file.startWriteback();
    sinceWriteback = 0;
  }
  // The device is behind: the windows handle events while it catches up.
  while (file.unwrittenBeyond(kMostUnwritten) && !turns_.Stopped()) WaitForDevice(file);
}

void TDeviceWaits::Settle(platform::File& file, std::uint64_t recent) {
  // Less than a step: the flush that follows waits for it as briefly.
  if (recent <= kSettleStep) return;
  for (std::uint64_t behind = std::min(recent, kMostUnwritten); behind > 0;) {
    behind = behind > kSettleStep ? behind - kSettleStep : 0;
    while (file.unwrittenBeyond(behind)) WaitForDevice(file);
    turns_.HandleEvents();
  }
}

platform::Status TDeviceWaits::Flush(platform::File& file) {
  if (const platform::Status started = file.startFlush(); !started) return started;
  return FinishFlush(file);
}

platform::Status TDeviceWaits::FinishFlush(platform::File& file) {
  for (;;) {
    if (const auto ended = file.waitFlush(kEventTurn)) return *ended;
    turns_.HandleEvents();
  }
}

void TDeviceWaits::WaitForDevice(platform::File& file) {
  turns_.HandleEvents();
  file.waitWritten(kWaitPiece);
}
