#include "core/DeviceCheck.h"

#include <algorithm>
#include <map>

#include "core/BlockFingerprint.h"
#include "core/MergedReads.h"
#include "core/NameSearch.h"
#include "core/Translated.h"

namespace {

// Bytes read at once at most: nearby samples, or pieces of areas searched.
constexpr std::size_t kReadStep = std::size_t(1) << 20;
// Places at most this far apart are read in one read, the gap with them.
constexpr std::uint64_t kJoinGap = 64 * 1024;
// Device offsets named per file at most; the rest are counted.
constexpr std::size_t kOffsetsNamed = 5;
// What is read of an area for names at most (btrfs metadata on a large file system).
constexpr std::uint64_t kMostAreaBytes = std::uint64_t(4) << 30;

std::string OffsetList(const std::vector<std::uint64_t>& offsets) {
  std::string text;
  for (std::size_t i = 0; i < offsets.size() && i < kOffsetsNamed; ++i) {
    if (i > 0) text += ", ";
    text += std::to_string(offsets[i]);
  }
  if (offsets.size() > kOffsetsNamed) {
    text += Tr(" and ") + std::to_string(offsets.size() - kOffsetsNamed) + Tr(" more");
  }
  return text;
}

std::string NameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::uint64_t RangeBytes(const std::vector<platform::DeviceRange>& ranges) {
  std::uint64_t bytes = 0;
  for (const auto& range : ranges) bytes += range.length;
  return bytes;
}

}  // namespace

void AddDeviceVerdicts(const TDeviceRecord& record, std::vector<TWipeFailure>& failures,
                       std::vector<TWipeFailure>& notes) {
  const std::string notVerified = Tr("not verified (");
  for (const TDeviceRecord::File& file : record.Files()) {
    if (!file.Deleted) continue;
    if (file.Checked == TDeviceRecord::Verdict::Found) {
      failures.push_back({file.Path, TWipeFailureReason::FoundOnDevice, {}, file.Detail});
    } else if (file.Checked == TDeviceRecord::Verdict::NotVerified) {
      std::string why = file.Detail;
      if (why.rfind(notVerified, 0) == 0 && why.back() == ')') {
        why = why.substr(notVerified.size(), why.size() - notVerified.size() - 1);
      }
      notes.push_back({file.Path, TWipeFailureReason::NotVerifiedOnDevice, {}, why});
    }
  }
}

std::string TDeviceCheck::VerdictText(TDeviceRecord::Verdict verdict) {
  switch (verdict) {
    case TDeviceRecord::Verdict::Verified:
      return Tr("verified on the device");
    case TDeviceRecord::Verdict::Found:
      return Tr("found on the device");
    case TDeviceRecord::Verdict::NotVerified:
      return Tr("not verified");
    case TDeviceRecord::Verdict::Unchecked:
      break;
  }
  return Tr("not checked");
}

bool TDeviceCheck::step(std::uint64_t bytes) {
  summary_.BytesRead += bytes;
  if (progress_ && progress_(summary_.BytesRead, total_)) summary_.Stopped = true;
  return !summary_.Stopped;
}

TDeviceCheckSummary TDeviceCheck::Run(const Progress& progress) {
  summary_ = {};
  progress_ = progress;
  auto& files = record_.Files();
  auto& volumes = record_.Volumes();
  auto& folders = record_.Folders();
  // The deleted files of each volume, and an estimate of what will be read.
  std::vector<std::vector<std::size_t>> byVolume(volumes.size());
  std::vector<bool> folderUsed(folders.size(), false);
  total_ = 0;
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!files[i].Deleted) continue;
    byVolume[folders[files[i].Folder].Volume].push_back(i);
    folderUsed[files[i].Folder] = true;
    for (std::uint32_t s = 0; s < files[i].Samples; ++s)
      total_ += record_.Samples()[files[i].FirstSample + s].Length;
  }
  for (std::size_t f = 0; f < folders.size(); ++f) {
    if (folderUsed[f]) total_ += RangeBytes(folders[f].Places);
  }
  for (std::size_t v = 0; v < volumes.size(); ++v) {
    if (byVolume[v].empty()) continue;
    const platform::DeviceFacts& facts = volumes[v].Facts;
    const std::string device = facts.device.empty() ? volumes[v].Folder : facts.device;
    if (facts.rotational == false) {
      summary_.Notes.push_back(
          device +
          Tr(": the device reports itself as flash (not rotational): it remaps blocks, and the "
             "read-back sees what the device shows, not the spare cells it keeps out of view"));
    }
    if (facts.encrypted) {
      summary_.Notes.push_back(device +
                               Tr(": the file system lies on an encrypted volume (dm-crypt): the "
                                  "check read the decrypted view"));
    }
    checkVolume(v, byVolume[v]);
  }
  for (const auto& file : files) {
    if (!file.Deleted) continue;
    switch (file.Checked) {
      case TDeviceRecord::Verdict::Verified:
        ++summary_.Verified;
        break;
      case TDeviceRecord::Verdict::Found:
        ++summary_.Found;
        break;
      default:
        ++summary_.NotVerified;
        break;
    }
  }
  return summary_;
}

