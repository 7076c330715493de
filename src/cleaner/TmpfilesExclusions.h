#pragma once
// What the system's own cleaner of temporary folders (systemd-tmpfiles) never removes, so the
// temporary-files item leaves it too: the X server's lock files and socket folders, the private
// folders of services, and every path that an "x" or "X" line of a tmpfiles.d file names.

#include <string>
#include <vector>

class TmpfilesExclusions {
 public:
  // The folders where the system keeps its tmpfiles.d files, most important first.
  static std::vector<std::string> SystemFolders();

  // Reads the ".conf" files of the folders (missing folders and unreadable files are passed
  // over) and adds the fixed exclusions of each temporary folder in `temporaryFolders`.
  TmpfilesExclusions(const std::vector<std::string>& configFolders,
                     const std::vector<std::string>& temporaryFolders);

  // True when the path (absolute, without trailing separator) is excluded. An "X" line keeps
  // only the path itself on the system; here it keeps what lies below as well.
  bool Excludes(const std::string& path) const;

  // The exclusion patterns of the text of one tmpfiles.d file, in order.
  static std::vector<std::string> PatternsIn(const std::string& text);

 private:
  // Absolute paths whose components may hold "*", "?" and "[...]".
  std::vector<std::string> patterns_;
};
