#pragma once
// What the trace cleaners ask of the machine and of the windows: the shell's special folders, the
// family of the system, and the clipboard. Each answer can be replaced (tests point the folders
// into their own temporary folder; the windows install the clipboard).

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ScopedOverride.h"

// The shell's special folders that the cleaners use, with the system's identifiers.
enum TSpecialFolder : int {
  sfRecent = 8,          // recently used documents
  sfAppData = 26,        // application data
  sfInternetCache = 32,  // Temporary Internet Files
  sfCookies = 33,
  sfHistory = 34,
};

// The clipboard of the windows.
class IClipboard {
 public:
  virtual ~IClipboard() = default;
  // Empties the clipboard; failures are ignored.
  virtual void Empty() = 0;
  // True when the clipboard holds something.
  virtual bool HasContent() = 0;
};

// A repeating timer of the windows; its ticks arrive on the user-interface thread.
class ITimer {
 public:
  virtual ~ITimer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

using TTimerFactory =
    std::function<std::unique_ptr<ITimer>(int intervalMs, std::function<void()> onTick)>;

struct TCleanerEnvironment {
  // Folders that replace the system's answer (without trailing separator; empty: none).
  std::map<int, std::string> SpecialFolders;
  // Replaces the system's family when set.
  std::optional<bool> NTFamily;
  // Installed by the windows; without one, emptying the clipboard does nothing.
  IClipboard* Clipboard = nullptr;
  // Installed by the windows; without one, timers only remember whether they run.
  TTimerFactory TimerFactory;
  // The folder that lists the running processes (empty: the system's own).
  std::string ProcessFolder;
  // The temporary folder shared by the users of the machine, kept across restarts (empty: the
  // system's own).
  std::string SharedTempFolder;
  // The folders of the system's tmpfiles.d files, which name what the temporary folders keep
  // (empty: the system's own).
  std::vector<std::string> TmpfilesFolders;
};

// The replacements in use.
TCleanerEnvironment& CleanerEnvironment();
// Installs an environment and returns the one it replaces.
TCleanerEnvironment SetCleanerEnvironment(TCleanerEnvironment environment);
// Installs an environment for the lifetime of the object, then puts back the one before. A
// scope made from CleanerEnvironment() itself keeps what is in use and lets the caller change it
// until the scope ends.
using ScopedCleanerEnvironment = platform::ScopedOverride<&SetCleanerEnvironment>;

// The special folder without trailing separator; empty where the system has none. On Linux the
// application data folder is the user's configuration folder and the others do not exist.
std::string GetSpecialFolder(TSpecialFolder folder);
// A timer from the installed factory (stopped at first).
std::unique_ptr<ITimer> CreateTimer(int intervalMs, std::function<void()> onTick);
// The shared temporary folder with trailing separator.
std::string GetSharedTempFolder();
// True on the NT family of Windows and on every system that is not Windows 9x.
bool IsNTFamily();