void TDeviceCheck::oldBlocks(platform::DeviceVolume& device, const std::vector<std::size_t>& files,
                             std::vector<std::string>& problems, std::vector<bool>& old) {
  const auto& samples = record_.Samples();
  const auto& all = record_.Files();
  // The samples to read, by device offset (4 bytes each), and the first sample of each file
  // with the file it starts, to tell whose a sample is.
  std::vector<std::uint32_t> order;
  std::vector<std::pair<std::uint32_t, std::size_t>> starts;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const TDeviceRecord::File& file = all[files[i]];
    if (!problems[i].empty() || file.Samples == 0) continue;
    starts.emplace_back(file.FirstSample, i);
    for (std::uint32_t s = 0; s < file.Samples; ++s) order.push_back(file.FirstSample + s);
  }
  if (order.empty()) return;
  std::sort(starts.begin(), starts.end());
  std::sort(order.begin(), order.end(), [&samples](std::uint32_t a, std::uint32_t b) {
    return samples[a].Offset != samples[b].Offset ? samples[a].Offset < samples[b].Offset : a < b;
  });
  const auto ownerOf = [&starts](std::uint32_t sample) {
    return std::prev(std::upper_bound(starts.begin(), starts.end(),
                                      std::make_pair(sample, std::size_t(-1))))
        ->second;
  };
  const auto placeAt = [&](std::size_t k) {
    const TDeviceRecord::Sample& sample = samples[order[k]];
    return platform::DeviceRange{sample.Offset, sample.Length};
  };
  // What the gaps between joined samples add to the bytes read.
  platform::DeviceRange read;
  for (std::size_t k = 0; k < order.size();) {
    const std::size_t next = MergedRead(k, order.size(), placeAt, kJoinGap, kReadStep, read);
    total_ += read.length;
    for (; k < next; ++k) total_ -= samples[order[k]].Length;
  }
  for (std::size_t k = 0; k < order.size();) {
    const std::size_t next = MergedRead(k, order.size(), placeAt, kJoinGap, kReadStep, read);
    std::string problem;
    if (summary_.Stopped) {
      problem = Tr("the check was stopped");
    } else {
      auto bytes = device.read(read.offset, static_cast<std::size_t>(read.length));
      if (!bytes || bytes->size() < read.length) {
        problem = Tr("the device could not be read back") +
                  (bytes ? std::string() : " (" + bytes.error().message() + ")");
      } else {
        for (std::size_t m = k; m < next; ++m) {
          const TDeviceRecord::Sample& sample = samples[order[m]];
          if (BlockFingerprint(bytes->substr(sample.Offset - read.offset, sample.Length)) ==
              sample.Fingerprint) {
            old[order[m]] = true;
          }
        }
        if (!step(read.length)) problem = Tr("the check was stopped");
      }
    }
    for (; k < next; ++k) {
      if (problem.empty()) continue;
      std::string& said = problems[ownerOf(order[k])];
      if (said.empty()) said = problem;
    }
  }
}

