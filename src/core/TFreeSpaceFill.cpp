// Filling the free space of a bound drive with its temporary file, and what follows the fill:
// what it could not reach told, and the free blocks discarded.

#include "core/TFreeSpaceFill.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "core/ReserveLowering.h"
#include "core/TDeviceWaits.h"
#include "core/TFreeSpaceJob.h"
#include "core/TFreeSpacePlace.h"
#include "core/TPassBuffer.h"
#include "core/Translated.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/ContainingFolderIn.h"
#include "platform/Ext4Reserve.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Journal.h"
#include "platform/PathText.h"

namespace {

// The small temporary files that take the blocks a file system refused the first one (and the
// clusters it keeps back from every writer, where they are lowered), and the most clusters each
// is given besides those.
constexpr const char* kTailNames[] = {"tem2.tmp", "tem3.tmp"};
constexpr std::uint64_t kMostTailClusters = 256;
// The free blocks are discarded this many bytes of the file system at a time, handling events
// between the steps.
constexpr std::uint64_t kDiscardStep = std::uint64_t(256) << 20;

// The share of the initial free space in use once `remaining` bytes are left, 0 to 100.
std::uint64_t UsedShare(std::uint64_t remaining, std::uint64_t initial) {
  const std::uint64_t left =
      remaining / initial * 100 + (remaining % initial) * 100 / initial;  // remaining*100/initial
  return left >= 100 ? 0 : 100 - left;
}

std::string Bytes(std::uint64_t count) {
  return std::to_string(count) + Tr(" bytes");
}

// Why free blocks were not discarded, in the user's words where the reason is a usual one.
std::string WhyNotDiscarded(const std::error_code& error) {
  if (error == std::errc::inappropriate_io_control_operation ||
      error == std::errc::operation_not_supported || error == std::errc::invalid_argument) {
    return Tr("the file system or its device does not support it");
  }
  if (error == std::errc::operation_not_permitted || error == std::errc::permission_denied) {
    return Tr("only the administrator may ask for it");
  }
  return {};
}

// Forces the file system holding the temporary file to the device: everything written reaches
// it, and a journal commits. A file system that keeps a journal of its own records (ext4) gives
// out the blocks it freed again only once that freeing is committed; during a fill it takes and
// frees blocks for the temporary file's map of its pieces (where pieces merge again), and the
// fill, ending at the full disk, would never get them back.
platform::Status CommitFileSystem(const TFreeSpaceJob& job) {
  auto folder = TFreeSpaceFill::OpenJobFolder(job);
  if (!folder) return folder.error();
  return folder->syncFileSystem();
}

}  // namespace

// The bytes the fill writes: the method's first pass when it has one that can be written, so
// that the fill is that pass; else blocks of the character "0".
class TFreeSpaceFill::FillBytes {
 public:
  FillBytes(std::optional<TPass> pass, std::int64_t bufferSize, std::uint64_t zeros) {
    if (pass) buffer_.emplace(*pass, std::string(), bufferSize);
    if (!buffer_) zeros_.assign(static_cast<std::size_t>(zeros), '0');
    if (pass) pass_ = std::move(*pass);
  }
  bool IsFirstPass() const { return buffer_.has_value(); }
  const TPass& Pass() const { return pass_; }
  TPassBuffer& Buffer() { return *buffer_; }
  // Between 1 and `most` bytes for the file from `offset` on (most > 0).
  std::string_view Bytes(std::uint64_t offset, std::uint64_t most) {
    if (buffer_) return buffer_->Bytes(offset, most);
    return std::string_view(zeros_).substr(0, static_cast<std::size_t>(most));
  }

 private:
  std::optional<TPassBuffer> buffer_;
  TPass pass_;
  std::string zeros_;
};

TFreeSpaceFill::TFreeSpaceFill(const WipeRun& run, TRunTurns turns, TFreeSpacePlace& place,
                               std::vector<TWipeFailure>& failures,
                               std::vector<TWipeFailure>& notes,
                               std::function<void(platform::File&)> giveBack)
    : run_(run),
      turns_(std::move(turns)),
      place_(place),
      failures_(failures),
      notes_(notes),
      giveBack_(std::move(giveBack)) {}

void TFreeSpaceFill::Fail(const std::string& path, TWipeFailureReason reason, std::error_code error,
                          std::string detail) {
  failures_.push_back({path, reason, error, std::move(detail)});
}

