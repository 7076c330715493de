// The freedesktop.org trash folders of the user on Linux.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

#include "platform/Drives.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "platform/Trash.h"

namespace platform {
namespace {

// A real folder (not a link) owned by the user: what is below it may be emptied.
bool isOwnFolder(const std::string& path, struct stat& st) {
  return ::lstat(trimSeparators(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
         st.st_uid == ::getuid();
}

}  // namespace

std::vector<std::string> trashFolders() {
  std::vector<std::string> folders;
  std::vector<std::pair<dev_t, ino_t>> seen;
  auto add = [&](const std::string& folder) {
    struct stat st {};
    if (!isOwnFolder(folder, st)) return;
    const auto identity = std::make_pair(st.st_dev, st.st_ino);
    if (std::find(seen.begin(), seen.end(), identity) != seen.end()) return;
    seen.push_back(identity);
    folders.push_back(trimSeparators(folder) + "/");
  };

  if (const std::string data = dataFolder(); !data.empty()) add(data + "Trash");
  const std::string uid = std::to_string(::getuid());
  for (const std::string& root : drives().driveRoots()) {
    if (drives().driveKind(root) != DriveFixed) continue;
    // The shared trash of a drive is used only when it is a real folder with the sticky bit, so
    // that no other user can have replaced the user's own folder inside it.
    const std::string shared = root + ".Trash";
    struct stat st {};
    if (::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
      add(shared + "/" + uid);
    }
    add(root + ".Trash-" + uid);
  }
  return folders;
}

}  // namespace platform
