#include "core/DeviceRecord.h"

#include <algorithm>
#include <limits>

#include "core/BlockFingerprint.h"
#include "core/JournalCleanup.h"
#include "core/Translated.h"
#include "platform/Folder.h"
#include "platform/Journal.h"

namespace {

std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
  if (a != 0 && b > std::numeric_limits<std::uint64_t>::max() / a) {
    return std::numeric_limits<std::uint64_t>::max();
  }
  return a * b;
}

// Why blocks of an extent cannot be compared on the device; empty when they can.
std::string Unplaced(std::uint32_t flags) {
  if (flags & platform::ExtentEncoded) return Tr("its content is stored compressed");
  if (flags & platform::ExtentInline)
    return Tr("its content is kept inside the file system's metadata");
  if (flags & platform::ExtentNotAligned) return Tr("its content is packed with other data");
  if (flags & platform::ExtentUnknownPlace)
    return Tr("the file system does not tell where it lies");
  return {};
}

// The runs of blocks fingerprinted of a file of `blocks` blocks: all of them, or `stretches`
// runs spread evenly from its first block to its last, `perFile` blocks in all.
std::vector<std::pair<std::uint64_t, std::uint64_t>> ChosenRuns(std::uint64_t blocks,
                                                                std::size_t perFile,
                                                                std::size_t stretches) {
  if (blocks <= perFile || stretches < 2) return {{0, std::min<std::uint64_t>(blocks, perFile)}};
  const std::uint64_t length = std::max<std::uint64_t>(1, perFile / stretches);
  std::vector<std::pair<std::uint64_t, std::uint64_t>> runs;
  for (std::size_t k = 0; k < stretches; ++k) {
    const std::uint64_t start = (blocks - length) * k / (stretches - 1);
    if (!runs.empty() && runs.back().first + runs.back().second >= start) {
      runs.back().second = std::max(runs.back().second, start + length - runs.back().first);
      continue;
    }
    runs.emplace_back(start, length);
  }
  return runs;
}

}  // namespace

TDeviceRecord::TDeviceRecord() : TDeviceRecord(Limits{}) {}
TDeviceRecord::TDeviceRecord(Limits limits) : limits_(limits) {}
TDeviceRecord::~TDeviceRecord() = default;

std::size_t TDeviceRecord::heldBytes() const {
  return samples_.size() * sizeof(Sample) + files_.size() * sizeof(File) + pathBytes_ +
         folders_.size() * sizeof(Folder) + pending_.size() * 64;
}

std::size_t TDeviceRecord::volumeFor(const std::string& folder, std::uint64_t device) {
  for (std::size_t i = 0; i < volumes_.size(); ++i) {
    if (volumes_[i].Device == device) return i;
  }
  Volume volume;
  volume.Device = device;
  volume.Folder = folder;
  volume.Facts = platform::blockDevices().describe(folder);
  if (limits_.Fingerprints) {
    auto opened = platform::blockDevices().open(folder, device);
    if (opened) {
      volume.Open = opened.release();
    } else {
      volume.NotOpened = opened.error();
    }
  }
  volumes_.push_back(std::move(volume));
  return volumes_.size() - 1;
}

std::size_t TDeviceRecord::folderFor(platform::Folder& folder, std::size_t volume) {
  const auto known = folderIndex_.find(folder.path());
  if (known != folderIndex_.end()) return known->second;
  Folder record;
  record.Path = folder.path();
  record.Volume = volume;
  const auto info = folder.info();
  if (!info) {
    record.NotPlaced = info.error();
  } else {
    record.Id = info->id;
    if (platform::DeviceVolume* open = volumes_[volume].Open.get()) {
      auto places = open->folderPlaces(record.Path, record.Id);
      if (places) {
        record.Places = std::move(*places);
      } else {
        record.NotPlaced = places.error();
      }
    }
  }
  pathBytes_ += record.Path.size() * 2;
  folders_.push_back(std::move(record));
  folderIndex_.emplace(folder.path(), folders_.size() - 1);
  return folders_.size() - 1;
}

void TDeviceRecord::PassesBegin(platform::Folder& folder, platform::File* open,
                                const std::string& path, const platform::EntryId& id,
                                std::uint64_t size, const platform::FileLayout& layout,
                                int passes) {
  Pending pending{0, false, SaturatingProduct(size, static_cast<std::uint64_t>(passes))};
  if (heldBytes() + path.size() + sizeof(File) > limits_.RecordBytes) {
    pending_[{id.device, id.inode}] = pending;
    return;
  }
  const std::size_t volume = volumeFor(folder.path(), id.device);
  File file;
  file.Path = path;
  file.Folder = folderFor(folder, volume);
  file.Id = id;
  file.Size = size;
  file.Passes = passes;
  if (limits_.Fingerprints) {
    Volume& where = volumes_[volume];
    if (!where.Open) {
      file.NotRecorded = where.NotOpened.message();
    } else if (heldBytes() > limits_.FingerprintBytes) {
      file.NotRecorded = Tr("the check had no memory left to record it");
    } else {
      file.NotRecorded = fingerprint(file, open, where, layout);
    }
  }
  pathBytes_ += path.size();
  files_.push_back(std::move(file));
  pending.File = files_.size() - 1;
  pending.Held = true;
  pending_[{id.device, id.inode}] = pending;
}

