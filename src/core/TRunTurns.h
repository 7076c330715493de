#pragma once
// What a piece of a wipe run's work needs of the run: letting the windows handle their events
// between steps, whether a stop was asked for, and the run's progress window.

#include <functional>

class IWipeProgress;

struct TRunTurns {
  std::function<void()> HandleEvents;  // lets the windows handle pending events
  std::function<bool()> Stopped;       // true once Cancel or Stop was pressed
  IWipeProgress* Window = nullptr;     // the run's progress window; never null during a run
};
