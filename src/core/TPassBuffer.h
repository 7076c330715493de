#pragma once
// The bytes one pass writes over a file.
//
// A pass fills a buffer of BufferSize bytes once (TPass::BuildBuffer, or the signature text
// repeated) and writes that buffer again and again from offset 0, so byte k of the file gets
// byte (k mod BufferSize) of the buffer. TPassBuffer gives those bytes piece by piece while
// holding at most `maxHeld` bytes in memory, so that a BufferSize of up to 2 GiB never fails for
// lack of memory. What reaches the file does not depend on the cap:
// - a buffer that fits is built exactly once, and repeated in memory up to `writeSize` bytes when
//   it is small, so that small buffers still give large writes;
// - a larger byte-pattern or random-character buffer is the same byte throughout, and a larger
//   text buffer holds whole copies of the text, so a piece of it is the buffer's own bytes;
// - a larger random-bytes buffer is drawn piece by piece from the program's random generator and
//   drawn again from the same starting point for every later repetition. Finish() then leaves the
//   generator exactly where building the whole buffer at once would have left it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/TPass.h"

class TPassBuffer {
 public:
  // Most bytes held in memory for one pass.
  static constexpr std::size_t kMaxHeld = 16u << 20;
  // Small buffers are repeated in memory up to this many bytes per write.
  static constexpr std::size_t kWriteSize = 1u << 20;

  // The buffer of `blockLength` bytes of the pass, or of `text` repeated when `text` is not
  // empty. Draws from the random generator as BuildBuffer(blockLength) would. Raises
  // EPassBufferError for a text pattern without text (as BuildBuffer does).
  TPassBuffer(const TPass& pass, const std::string& text, std::int64_t blockLength,
              std::size_t maxHeld = kMaxHeld, std::size_t writeSize = kWriteSize);
  // Finishes the pass if Finish() was not called.
  ~TPassBuffer();
  TPassBuffer(const TPassBuffer&) = delete;
  TPassBuffer& operator=(const TPassBuffer&) = delete;

  // The length of one repetition of the buffer; 0 when the buffer is empty (BufferSize of 0 or
  // less, or a pass kind that fills nothing), so the pass has no block to write.
  std::uint64_t BlockLength() const { return empty_ ? 0 : blockLength_; }

  // The bytes for the file from `offset` on: between 1 and `maxLength` bytes (maxLength > 0).
  // Offsets must be asked for in increasing order without gaps, starting at 0.
  std::string_view Bytes(std::uint64_t offset, std::uint64_t maxLength);

  // Leaves the random generator where building the whole buffer at once would have left it.
  // Call once when the pass is done, however far it got.
  void Finish();

 private:
  void DrawNextPiece();

  TPass pass_;
  std::uint64_t blockLength_ = 0;
  bool empty_ = true;
  std::string held_;  // what is in memory; see pieceStart_
  // A random-bytes buffer larger than the cap is drawn piece by piece.
  bool drawn_ = false;
  std::size_t pieceLength_ = 0;
  std::uint64_t block_ = 0;       // which repetition the held piece belongs to
  std::uint64_t pieceStart_ = 0;  // offset of the held piece within its repetition
  std::uint32_t seedAtStart_ = 0;
  std::uint32_t seedAtEnd_ = 0;
  bool seedAtEndKnown_ = false;
  bool finished_ = false;
};
