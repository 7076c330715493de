#pragma once
// Shortening a path to fit a line of the progress window: folder names are cut from the front
// and replaced by "...", the file name is always kept.

#include <functional>
#include <string>

#include "platform/Folders.h"

// Returns the first of these forms for which `fits` holds, else the bare file name:
//   C:\Program Files\Data\Sub\file.txt, C:\...\Data\Sub\file.txt, C:\...\Sub\file.txt,
//   C:\...\file.txt, ...\file.txt, file.txt
// A drive (a letter and a colon before the folders) exists only where the separator is a
// backslash; with "/" an absolute path keeps its leading "/" in the same way as the backslash
// after a drive: /usr/share/doc/file.txt, /.../share/doc/file.txt, ... , .../file.txt, file.txt.
std::string ShortenPath(const std::string& path,
                        const std::function<bool(const std::string&)>& fits,
                        char separator = platform::kSeparator);
