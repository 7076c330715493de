#pragma once
// The clusters ext4 keeps back from every writer, the administrator included
// (/sys/fs/ext4/<device>/reserved_clusters). A free-space fill lowers that reserve to 0 while it
// runs, so that the fill reaches every free block, and puts the old value back straight after.
// The old value is recorded in a file before it is changed, so that a run killed in between is
// set right at the next start. Each file system has a record of its own, which belongs to the
// run that holds the file system's free-space lock (core/FreeSpaceLock.h): no other run writes,
// restores or removes it while that run goes on.

#include <cstdint>
#include <string>
#include <system_error>

namespace platform {
class FileSystem;
}  // namespace platform

class TReserveLowering {
 public:
  // Lowers the reserve of the ext4 file system whose kernel device name is `device` when it is
  // above 0. `ext4Folder` holds one folder per ext4 device (none when empty: nothing is
  // lowered); `record` is the file the old value is kept in while it is lowered. The caller
  // holds the file system's free-space lock: a record found there is a killed run's, and is put
  // back first. Nothing is lowered unless the record was written.
  TReserveLowering(const std::string& device, const std::string& ext4Folder,
                   const std::string& record);
  // The same, the record kept through the file system given rather than the installed one.
  TReserveLowering(platform::FileSystem& files, const std::string& device,
                   const std::string& ext4Folder, const std::string& record);
  // Puts the old value back (Restore) if it has not been.
  ~TReserveLowering();
  TReserveLowering(const TReserveLowering&) = delete;
  TReserveLowering& operator=(const TReserveLowering&) = delete;

  // The reserve is 0 now, having been higher.
  bool Lowered() const { return lowered_; }
  // The clusters it held before, when it was lowered; 0 otherwise.
  std::uint64_t Clusters() const { return lowered_ ? old_ : 0; }
  // Why the reserve could not be lowered (empty when it was, or was 0 already).
  const std::error_code& Error() const { return error_; }
  // Puts the old value back and forgets the record. False when the value could not be written.
  bool Restore();

 private:
  platform::FileSystem& files_;
  std::string file_;
  std::string record_;
  std::uint64_t old_ = 0;
  bool lowered_ = false;
  std::error_code error_;
};

// The file where the reserve's old value is recorded while a fill of the file system with the
// device number runs, in the settings folder.
std::string ReserveRecordFile(std::uint64_t device);
// Puts back every reserve that the record names (a run that was killed while it was lowered)
// and removes the record. Only the reserve files of the folder in use (platform/Ext4Reserve.h)
// are written; a line that names anything else (another file, a path holding a NUL byte) is
// not acted on. False when one could not be put back (the record then stays).
bool RestoreLoweredReserves(const std::string& record);
// The same for every record of the settings folder whose run is no longer going on (no run
// holds its file system's free-space lock), each while holding that lock. The records of live
// runs are left to them. False when one could not be put back.
bool RestoreLoweredReserves();
