#pragma once
// The work of the catalogue's Windows items that collect their entries when they run.

#include "cleaner/TEraseFiles.h"
#include "cleaner/TEraseRegistry.h"

// Raised by the swap-file item when it cannot arrange the clearing.
class ECleanerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The shell's Recent folder (where the system has one), and the desktop's own lists: the
// recently-used bookmark file, emptied to a valid document, and the entries of the
// RecentDocuments folder, as the item of the recently used lists clears them.
void ClearRecentDocuments(TEraseFiles& item);
// The list-order value "MRUList" and the numbered values of a search history, in number order
// up to the first missing number: "000", "001", ... on the NT family, "a", "b", ... on 9x.
void CollectSearchHistory(TEraseRegistry& item, const std::string& ntKey, const std::string& key9x);
// The subkeys and values of the Open/Save dialog history (NT family only).
void CollectOpenSaveHistory(TEraseRegistry& item);
// The values of the registry streams key.
void CollectRegistryStreams(TEraseRegistry& item);
// Empties the clipboard through the windows (in a preview only tells whether it holds
// something); adds no entries.
void EmptyClipboard(TEraser& item);
// What the user's trash folders hold: each trashed file or folder with its description.
void CollectRecycleBins(TEraseFiles& item);
// The user's own temporary files in the temporary folder and the shared one: only ordinary
// files of the user with one name, not held open by any process the user can see and unchanged
// for a day. Folders of others are not entered; a folder goes only when the walk emptied it.
// What the system's cleaner of temporary folders keeps (the X server's locks and sockets, the
// services' private folders, what its tmpfiles.d files exclude) stays too, and the administrator
// leaves the shared folder alone unless it is the temporary folder in use.
void CollectTemporaryFiles(TEraseFiles& item);
// Arranges for the swap file to be cleared when the system shuts down and records how to undo
// it in the post-erase list; adds no entries. Raises ECleanerError when the setting cannot be
// written.
void ArrangeSwapFileClearing(TEraseFiles& item);
// The pieces a disk checker left ("FILEnnnn.CHK" in "FOUND.nnn" of the root folder) on every
// fixed FAT, exFAT or NTFS drive; nothing else.
void CollectCheckDiskFragments(TEraseFiles& item);