std::optional<TFreeSpaceFill::FirstPass> TFreeSpaceFill::FirstPassToFillWith() const {
  const std::optional<WipeRunMethod>& method = run_.Method;
  if (!method || !method->ReadWhole || method->Passes.empty()) return std::nullopt;
  const TPass& pass = method->Passes.front();
  // Only a pass that has bytes to write: any other fails as the first pass over the file.
  const std::int64_t bufferSize = run_.Settings.BufferSize;
  const bool known = pass.WipeWith == wwBytePattern || pass.WipeWith == wwRandomCharacter ||
                     pass.WipeWith == wwRandomBytes ||
                     (pass.WipeWith == wwTextPattern && !pass.TextPatternValue.empty());
  if (bufferSize < 1 || !known) return std::nullopt;
  const int total =
      static_cast<int>(method->Passes.size()) + (run_.Settings.WriteSignature ? 1 : 0);
  return FirstPass{pass, total};
}

TFillEnd TFreeSpaceFill::Fill(TFreeSpaceJob& job, platform::File& file, std::uint64_t initial,
                              const platform::DiskSpace& space) {
  // While much space is left the file grows by BufferSize rounded down to whole clusters; the
  // last stretch goes one cluster at a time, asking for the free space before each write, so
  // the file ends where the space ends.
  const std::int64_t bufferSize = run_.Settings.BufferSize;
  const std::uint64_t wanted =
      std::clamp<std::int64_t>(bufferSize, 0, static_cast<std::int64_t>(TPassBuffer::kMaxHeld));
  const std::uint64_t large = std::max(wanted / job.cluster * job.cluster, job.cluster);
  const std::optional<FirstPass> first = FirstPassToFillWith();
  FillBytes bytes(first ? std::optional<TPass>(first->pass) : std::nullopt, bufferSize, large);
  const std::uint64_t written = FillUp(job, file, bytes, initial, large, space.total);
  FillTail(job, bytes, space.total);
  // What is still free while the files hold all they could take, and what the file system
  // keeps for itself besides.
  job.left = job.filled && !Stopped() ? job.Ask() : std::nullopt;
  if (job.left) job.keptBack = job.files->keptBack(job.root);
  // The program's random numbers go on from where the whole pass would have left them.
  if (bytes.IsFirstPass()) bytes.Buffer().Finish();
  if (!job.filled || Stopped() || job.moved) {
    if (!job.moved) giveBack_(file);  // deleted without being wiped
    return TFillEnd::Zeros;
  }
  // On the device before the next pass starts, so that the pass does not wait for it.
  TDeviceWaits device(turns_);
  device.Settle(file, written);
  const platform::Status flushed =
      job.flushError ? platform::Status(job.flushError) : device.Flush(file);
  if (!bytes.IsFirstPass()) {
    if (!flushed) {
      job.filled = false;
      job.error = flushed.error();
    }
    return TFillEnd::Zeros;
  }
  TFileOverwriter written1(file, written, static_cast<std::uint32_t>(job.cluster), turns_);
  if (!flushed) {
    written1.NoteFailure(1, 0, flushed.error());
    passFailure_ = written1.Failure();
    return TFillEnd::FirstPassFailed;
  }
  if (first->pass.CheckWipe && !Stopped()) {
    written1.Verify(bytes.Buffer(), 0, written, 1, first->total);
    if (written1.UnverifiedAt()) {
      Fail(job.temporary, TWipeFailureReason::VerificationFailed, written1.VerifyError(),
           Tr("at byte ") + std::to_string(*written1.UnverifiedAt()));
    }
  }
  return TFillEnd::FirstPass;
}