std::string TDeviceRecord::fingerprint(File& file, platform::File* open, Volume& volume,
                                       const platform::FileLayout& layout) {
  if (!layout.mapped) {
    return Tr("the file system does not tell where the file lies") +
           (layout.mapError ? " (" + layout.mapError.message() + ")" : std::string());
  }
  platform::DeviceVolume& device = *volume.Open;
  const std::uint64_t block = device.blockSize() ? device.blockSize() : 4096;
  file.Blocks = (file.Size + block - 1) / block;
  file.FirstSample = static_cast<std::uint32_t>(samples_.size());
  const auto fail = [&](std::string why) {
    samples_.resize(file.FirstSample);
    file.Samples = 0;
    file.Uniform = 0;
    return why;
  };
  // Fingerprints the device bytes of the blocks from `first`, which lie there one after the
  // other.
  const auto take = [&](std::string_view bytes, std::uint64_t offset, std::uint64_t first) {
    for (std::uint64_t at = 0; at < bytes.size(); at += block) {
      const std::uint64_t inFile = file.Size - (first * block + at);
      const std::string_view piece = bytes.substr(at, std::min<std::uint64_t>(block, inFile));
      if (OneByteRepeated(piece)) {
        ++file.Uniform;
        continue;
      }
      samples_.push_back(
          {offset + at, BlockFingerprint(piece), static_cast<std::uint32_t>(piece.size())});
      ++file.Samples;
    }
  };
  // The file's bytes as the open file reads them: the system's cache holds them (the layout
  // was read with what was written placed on the device first), so the device need not be
  // asked while the run writes. Without the file at hand, the device's bytes.
  const auto content = [&](std::uint64_t logical, std::uint64_t length,
                           std::uint64_t offset) -> platform::Result<std::string_view> {
    if (open) {
      auto cached = open->readCached(logical, static_cast<std::size_t>(length));
      if (cached && cached->size() >= length) return cached;
    }
    return device.read(offset, static_cast<std::size_t>(length));
  };
  const std::vector<platform::Extent>& extents = layout.extents;
  std::size_t next = 0;
  for (const auto& [start, count] :
       ChosenRuns(file.Blocks, limits_.BlocksPerFile, limits_.Stretches)) {
    for (std::uint64_t b = start; b < start + count;) {
      const std::uint64_t logical = b * block;
      while (next < extents.size() && extents[next].logical + extents[next].length <= logical)
        ++next;
      if (next == extents.size() || extents[next].logical > logical) {
        ++b;  // a hole: no block of the device held this part
        continue;
      }
      const platform::Extent& extent = extents[next];
      if (std::string why = Unplaced(extent.flags); !why.empty()) return fail(why);
      const std::uint64_t inExtent = (extent.logical + extent.length - logical + block - 1) / block;
      const std::uint64_t span = std::min(start + count - b, inExtent);
      // The file's bytes of those blocks: the last block of the file counts up to its end.
      const std::uint64_t bytes = std::min(span * block, file.Size - logical);
      const platform::Extent piece{logical, extent.physical + (logical - extent.logical), bytes,
                                   extent.flags};
      auto places = device.place(piece);
      if (!places)
        return fail(Tr("its place on the device is unknown (") + places.error().message() + ")");
      // One piece, kept once or in several copies: the file's bytes are read once.
      const bool copies = std::all_of(places->begin(), places->end(),
                                      [bytes](const auto& range) { return range.length == bytes; });
      for (std::uint64_t k = 0; k < (copies ? 1 : span); ++k) {
        // Otherwise block by block, each copy of each block.
        const std::uint64_t at = logical + k * block;
        const std::uint64_t length = copies ? bytes : std::min(block, file.Size - at);
        auto where =
            copies ? places : device.place({at, piece.physical + k * block, length, extent.flags});
        if (!where || where->empty()) return fail(Tr("its place on the device is unknown"));
        auto read = content(at, length, where->front().offset);
        if (!read || read->size() < length) {
          return fail(Tr("its content could not be read") +
                      (read ? std::string() : " (" + read.error().message() + ")"));
        }
        for (const platform::DeviceRange& copy : *where) take(*read, copy.offset, b + k);
      }
      b += span;
    }
  }
  return {};
}

void TDeviceRecord::FilesAhead(platform::Folder& folder,
                               const std::vector<platform::DirEntry>& entries) {
  if (!limits_.Fingerprints) return;
  const auto first = std::find_if(entries.begin(), entries.end(), [](const auto& entry) {
    return entry.kind == platform::EntryKind::File;
  });
  // Nothing is fetched for a device the check cannot read.
  if (first == entries.end() || !volumes_[volumeFor(folder.path(), first->id.device)].Open) return;
  std::uint64_t asked = 0;
  for (const platform::DirEntry& entry : entries) {
    if (entry.kind != platform::EntryKind::File || entry.size == 0 ||
        entry.size > limits_.AheadFileBytes) {
      continue;
    }
    if (asked + entry.size > limits_.AheadBytes) break;
    folder.adviseRead(entry.name, entry.id, entry.size);
    asked += entry.size;
  }
}

void TDeviceRecord::Deleted(const platform::EntryId& id) {
  const auto found = pending_.find({id.device, id.inode});
  if (found == pending_.end()) return;
  const Pending& pending = found->second;
  if (pending.Held) {
    files_[pending.File].Deleted = true;
  } else {
    ++uncounted_;
  }
  const std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
  bytesWritten_ = bytesWritten_ > most - pending.Bytes ? most : bytesWritten_ + pending.Bytes;
  pending_.erase(found);
}

void TDeviceRecord::JournalCleared(const std::string& folder,
                                   const platform::JournalOutcome& outcome) {
  const bool cleared = outcome.result == platform::JournalResult::Cleaned ||
                       outcome.result == platform::JournalResult::NoJournal;
  journals_.push_back({folder, cleared, DescribeJournalOutcome(outcome)});
}
