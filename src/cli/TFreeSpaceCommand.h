#pragma once
// `ferrovane-cli free-space MOUNT...`: the free space of fixed drives, named by their mount
// points, wiped by the engine of the Wipe-free-space page ("WipeFreeSpace"). As on the page,
// only fixed drives are wiped, and only the file system mounted at the point when the command
// starts: one mounted there in its place during the run is not written to.

#include <string>
#include <vector>

#include "cli/DeviceCheckRun.h"
#include "platform/FileSystem.h"

class TCliOutput;
class TWipeEngine;

struct TFreeSpaceRequest {
  std::string method;  // a method named with -m; empty for the one chosen for the engine
  bool dryRun = false;
  std::vector<std::string> mountPoints;
  // --verify-device, --report, --report-names.
  TReportRequest report;
};

// A mount point given on the command line, as taken.
struct TFreeSpaceTarget {
  std::string root;  // the drive's root (mount point with trailing separator), or the path given
  platform::FileSystemId volume;  // the file system mounted there now
  std::string problem;            // why it is not wiped; empty when it is taken
};

// Looks at every mount point given: a fixed drive's mount point is taken once (a second mount
// point of the same file system is left out quietly); anything else is refused with its reason.
std::vector<TFreeSpaceTarget> ClassifyMountPoints(const std::vector<std::string>& mountPoints);

// Gives the engine a free-space job for every mount point that ClassifyMountPoints takes, and
// names each one it refuses ("<root><refusal><why>"). True when one was refused.
bool AddFreeSpaceJobs(TCliOutput& output, TWipeEngine& engine,
                      const std::vector<std::string>& mountPoints, const std::string& refusal);
class TWipeMethodsManager;

class TFreeSpaceCommand {
 public:
  // The catalogue is the command line's own; the command reads and changes it.
  TFreeSpaceCommand(TCliOutput& output, TWipeMethodsManager& catalogue, TFreeSpaceRequest request);
  // Wipes (or, with --dry-run, lists) the free space; returns the exit status.
  int Run();

 private:
  TCliOutput& output_;
  TWipeMethodsManager& catalogue_;
  TFreeSpaceRequest request_;
};