void TDeviceCheck::searchNames(std::size_t volume, const std::vector<std::size_t>& files,
                               std::vector<std::vector<Hit>>& hits, std::string& problem) {
  auto& record = record_;
  platform::DeviceVolume& device = *record.Volumes()[volume].Open;
  TNameSearch search;
  for (std::size_t i = 0; i < files.size(); ++i) {
    search.Add(NameOf(record.Files()[files[i]].Path), static_cast<std::uint32_t>(i));
  }
  if (search.Empty()) return;
  std::vector<Area> areas;
  std::vector<bool> seen(record.Folders().size(), false);
  for (std::size_t index : files) {
    const std::size_t folder = record.Files()[index].Folder;
    if (seen[folder]) continue;
    seen[folder] = true;
    for (const auto& range : record.Folders()[folder].Places) areas.push_back({range, folder});
  }
  auto log = device.logArea();
  if (!log) {
    problem = Tr("the file system's ") +
              (device.logAreaName().empty() ? std::string(Tr("journal")) : device.logAreaName()) +
              Tr(" could not be found on the device (") + log.error().message() + ")";
  } else {
    const std::uint64_t logBytes = RangeBytes(*log);
    total_ += std::min(logBytes, kMostAreaBytes);
    std::uint64_t taken = 0;
    for (const auto& range : *log) {
      if (taken >= kMostAreaBytes) break;
      const std::uint64_t length = std::min(range.length, kMostAreaBytes - taken);
      areas.push_back({{range.offset, length}, kLog});
      taken += length;
    }
    if (logBytes > kMostAreaBytes) {
      problem = Tr("only the first ") + std::to_string(kMostAreaBytes >> 30) + Tr(" GiB of the ") +
                device.logAreaName() + Tr(" were searched for names");
    }
  }
  // Each area in pieces of one read at most, all of them in device order. A name is searched
  // for within one area, across the joints of its pieces: what an area's last piece ended with
  // is kept for its next.
  struct Piece {
    platform::DeviceRange Range;
    std::size_t Area;
  };
  std::vector<Piece> pieces;
  for (std::size_t a = 0; a < areas.size(); ++a) {
    const platform::DeviceRange& range = areas[a].Range;
    for (std::uint64_t at = range.offset; at < range.offset + range.length; at += kReadStep) {
      pieces.push_back(
          {{at, std::min<std::uint64_t>(kReadStep, range.offset + range.length - at)}, a});
    }
  }
  std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
    return a.Range.offset != b.Range.offset ? a.Range.offset < b.Range.offset : a.Area < b.Area;
  });
  std::vector<std::string> carries(areas.size());
  const auto placeAt = [&pieces](std::size_t k) { return pieces[k].Range; };
  const auto kept = [](const Hit& a, const Hit& b) {
    // A folder's blocks before the log area, each in device order.
    return std::make_pair(a.Folder == kLog, a.Offset) < std::make_pair(b.Folder == kLog, b.Offset);
  };
  platform::DeviceRange read;
  for (std::size_t k = 0; k < pieces.size();) {
    const std::size_t next = MergedRead(k, pieces.size(), placeAt, kJoinGap, kReadStep, read);
    auto bytes = device.read(read.offset, static_cast<std::size_t>(read.length));
    if (!bytes || bytes->empty()) {
      problem = Tr("the device could not be read back") +
                (bytes ? std::string() : " (" + bytes.error().message() + ")");
      return;
    }
    for (; k < next; ++k) {
      const Piece& piece = pieces[k];
      const Area& area = areas[piece.Area];
      const std::uint64_t skip = piece.Range.offset - read.offset;
      if (skip >= bytes->size()) {
        problem = Tr("the device could not be read back");
        return;
      }
      const std::string_view got = bytes->substr(static_cast<std::size_t>(skip),
                                                 static_cast<std::size_t>(piece.Range.length));
      std::string& carry = carries[piece.Area];
      const std::uint64_t base = piece.Range.offset - carry.size();
      std::string joined = std::move(carry);
      joined.append(got.data(), got.size());
      search.Search(joined, 0, [&](std::uint32_t tag, std::size_t position) {
        // A hit in another folder's blocks is a name alike of a file still there.
        if (area.Folder != kLog && area.Folder != record.Files()[files[tag]].Folder) return;
        const Hit hit{area.Folder, base + position};
        std::vector<Hit>& found = hits[tag];
        for (const Hit& known : found)
          if (known.Offset == hit.Offset) return;
        found.insert(std::upper_bound(found.begin(), found.end(), hit, kept), hit);
        if (found.size() > kOffsetsNamed + 1) found.pop_back();
      });
      if (got.size() < piece.Range.length) {
        problem = Tr("the device could not be read back");
        return;
      }
      const bool last =
          piece.Range.offset + piece.Range.length == area.Range.offset + area.Range.length;
      const std::size_t keep = last ? 0 : std::min(search.Overlap(), joined.size());
      carry = joined.substr(joined.size() - keep);
    }
    if (!step(read.length)) {
      problem = Tr("the check was stopped");
      return;
    }
  }
}

