#include "ui/ShellFileInfo.h"

#include <QFileIconProvider>

#include "core/DriveFunctions.h"
#include "core/Helpers.h"
#include "platform/Drives.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

std::string GetShellDisplayName(const platform::DriveTable& drives, const std::string& path,
                                bool folder) {
  if (folder && drives.driveKind(path) != platform::DriveUnknown) {
    return GetDriveDisplayName(drives, AddTrailingBackslash(path));
  }
  const std::string trimmed = path.size() > 1 ? RemoveTrailingBackslash(path) : path;
  return trimmed.size() == 1 ? trimmed : platform::fileNameOf(trimmed);
}

QIcon GetShellIcon(bool folder) {
  static const QFileIconProvider provider;
  return provider.icon(folder ? QAbstractFileIconProvider::Folder
                              : QAbstractFileIconProvider::File);
}
