#pragma once
// Where the kernel shows the clusters each ext4 file system keeps back from every writer: one
// folder per device, holding "reserved_clusters". Tests put a folder of their own in its place
// (or none: empty text, and nothing is ever lowered).

#include <string>

#include "platform/Result.h"
#include "platform/ScopedOverride.h"

namespace platform {

// The folder in use, with a trailing separator; empty when reserves are not to be touched.
std::string ext4ReserveFolder();
// Installs a folder and returns the one it replaces.
std::string setExt4ReserveFolder(std::string folder);

// Writes the text into "<folder><device>/reserved_clusters" of the folder in use, in place: the
// one kernel attribute the program ever writes, since nothing else on a system file system is
// written. Refused for any other path (another file, a device name with a separator or a NUL
// byte, a link); a plain file standing in for the attribute in a test is cut after the text.
Status writeExt4Reserve(const std::string& file, const std::string& text);

using ScopedExt4ReserveFolder = ScopedOverride<&setExt4ReserveFolder>;

}  // namespace platform
