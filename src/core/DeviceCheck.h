#pragma once
// The check of a run on the device, after the run (and after its journals and logs were
// cleared): what the device holds now is read back, past every cache, at the places the record
// noted before the first passes. For each file the run deleted the verdict is "verified on the
// device" when no fingerprinted block still holds its old content and its name stands in none
// of the places a file system keeps names (its folder's blocks, the journal or log, on btrfs the
// metadata); otherwise what was found and where, at device offsets. A file whose device could
// not be read, or whose places are not known, is "not verified" with the reason.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/DeviceRecord.h"
#include "core/TWipeEngine.h"

struct TDeviceCheckSummary {
  std::size_t Verified = 0;
  std::size_t Found = 0;
  std::size_t NotVerified = 0;
  // Bytes read back from the devices.
  std::uint64_t BytesRead = 0;
  // What no read-back can see, one line per device it applies to (flash that remaps blocks, an
  // encrypted volume read in its decrypted view).
  std::vector<std::string> Notes;
  bool Stopped = false;
};

// What the check came to, added to a run's failures (a file found on the device,
// FoundOnDevice) and notes (a file not verified, NotVerifiedOnDevice), so that the run's report
// to the user names it with the rest.
void AddDeviceVerdicts(const TDeviceRecord& record, std::vector<TWipeFailure>& failures,
                       std::vector<TWipeFailure>& notes);

class TDeviceCheck {
 public:
  // Told of the bytes read so far of all to read; true stops the check (the files not checked
  // yet are "not verified").
  using Progress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

  explicit TDeviceCheck(TDeviceRecord& record) : record_(record) {}
  // Checks every deleted file of the record, setting its Checked verdict and Detail.
  TDeviceCheckSummary Run(const Progress& progress = {});

  // The words of a verdict ("verified on the device", "not verified", "found on the device").
  static std::string VerdictText(TDeviceRecord::Verdict verdict);

 private:
  struct Area {
    platform::DeviceRange Range;
    std::size_t Folder = 0;  // the folder whose entries lie there; kLog for the log area
  };
  static constexpr std::size_t kLog = static_cast<std::size_t>(-1);
  // Where a name was found: in a folder's blocks, or in the log area, at a device offset.
  struct Hit {
    std::size_t Folder;
    std::uint64_t Offset;
  };

  void checkVolume(std::size_t volume, const std::vector<std::size_t>& files);
  // Reads back the fingerprinted blocks of the files whose content was recorded, all at once in
  // device order, nearby blocks in one read; marks in `old` (by sample) each that still holds
  // its old content, and gives a file whose blocks could not all be read its problem.
  void oldBlocks(platform::DeviceVolume& device, const std::vector<std::size_t>& files,
                 std::vector<std::string>& problems, std::vector<bool>& old);
  // Reads the folders' blocks and the log area once, in device order, nearby places in one
  // read, and searches all the files' names in one pass over them.
  void searchNames(std::size_t volume, const std::vector<std::size_t>& files,
                   std::vector<std::vector<Hit>>& hits, std::string& problem);
  bool step(std::uint64_t bytes);

  TDeviceRecord& record_;
  TDeviceCheckSummary summary_;
  Progress progress_;
  std::uint64_t total_ = 0;
};
