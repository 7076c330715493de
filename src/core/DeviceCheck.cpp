#include "core/DeviceCheck.h"

#include <algorithm>
#include <map>

#include "core/BlockFingerprint.h"
#include "core/NameSearch.h"
#include "core/Translated.h"

namespace {

// Bytes read at once: samples that lie one after another, or a piece of an area searched.
constexpr std::size_t kReadStep = std::size_t(1) << 20;
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

std::vector<std::uint64_t> TDeviceCheck::oldBlocks(const TDeviceRecord::File& file,
                                                   platform::DeviceVolume& device,
                                                   std::string& problem) {
  std::vector<std::uint64_t> old;
  const auto& samples = record_.Samples();
  std::uint32_t s = 0;
  while (s < file.Samples && problem.empty()) {
    // The samples that lie one after another are read at once.
    const std::uint32_t first = s;
    std::uint64_t length = samples[file.FirstSample + s].Length;
    while (s + 1 < file.Samples && length < kReadStep) {
      const auto& here = samples[file.FirstSample + s];
      const auto& next = samples[file.FirstSample + s + 1];
      if (next.Offset != here.Offset + here.Length) break;
      length += next.Length;
      ++s;
    }
    ++s;
    const std::uint64_t start = samples[file.FirstSample + first].Offset;
    auto bytes = device.read(start, static_cast<std::size_t>(length));
    if (!bytes || bytes->size() < length) {
      problem = Tr("the device could not be read back") +
                (bytes ? std::string() : " (" + bytes.error().message() + ")");
      break;
    }
    for (std::uint32_t k = first; k < s; ++k) {
      const auto& sample = samples[file.FirstSample + k];
      if (BlockFingerprint(bytes->substr(sample.Offset - start, sample.Length)) ==
          sample.Fingerprint) {
        old.push_back(sample.Offset);
      }
    }
    if (!step(length)) problem = Tr("the check was stopped");
  }
  return old;
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
  std::string carry;
  for (const Area& area : areas) {
    carry.clear();
    std::uint64_t at = area.Range.offset;
    const std::uint64_t end = area.Range.offset + area.Range.length;
    while (at < end) {
      const std::size_t length =
          static_cast<std::size_t>(std::min<std::uint64_t>(kReadStep, end - at));
      auto bytes = device.read(at, length);
      if (!bytes || bytes->empty()) {
        problem = Tr("the device could not be read back") +
                  (bytes ? std::string() : " (" + bytes.error().message() + ")");
        return;
      }
      const std::uint64_t base = at - carry.size();
      std::string joined = carry;
      joined.append(bytes->data(), bytes->size());
      search.Search(joined, 0, [&](std::uint32_t tag, std::size_t position) {
        std::vector<Hit>& found = hits[tag];
        const std::uint64_t offset = base + position;
        // A hit in another folder's blocks is a name alike of a file still there.
        if (area.Folder != kLog && area.Folder != record.Files()[files[tag]].Folder) return;
        for (const Hit& hit : found)
          if (hit.Offset == offset) return;
        if (found.size() < kOffsetsNamed + 1) found.push_back({area.Folder, offset});
      });
      const std::size_t keep = std::min(search.Overlap(), joined.size());
      carry = joined.substr(joined.size() - keep);
      at += bytes->size();
      if (!step(bytes->size())) {
        problem = Tr("the check was stopped");
        return;
      }
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
  std::vector<std::vector<std::uint64_t>> old(files.size());
  std::vector<std::string> contentProblem(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) {
    TDeviceRecord::File& file = all[files[i]];
    contentProblem[i] = file.NotRecorded;
    if (contentProblem[i].empty()) old[i] = oldBlocks(file, device, contentProblem[i]);
  }
  if (!summary_.Stopped) searchNames(volume, files, hits, namesProblem);
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
