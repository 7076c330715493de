#pragma once
// What the lists show for a path: its display name and its icon.

#include <QIcon>
#include <string>

// The name to show: a drive's display name for a folder that is a drive root, else the last
// name of the path.
std::string GetShellDisplayName(const std::string& path, bool folder);
// The desktop's icon for a file or a folder.
QIcon GetShellIcon(bool folder);
