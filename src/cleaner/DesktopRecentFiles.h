#pragma once
// The desktop's own lists of recently used files, in the user's data folder: the bookmark file
// "recently-used.xbel" that most desktops and toolkits share, and the folder "RecentDocuments"
// with one entry per recent document. Clearing empties the bookmark file to a valid document
// without bookmarks (written as one step, keeping its owner and permissions) and removes the
// entries of the folder, going from open folder to open folder and never following a link.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class DesktopRecentFiles {
 public:
  // A bookmark file that holds no bookmark.
  static const char* const kEmptyList;

  struct Failure {
    std::string Path;
    std::string Reason;
  };
  struct Outcome {
    bool ListEmptied = false;  // the bookmark file held bookmarks and was emptied
    int RemovedEntries = 0;    // entries removed from the folder, those of its subfolders included
    bool Stopped = false;      // the stop request ended the clearing early
    std::vector<Failure> Failures;
  };

  // How many bookmarks the text of a bookmark file holds, at any depth (those inside a
  // <folder> included; a comment or text that only mentions one is not one); null when the text
  // is not a bookmark file (an "xbel" document).
  static std::optional<std::size_t> BookmarkCount(std::string_view text);

  // Where the two lists are; empty when the user's data folder is unknown.
  static std::string ListPath();
  static std::string DocumentsFolder();

  // Whether there is anything of theirs to clear: a bookmark file (an ordinary file, not a link)
  // holding a bookmark, or a documents folder (not a link) with an entry.
  static bool HasSomethingToClear();

  // Clears both lists. The stop request, when given, is asked before each step; it may let the
  // windows process their messages.
  static Outcome Clear(const std::function<bool()>& stopRequested = {});
};
