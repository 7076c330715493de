#include "platform/posix/MountInfo.h"

#include <algorithm>
#include <sstream>

#include "platform/PathText.h"

namespace platform {
namespace {

// Mountinfo escapes blanks, tabs, newlines and backslashes as \ooo octal.
std::string unescapeMountField(const std::string& field) {
  std::string result;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      const char a = field[i + 1], b = field[i + 2], c = field[i + 3];
      if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
        result += static_cast<char>((a - '0') * 64 + (b - '0') * 8 + (c - '0'));
        i += 3;
        continue;
      }
    }
    result += field[i];
  }
  return result;
}

}  // namespace

std::vector<Mount> parseMountInfo(const std::string& text) {
  std::vector<Mount> mounts;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::vector<std::string> parts;
    std::string part;
    while (fields >> part) parts.push_back(part);
    // id parent major:minor root mountpoint options [optional...] - fstype source superoptions
    auto dash = std::find(parts.begin(), parts.end(), "-");
    if (parts.size() < 7 || dash == parts.end() || dash - parts.begin() < 6 ||
        parts.end() - dash < 3) {
      continue;
    }
    Mount mount;
    const std::string& device = parts[2];
    auto colon = device.find(':');
    if (colon == std::string::npos) continue;
    try {
      mount.major = static_cast<unsigned>(std::stoul(device.substr(0, colon)));
      mount.minor = static_cast<unsigned>(std::stoul(device.substr(colon + 1)));
      mount.id = std::stoull(parts[0]);
    } catch (...) {
      continue;
    }
    mount.mountPoint = trimSeparators(unescapeMountField(parts[4]));
    if (mount.mountPoint.empty() || mount.mountPoint[0] != '/') continue;
    mount.fsType = *(dash + 1);
    mount.source = unescapeMountField(*(dash + 2));
    mounts.push_back(std::move(mount));
  }
  return mounts;
}

}  // namespace platform
