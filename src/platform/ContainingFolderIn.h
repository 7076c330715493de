#pragma once
// The folder that holds what a path names, opened through a file system given by the caller
// rather than the installed one (see openContainingFolder in platform/Folder.h).

#include <string>

#include "platform/FileSystem.h"
#include "platform/Folder.h"

namespace platform {

Result<ContainingFolder> openContainingFolder(FileSystem& files, const std::string& path);

}  // namespace platform
