#pragma once
// What one run of a wipe engine works with, fixed when the run is made: the wipe settings as
// they were then, the engine's method as it was then, the services of the windows (or of the
// terminal) that show its progress, the platform services it writes through, and its own stop
// token. The window, the command line and the cleaner each make their runs; an engine reads
// nothing else while it runs, so a setting changed or a method edited meanwhile takes effect
// with the next run.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/TPass.h"
#include "core/WipeSettings.h"

class IWipeServices;
class IWipeWitness;
class TWipeEngine;
class TWipeMethodsManager;
namespace platform {
class FileSystem;
class DriveTable;
class Journals;
}  // namespace platform

// The request to stop one run. Every Stop, Cancel and window close sets it; it is never
// cleared, and a new run has a token of its own.
class StopToken {
 public:
  void Request() { requested_ = true; }
  bool Requested() const { return requested_; }

 private:
  bool requested_ = false;
};

// The wipe settings a run goes by.
struct WipeRunSettings {
  std::int64_t BufferSize = WipeSettings::kDefaultBufferSize;
  bool WipeSlackSpace = false;
  bool ScrambleFile = false;
  // The signature pass, when WriteSignature: Signature repeated over the file.
  bool WriteSignature = false;
  std::string Signature;
  bool DiscardFreeBlocks = false;
  // Whose journals the run clears of names: every file system it deleted on (chosen on), none
  // (chosen off: the run says where names stay), or every one that keeps a journal of names,
  // ext4 and XFS (the settings leave the choice at its default). Journals that hold file
  // contents (data=journal) are cleared in every case.
  enum class JournalNames { All, None, WhereKept };
  JournalNames Journal = JournalNames::None;
  // Whether the user is asked before a file that looks executable is wiped (the windows'
  // option); the command line never asks.
  bool WarnOnExecutable = false;

  // The snapshot of the settings as they are now.
  static WipeRunSettings Of(const WipeSettings& settings);
};

// The method a run wipes with: a copy of the engine's method when the run was made.
struct WipeRunMethod {
  std::string Name;
  bool ReadWhole = true;    // false: its file could not be read whole, and it is not used
  std::string ReadProblem;  // why, then
  std::vector<TPass> Passes;
};

class WipeRun {
 public:
  // A run with the settings and the method given (none: the engine has no method, and every
  // file is left with that reason), showing its progress through the services. The platform
  // services are the ones installed now.
  explicit WipeRun(IWipeServices& services, WipeRunSettings settings = {},
                   std::optional<WipeRunMethod> method = std::nullopt);
  // The platform services the run writes through, given rather than the installed ones.
  struct Platform {
    platform::FileSystem& Files;
    platform::DriveTable& Drives;
    platform::Journals& Journals;
  };
  WipeRun(IWipeServices& services, Platform platform, WipeRunSettings settings = {},
          std::optional<WipeRunMethod> method = std::nullopt);
  WipeRun(const WipeRun&) = delete;
  WipeRun& operator=(const WipeRun&) = delete;

  // The run of the engine with the catalogue's settings as they are now and a copy of the method
  // the catalogue gives the engine now.
  static WipeRun For(const TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                     IWipeServices& services);

  const WipeRunSettings Settings;
  const std::optional<WipeRunMethod> Method;
  // The progress window, the executable question and the handling of pending events.
  IWipeServices& Services;
  platform::FileSystem& Files;
  platform::DriveTable& Drives;
  platform::Journals& Journals;
  StopToken Stop;
  // Told of each file as its passes begin and once it is deleted (the device check, the run's
  // report); none tells nobody. Not owned.
  IWipeWitness* Witness = nullptr;
};

// A copy of the method for a run; none for no method.
std::optional<WipeRunMethod> RunMethodOf(const class TWipeMethod* method);
