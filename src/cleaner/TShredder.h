#pragma once
// The Shredder section: the three wipe engines through which the main window wipes files,
// folders and the free space of drives, and their job lists preloaded from "prefs.dat".

#include <pugixml.hpp>

#include <memory>

#include "core/TWipeEngine.h"

class TShredder {
 public:
  // Creates the engines "WipeFiles", "WipeFolders" and "WipeFreeSpace". They hold no method: the
  // catalogue gives each its method by its name when it is run.
  TShredder();
  TShredder(const TShredder&) = delete;
  TShredder& operator=(const TShredder&) = delete;
  virtual ~TShredder();

  std::unique_ptr<TWipeEngine> WipeFiles;      // jobs of kind wkFile
  std::unique_ptr<TWipeEngine> WipeFolders;    // jobs of kind wkFolder
  bool CleanFreeSpaceEnabled = false;          // stored option
  std::unique_ptr<TWipeEngine> WipeFreeSpace;  // jobs of kind wkFreeSpace

  // Reads the child Shredder of the Configuration element: each engine's list is replaced by
  // the listed jobs (emptied when its list element is missing), then CleanFreeSpaceEnabled is
  // read. Nothing changes without a Shredder element. Raises EConvertError at a job without its
  // attribute or a missing or unconvertible CleanFreeSpaceEnabled; the jobs read so far stay.
  virtual void Load(const pugi::xml_node& element);
  // Appends the Shredder element with the three job lists to element.
  virtual void Save(pugi::xml_node& element) const;
};
