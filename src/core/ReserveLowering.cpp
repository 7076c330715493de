#include "core/ReserveLowering.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/FreeSpaceLock.h"
#include "core/SettingsFolder.h"
#include "platform/Ext4Reserve.h"
#include "platform/FileSystem.h"

namespace {

constexpr std::uint64_t kMostRecord = 64 << 10;
// The names of the records in the settings folder: one per file system, by device number, and
// the one record an earlier version kept for all.
constexpr std::string_view kRecordName = "reserve-lowered";
constexpr std::string_view kRecordPrefix = "reserve-lowered-";

// A plain decimal number and nothing else.
std::optional<std::uint64_t> Number(std::string_view digits) {
  std::uint64_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// True for the path of a reserve file of a device in the folder in use, and nothing else.
bool IsReserveFile(std::string_view file) {
  const std::string folder = platform::ext4ReserveFolder();
  constexpr std::string_view tail = "/reserved_clusters";
  if (folder.empty() || file.find('\0') != std::string_view::npos ||
      file.size() <= folder.size() + tail.size() || file.substr(0, folder.size()) != folder ||
      file.substr(file.size() - tail.size()) != tail) {
    return false;
  }
  const std::string_view device =
      file.substr(folder.size(), file.size() - folder.size() - tail.size());
  return device != "." && device != ".." && device.find('/') == std::string_view::npos;
}

// The number the kernel's file holds (digits and a line end), or why there is none: the file
// could not be read, or holds something else.
platform::Result<std::uint64_t> ReadValue(platform::FileSystem& files, const std::string& file) {
  const auto text = files.readFile(file, 64);
  if (!text) return text.error();
  std::string_view digits(*text);
  while (!digits.empty() && (digits.back() == '\n' || digits.back() == ' ')) {
    digits.remove_suffix(1);
  }
  const std::optional<std::uint64_t> value = Number(digits);
  if (!value) return std::make_error_code(std::errc::invalid_argument);
  return *value;
}

// Writes the value into the kernel's file in place (it cannot be replaced by another file).
platform::Status WriteValue(const std::string& file, std::uint64_t value) {
  return platform::writeExt4Reserve(file, std::to_string(value) + "\n");
}

// Puts back what the record names and removes it; the first failure when one could not be.
platform::Status RestoreRecord(platform::FileSystem& files, const std::string& record) {
  const auto text = files.readFile(record, kMostRecord);
  if (!text) return {};
  const std::string_view lines(*text);
  platform::Status all;
  for (std::size_t start = 0; start < lines.size();) {
    std::size_t end = lines.find('\n', start);
    if (end == std::string_view::npos) end = lines.size();
    const std::string_view line = lines.substr(start, end - start);
    start = end + 1;
    // "<reserve file> <value>": only a reserve file of the kernel's ext4 devices is ever
    // written, whatever the record says.
    const std::size_t space = line.rfind(' ');
    if (space == std::string_view::npos) continue;
    const std::string_view file = line.substr(0, space);
    const std::optional<std::uint64_t> value = Number(line.substr(space + 1));
    if (!value || !IsReserveFile(file)) continue;
    if (const platform::Status written = WriteValue(std::string(file), *value); !written && all) {
      all = written;
    }
  }
  // A record left behind is read again at the next start, which writes the same values again.
  if (all) platform::discardResult(files.deleteFile(record));
  return all;
}

}  // namespace

TReserveLowering::TReserveLowering(const std::string& device, const std::string& ext4Folder,
                                   const std::string& record)
    : TReserveLowering(platform::fs(), device, ext4Folder, record) {}

TReserveLowering::TReserveLowering(platform::FileSystem& files, const std::string& device,
                                   const std::string& ext4Folder, const std::string& record)
    : files_(files), record_(record) {
  if (device.empty() || ext4Folder.empty()) return;
  file_ = ext4Folder + device + "/reserved_clusters";
  // A record is there only when a run of this file system was killed while the reserve was
  // lowered (the caller holds the lock that a live run would hold): its value goes back first,
  // and while it cannot, the record keeps naming it and nothing is lowered over it.
  if (files_.info(record_)) {
    if (const platform::Status restored = RestoreRecord(files_, record_); !restored) {
      error_ = restored.error();
      return;
    }
  }
  const auto old = ReadValue(files_, file_);
  if (!old) {
    error_ = old.error();
    return;
  }
  if (*old == 0) return;
  old_ = *old;
  // Recorded first: a run killed from here on leaves what the next start needs.
  if (const platform::Status kept =
          files_.writeFileAtomic(record_, file_ + " " + std::to_string(old_) + "\n");
      !kept) {
    error_ = kept.error();
    return;
  }
  if (const platform::Status written = WriteValue(file_, 0); !written) {
    error_ = written.error();
    // A record left behind names the value the reserve still has: the next start writes it again.
    platform::discardResult(files_.deleteFile(record_));
    return;
  }
  lowered_ = true;
}

TReserveLowering::~TReserveLowering() {
  Restore();
}

bool TReserveLowering::Restore() {
  if (!lowered_) return true;
  if (!WriteValue(file_, old_)) return false;  // the record stays for the next start
  lowered_ = false;
  // A record left behind names the value just put back: the next start writes it again.
  platform::discardResult(files_.deleteFile(record_));
  return true;
}

std::string ReserveRecordFile(std::uint64_t device) {
  return GetSettingsFolder() + std::string(kRecordPrefix) + std::to_string(device);
}

bool RestoreLoweredReserves(const std::string& record) {
  return static_cast<bool>(RestoreRecord(platform::fs(), record));
}

bool RestoreLoweredReserves() {
  const std::string folder = GetSettingsFolder();
  const auto entries = platform::fs().listFolder(folder);
  if (!entries) return true;
  bool all = true;
  for (const platform::DirEntry& entry : *entries) {
    const std::string_view name = entry.name;
    if (entry.kind != platform::EntryKind::File) continue;
    if (name == kRecordName) {
      // An earlier version's record, which no run of this one writes.
      all = RestoreLoweredReserves(folder + entry.name) && all;
      continue;
    }
    if (name.substr(0, kRecordPrefix.size()) != kRecordPrefix) continue;
    const std::optional<std::uint64_t> device = Number(name.substr(kRecordPrefix.size()));
    if (!device) continue;
    // Held while the value goes back, so that no run of that file system starts meanwhile; a
    // record whose run goes on is that run's to put back.
    const auto lock = TakeFreeSpaceLock(*device);
    if (!lock) continue;
    all = RestoreLoweredReserves(folder + entry.name) && all;
  }
  return all;
}
