#include "platform/FolderSize.h"

#include <sys/stat.h>

namespace platform {

std::optional<std::uint64_t> folderSize(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(st.st_size);
}

}  // namespace platform
