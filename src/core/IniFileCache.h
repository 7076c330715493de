#pragma once
// The INI files read lately, each kept with the identity its file had when it was read (device,
// inode, size, modification time). Every read asks the file system for the file's identity and
// reads the file again only when that has changed, so every read still sees the file as it is
// on disk, but an unchanged file is parsed once.
//
// A file modified moments before it was read is not kept: timestamps are coarse on some file
// systems, so a second change in the same moment could leave the identity as it was.

#include <memory>
#include <string>

class IniIndex;

class IniFileCache {
 public:
  // Files kept at most; the least recently read goes first.
  static constexpr std::size_t kMaxFiles = 2;

  // The file's values as they are on disk now; null when the file does not exist or cannot be
  // read.
  static std::shared_ptr<const IniIndex> current(const std::string& path);
  // Drops what is kept of the file (after the program itself changed it).
  static void forget(const std::string& path);
  // How often a file has been read and parsed, for tests of the reading rule.
  static int reads();
};