void TDeviceCheck::checkVolume(std::size_t volume, const std::vector<std::size_t>& files) {
  TDeviceRecord::Volume& where = record_.Volumes()[volume];
  auto& all = record_.Files();
  if (!where.Open || summary_.Stopped) {
    const std::string why =
        summary_.Stopped ? std::string(Tr("the check was stopped")) : where.NotOpened.message();
    for (std::size_t index : files) {
      all[index].Checked = TDeviceRecord::Verdict::NotVerified;
      all[index].Detail = Tr("not verified (") + why + ")";
    }
    return;
  }
  platform::DeviceVolume& device = *where.Open;
  // What the file system still holds in memory goes to the device first.
  const platform::Status settled = device.settle();
  std::vector<std::vector<Hit>> hits(files.size());
  std::string namesProblem;
  if (!settled) {
    namesProblem =
        Tr("the file system could not be forced to the device (") + settled.error().message() + ")";
  }
  std::vector<std::string> contentProblem(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) contentProblem[i] = all[files[i]].NotRecorded;
  std::vector<bool> held(record_.Samples().size(), false);
  oldBlocks(device, files, contentProblem, held);
  // The fingerprinted blocks of each file that still hold their old content, in its order.
  std::vector<std::vector<std::uint64_t>> old(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    const TDeviceRecord::File& file = all[files[i]];
    for (std::uint32_t s = file.FirstSample; s < file.FirstSample + file.Samples; ++s) {
      if (held[s]) old[i].push_back(record_.Samples()[s].Offset);
    }
  }
  // Names not searched for are not known to be gone.
  if (!summary_.Stopped) searchNames(volume, files, hits, namesProblem);
  if (summary_.Stopped && namesProblem.empty()) namesProblem = Tr("the check was stopped");
  const std::string area = device.logAreaName();
  for (std::size_t i = 0; i < files.size(); ++i) {
    TDeviceRecord::File& file = all[files[i]];
    file.OldBlocks = static_cast<std::uint32_t>(old[i].size());
    std::vector<std::string> found;
    if (!old[i].empty()) {
      found.push_back(std::to_string(old[i].size()) + " of " + std::to_string(file.Samples) +
                      Tr(" blocks compared still hold the old content, at device offsets ") +
                      OffsetList(old[i]));
    }
    if (!hits[i].empty()) {
      std::string where;
      for (std::size_t k = 0; k < hits[i].size() && k < kOffsetsNamed; ++k) {
        if (k > 0) where += ", ";
        where += (hits[i][k].Folder == kLog ? Tr("in the ") + area
                                            : std::string(Tr("in a folder block"))) +
                 Tr(" at device offset ") + std::to_string(hits[i][k].Offset);
      }
      found.push_back(Tr("its name is still on the device: ") + where);
    }
    if (!found.empty()) {
      file.Checked = TDeviceRecord::Verdict::Found;
      file.Detail = found[0] + (found.size() > 1 ? "; " + found[1] : std::string());
      continue;
    }
    std::string why = contentProblem[i];
    if (why.empty()) why = namesProblem;
    const auto& folder = record_.Folders()[file.Folder];
    if (why.empty() && folder.NotPlaced) {
      why = Tr("where its folder keeps names is not known (") + folder.NotPlaced.message() + ")";
    }
    if (!why.empty()) {
      file.Checked = TDeviceRecord::Verdict::NotVerified;
      file.Detail = Tr("not verified (") + why + ")";
      continue;
    }
    file.Checked = TDeviceRecord::Verdict::Verified;
    file.Detail = Tr("verified on the device");
    std::vector<std::string> said;
    if (file.Blocks > file.Samples + file.Uniform) {
      said.push_back(
          Substituted(Tr("{} of {} blocks sampled"),
                      {std::to_string(file.Samples + file.Uniform), std::to_string(file.Blocks)}));
    }
    if (file.Uniform > 0) {
      said.push_back(Substituted(
          TrN("{} block held one byte value repeated and could not be told apart",
              "{} blocks held one byte value repeated and could not be told apart", file.Uniform),
          {std::to_string(file.Uniform)}));
    }
    if (NameOf(file.Path).size() < TNameSearch::kShortest) {
      said.push_back(Tr("its name is too short to be searched for"));
    }
    for (std::size_t k = 0; k < said.size(); ++k) {
      file.Detail += (k == 0 ? " (" : "; ") + said[k] + (k + 1 == said.size() ? ")" : "");
    }
  }
}
