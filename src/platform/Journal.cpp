#include "platform/Journal.h"

#include <algorithm>
#include <utility>

namespace platform {
namespace {
Journals* installed = nullptr;
}

bool isScratchFolderName(std::string_view name) {
  if (name.size() != kScratchFolderPrefix.size() + kScratchSuffixLength ||
      name.substr(0, kScratchFolderPrefix.size()) != kScratchFolderPrefix) {
    return false;
  }
  return std::all_of(name.begin() + kScratchFolderPrefix.size(), name.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

bool isScratchFileName(std::string_view name) {
  return !name.empty() && name.size() <= 20 &&
         std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Journals& journals() {
  return installed ? *installed : realJournals();
}

Journals* setJournals(Journals* journals) {
  return std::exchange(installed, journals);
}

}  // namespace platform
