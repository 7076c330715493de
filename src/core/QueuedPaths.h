#pragma once
// Paths handed to the window from outside (its command line, a second start, a drop) sorted
// the way Add Files and Add Folder would take them: folders for the folders list, everything
// else that can be wiped for the files list. A symbolic link goes to the files list, where it
// is removed as a link and its target is left alone. Nothing is wiped here; the lists only
// queue the jobs for the user's Start.

#include <string>
#include <vector>

struct TQueuedPaths {
  struct Refusal {
    std::string path;
    std::string reason;  // the system's reason, or why such an entry is not taken
  };
  std::vector<std::string> files;
  std::vector<std::string> folders;
  std::vector<Refusal> refused;
};

// Looks at each path (without following a final link) in the given order. A relative path is
// taken from `base`, the folder it was given in (trailing separator optional); with no base, a
// relative path is refused. A path that does not exist, or names a device, pipe or socket, is
// refused with the reason.
TQueuedPaths SortQueuedPaths(const std::vector<std::string>& paths, const std::string& base);
