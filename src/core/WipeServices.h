#pragma once
// Services that a wipe run needs from the windows: the progress window, the question about
// executables and letting the windows handle pending events. The windows install their
// implementation with SetWipeServices; without one, a run shows nothing and answers No.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ScopedOverride.h"

class TWipeEngine;

// The progress window of one run, as the engine drives it. Ranges and positions are byte
// counts (or percentages for a free-space fill); the window scales them to its bars.
class IWipeProgress {
 public:
  virtual ~IWipeProgress() = default;
  virtual void SetFileRange(std::uint64_t maximum) = 0;
  virtual void SetFilePosition(std::uint64_t position) = 0;
  virtual void SetPassRange(std::uint64_t maximum) = 0;
  virtual void SetPassPosition(std::uint64_t position) = 0;
  // The file line: the path, shortened to fit.
  virtual void ShowFile(const std::string& text) = 0;
  // The pass line: "Pass <number> of <total>".
  virtual void ShowPass(int number, int total) = 0;
  // The pass line while a pass is read back and compared with what it wrote: "Verifying pass
  // <number> of <total>". The pass bar then follows the bytes compared. A window that has no
  // such line may leave it out.
  virtual void ShowVerifying(int number, int total) {
    (void)number;
    (void)total;
  }
  // Adds the bytes to the position of both bars.
  virtual void Advance(std::uint64_t bytes) = 0;
  // A step of the run that is not the wipe of a file, such as clearing a journal: its text in
  // the file line, the pass line empty.
  virtual void ShowStep(const std::string& text) { ShowFile(text); }
};

class IWipeServices {
 public:
  virtual ~IWipeServices() = default;
  // Shows the progress window of a run of the engine, in front of the other windows; its Cancel
  // sets the engine's Aborted flag. The window closes when the returned object is destroyed.
  virtual std::unique_ptr<IWipeProgress> OpenProgress(TWipeEngine& engine) = 0;
  // Asks whether the executable file may be wiped; true only for Yes.
  virtual bool ConfirmWipeExecutable(const std::string& path) = 0;
  // Lets the windows handle pending events (repaint, Cancel, Stop).
  virtual void ProcessMessages() = 0;
};

// A progress window that shows nothing, for work done outside a run.
IWipeProgress& NoWipeProgress();
// A progress window of its own that shows nothing, for services that show no progress.
std::unique_ptr<IWipeProgress> SilentWipeProgress();

// Services that show nothing, answer No and handle no events.
IWipeServices& SilentWipeServices();

// The services in use; never null.
IWipeServices& WipeServices();
// Installs services (null puts back the silent ones) and returns the ones they replace. The
// caller keeps ownership.
IWipeServices* SetWipeServices(IWipeServices* services);

// Installs services for the lifetime of the object, then puts back the ones before.
using ScopedWipeServices = platform::ScopedOverride<&SetWipeServices>;
