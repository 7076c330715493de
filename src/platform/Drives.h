#pragma once
// The drives of the machine: on Linux, the mount points of real file systems. A drive root is a
// mount point with a trailing separator. The table they are read from is a parameter so that
// tests feed their own.

#include <string>
#include <vector>

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

struct Mount {
  std::string mountPoint;  // unescaped, without trailing separator (except "/")
  std::string fsType;
  std::string source;
  unsigned major = 0;
  unsigned minor = 0;
};

// Parses a mountinfo table (the format of /proc/self/mountinfo). Malformed lines are skipped.
std::vector<Mount> parseMountInfo(const std::string& text);

class DriveTable {
 public:
  // mountInfoPath: the table to read; sysBlockPath: the folder holding the block devices'
  // "removable" flags (for /sys/block/<disk>/removable).
  explicit DriveTable(std::string mountInfoPath = "/proc/self/mountinfo",
                      std::string sysBlockPath = "/sys/dev/block");

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
  // The drive root (mount point with trailing separator) of the file system holding the path.
  std::string rootOf(const std::string& path) const;

  // Mount point of every mounted file system, whatever its kind (without trailing separator,
  // except "/"). Folder walks use it to stay on the file system they started on.
  std::vector<std::string> mountPoints() const;

  // Kind of a mount by its file-system type and device.
  int kindOf(const Mount& mount) const;

 private:
  std::vector<Mount> mounts() const;
  const Mount* findMount(const std::vector<Mount>& mounts, const std::string& root) const;
  bool isRemovable(const Mount& mount) const;

  std::string mountInfoPath_;
  std::string sysBlockPath_;
};

// The table used by the program; tests may point it at their own files.
DriveTable& drives();
void setDriveTable(const DriveTable& table);

}  // namespace platform
