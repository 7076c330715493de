#include "support/JournalImage.h"

#include <cstdlib>

#include "support/TestFolder.h"

std::size_t CountInImage(const std::string& image, const std::string& text) {
  const std::string bytes = readFileBytes(image);
  std::size_t count = 0;
  for (std::size_t at = bytes.find(text); at != std::string::npos; at = bytes.find(text, at + 1)) {
    ++count;
  }
  return count;
}

bool CheckedClean(const std::string& image) {
  return std::system(("e2fsck -fn '" + image + "' >/dev/null 2>&1").c_str()) == 0;
}
