#pragma once
// Waiting for the device while the windows stay responsive: what a run writes reaches the
// device in steps, the write-back of what was written is started as the writing goes on, and
// a flush is waited for in turns no longer than a frame, the windows handling events between
// them. Every wait ends when the device is done, never on a timer.

#include <cstdint>
#include <utility>

#include "core/TRunTurns.h"
#include "platform/Result.h"

namespace platform {
class File;
}

class TDeviceWaits {
 public:
  explicit TDeviceWaits(TRunTurns turns) : turns_(std::move(turns)) {}

  // After writing `written` bytes: starts write-back now and then (`sinceWriteback` counts what
  // was written since it last started), and keeps what has not reached the device bounded.
  void Pace(platform::File& file, std::uint64_t written, std::uint64_t& sinceWriteback);
  // Waits, in steps with the windows handling events between them, until what was written
  // last (`recent` bytes before the position) has reached the device, so that the flush that
  // follows is short.
  void Settle(platform::File& file, std::uint64_t recent);
  // Forces what was written to the device, the windows handling events while it goes on.
  platform::Status Flush(platform::File& file);
  // Waits for the flush that file.startFlush() started, in the same turns.
  platform::Status FinishFlush(platform::File& file);

 private:
  // Lets the windows handle events, then waits until the device has taken the next piece of
  // what is on its way to it.
  void WaitForDevice(platform::File& file);

  TRunTurns turns_;
};
