#pragma once
// Names that compare without regard to case: setting names, file names, key names. Only the
// letters A-Z fold; every other byte compares as it is, so no text is ever re-encoded.

#include <algorithm>
#include <string>
#include <string_view>

namespace platform {

inline char foldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string foldCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = foldAscii(c);
  return result;
}

inline bool equalsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return foldAscii(x) == foldAscii(y);
         });
}

}  // namespace platform
