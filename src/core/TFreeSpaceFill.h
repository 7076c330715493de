#pragma once
// Filling the free space of a bound drive: its temporary file grows, a cluster at a time at the
// end, until the file system has no space left (or its figures say so), written with the
// method's first pass where it can be, else with blocks of "0"; a second, small file takes the
// clusters the file system refused the first. Then what the fill could not reach is told, and,
// once the filled files are gone, the file system may be asked to discard its free blocks.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "core/TFileOverwriter.h"
#include "core/TPass.h"
#include "core/TRunTurns.h"
#include "core/WipeFailure.h"
#include "platform/FileSystem.h"
#include "platform/Result.h"

class TFreeSpacePlace;
struct TFreeSpaceJob;
class WipeRun;
namespace platform {
class File;
class Folder;
}  // namespace platform

// How a fill ended: filled with blocks of "0", or with the method's first pass, which is on the
// device, or which could not be forced there (the file is not wiped further).
enum class TFillEnd { Zeros, FirstPass, FirstPassFailed };

class TFreeSpaceFill {
 public:
  // Writes with the run's settings and method, between the run's turns; removes a second file
  // it could not write through `place`; names what it could not reach in `failures` and what
  // else the user should know in `notes`. `giveBack` shrinks a large file in steps before it is
  // deleted unwiped.
  TFreeSpaceFill(const WipeRun& run, TRunTurns turns, TFreeSpacePlace& place,
                 std::vector<TWipeFailure>& failures, std::vector<TWipeFailure>& notes,
                 std::function<void(platform::File&)> giveBack);

  // Fills the free space of the job's drive with the open temporary file: `initial` free bytes
  // when it began (for the progress), `space` the figures then. What the file system keeps back
  // from every writer, where the job can lower it, goes to the small files alone (the job's
  // tails). The job tells how it went.
  TFillEnd Fill(TFreeSpaceJob& job, platform::File& file, std::uint64_t initial,
                const platform::DiskSpace& space);
  // When the fill ended with TFillEnd::FirstPassFailed: where and why.
  const std::optional<TFileOverwriter::PassFailure>& FirstPassFailure() const {
    return passFailure_;
  }
  // Free space the fill could not reach, `left` being what stayed free and the job's keptBack
  // what the file system kept for itself.
  void ReportUnreached(const TFreeSpaceJob& job, const platform::DiskSpace& left);
  // The folder of the job's temporary file, opened without following links, when it lies on the
  // mount the job writes through (std::errc::no_such_device otherwise): what the file system
  // is asked to do through it is done to the file system the job fills.
  static platform::Result<std::unique_ptr<platform::Folder>> OpenJobFolder(
      const TFreeSpaceJob& job);
  // Asks the file system at `root` (`total` bytes large) to discard its free blocks, in steps;
  // a note when it cannot.
  void DiscardFreeBlocks(const std::string& root, std::uint64_t total);

 private:
  struct FirstPass {
    TPass pass;
    int total = 0;  // the passes of the method, the signature pass included
  };
  class FillBytes;

  // The method's first pass when the fill can write it, and how many passes there are.
  std::optional<FirstPass> FirstPassToFillWith() const;
  // The fill's loop: the file grows until the free space ends (or the run stops); how far.
  std::uint64_t FillUp(TFreeSpaceJob& job, platform::File& file, FillBytes& bytes,
                       std::uint64_t initial, std::uint64_t large, std::uint64_t total);
  // After the fill: a second, small file takes what free blocks the file system still gives,
  // written until it refuses (ext4 keeps its last ones from a large file).
  void FillTail(TFreeSpaceJob& job, FillBytes& bytes, std::uint64_t total);
  // Lowers the clusters the file system keeps back from every writer to 0 where the job may
  // (ext4, under the file system's lock; the administrator); the clusters it held, 0 for none.
  std::uint64_t LowerReserve(TFreeSpaceJob& job);
  // Makes the small file `name` beside the first and writes it a cluster at a time, `most` bytes
  // at the most, and forces it to the device. True when the file system refused it more as full
  // (after a commit, another may take what was still free).
  bool FillSmallFile(TFreeSpaceJob& job, FillBytes& bytes, const char* name, std::uint64_t most);
  // Appends `length` bytes of the fill to the file.
  static platform::Status WriteFill(platform::File& file, FillBytes& bytes, std::uint64_t length);
  // Whether the run was asked to stop.
  bool Stopped() const { return turns_.Stopped(); }
  void Fail(const std::string& path, TWipeFailureReason reason, std::error_code error = {},
            std::string detail = {});

  const WipeRun& run_;
  TRunTurns turns_;
  TFreeSpacePlace& place_;
  std::vector<TWipeFailure>& failures_;
  std::vector<TWipeFailure>& notes_;
  std::function<void(platform::File&)> giveBack_;
  std::optional<TFileOverwriter::PassFailure> passFailure_;
};
