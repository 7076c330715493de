#include "ui/SizeFunctions.h"

#include "core/Helpers.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>

QString FormatSize(std::int64_t size, const QLocale& locale) {
  constexpr std::int64_t kKilo = 1024;
  constexpr std::int64_t kMega = kKilo * 1024;
  constexpr std::int64_t kGiga = kMega * 1024;
  constexpr std::int64_t kTera = kGiga * 1024;
  // Binary multiples, with the binary units' names.
  const double value = static_cast<double>(size);
  if (size < kKilo) return QCoreApplication::translate("SizeFunctions", "%1 Bytes").arg(size);
  if (size < kMega)
    return locale.toString(value / kKilo, 'f', 0) +
           QCoreApplication::translate("SizeFunctions", " KiB");
  if (size < kGiga)
    return locale.toString(value / kMega, 'f', 0) +
           QCoreApplication::translate("SizeFunctions", " MiB");
  if (size < kTera)
    return locale.toString(value / kGiga, 'f', 2) +
           QCoreApplication::translate("SizeFunctions", " GiB");
  return locale.toString(value / kTera, 'f', 2) +
         QCoreApplication::translate("SizeFunctions", " TiB");
}

std::int64_t GetFileSize(platform::FileSystem& files, const std::string& path) {
  if (path.empty()) return -1;
  const auto info = files.info(path);
  if (!info) return -1;
  if (info->kind == platform::EntryKind::Folder) return 0;
  return static_cast<std::int64_t>(info->size);
}

std::int64_t GetFolderSize(platform::FileSystem& files, const std::string& path, bool recursive) {
  if (path.empty()) return 0;
  const std::string folder = AddTrailingBackslash(path);
  const auto entries = files.listFolder(folder);
  if (!entries) return 0;
  std::int64_t total = 0;
  for (const platform::DirEntry& entry : *entries) {
    if (!entry.isFolder()) {
      total += static_cast<std::int64_t>(entry.size);
    } else if (recursive && entry.name[0] != '.') {
      total += GetFolderSize(files, folder + entry.name, true);
    }
  }
  return total;
}
