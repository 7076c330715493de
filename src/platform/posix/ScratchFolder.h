#pragma once
// A hidden scratch folder of the program's own, made in a folder of a file system to put
// commits of its own through that file system's journal: numbered empty files whose times are
// changed round after round. Named as the journal cleaning names its scratch folders, so that
// one left by a killed run is recognised and removed later. Everything in it is removed when
// the object goes, also after a stop or a failure.

#include <cstdint>
#include <string>
#include <vector>

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
  // Removes the files and the folder; 0, or the errno of the first step that failed.
  int remove();
  const std::string& name() const { return name_; }

 private:
  int parent_;
  int folder_ = -1;
  std::string name_;
  std::uint64_t files_ = 0;
  std::int64_t round_ = 0;
};

}  // namespace platform::journal
