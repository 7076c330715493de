#include "core/TFileOverwriter.h"

#include <algorithm>
#include <memory>
#include <new>
#include <optional>
#include <stdexcept>

#include "core/TPass.h"
#include "core/TPassBuffer.h"
#include "core/Translated.h"
#include "core/WipeServices.h"
#include "platform/FileSystem.h"

namespace {

// A pass is read back in pieces of this many bytes.
constexpr std::size_t kReadBackPiece = 4u << 20;

}  // namespace

TFileOverwriter::TFileOverwriter(platform::File& file, std::uint64_t size,
                                 std::uint32_t clusterSize, const TRunTurns& turns)
    : file_(file),
      size_(size),
      clusterSize_(clusterSize ? clusterSize : 1),
      turns_(turns),
      device_(turns) {}

void TFileOverwriter::NoteFailure(int number, std::uint64_t at, std::error_code error,
                                  std::string why) {
  if (failure_) return;
  failure_ = PassFailure{number, at, error, std::move(why)};
}

bool TFileOverwriter::RunPass(int number, int total, const TPass& pass, const std::string& text,
                              bool leaveFlushRunning) {
  // The flush of the pass before is on the device before this pass starts.
  if (!FinishFlush()) return false;
  passNumber_ = number;
  passTotal_ = total;
  IWipeProgress& window = *turns_.Window;
  window.SetPassPosition(0);
  window.ShowPass(number, total);
  if (const platform::Status rewound = file_.seek(0); !rewound) {
    NoteFailure(number, 0, rewound.error());
    return false;
  }
  return WritePass(pass, text, leaveFlushRunning && !pass.CheckWipe);
}

bool TFileOverwriter::FinishFlush() {
  if (!flushRunning_) return true;
  flushRunning_ = false;
  const platform::Status flushed = device_.FinishFlush(file_);
  // What the pass wrote may not have reached the device, from its first byte on.
  if (!flushed) NoteFailure(passNumber_, 0, flushed.error());
  return static_cast<bool>(flushed);
}

bool TFileOverwriter::WriteRange(TPassBuffer& buffer, std::uint64_t from, std::uint64_t to,
                                 std::uint64_t& sinceWriteback) {
  for (std::uint64_t offset = from; offset < to && !turns_.Stopped();) {
    const std::string_view piece = buffer.Bytes(offset, to - offset);
    if (piece.empty()) {
      writeFailedAt_ = file_.position();
      writeError_ = buffer.Error();  // why the bytes could not be made
      return false;
    }
    const platform::Status written = file_.write(piece.data(), piece.size());
    if (!written) {
      // What the write took before it failed is on the file; the rest of the pass is not.
      writeFailedAt_ = file_.position();
      writeError_ = written.error();
      return false;
    }
    offset += piece.size();
    turns_.Window->Advance(piece.size());
    device_.Pace(file_, piece.size(), sinceWriteback);
    turns_.HandleEvents();
  }
  return true;
}

void TFileOverwriter::Verify(const TPassBuffer& written, std::uint64_t start, std::uint64_t end,
                             int number, int total) {
  const auto differs = [this](std::uint64_t at, std::error_code error = {}) {
    unverifiedAt_ = at;
    verifyError_ = error;
  };
  IWipeProgress& window = *turns_.Window;
  window.ShowVerifying(number, total);
  window.SetPassPosition(0);
  if (const platform::Status started = file_.startReadBack(); !started) {
    differs(start, started.error());
    return;
  }
  // The same bytes again, drawn on a copy of the generator's state: the program's sequence of
  // random numbers is the same with verification as without.
  const std::unique_ptr<TPassBuffer> expected = written.Replay();
  for (std::uint64_t offset = start; offset < end && !turns_.Stopped();) {
    const auto read = file_.readBack(
        offset, static_cast<std::size_t>(std::min<std::uint64_t>(kReadBackPiece, end - offset)));
    if (!read || read->empty()) {
      // A read error, or the file ends before what the pass wrote does.
      differs(offset, read ? std::error_code() : read.error());
      return;
    }
    for (std::string_view rest = *read; !rest.empty();) {
      const std::uint64_t at = offset + (read->size() - rest.size());
      const std::string_view want = expected->Bytes(at - start, rest.size());
      const std::string_view have = rest.substr(0, want.size());
      if (want.empty() || have != want) {
        const auto mismatch = std::mismatch(have.begin(), have.end(), want.begin(), want.end());
        differs(at + static_cast<std::uint64_t>(mismatch.first - have.begin()));
        return;
      }
      rest.remove_prefix(want.size());
    }
    offset += read->size();
    window.SetPassPosition(offset - start);
    turns_.HandleEvents();
  }
}

