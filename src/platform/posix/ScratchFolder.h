#pragma once
// A hidden scratch folder of the program's own, made in a folder of a file system to put
// commits of its own through that file system's log: numbered empty files whose times are
// changed round after round. Named as the journal cleaning names its scratch folders, so that
// one left by a killed run is recognised and removed later. Everything in it is removed when
// the object goes, also after a stop or a failure.

#include <cstdint>
#include <functional>
#include <string>

namespace platform::journal {

class ScratchFolder {
 public:
  // parent: an open descriptor of the folder to make the scratch folder in (not taken over).
  explicit ScratchFolder(int parent) : parent_(parent) {}
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // Makes the folder under a fresh name, on the file system of the parent; 0, or the errno.
  int make();
  // Makes files until there are `count`; stops early (returning its errno) when the file system
  // has no room or inode left for another, and when `stop` says so (returning ECANCELED). Any
  // other failure also returns its errno. files() says how many there are.
  int makeFiles(std::uint64_t count, const std::function<bool()>& stop);
  std::uint64_t files() const { return files_; }
  // Opens the first file for reading; the descriptor is the caller's, -1 (errno set) on failure.
  int openFirst() const;
  // Gives every file a new modification time, the first file last; 0, or the errno.
  int touchAll();
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
