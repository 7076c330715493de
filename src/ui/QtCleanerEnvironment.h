#pragma once
// What the trace-cleaning engine needs from the windows, done with Qt: emptying the clipboard
// and repeating timers whose ticks arrive through the event loop. Installed in the cleaner's
// environment while the object lives; the environment in use before is put back afterwards.

#include <memory>

#include "cleaner/CleanerEnvironment.h"

class QtCleanerEnvironment {
 public:
  QtCleanerEnvironment();
  ~QtCleanerEnvironment();
  QtCleanerEnvironment(const QtCleanerEnvironment&) = delete;
  QtCleanerEnvironment& operator=(const QtCleanerEnvironment&) = delete;

 private:
  std::unique_ptr<IClipboard> clipboard_;
  ScopedCleanerEnvironment installed_;
};
