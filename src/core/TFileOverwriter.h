#pragma once
// Overwriting one open file, pass after pass: each pass is written from the file's first byte
// in blocks of the pass's buffer, forced to the device, and read back where the pass asks for
// it. What a pass could not cover is kept: the pass, the byte it stopped at and the reason.

#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "core/TDeviceWaits.h"
#include "core/TRunTurns.h"

class TPass;
class TPassBuffer;
namespace platform {
class File;
}

class TFileOverwriter {
 public:
  // The first pass that could not cover the file: where it stopped and why.
  struct PassFailure {
    int pass = 0;
    std::uint64_t at = 0;   // the first byte of the pass not known to be on the device
    std::error_code error;  // the system's reason, when the system gave one
    std::string why;        // the overwriter's own reason otherwise
  };

  // `size` is the file's size when it was opened; `clusterSize` that of its file system.
  TFileOverwriter(platform::File& file, std::uint64_t size, std::uint32_t clusterSize,
                  const TRunTurns& turns);

  // Writes pass `number` of `total` from the file's first byte: the pass's buffer (or `text`
  // repeated, when not empty) block after block, then forced to the device and read back when
  // the pass asks for it. With `leaveFlushRunning` the flush is only started and FinishFlush
  // waits for it (a pass that is read back always waits). False when the pass could not cover
  // the file's bytes.
  bool RunPass(int number, int total, const TPass& pass, const std::string& text,
               bool leaveFlushRunning = false);
  // Waits for the flush that the last pass left running, the windows handling events. A flush
  // that failed is the pass's failure. True when no flush was left running or it ended well.
  bool FinishFlush();
  bool FlushRunning() const { return flushRunning_; }

  // Reads back what pass `number` of `total` wrote from `start` up to `end`, once it is on the
  // device, and compares it with the buffer's bytes; the first difference or read error is kept.
  void Verify(const TPassBuffer& written, std::uint64_t start, std::uint64_t end, int number,
              int total);
  // Keeps the first failure: pass `number`, the byte (counted from the pass's start), the reason.
  void NoteFailure(int number, std::uint64_t at, std::error_code error, std::string why = {});

  const std::optional<PassFailure>& Failure() const { return failure_; }
  // The first byte that read back other than written (or could not be read), when one did.
  const std::optional<std::uint64_t>& UnverifiedAt() const { return unverifiedAt_; }
  const std::error_code& VerifyError() const { return verifyError_; }

 private:
  // One pass from the file's current position (offset 0).
  bool WritePass(const TPass& pass, const std::string& text, bool leaveFlushRunning);
  // Writes the pass's bytes from `from` up to `to`, in pieces. False on a write error.
  bool WriteRange(TPassBuffer& buffer, std::uint64_t from, std::uint64_t to,
                  std::uint64_t& sinceWriteback);

  platform::File& file_;
  const std::uint64_t size_;
  const std::uint64_t clusterSize_;
  TRunTurns turns_;
  TDeviceWaits device_;
  int passNumber_ = 0;  // the pass being written, counted from 1, and how many there are
  int passTotal_ = 0;
  bool flushRunning_ = false;
  std::optional<PassFailure> failure_;
  // Where the last failed write of the pass left the file, and the system's reason.
  std::uint64_t writeFailedAt_ = 0;
  std::error_code writeError_;
  std::optional<std::uint64_t> unverifiedAt_;
  std::error_code verifyError_;
};
