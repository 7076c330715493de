#pragma once
// The table of mounts as the kernel gives it in /proc/self/mountinfo: one line per mount, with
// the device numbers, the mount point, the file-system type and the source.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct Mount {
  std::string mountPoint;  // unescaped, without trailing separator (except "/")
  std::string fsType;
  std::string source;
  unsigned major = 0;
  unsigned minor = 0;
  std::uint64_t id = 0;  // the mount's own number (as statx reports it for what lies on it)
};

// Parses a mountinfo table. Malformed lines and mount points that are not absolute are skipped.
std::vector<Mount> parseMountInfo(const std::string& text);

}  // namespace platform