void TFreeSpaceFill::FillTail(TFreeSpaceJob& job, FillBytes& bytes, std::uint64_t total) {
  // The fill ends where the file system says its space ends, or where it refuses the file more.
  // Either may leave free blocks: ext4 refuses a large file its last ones when taking them would
  // also take a block for the file's own map of its extents, and its figures can count blocks
  // as taken that are free again. A new small file keeps its map in its inode; it is written a
  // cluster at a time until the file system refuses it. A file system that writes elsewhere
  // keeps what is left for its metadata.
  if (!job.filled || !(job.full || job.figuresEnded) || job.copyOnWrite || Stopped() || job.moved) {
    return;
  }
  // What the file system freed during the fill becomes free only after a commit: it comes
  // first, so that the second file takes those blocks too. A file system that cannot be forced
  // to the device is named when its journal is written to its place, before the files go.
  (void)CommitFileSystem(job);
  // The clusters the file system keeps back from every writer (ext4's reserve, which the
  // administrator may lower) go to the small files alone. The first file holds everything else
  // while its passes run, hours on a large drive; the small ones are wiped and deleted first, and
  // the reserve is back before those passes begin. Without it, what other programs wrote shortly
  // before or write into space they set aside would have no block to go to and be lost.
  const std::uint64_t reserved = LowerReserve(job);
  // The reserve's clusters lie scattered, so the file taking them may be refused its last ones
  // for its own map as the first was: a third file, after another commit, takes those.
  const int files = reserved > 0 ? 2 : 1;
  for (int index = 0; index < files; ++index) {
    if (index > 0) (void)CommitFileSystem(job);
    const std::uint64_t clusters = kMostTailClusters + (index == 0 ? reserved : 0);
    if (!FillSmallFile(job, bytes, kTailNames[index], std::min(total, clusters * job.cluster)) ||
        Stopped() || job.moved) {
      return;
    }
  }
}

std::uint64_t TFreeSpaceFill::LowerReserve(TFreeSpaceJob& job) {
  if (!job.lock.held()) return 0;
  const platform::JournalInfo kind = run_.Journals.inspect(job.root);
  if (!kind.ext4) return 0;
  job.reserve =
      std::make_unique<TReserveLowering>(run_.Files, kind.device, platform::ext4ReserveFolder(),
                                         ReserveRecordFile(job.bound.id.device));
  return job.reserve->Clusters();
}

bool TFreeSpaceFill::FillSmallFile(TFreeSpaceJob& job, FillBytes& bytes, const char* name,
                                   std::uint64_t most) {
  bool refused = false;
  const std::string tail = platform::folderPartOf(job.temporary) + name;
  auto file = job.files->createOwnFile(tail);
  if (!file) return false;  // what stays free is told as unreached
  job.tails.push_back(tail);
  const auto made = file->info();
  if (job.rootMount != 0 && (!made || made->mount != job.rootMount)) return false;
  for (std::uint64_t written = 0; written < most && !Stopped(); written += job.cluster) {
    turns_.HandleEvents();
    if (const platform::Status wrote = WriteFill(*file, bytes, job.cluster); !wrote) {
      job.full = refused = wrote.error() == std::errc::no_space_on_device;
      if (!job.full) {
        job.filled = false;
        job.error = wrote.error();
      }
      break;
    }
  }
  if (file->position() == 0) {
    // Refused at once: nothing of it to wipe.
    file.reset();
    place_.Remove(job, tail);
    job.tails.pop_back();
    return false;
  }
  // The method's passes go over it as over any file of the run: it holds only a few clusters.
  TDeviceWaits device(turns_);
  device.Settle(*file, file->position());
  if (const platform::Status flushed = device.Flush(*file); !flushed && !job.flushError) {
    job.flushError = flushed.error();
  }
  return refused;
}

std::uint64_t TFreeSpaceFill::FillUp(TFreeSpaceJob& job, platform::File& file, FillBytes& bytes,
                                     std::uint64_t initial, std::uint64_t large,
                                     std::uint64_t total) {
  IWipeProgress& window = *turns_.Window;
  TDeviceWaits device(turns_);
  std::uint64_t previous = 0;
  std::uint64_t sinceWriteback = 0;
  for (;;) {
    turns_.HandleEvents();
    if (Stopped()) break;
    // Asked right before each write: the figures must still be those of the bound file system.
    const auto now = job.Ask();
    if (!now) {
      job.filled = false;
      break;
    }
    const std::uint64_t free = now->available;
    // Before the last stretch, what was written goes to the device, the windows handling
    // events: a file system that is nearly full (ext4) makes the next small write wait for
    // everything still in the cache otherwise, in one long call.
    if (free < 2 * large && !job.drained) {
      job.drained = true;
      device.Settle(file, file.position());
      const platform::Status flushed = device.Flush(file);
      if (!flushed && !job.flushError) job.flushError = flushed.error();
    }
    std::uint64_t length = job.cluster;
    bool last = false;
    if (free < job.cluster) {
      // What is left of a cluster; after a partial write (or none) this is the last turn.
      length = free;
      last = previous < job.cluster;
    } else if (free >= 2 * large) {
      length = large;
    }
    if (const platform::Status wrote = WriteFill(file, bytes, length); !wrote) {
      // No space left is where the fill ends, even when the figures promised more.
      job.error = wrote.error();
      job.full = job.error == std::errc::no_space_on_device;
      job.filled = job.full;
      break;
    }
    device.Pace(file, length, sinceWriteback);
    const std::uint64_t share = UsedShare(free - length, initial);
    window.SetFilePosition(share);
    window.SetPassPosition(share);
    previous = length;
    // A file system whose free space does not shrink as the file grows would never end.
    if (last) job.figuresEnded = true;
    if (last || (total > 0 && file.position() > total)) break;
  }
  return file.position();
}

