#pragma once
// A hidden scratch folder of the program's own, made in a folder of a file system to put
// commits of its own through that file system's journal: numbered empty files whose times are
// changed round after round. Named as the journal cleaning names its scratch folders, so that
// one left by a killed run is recognised and removed later. Everything in it is removed when
// the object goes, also after a stop or a failure.
//
// The folder is emptied and removed through the descriptor held since it was made, never by its
// name alone: another user may rename it (in a folder they can write) and put something of their
// own under its name. Its files are unlinked through the held descriptor, wherever the folder
// went, and the folder is removed from its parent only where the entry of that name is still the
// held folder (device, inode and mount); where it is not, nothing under that name is touched, the
// held folder is looked for in the parent under its new name, and left() says what stays where.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ScopedOverride.h"

namespace platform::journal {

class ScratchFolder {
 public:
  // parent: an open descriptor of the folder to make the scratch folder in (not taken over).
  explicit ScratchFolder(int parent) : parent_(parent) {}
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Makes the folder under a fresh name, on the file system of the parent; 0, or the errno
  // (EEXIST when no fresh name was found, EXDEV when the folder is not on the mount of the parent).
  int make();
  // Makes the next file, named by its number (from 0); 0, or the errno. With `inode`, the file's
  // inode number is given back; a file made whose inode could not be read counts in files().
  int makeFile(std::uint64_t* inode = nullptr);
  // The files made, numbered 0 to files() - 1.
  std::uint64_t files() const { return files_; }
  // Opens a file for reading; the descriptor is the caller's, -1 (errno set) on failure.
  int openFile(std::uint64_t index) const;
  // Gives the files listed a modification time none of them had before, the first one last, so
  // that its fsync commits the changes of all of them; 0, or the errno.
  int touch(const std::vector<std::uint64_t>& files);
  // Changes each file listed through its extended attributes, the first file last; 0, or the
  // errno. The first time a file is listed it is given an attribute of `size` bytes that it keeps;
  // from then on a second, empty attribute is added and removed in turn. On XFS a file's
  // attributes that do not fit in its inode lie in an attribute block of its own, which any
  // change of them puts through the log whole: many times what a change of times puts there.
  // Adding or removing an empty attribute is the cheapest such change (about half the system
  // time of rewriting a value), so the kept attribute only has to be large enough to need the
  // block.
  int changeAttributes(const std::vector<std::uint64_t>& files, std::size_t size);
  // Removes the files and the folder; 0, or the errno of the first step that failed (EBUSY when
  // the folder was no longer under its name: see left()).
  int remove();
  const std::string& name() const { return name_; }
  // After a remove that found the folder no longer under its name: what happened and what stays
  // where, in words for the user; empty otherwise.
  const std::string& left() const { return left_; }

 private:
  int parent_;
  int folder_ = -1;
  std::string name_;
  std::uint64_t files_ = 0;
  std::int64_t round_ = 0;
  // Which of its attributes a file has, by file number.
  enum class Attributes : std::uint8_t { None, Kept, Both };
  std::vector<Attributes> attributes_;
  std::vector<int> held_;  // by file number: a descriptor held, or -1
  std::int64_t heldCount_ = 0;
  std::int64_t heldLimit_ = -1;  // the most descriptors to hold; not yet known while negative

  // A descriptor of the file, held from the first call on while the limit allows; -1 otherwise.
  int heldFile(std::uint64_t index);
  void closeHeldFiles();
  std::string left_;

  // Unlinks the files through the held folder; the number still there, errno of the first failure.
  std::uint64_t emptyFolder(int& error);
  // Removes the held folder from the parent under `name` when that entry is still it; 0, the
  // errno, or -1 when the entry is something else.
  int removeIfHeld(const std::string& name);
  // The name the held folder has in the parent now; empty when it is not there.
  std::string currentName() const;
  // Says what happened to a folder no longer under its name, removing it where it is found.
  int removeMoved(std::uint64_t filesLeft);
};

// Run right after a scratch folder is made and before it is opened, with the parent's descriptor
// and the folder's name: tests plant there what another process could do in between. None is
// set in the program. Returns the one it replaces.
using ScratchFolderMade = std::function<void(int parent, const std::string& name)>;
ScratchFolderMade setScratchFolderMade(ScratchFolderMade hook);
using ScopedScratchFolderMade = ScopedOverride<&setScratchFolderMade>;

}  // namespace platform::journal
