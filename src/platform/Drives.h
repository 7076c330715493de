#pragma once
// The drives of the machine: the mount points of real file systems. A drive root is a mount
// point with a trailing separator. The tables they are read from are a parameter so that tests
// feed their own.

#include <string>
#include <vector>

#include "platform/ScopedOverride.h"

namespace platform {

// Drive kinds with the values the program compares against.
enum DriveKind : int {
  DriveUnknown = 0,
  DriveRemovable = 2,
  DriveFixed = 3,
  DriveRemote = 4,
  DriveOptical = 5,
  DriveRam = 6,
};

// One mounted file system, as the platform's table of mounts describes it.
struct Mount;

class DriveTable {
 public:
  // The system's own tables.
  DriveTable();
  // mountTable: the file holding the table of mounts, in the system's format; deviceFolder: the
  // folder that holds each block device's flags ("<major>:<minor>/removable", the disk's own
  // one folder up for a partition).
  DriveTable(std::string mountTable, std::string deviceFolder);

  // Roots of every drive whose kind is not unknown, sorted by path. A file system mounted at
  // several points is listed once, at its shortest mount point; a mount point that is not a
  // folder (a file bind-mounted over a file) is no drive.
  std::vector<std::string> driveRoots() const;
  // True when the root (trailing separator allowed) is the mount point of a mounted file system.
  bool isMountPoint(const std::string& root) const;
  // Kind of the drive whose mount point is exactly the given root (trailing separator allowed).
  int driveKind(const std::string& root) const;
  // File-system type of that drive, empty when the root is not a mount point.
  std::string fileSystem(const std::string& root) const;
  // What that drive was mounted from, as the table of mounts names it ("/dev/sda1",
  // "server:/export", "tmpfs"); empty when the root is not a mount point.
  std::string source(const std::string& root) const;
  // The drive root (mount point with trailing separator) of the file system holding the path.
  std::string rootOf(const std::string& path) const;

  // Mount point of every mounted file system, whatever its kind (without trailing separator,
  // except "/"). Folder walks use it to stay on the file system they started on.
  std::vector<std::string> mountPoints() const;

 private:
  // Kind of a mount by its file-system type and device.
  int kindOf(const Mount& mount) const;
  std::vector<Mount> mounts() const;
  const Mount* findMount(const std::vector<Mount>& mounts, const std::string& root) const;
  bool isRemovable(const Mount& mount) const;

  std::string mountTable_;
  std::string deviceFolder_;
};

// The table used by the program; tests may point it at their own files.
DriveTable& drives();
// Installs a table and returns the one it replaces.
DriveTable setDriveTable(DriveTable table);

// Installs a table for the lifetime of the object, then puts back the one before.
using ScopedDriveTable = ScopedOverride<&setDriveTable>;

}  // namespace platform
