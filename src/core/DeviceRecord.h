#pragma once
// What a run's device check needs to know of each file before its first pass: where its blocks
// lie on the device (from the layout the engine reads anyway), a fingerprint of what each block
// holds there then (every block of a small file; of a large one an evenly spread sample of
// stretches), its name, and where its folder keeps its entries. It also counts what the run
// wrote over the files it deleted, for the run's report. The device of each file system is
// opened once, read-only; where it cannot be (an ordinary user, a network file system, several
// devices) the files on it are recorded without fingerprints, with the reason.
//
// Memory stays bounded whatever the number of files: past a budget, further files are recorded
// without fingerprints, and past a second one only counted.

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "core/WipeWitness.h"
#include "platform/BlockDevice.h"
#include "platform/FileSystem.h"

class TDeviceRecord final : public IWipeWitness {
 public:
  struct Limits {
    // Whether blocks are fingerprinted at all (off: only counted, for a report without a check).
    bool Fingerprints = true;
    // Blocks fingerprinted per file at most, and the stretches a larger file's sample is
    // spread over.
    std::size_t BlocksPerFile = 1024;
    std::size_t Stretches = 64;
    // What the record may hold: past the first, files are recorded without fingerprints; past
    // the second, they are only counted.
    std::size_t FingerprintBytes = std::size_t(48) << 20;
    std::size_t RecordBytes = std::size_t(64) << 20;
    // Of the files a folder's walk takes next, those of up to AheadFileBytes are fetched into
    // the system's cache ahead, up to AheadBytes per folder.
    std::uint64_t AheadFileBytes = std::uint64_t(1) << 20;
    std::uint64_t AheadBytes = std::uint64_t(32) << 20;
  };

  // A file system's device, opened (or not, and why) for the first file recorded on it.
  struct Volume {
    std::uint64_t Device = 0;  // the device number of the file system's folders
    std::string Folder;        // the folder it was first reached through
    std::unique_ptr<platform::DeviceVolume> Open;
    std::error_code NotOpened;
    platform::DeviceFacts Facts;
  };
  struct Folder {
    std::string Path;
    platform::EntryId Id;
    std::size_t Volume = 0;
    std::vector<platform::DeviceRange> Places;
    std::error_code NotPlaced;  // why its places are unknown (then Places is empty)
  };
  // The fingerprint of one block as it was before the first pass, where it lay on the device.
  struct Sample {
    std::uint64_t Offset = 0;
    std::uint64_t Fingerprint = 0;
    std::uint32_t Length = 0;
  };
  enum class Verdict { Unchecked, Verified, Found, NotVerified };
  struct File {
    std::string Path;
    std::size_t Folder = 0;
    platform::EntryId Id;
    std::uint64_t Size = 0;
    int Passes = 0;
    bool Deleted = false;
    // The file's blocks in all, those fingerprinted (each copy of a block counted), and those
    // that held one byte value repeated (nothing to compare).
    std::uint64_t Blocks = 0;
    std::uint32_t FirstSample = 0;
    std::uint32_t Samples = 0;
    std::uint32_t Uniform = 0;
    // Why its content was not fingerprinted; empty when it was.
    std::string NotRecorded;
    // What the check came to.
    Verdict Checked = Verdict::Unchecked;
    std::string Detail;
    std::uint32_t OldBlocks = 0;  // fingerprinted blocks that still hold their old content
  };

  TDeviceRecord();
  explicit TDeviceRecord(Limits limits);
  ~TDeviceRecord() override;
  TDeviceRecord(const TDeviceRecord&) = delete;
  TDeviceRecord& operator=(const TDeviceRecord&) = delete;

  void PassesBegin(platform::Folder& folder, platform::File* file, const std::string& path,
                   const platform::EntryId& id, std::uint64_t size,
                   const platform::FileLayout& layout, int passes) override;
  // Asks the system to fetch the old content of the folder's small files ahead, all at once:
  // read one by one as each file's passes begin, each read would wait behind the writes of the
  // files before it.
  void FilesAhead(platform::Folder& folder,
                  const std::vector<platform::DirEntry>& entries) override;
  void Deleted(const platform::EntryId& id) override;
  void JournalCleared(const std::string& folder, const platform::JournalOutcome& outcome) override;

  std::vector<Volume>& Volumes() { return volumes_; }
  std::vector<Folder>& Folders() { return folders_; }
  std::vector<File>& Files() { return files_; }
  const std::vector<Sample>& Samples() const { return samples_; }
  const std::vector<File>& Files() const { return files_; }
  const std::vector<Folder>& Folders() const { return folders_; }
  const std::vector<Volume>& Volumes() const { return volumes_; }
  // Files deleted after their passes that the record had no room left to hold.
  std::size_t Uncounted() const { return uncounted_; }
  // Bytes the passes wrote over the files that were deleted (their size times their passes).
  std::uint64_t BytesWritten() const { return bytesWritten_; }
  // The journals the runs cleared (or tried to), in order.
  struct Journal {
    std::string Folder;
    bool Cleared = false;
    std::string Text;  // what became of it, in the user's words
  };
  const std::vector<Journal>& Journals() const { return journals_; }

 private:
  std::size_t volumeFor(const std::string& folder, std::uint64_t device);
  std::size_t folderFor(platform::Folder& folder, std::size_t volume);
  // Fingerprints the file's blocks (or a sample), as the open file reads (the device holds the
  // same once its layout has been read), or where it is not at hand as the device holds them;
  // the reason why not otherwise.
  std::string fingerprint(File& file, platform::File* open, Volume& volume,
                          const platform::FileLayout& layout);
  std::size_t heldBytes() const;

  Limits limits_;
  std::vector<Volume> volumes_;
  std::vector<Folder> folders_;
  std::map<std::string, std::size_t> folderIndex_;
  std::vector<File> files_;
  std::vector<Sample> samples_;
  std::vector<Journal> journals_;
  // The files whose passes began and that were not deleted yet, by identity: their index in
  // files_ (none past the record's room) and what their passes write.
  struct Pending {
    std::size_t File = 0;
    bool Held = false;
    std::uint64_t Bytes = 0;
  };
  std::map<std::pair<std::uint64_t, std::uint64_t>, Pending> pending_;
  std::size_t pathBytes_ = 0;
  std::size_t uncounted_ = 0;
  std::uint64_t bytesWritten_ = 0;
};
