#include "core/TPassBuffer.h"

#include <algorithm>

#include "core/ProgramRandom.h"

TPassBuffer::TPassBuffer(const TPass& pass, const std::string& text, std::int64_t blockLength,
                         std::size_t maxHeld, std::size_t writeSize)
    : pass_(pass) {
  maxHeld = std::max<std::size_t>(maxHeld, 1);
  if (blockLength <= 0) {
    // Nothing to write; a random-character pass still draws its value.
    if (text.empty()) pass.BuildBuffer(blockLength);
    finished_ = true;
    return;
  }
  blockLength_ = static_cast<std::uint64_t>(blockLength);
  const std::string& pattern =
      !text.empty() ? text
                    : (pass.WipeWith == wwTextPattern ? pass.TextPatternValue : std::string());
  const bool isText = !text.empty() || pass.WipeWith == wwTextPattern;

  if (blockLength_ <= maxHeld || (isText && pattern.size() >= blockLength_)) {
    held_ = !text.empty() ? RepeatToLength(text, blockLength) : pass.BuildBuffer(blockLength);
    if (!held_.empty() && held_.size() < writeSize) {
      // Whole copies only, so the held bytes still repeat every block.
      const std::size_t copies = writeSize / held_.size();
      std::string repeated;
      repeated.reserve(copies * held_.size());
      for (std::size_t i = 0; i < copies; ++i) repeated += held_;
      held_ = std::move(repeated);
    }
  } else if (isText) {
    if (pattern.empty()) throw EPassBufferError("A text pattern without text cannot fill a buffer");
    // Whole copies of the text, so that every piece starts where the text starts.
    const std::size_t copies = std::max<std::size_t>(1, maxHeld / std::max<std::size_t>(pattern.size(), 1));
    held_ = RepeatToLength(pattern, static_cast<std::int64_t>(copies * pattern.size()));
  } else if (pass.WipeWith == wwRandomBytes) {
    drawn_ = true;
    pieceLength_ = maxHeld;
    seedAtStart_ = RandomSeed();
    held_ = pass.BuildBuffer(static_cast<std::int64_t>(pieceLength_));
  } else {
    // One byte value throughout (or nothing for an unknown kind).
    held_ = pass.BuildBuffer(static_cast<std::int64_t>(maxHeld));
  }
  empty_ = held_.empty();
  finished_ = !drawn_;
}

TPassBuffer::~TPassBuffer() {
  try {
    Finish();
  } catch (...) {
    // Out of memory while drawing the rest: the generator simply stays where it is.
  }
}

void TPassBuffer::DrawNextPiece() {
  pieceStart_ += held_.size();
  const std::uint64_t length = std::min<std::uint64_t>(pieceLength_, blockLength_ - pieceStart_);
  held_ = pass_.BuildBuffer(static_cast<std::int64_t>(length));
  if (block_ == 0 && pieceStart_ + length == blockLength_ && !seedAtEndKnown_) {
    seedAtEnd_ = RandomSeed();
    seedAtEndKnown_ = true;
  }
}

std::string_view TPassBuffer::Bytes(std::uint64_t offset, std::uint64_t maxLength) {
  if (empty_ || maxLength == 0) return {};
  const std::uint64_t inBlock = offset % blockLength_;
  std::uint64_t start;
  std::uint64_t length;
  if (drawn_) {
    const std::uint64_t block = offset / blockLength_;
    if (block != block_) {
      // The next repetition: the same bytes, drawn again from the same starting point.
      SetRandomSeed(seedAtStart_);
      block_ = block;
      pieceStart_ = 0;
      held_ = pass_.BuildBuffer(static_cast<std::int64_t>(pieceLength_));
    }
    while (inBlock >= pieceStart_ + held_.size()) DrawNextPiece();
    start = inBlock - pieceStart_;
    length = held_.size() - start;
  } else if (held_.size() >= blockLength_) {
    // The whole buffer (or whole copies of it) is in memory.
    start = inBlock;
    length = held_.size() - start;
  } else {
    // Copies of one byte or of the text; the buffer starts again at the next block.
    start = inBlock % held_.size();
    length = std::min<std::uint64_t>(held_.size() - start, blockLength_ - inBlock);
  }
  length = std::min(length, maxLength);
  return std::string_view(held_).substr(static_cast<std::size_t>(start),
                                         static_cast<std::size_t>(length));
}

void TPassBuffer::Finish() {
  if (finished_) return;
  finished_ = true;
  if (!seedAtEndKnown_) {
    // Draw the rest of the first repetition, as building the whole buffer would have.
    if (block_ != 0) {
      SetRandomSeed(seedAtStart_);
      block_ = 0;
      pieceStart_ = 0;
      held_ = pass_.BuildBuffer(static_cast<std::int64_t>(pieceLength_));
    }
    while (pieceStart_ + held_.size() < blockLength_) DrawNextPiece();
  }
  SetRandomSeed(seedAtEnd_);
  held_.clear();
  empty_ = true;
}
