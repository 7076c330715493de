#pragma once
// What a page of the main window gets from the window around it: the wipe engines, which the
// window owns, the state of the Options page's executable warning, the method editor, and the
// runs of the engines, which the window guards (no second run of a busy engine, none once the
// window is closing), and the services of the system that the pages look at (the registry, the
// file system, the trash and the settings folder), so that no page reaches for them itself.

#include <string>
#include <vector>

class TfEditMethod;
struct TRunRecord;
class TWipeEngine;
class TWipeMethodsManager;
class IPromptService;
namespace platform {
class DriveTable;
class FileSystem;
class Registry;
}  // namespace platform

class TPageHost {
 public:
  virtual ~TPageHost() = default;

  // The engines of the cleaner's Shredder section.
  virtual TWipeEngine& WipeFiles() const = 0;
  virtual TWipeEngine& WipeFolders() const = 0;
  virtual TWipeEngine& FreeSpaceEngine() const = 0;

  // Whether "Warn on deleting an executable file" is checked.
  virtual bool WarnOnExecutable() const = 0;
  // The method catalogue and the wipe settings of the window, which owns them from start to end.
  virtual TWipeMethodsManager& Catalogue() const = 0;
  // The messages and questions of the window (scripted by tests).
  virtual IPromptService& PromptService() const = 0;
  // The drive table the window lists its drives from.
  virtual platform::DriveTable& Drives() const = 0;
  // The registry the window reads and writes.
  virtual platform::Registry& RegistryStore() const = 0;
  // The file system the window looks at.
  virtual platform::FileSystem& Files() const = 0;
  // The user's trash folders as they are now, each with a trailing separator.
  virtual std::vector<std::string> TrashFolders() const = 0;
  // Where the settings and the wipe methods are kept, each with a trailing separator.
  virtual std::string SettingsFolder() const = 0;
  virtual std::string MethodsFolder() const = 0;
  // The settings file (Ferrovane.ini) of the settings folder.
  virtual std::string SettingsFile() const = 0;
  // The running program, and its folder (with a trailing separator), where the command line is
  // installed beside it.
  virtual std::string ProgramPath() const = 0;
  virtual std::string ProgramFolder() const = 0;
  // The method editor, one for the whole program.
  virtual TfEditMethod& MethodEditor() const = 0;

  // Whether a run of the engine may start, and its jobs may change, now: not while it is running
  // or held for a run of several steps, nor once the window waits to close.
  virtual bool MayRun(const TWipeEngine& engine) const = 0;
  // Runs a page's engine unless it is running or the window waits to close (false, without
  // running, then). The engine is held while it runs; with warnOnExecutable, the run asks before
  // it wipes a file that looks executable.
  virtual bool RunEngine(TWipeEngine& engine, bool warnOnExecutable) = 0;
  // Holds the engine (true) for a page's run of several steps, from its first step to its last,
  // or lets it go (false); holds nest. The pages' controls follow.
  virtual void HoldEngine(const TWipeEngine& engine, bool hold) = 0;
  // Whether any run of the window is going on now (an engine's, a page's run of several steps,
  // a clean of traces).
  virtual bool RunGoing() const = 0;
  // After a run: true when a close was asked for during it. The window then closes once no run
  // is left, and the page tells the user nothing of the run.
  virtual bool CloseAfterRun() = 0;
  // What the window's last run did, for "Save report..."; null before the first run, and when
  // the last was a run handed to the administrator.
  virtual const TRunRecord* LastRunReport() const { return nullptr; }
  // The report (JSON, as that run wrote it) of a run handed to the administrator, kept as the
  // window's last in place of its own; and that report while it is the last (empty otherwise).
  virtual void KeepHandedOverReport(std::string json) { (void)json; }
  virtual std::string LastHandedOverReport() const { return {}; }
};
