#pragma once
// The user's trash (the desktop's recycle bin): the home trash in the data folder, and the
// per-user trash folders at the top of every fixed drive. Only folders that exist and that are
// safe to empty are returned: real folders (never links) owned by the user. On a file system
// that keeps no owners (vfat, exfat, ntfs3, ntfs-3g, or one mounted with uid=) the owner says
// nothing about who made the folder, so whatever empties a trash reaches its parts only from the
// trash folder itself, without following a link (openContainingFolderBeneath).

#include <string>
#include <vector>

namespace platform {

// The trash folders of the user, each with a trailing separator, in this order: the home trash
// ("<data folder>/Trash/"), then for every fixed drive in the order of the drive list
// "<top>/.Trash/<uid>/" (only when "<top>/.Trash" is a real folder with the sticky bit set) and
// "<top>/.Trash-<uid>/". A folder reached twice (the home trash on a drive's top) is listed once.
std::vector<std::string> trashFolders();

}  // namespace platform
