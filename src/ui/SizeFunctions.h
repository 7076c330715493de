#pragma once
// Sizes of files and folders and their display texts, as the main window's lists show them. The
// file system asked is the caller's (the window's).

#include <QLocale>
#include <QString>
#include <cstdint>
#include <string>

namespace platform {
class FileSystem;
}

// "<n> Bytes" below 1 KiB, then whole KB and MB, then GB with two decimals, with the thousands
// and decimal separators of the locale (the user's by default).
QString FormatSize(std::int64_t size, const QLocale& locale = QLocale());

// Size of the file (a folder counts 0; a link is not followed); -1 when nothing is there.
std::int64_t GetFileSize(platform::FileSystem& files, const std::string& path);

// Sum of the sizes of the folder's files; with recursive, of its subfolders' too, except
// subfolders whose names begin with a dot. Links are not followed. 0 for a missing folder.
std::int64_t GetFolderSize(platform::FileSystem& files, const std::string& path, bool recursive);
