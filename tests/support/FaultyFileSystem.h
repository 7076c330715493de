#pragma once
// A file system for tests: it passes every call to the real one, records what happens, and fails
// the operations a test asks it to fail (a file that will not open, a disk that fills, a file
// that will not delete). Root ignores permission bits, so this is how tests show those failures.
// Folders opened through it (openFolder) are wrapped the same way, so walks that work relative to
// open folders are recorded, fail on request and stay confined like every other call.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Folder.h"

class FaultyFileSystem : public platform::FileSystem {
 public:
  struct Write {
    std::string path;
    std::uint64_t offset;
    std::uint64_t length;
  };
  struct Deleted {
    std::string path;
    std::string contents;  // the bytes the file held when it was deleted (up to 64 MiB)
  };

  // Failures to inject, by full path (a folder's own calls see the path of the entry).
  std::set<std::string> failOpen;           // files do not open for writing or creating
  std::set<std::string> failDelete;         // deleting a file fails
  std::set<std::string> failRename;         // renaming fails when the source is one of these
  std::set<std::string> failRemoveFolder;   // removing a folder fails
  std::set<std::string> failList;           // listing a folder fails (with or without final "/")
  std::set<std::string> failAtomicWrite;    // writeFileAtomic fails
  std::set<std::string> failRead;           // readFile fails with readError, as a failing disk
  std::set<std::string> failExamine;        // info fails with readError: the entry is there
  std::set<std::string> failSetAttributes;  // changing a file's attributes fails
  std::set<std::string> failDiskSpace;      // asking for the space fails with readError
  // Listing these folders, or reading these files, breaks off with an exception ("the listing
  // broke off", "the read broke off"), as a failing platform layer would.
  std::set<std::string> throwOnList;
  std::set<std::string> throwOnRead;
  // Folders (by full path, no trailing separator) whose file system cannot be forced to the
  // device (syncFileSystem fails with flushError), as a device that reports a lost write does.
  std::set<std::string> failSync;
  // Folders (likewise) whose file system's journal cannot be written to its place
  // (writeJournalHome fails with injectedError), as for a caller who may not ask for it.
  std::set<std::string> failJournalHome;
  std::error_code readError = std::make_error_code(std::errc::io_error);
  // The reason every injected failure gives, as the system gives it for what may not be changed.
  std::error_code injectedError = std::make_error_code(std::errc::permission_denied);
  // Bytes that may still be written in all before writes fail as on a full disk; -1: no limit.
  std::int64_t bytesLeft = -1;
  // Files (by the path they were opened by) that cannot grow past this many bytes: a write
  // beyond fails as on a full disk once what fits is written, as a file system that refuses a
  // large file its last blocks does.
  std::map<std::string, std::uint64_t> sizeLimitOf;
  // Limits that replace those of sizeLimitOf once the file system has been forced to the device
  // (syncFileSystem of any folder), as where ext4 gives out again the blocks it freed during a
  // fill only once its journal has committed the freeing.
  std::map<std::string, std::uint64_t> sizeLimitAfterSync;
  // Free space reported instead of the real one for paths that start with the key (the first
  // key that fits, in key order). Only the figures are replaced; the device and whether the folder
  // may be written stay the real ones. A `free` below `available` counts as `available`.
  std::map<std::string, platform::DiskSpace> diskSpaceOf;
  // When set, every operation that creates, writes, renames or removes something outside this
  // folder fails and fails the test: a test can never change anything but its own files.
  std::string confinedTo;
  // The error a write reports when bytesLeft runs out: a full disk unless a test says otherwise.
  std::error_code fullDiskError = std::make_error_code(std::errc::no_space_on_device);
  // Bytes the file system keeps back (keptBack) reported instead of the real ones for paths that
  // start with the key (the first key that fits), and how often keptBack was asked.
  std::map<std::string, std::uint64_t> keptBackOf;
  int keptBackAsked = 0;
  // Bytes that every disk reports free beyond what the caller may write, as the administrator's
  // reserve is for an ordinary user.
  std::uint64_t reserveOutOfReach = 0;
  // Folders (as asked for, trailing separator or not) in which the caller may not create files.
  std::set<std::string> notWritable;
  // Device numbers reported for paths that start with the key (the longest key that fits),
  // instead of the real ones.
  std::map<std::string, std::uint64_t> deviceOf;
  // Files (by the path they were opened by) whose byte at the offset reads back other than it
  // is (its bits inverted), as a failing disk would return it.
  std::map<std::string, std::uint64_t> changedOnRead;
  // Files (by the path they were opened by) whose flush to the device fails with flushError,
  // as a device that reports a lost write does: at once, or when the flush ends where the
  // device is slow (slowFlushTurns).
  std::set<std::string> failFlush;
  std::error_code flushError = std::make_error_code(std::errc::io_error);
  // A slow device: every flush started without waiting is still going on at the first this
  // many waits for it.
  int slowFlushTurns = 0;
  // Files (by the path they were opened by) whose writes report success but never reach the
  // file, as a driver that loses them without a word: the position moves on, the bytes stay.
  std::set<std::string> dropWrites;
  // Files whose read-back fails with readBackError.
  std::set<std::string> failReadBack;
  std::error_code readBackError = std::make_error_code(std::errc::io_error);
  // When set, every discard of free blocks fails with it. Otherwise a discard reaches the system
  // only for a file system mounted inside the confinement (one a test mounted itself); any other
  // fails as unsupported, so that no test ever discards the blocks of a real disk.
  std::optional<std::error_code> discardError;
  // Run just before an open folder opens the file (by full path) for writing: what a test does
  // there happens between the file's listing and its opening, as another process would do it.
  std::map<std::string, std::function<void()>> beforeOpen;
  // Run once, the first time an open folder looks at the entry (by full path) without opening
  // it: what a test does there happens between a check made earlier by path and the check made
  // again where the entry lies, as another process would do it.
  std::map<std::string, std::function<void()>> beforeEntry;
  // Layouts a file (by the path it was opened by) reports instead of its real one, one per
  // asking, in order; once they are used up it reports its real one.
  std::map<std::string, std::vector<platform::FileLayout>> layoutsOf;