platform::Status TFreeSpaceFill::WriteFill(platform::File& file, FillBytes& bytes,
                                           std::uint64_t length) {
  // An empty write too, where the space ends within a cluster.
  if (length == 0) return file.write("", 0);
  for (std::uint64_t done = 0; done < length;) {
    const std::string_view piece = bytes.Bytes(file.position(), length - done);
    if (piece.empty()) {
      // Why the pass's bytes could not be made, where its buffer says.
      const std::error_code made = bytes.IsFirstPass() ? bytes.Buffer().Error() : std::error_code{};
      return made ? made : std::make_error_code(std::errc::io_error);
    }
    if (const platform::Status wrote = file.write(piece.data(), piece.size()); !wrote) {
      return wrote;
    }
    done += piece.size();
  }
  return {};
}

void TFreeSpaceFill::ReportUnreached(const TFreeSpaceJob& job, const platform::DiskSpace& left) {
  // Free space the fill could not reach: the administrator's reserve when the caller may not
  // write into it, and what the file system kept back when it said it was full.
  if (left.free > left.available) {
    Fail(job.root, TWipeFailureReason::ReserveUnreachable, {}, Bytes(left.free - left.available));
  }
  // Free blocks the file system keeps for its own use (XFS's reserve pool) are never given to
  // a file, whatever deleted files left in them.
  std::uint64_t keptBack = job.keptBack >= job.cluster ? job.keptBack : 0;
  if (job.full && left.available >= job.cluster) {
    if (job.copyOnWrite) {
      // What stays free is the room the file system keeps for its metadata.
      notes_.push_back({job.root,
                        TWipeFailureReason::KeptForMetadata,
                        {},
                        Bytes(left.available) + " of " + job.fileSystem});
    } else {
      keptBack += left.available;
    }
  }
  if (keptBack == 0) return;
  Fail(job.root, TWipeFailureReason::FreeSpaceFillFailed,
       std::make_error_code(std::errc::no_space_on_device),
       Bytes(keptBack) + Tr(" the file system keeps back could not be written"));
}

platform::Result<std::unique_ptr<platform::Folder>> TFreeSpaceFill::OpenJobFolder(
    const TFreeSpaceJob& job) {
  auto place = platform::openContainingFolder(*job.files, job.temporary);
  if (!place) return place.error();
  const auto there = place->folder->info();
  if (!there) return there.error();
  if (job.rootMount != 0 && there->mount != job.rootMount) {
    return std::make_error_code(std::errc::no_such_device);
  }
  return std::move(place->folder);
}

void TFreeSpaceFill::DiscardFreeBlocks(const std::string& root, std::uint64_t total) {
  turns_.Window->ShowFile(Tr("Discarding free blocks..."));
  for (std::uint64_t start = 0; !Stopped(); start += kDiscardStep) {
    // The last step reaches to the file system's end, whatever its figures left out.
    const bool last = total <= kDiscardStep || start >= total - kDiscardStep;
    const platform::Status done = run_.Files.discardFreeBlocks(
        root, start, last ? std::numeric_limits<std::uint64_t>::max() : kDiscardStep);
    if (!done) {
      // A start past the end of a file system smaller than its figures said: all is done.
      if (start > 0 && done.error() == std::errc::invalid_argument) return;
      const std::string why = WhyNotDiscarded(done.error());
      notes_.push_back({root, TWipeFailureReason::NotDiscarded,
                        why.empty() ? done.error() : std::error_code(), why});
      return;
    }
    turns_.HandleEvents();
    if (last) return;
  }
}
