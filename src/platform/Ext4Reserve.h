#pragma once
// Where the kernel shows the clusters each ext4 file system keeps back from every writer: one
// folder per device, holding "reserved_clusters". Tests put a folder of their own in its place
// (or none: empty text, and nothing is ever lowered).

#include <string>

#include "platform/ScopedOverride.h"

namespace platform {

// The folder in use, with a trailing separator; empty when reserves are not to be touched.
std::string ext4ReserveFolder();
// Installs a folder and returns the one it replaces.
std::string setExt4ReserveFolder(std::string folder);

using ScopedExt4ReserveFolder = ScopedOverride<&setExt4ReserveFolder>;

}  // namespace platform