  // What happened.
  std::vector<Write> writes;
  std::vector<Deleted> deleted;
  std::vector<std::pair<std::string, std::string>> renames;
  std::vector<std::string> flushes;         // every flush, waited for or started
  std::vector<std::string> startedFlushes;  // the flushes started without waiting
  int flushWaits = 0;                       // waits that ended with the flush still going on
  // Files (by the path they were opened by) whose flush was started and not yet seen to end,
  // the most of them at once, and what was done to a file while its own flush went on: "write",
  // "rename" or "delete" with its path, in order.
  std::set<std::string> flushing;
  std::size_t mostFlushing = 0;
  std::vector<std::string> touchedWhileFlushing;
  int writesBesideFlushes = 0;  // writes to one file while another file's flush went on
  std::vector<std::pair<std::string, std::uint64_t>> truncations;  // path, new size
  std::vector<std::string> readBacks;  // a path for every read-back started
  // Every file whose content was asked to be fetched ahead, with the bytes asked for.
  std::vector<std::pair<std::string, std::uint64_t>> advisedReads;
  struct Discard {
    std::string mountPoint;
    std::uint64_t start;
    std::uint64_t length;
  };
  std::vector<Discard> discards;

  platform::Result<std::unique_ptr<platform::File>> openExisting(const std::string& path) override;
  platform::Result<std::unique_ptr<platform::File>> createAlways(const std::string& path) override;
  platform::Result<std::unique_ptr<platform::File>> createOwnFile(const std::string& path) override;
  platform::Result<std::unique_ptr<platform::Folder>> openFolder(const std::string& path) override;
  platform::Result<std::unique_ptr<platform::Folder>> openFolderWithoutLinks(
      const std::string& path) override;
  platform::Result<platform::FileInfo> info(const std::string& path) override;
  platform::Status setAttributes(const std::string& path, std::uint32_t attributes) override;
  platform::Status rename(const std::string& from, const std::string& to) override;
  platform::Status deleteFile(const std::string& path) override;
  platform::Status createFolder(const std::string& path) override;
  platform::Status removeFolder(const std::string& path) override;
  platform::Result<std::vector<platform::DirEntry>> listFolder(const std::string& path) override;
  platform::Result<std::string> readFile(const std::string& path, std::uint64_t maxBytes) override;
  platform::Status writeFileAtomic(const std::string& path, const std::string& contents) override;
  platform::Result<platform::DiskSpace> diskSpace(const std::string& path) override;
  std::optional<platform::FileIdentity> identity(const std::string& path) override;
  platform::Status discardFreeBlocks(const std::string& mountPoint, std::uint64_t start,
                                     std::uint64_t length) override;

 private:
  std::uint64_t keptBack(const std::string& path) override;
  friend class RecordingFile;
  friend class FaultyFolder;

  // False (and a test failure) when the path lies outside the confinement.
  bool allowed(const std::string& path) const;
  // The error of a failure injected for the path, or of a change outside the confinement;
  // empty when the call may go on.
  std::error_code refused(const std::set<std::string>& failing, const std::string& path) const;
  platform::Result<std::unique_ptr<platform::File>> wrap(
      platform::Result<std::unique_ptr<platform::File>> file, const std::string& path);
  platform::Result<std::unique_ptr<platform::Folder>> wrap(
      platform::Result<std::unique_ptr<platform::Folder>> folder);
  // Notes what is done to the file at `path` when its own flush is still going on.
  void noteTouched(const char* what, const std::string& path);
  // Records the deletion of the file, with its bytes while it is small.
  void recordDeleted(const std::string& path, std::string contents);
};
