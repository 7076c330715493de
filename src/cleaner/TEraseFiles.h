#pragma once
// A cleanable item that deletes files and walks folders. Files are deleted plainly (nothing is
// overwritten); a file that cannot be deleted goes to the engine's post-erase list. Walks never
// follow symbolic links and never leave the mount they started on: they go from open folder to
// open folder, and a mount point met on the way (another file system, or a file or folder bound
// there) is not entered, and is named.

#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "cleaner/TEraser.h"

namespace platform {
class Folder;
struct FileInfo;
struct DirEntry;
}  // namespace platform

class TEraseFiles : public TEraser {
 public:
  // File names or masks that are never deleted, compared with the file-name part of a path.
  std::vector<std::string> Exclusions;
  // When set, a folder walk deletes only the files it admits and enters only the folders it
  // admits (others are passed over without a word: they were never the item's to clean).
  std::function<bool(const platform::DirEntry&)> Admits;
  // When set, a walk removes only the folders it emptied itself: a folder that was empty
  // before stays.
  bool RemoveOnlyEmptiedFolders = false;
  // When set, a folder walk passes over every entry whose full path it names (such a folder is
  // not entered).
  std::function<bool(const std::string& path)> PassesOver;
  // When set, every file and folder added from then on is reached from this folder (its own top
  // folder, such as a trash folder) and never above it; a link on the way is not followed.
  std::string Beneath;

  // Appends a folder walk. A path that is not absolute (an unknown location) is skipped.
  void AddFolder(const std::string& path, const std::string& mask, bool keepFolder, bool recursive);
  // Appends a file unless its name is excluded. A path that is not absolute is skipped.
  void AddFile(const std::string& path);
  void AddExclusion(const std::string& text);
  // Whether the file-name part of the path matches an exclusion as a mask or equals one
  // (letter case ignored).
  bool IsExcluded(const std::string& path) const;
  // Whether the path is one the user keeps from every clean (the engine's keep list): such a
  // file is never deleted, emptied or edited, and such a folder never entered.
  bool Keeps(const std::string& path) const;

  // Walks the folder for files matching the mask (hidden ones and links included): within a
  // folder its files first, then its subfolders in listing order. Each path goes into the list
  // when one is given, otherwise through AddFile. Stops when the engine is cancelled.
  void CollectFiles(const std::string& folder, const std::string& mask,
                    std::vector<std::string>* list, bool recursive);
  // Deletes the file (clearing read-only first). False when there is no such file or it could
  // not be deleted; the latter is recorded in the engine's post-erase list.
  bool EraseFile(const std::string& path);
  // The same for a path reached from its own top folder (empty: none).
  bool EraseFile(const std::string& path, const std::string& anchor);
  // Deletes the folder's files that match the mask and are not excluded, walks its subfolders
  // (which are removed once empty) when recursive, and removes the folder itself when it is
  // empty and not kept. Ends at once when the engine is cancelled.
  void EraseFolder(const std::string& path, const std::string& mask, bool keepFolder,
                   bool recursive, const std::string& anchor = {});

  void Erase() override;
  // Reads Enabled, then the Exclude list (when present it replaces Exclusions; a child without
  // FileName ends the list there and is not an error of the document).
  void Load(const pugi::xml_node& element) override;
  pugi::xml_node Save(pugi::xml_node& element) const override;

 private:
  // What a walk does with each file that matches its mask: the open folder that holds it, its
  // path for the user, and the entry as listed.
  using FileVisit =
      std::function<void(platform::Folder&, const std::string&, const platform::DirEntry&)>;
  // Visits the matching files of the open folder (`base` is its path with a final separator),
  // then, when recursive, its subfolders on its own mount, depth first, removing each once it
  // is empty when asked to. False when the engine was cancelled.
  bool WalkIn(platform::Folder& folder, const std::string& base, const std::string& mask,
              bool recursive, const FileVisit& visit, bool removeEmptied);
  // Something in the open folder was deleted: noted for the engine's journal cleaning.
  void NoteDeletion(const platform::Folder& folder);
  // Deletes the listed file of the open folder, clearing read-only first.
  bool EraseEntry(platform::Folder& folder, const std::string& path, const std::string& name,
                  const platform::FileInfo& listed);
  // Names what was left where the path could not be reached (a link on the way, a mount point
  // with the type of file system `mounted` there, ...); a path that no longer exists left
  // nothing.
  void RecordUnreached(const std::string& path, const std::error_code& error,
                       const std::string& mounted = {});
  // Names a mount point that was not entered, with the type of file system mounted there.
  void RecordMountPoint(const std::string& path, const std::string& mounted);
  // Removes the emptied folder `name` of `parent` (never in a preview).
  void RemoveWalkedFolder(platform::Folder& parent, const std::string& name, std::size_t before);

  // Files removed by this item so far; tells a walk whether it emptied a folder itself.
  std::size_t removedCount_ = 0;
};
