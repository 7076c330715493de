#include "core/ReserveLowering.h"

#include <optional>
#include <sstream>

#include "core/SettingsFolder.h"
#include "platform/Ext4Reserve.h"
#include "platform/FileSystem.h"

namespace {

constexpr std::uint64_t kMostRecord = 64 << 10;

std::optional<std::uint64_t> ReadValue(const std::string& file) {
  const auto text = platform::fs().readFile(file, 64);
  if (!text) return std::nullopt;
  try {
    std::size_t used = 0;
    const unsigned long long value = std::stoull(*text, &used);
    return static_cast<std::uint64_t>(value);
  } catch (...) {
    return std::nullopt;
  }
}

// Writes the value into the kernel's file in place (it cannot be replaced by another file).
platform::Status WriteValue(const std::string& file, std::uint64_t value) {
  return platform::writeExt4Reserve(file, std::to_string(value) + "\n");
}

}  // namespace

TReserveLowering::TReserveLowering(const std::string& device, const std::string& ext4Folder,
                                   const std::string& record)
    : record_(record) {
  if (device.empty() || ext4Folder.empty()) return;
  file_ = ext4Folder + device + "/reserved_clusters";
  const auto old = ReadValue(file_);
  if (!old || *old == 0) return;
  old_ = *old;
  // Recorded first: a run killed from here on leaves what the next start needs.
  if (const platform::Status kept =
          platform::fs().writeFileAtomic(record_, file_ + " " + std::to_string(old_) + "\n");
      !kept) {
    error_ = kept.error();
    return;
  }
  if (const platform::Status written = WriteValue(file_, 0); !written) {
    error_ = written.error();
    platform::fs().deleteFile(record_);
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
  platform::fs().deleteFile(record_);
  return true;
}

std::string ReserveRecordFile() {
  return GetSettingsFolder() + "reserve-lowered";
}

bool RestoreLoweredReserves(const std::string& record) {
  const auto text = platform::fs().readFile(record, kMostRecord);
  if (!text) return true;
  std::istringstream lines(*text);
  std::string file;
  std::uint64_t value = 0;
  bool all = true;
  while (lines >> file >> value) {
    // Only a reserve file of the kernel's ext4 devices is ever written, whatever the record says.
    const std::string folder = platform::ext4ReserveFolder();
    const std::string tail = "/reserved_clusters";
    if (folder.empty() || file.size() <= folder.size() + tail.size() ||
        file.compare(0, folder.size(), folder) != 0 ||
        file.compare(file.size() - tail.size(), tail.size(), tail) != 0 ||
        file.find('/', folder.size()) != file.size() - tail.size()) {
      continue;
    }
    all = WriteValue(file, value) && all;
  }
  if (all) platform::fs().deleteFile(record);
  return all;
}
