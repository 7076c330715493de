#include "platform/Wildcard.h"

#include <cstddef>
#include <vector>

namespace platform {
namespace {

char fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Glob match with backtracking over the last star: linear in practice, never exponential.
bool globMatch(std::string_view name, std::string_view mask) {
  std::size_t n = 0, m = 0;
  std::size_t starMask = std::string_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == '?' || fold(mask[m]) == fold(name[n]))) {
      ++m;
      ++n;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

}  // namespace

bool matchesMask(std::string_view name, std::string_view mask) {
  if (mask.empty()) return false;
  if (globMatch(name, mask)) return true;
  // "name.*" also matches "name": a missing extension counts as an empty one.
  if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" &&
      name.find('.') == std::string_view::npos) {
    return globMatch(name, mask.substr(0, mask.size() - 2));
  }
  return false;
}

}  // namespace platform
