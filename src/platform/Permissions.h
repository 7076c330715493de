#pragma once
// Permission bits beyond the read-only attribute: scripts and menu entries that a file manager
// only runs when they are marked as programs.

#include <string>

#include "platform/Result.h"

namespace platform {

// Lets everyone who may read the ordinary file run it too. Never follows a symbolic link.
Status allowRunning(const std::string& path);

}  // namespace platform
