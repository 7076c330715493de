#pragma once
// What the lists show for a path: its display name and its icon.

#include <QIcon>
#include <string>

namespace platform {
class DriveTable;
}

// The name to show: a drive's display name for a folder that is a drive root of the table, else
// the last name of the path.
std::string GetShellDisplayName(const platform::DriveTable& drives, const std::string& path,
                                bool folder);
// The desktop's icon for a file or a folder.
QIcon GetShellIcon(bool folder);
