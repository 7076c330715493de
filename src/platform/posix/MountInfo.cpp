#include "platform/posix/MountInfo.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string_view>
#include <system_error>

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

// A whole field of decimal digits as a number; null for anything else (a sign, other characters,
// a value out of range), so that a line the kernel did not write as expected is passed over.
template <typename T>
std::optional<T> decimalField(std::string_view field) {
  T value{};
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value);
  if (field.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
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
    const std::string_view numbers(device);
    const auto major = decimalField<unsigned>(numbers.substr(0, colon));
    const auto minor = decimalField<unsigned>(numbers.substr(colon + 1));
    const auto id = decimalField<std::uint64_t>(parts[0]);
    if (!major || !minor || !id) continue;
    mount.major = *major;
    mount.minor = *minor;
    mount.id = *id;
    mount.mountPoint = trimSeparators(unescapeMountField(parts[4]));
    if (mount.mountPoint.empty() || mount.mountPoint[0] != '/') continue;
    mount.fsType = *(dash + 1);
    mount.source = unescapeMountField(*(dash + 2));
    mounts.push_back(std::move(mount));
  }
  return mounts;
}

}  // namespace platform
