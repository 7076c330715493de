#pragma once
// The bytes one pass writes over a file.
//
// A pass fills a buffer of BufferSize bytes (TPass::BuildBuffer, or the signature text
// repeated) and writes that buffer again and again from offset 0, so byte k of the file gets
// byte (k mod BufferSize) of the buffer. TPassBuffer gives exactly those bytes, piece by piece,
// while making only what is written and holding at most `maxHeld` bytes in memory, so that a
// BufferSize of up to 2 GiB never fails for lack of memory and a small file does not pay for a
// large buffer:
// - byte patterns and random characters are one byte value throughout; text patterns repeat
//   their text, so any whole number of copies of the text stands for the buffer;
// - random bytes are drawn in order from the program's random generator's sequence, as far as
//   the file needs them, on a copy of its state taken when the buffer is made. A buffer that
//   fits is kept and written again for every later block; a larger one is drawn again from the
//   same starting point for every block. Finish() then moves the program's generator on to
//   exactly where building the whole buffer would have left it, so every later draw of the
//   program is the same as well.
// Replay() gives the same bytes once more (to compare with what a file reads back) without
// touching the program's generator at all.
// A buffer smaller than `writeSize` is repeated in memory once the file needs it again, so that
// small buffers still give large writes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "core/TPass.h"

class TPassBuffer {
 public:
  // Most bytes of a buffer held in memory.
  static constexpr std::size_t kMaxHeld = 16u << 20;
  // Small buffers are repeated in memory up to this many bytes per write.
  static constexpr std::size_t kWriteSize = 1u << 20;

  // The buffer of `blockLength` bytes of the pass, or of `text` repeated when `text` is not
  // empty. A random-character pass draws its value here, even for a blockLength of 0 or less.
  // Raises EPassBufferError for a text pattern without text (as BuildBuffer does).
  TPassBuffer(const TPass& pass, const std::string& text, std::int64_t blockLength,
              std::size_t maxHeld = kMaxHeld, std::size_t writeSize = kWriteSize);
  // Finishes the pass if Finish() was not called.
  ~TPassBuffer();
  TPassBuffer(const TPassBuffer&) = delete;
  TPassBuffer& operator=(const TPassBuffer&) = delete;

  // The length of one repetition of the buffer; 0 when the buffer is empty (BufferSize of 0 or
  // less, or a pass kind that fills nothing), so the pass has no block to write.
  std::uint64_t BlockLength() const { return kind_ == Kind::None ? 0 : blockLength_; }

  // The bytes for the file from `offset` on: between 1 and `maxLength` bytes (maxLength > 0).
  // Offsets must be asked for in increasing order without gaps, starting at 0. None when the
  // bytes could not be made (Error() then says why).
  std::string_view Bytes(std::uint64_t offset, std::uint64_t maxLength);
  // Why Bytes gave no bytes (not enough memory to hold them); empty while it gives them.
  const std::error_code& Error() const { return error_; }

  // Leaves the random generator where building the whole buffer at once would have left it.
  // Call once when the pass is done, however far it got. A replay leaves it alone. Never fails.
  void Finish() noexcept;

  // The same bytes again from offset 0, asked for as from this buffer; making and reading the
  // replay never moves the program's random generator. May be made before or after Finish().
  std::unique_ptr<TPassBuffer> Replay() const;

 private:
  enum class Kind { None, Uniform, Text, Random };
  struct ReplayOf {};
  TPassBuffer(const TPassBuffer& written, ReplayOf);

  // Grows the held bytes to `size`, continuing the buffer where they end.
  void Extend(std::uint64_t size);
  std::string_view HeldWhole(std::uint64_t inBlock, std::uint64_t block, std::uint64_t maxLength);
  std::string_view HeldPeriodic(std::uint64_t inBlock, std::uint64_t maxLength);
  // A piece of a buffer of one byte value, as long as a write may be.
  std::string_view UniformPiece(std::uint64_t maxLength);
  std::string_view DrawnPieces(std::uint64_t inBlock, std::uint64_t block, std::uint64_t maxLength);

  Kind kind_ = Kind::None;
  TPass pass_;        // draws random bytes
  char value_ = 0;    // the byte of a uniform buffer
  std::string text_;  // the text of a text buffer
  std::uint64_t blockLength_ = 0;
  bool whole_ = false;       // the whole buffer may be held
  std::uint64_t limit_ = 0;  // most bytes held at once
  std::size_t writeSize_ = 0;
  std::string held_;  // buffer bytes from pieceStart_ on
  std::uint64_t pieceStart_ = 0;
  std::string copies_;  // whole copies of a small buffer
  // Random bytes.
  std::uint64_t block_ = 0;  // the repetition being drawn
  std::uint32_t seed_ = 0;   // the generator's state for the next byte of this buffer
  std::uint32_t seedAtStart_ = 0;
  std::uint32_t seedAtEnd_ = 0;
  bool seedAtEndKnown_ = false;
  bool finished_ = false;
  bool replay_ = false;  // never moves the program's generator
  std::error_code error_;
};
