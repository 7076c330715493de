#pragma once
// The browsing history kept in a Firefox or Thunderbird "places.sqlite". The same database
// holds the bookmarks, so the history goes row by row and the file stays: every visit, and
// every page that no bookmark or keyword uses. Deleted rows are overwritten in the file.

#include <cstdint>
#include <string>

struct TPlacesHistory {
  bool Ok = false;
  std::uint64_t Visits = 0;  // visits removed (in a preview: that would be)
  std::uint64_t Pages = 0;   // pages removed
  std::string Error;         // why nothing was changed, when not Ok
};

// Removes the history of the database (with previewOnly: only counts it, opening the file for
// reading). A file that is not a history database is left as it is.
TPlacesHistory ClearPlacesHistory(const std::string& path, bool previewOnly);
