#pragma once
// What a piece of a wipe run's work needs of the run: letting the windows handle their events
// between steps, whether a stop was asked for, the run's progress window, and the settings that
// shape a pass.

#include <cstdint>
#include <functional>

class IWipeProgress;

struct TRunTurns {
  std::function<void()> HandleEvents;  // lets the windows handle pending events
  std::function<bool()> Stopped;       // true once Cancel or Stop was pressed
  IWipeProgress* Window = nullptr;     // the run's progress window; never null during a run
  std::int64_t BufferSize = 0;         // the run's buffer size setting (0: the default)
  bool WipeSlackSpace = false;         // passes cover the file's last cluster to its end
};
