#pragma once
// `ferrovane-cli wipe [-m METHOD] [-r] PATH...`: files, and with -r folders with everything in
// them, wiped by the engines of the Delete-with-wiping page ("WipeFiles", "WipeFolders") with
// the method chosen for each, or the one named.

#include <optional>
#include <string>
#include <vector>

#include "cli/DeviceCheckRun.h"
#include "core/RunOutcome.h"

class TCliOutput;
class TWipeMethod;

struct TWipeRequest {
  std::string method;  // a method named with -m; empty for the one chosen for each engine
  bool recursive = false;
  bool dryRun = false;
  // --journal / --no-journal: clear (or not) the old copies of the deleted names from the ext4
  // journals for this run; 0 keeps what Ferrovane.ini says.
  int journal = 0;
  // --free-space-after: once the files are done, wipe the free space of every drive whose file
  // system wrote the passes elsewhere, so that the old blocks of those files are overwritten.
  bool freeSpaceAfter = false;
  std::vector<std::string> paths;
  // --verify-device, --report, --report-names.
  TReportRequest report;
};

// How a path given to `wipe` is taken.
enum class TTargetKind {
  File,     // a file, a link (removed as a link) or another entry: the files engine
  Folder,   // a folder, with -r: the folders engine
  Refused,  // not taken; `problem` says why
};

struct TWipeTarget {
  std::string path;  // absolute, as the engine gets it (or as given, when refused)
  TTargetKind kind = TTargetKind::Refused;
  std::string problem;
};

// Looks at every path once, without following a final link.
std::vector<TWipeTarget> ClassifyTargets(const std::vector<std::string>& paths, bool recursive);

class IWipeServices;
class TWipeMethodsManager;

class TWipeCommand {
 public:
  // The catalogue is the command line's own; the command reads and changes it.
  TWipeCommand(TCliOutput& output, TWipeMethodsManager& catalogue, TWipeRequest request);
  // Wipes (or, with --dry-run, lists) the paths; returns the exit status.
  int Run();

 private:
  // Lists what wiping the target would remove; true when something of it would be left.
  bool listTarget(const TWipeTarget& target);
  // Wipes the free space of the drives that still hold old blocks of files the run deleted
  // (with `method` when one was named); those files then count as finished. The free-space
  // run's outcome, or null when there was nothing to finish. Sets `left` for a drive whose free
  // space cannot be wiped.
  std::optional<TRunOutcome> finishFreeSpace(std::vector<TRunOutcome>& outcomes,
                                             TWipeMethod* method, bool& left,
                                             IWipeServices& services, IWipeWitness* witness);

  TCliOutput& output_;
  TWipeMethodsManager& catalogue_;
  TWipeRequest request_;
};
