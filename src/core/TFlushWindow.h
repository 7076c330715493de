#pragma once
// The files of a one-pass wipe whose last flush is still going on, while the next files are
// opened and written: at most a few files and a few tens of MiB. Each file stays open, under
// its own name, until its own flush has ended; only then is it renamed and deleted, oldest
// first, so files still go in the order they were written.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "core/TFileOverwriter.h"
#include "platform/FileLayout.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"

// One file written whole, its flush on its way to the device.
struct TFlushingFile {
  std::unique_ptr<platform::Folder> ownFolder;  // the folder, when the file's job opened it
  platform::Folder* folder = nullptr;           // the folder that holds it (ownFolder or a walk's)
  std::string path;                             // for the user
  std::string name;                             // in the folder
  platform::EntryId id;
  std::unique_ptr<platform::File> file;
  std::unique_ptr<TFileOverwriter> overwriter;
  std::uint64_t size = 0;                      // its size once written
  std::optional<platform::FileLayout> before;  // where its old content lay, when looked at
};

class TFlushWindow {
 public:
  // Most bytes of the files whose flush is going on at once.
  static constexpr std::uint64_t kMostBytes = std::uint64_t(64) << 20;

  // Whether a file of `size` bytes may join without waiting for another flush first.
  bool Fits(std::uint64_t size, std::size_t mostFiles) const;
  // Whether a file of `size` bytes may ever join a window of `mostFiles` files.
  static bool Takes(std::uint64_t size, std::size_t mostFiles) {
    return mostFiles > 0 && size <= kMostBytes;
  }
  void Push(TFlushingFile file);
  bool Empty() const { return files_.empty(); }
  // The oldest file, taken out of the window.
  TFlushingFile PopOldest();

 private:
  std::deque<TFlushingFile> files_;
  std::uint64_t bytes_ = 0;
};