bool TFileOverwriter::WritePass(const TPass& pass, const std::string& text,
                                bool leaveFlushRunning) {
  const std::int64_t bufferSize = turns_.BufferSize;
  const bool slack = turns_.WipeSlackSpace;
  // With slack space, the pass covers the file up to the end of its last cluster, one whole
  // cluster more when it ends on a boundary. A file smaller than a cluster gets its own size.
  const std::uint64_t length =
      (slack && size_ >= clusterSize_) ? (size_ / clusterSize_ + 1) * clusterSize_ : size_;
  const std::uint64_t start = file_.position();

  std::optional<TPassBuffer> buffer;
  const auto refuse = [&](std::error_code error, std::string why) {
    if (length == 0) return true;
    NoteFailure(passNumber_, 0, error, std::move(why));
    return false;
  };
  try {
    buffer.emplace(pass, text, bufferSize);
  } catch (const EPassBufferError&) {
    return refuse({}, Tr("its text pattern is empty"));
  } catch (const std::bad_alloc&) {
    return refuse(std::make_error_code(std::errc::not_enough_memory), {});
  } catch (const std::exception& error) {
    return refuse({}, error.what());
  }
  const std::uint64_t block = buffer->BlockLength();
  if (block == 0) {
    return refuse({}, bufferSize < 1 ? Substituted(Tr("the buffer size {} is not usable"),
                                                   {std::to_string(bufferSize)})
                                     : Substituted(Tr("it is of an unknown kind ({})"),
                                                   {std::to_string(unsigned{pass.WipeWith})}));
  }

  // Whole blocks first, growing the file when the last one passes its end; then the rest of
  // the pass, which stops at the file's current end.
  const std::uint64_t wholeBlocks = length / block * block;
  std::uint64_t sinceWriteback = 0;
  bool written = WriteRange(*buffer, 0, wholeBlocks, sinceWriteback);
  const std::uint64_t rest = length - wholeBlocks;
  if (written && !turns_.Stopped() && rest > 0) {
    const auto end = file_.size();
    const std::uint64_t here = file_.position();
    const std::uint64_t upTo = (end && *end > here) ? std::min(*end - here, rest) : 0;
    written = WriteRange(*buffer, wholeBlocks, wholeBlocks + upTo, sinceWriteback);
    if (written) turns_.Window->Advance(rest - upTo);
  }
  buffer->Finish();
  device_.Settle(file_, file_.position() - start);
  // A write that failed only past the file's old end (growing it into its last cluster on a
  // full disk) still left every byte of the file overwritten.
  const bool reached = written || file_.position() >= start + size_;
  if (!reached) {
    const std::uint64_t at = writeFailedAt_ > start ? writeFailedAt_ - start : 0;
    NoteFailure(passNumber_, at, writeError_,
                writeError_ ? std::string() : Tr("its buffer gave no bytes"));
  }
  if (const platform::Status started = file_.startFlush(); !started) {
    NoteFailure(passNumber_, 0, started.error());
    return false;
  }
  flushRunning_ = true;
  if (leaveFlushRunning && reached) return true;
  const bool flushed = FinishFlush();
  const bool covered = flushed && reached;
  // Read back once it is on the device; one difference is enough to name the file.
  if (covered && pass.CheckWipe && !turns_.Stopped() && !unverifiedAt_) {
    Verify(*buffer, start, file_.position(), passNumber_, passTotal_);
  }
  return covered;
}
