#include "core/ReserveLowering.h"

#include <charconv>
#include <sstream>
#include <string_view>
#include <system_error>

#include "core/SettingsFolder.h"
#include "platform/Ext4Reserve.h"
#include "platform/FileSystem.h"

namespace {

constexpr std::uint64_t kMostRecord = 64 << 10;

// The number the kernel's file holds (digits and a line end), or why there is none: the file
// could not be read, or holds something else.
platform::Result<std::uint64_t> ReadValue(const std::string& file) {
  const auto text = platform::fs().readFile(file, 64);
  if (!text) return text.error();
  std::string_view digits(*text);
  while (!digits.empty() && (digits.back() == '\n' || digits.back() == ' ')) {
    digits.remove_suffix(1);
  }
  std::uint64_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (digits.empty() || error != std::errc() || stop != end) {
    return std::make_error_code(std::errc::invalid_argument);
  }
  return value;
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
  if (!old) {
    error_ = old.error();
    return;
  }
  if (*old == 0) return;
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
    // A record left behind names the value the reserve still has: the next start writes it again.
    platform::discardResult(platform::fs().deleteFile(record_));
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
  platform::discardResult(platform::fs().deleteFile(record_));
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
  // A record left behind is read again at the next start, which writes the same values again.
  if (all) platform::discardResult(platform::fs().deleteFile(record));
  return all;
}
