#include "ui/ShellFileInfo.h"

#include <QFileIconProvider>

#include "core/DriveFunctions.h"
#include "core/Helpers.h"
#include "platform/Drives.h"
#include "platform/Folders.h"

std::string GetShellDisplayName(const std::string& path, bool folder) {
  if (folder && platform::drives().driveKind(path) != platform::DriveUnknown) {
    return GetDriveDisplayName(AddTrailingBackslash(path));
  }
  const std::string trimmed = path.size() > 1 ? RemoveTrailingBackslash(path) : path;
  const std::size_t separator = trimmed.rfind(platform::kSeparator);
  if (separator == std::string::npos || trimmed.size() == 1) return trimmed;
  return trimmed.substr(separator + 1);
}

std::string FolderPartOf(const std::string& path) {
  const std::size_t separator = path.rfind(platform::kSeparator);
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

QIcon GetShellIcon(bool folder) {
  static const QFileIconProvider provider;
  return provider.icon(folder ? QAbstractFileIconProvider::Folder
                              : QAbstractFileIconProvider::File);
}
