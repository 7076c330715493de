#include "core/TPassBuffer.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <stdexcept>

#include "core/ProgramRandom.h"

namespace {

// Appends `count` random bytes between the two bounds, drawn from the generator state.
void DrawRandomBytes(std::uint32_t& state, std::string& out, std::size_t count, std::uint8_t bound1,
                     std::uint8_t bound2) {
  const std::size_t start = out.size();
  out.resize(start + count);
  RandomBytesFrom(state, out.data() + start, count, bound1, bound2);
}

std::string_view Slice(const std::string& bytes, std::uint64_t start, std::uint64_t length) {
  return std::string_view(bytes).substr(static_cast<std::size_t>(start),
                                        static_cast<std::size_t>(length));
}

}  // namespace

TPassBuffer::TPassBuffer(const TPass& pass, const std::string& text, std::int64_t blockLength,
                         std::size_t maxHeld, std::size_t writeSize)
    : pass_(pass), writeSize_(writeSize) {
  maxHeld = std::max<std::size_t>(maxHeld, 1);
  if (blockLength <= 0) {
    // Nothing to write; a random-character pass still draws its value.
    if (text.empty()) pass.BuildBuffer(blockLength);
    finished_ = true;
    return;
  }
  blockLength_ = static_cast<std::uint64_t>(blockLength);
  if (!text.empty()) {
    kind_ = Kind::Text;
    text_ = text;
  } else {
    switch (pass.WipeWith) {
      case wwBytePattern:
        kind_ = Kind::Uniform;
        value_ = static_cast<char>(pass.BytePatternValue);
        break;
      case wwRandomCharacter:
        kind_ = Kind::Uniform;
        value_ = pass.BuildBuffer(1)[0];  // the one draw of the pass
        break;
      case wwTextPattern:
        if (pass.TextPatternValue.empty()) pass.BuildBuffer(blockLength);  // raises
        kind_ = Kind::Text;
        text_ = pass.TextPatternValue;
        break;
      case wwRandomBytes:
        kind_ = Kind::Random;
        seedAtStart_ = RandomSeed();
        seed_ = seedAtStart_;
        break;
      default:
        break;
    }
  }
  // A text at least as long as the buffer is in memory already; its start is the buffer.
  whole_ = blockLength_ <= maxHeld || (kind_ == Kind::Text && text_.size() >= blockLength_);
  if (whole_) {
    limit_ = blockLength_;
  } else if (kind_ == Kind::Text) {
    limit_ = std::max<std::uint64_t>(1, maxHeld / text_.size()) * text_.size();
  } else {
    limit_ = maxHeld;
  }
  finished_ = kind_ != Kind::Random;
}

TPassBuffer::TPassBuffer(const TPassBuffer& written, ReplayOf)
    : kind_(written.kind_),
      pass_(written.pass_),
      value_(written.value_),
      text_(written.text_),
      blockLength_(written.blockLength_),
      whole_(written.whole_),
      limit_(written.limit_),
      writeSize_(written.writeSize_),
      seed_(written.seedAtStart_),
      seedAtStart_(written.seedAtStart_),
      finished_(written.kind_ != Kind::Random),
      replay_(true) {}

std::unique_ptr<TPassBuffer> TPassBuffer::Replay() const {
  return std::unique_ptr<TPassBuffer>(new TPassBuffer(*this, ReplayOf{}));
}

TPassBuffer::~TPassBuffer() {
  Finish();
}

void TPassBuffer::Extend(std::uint64_t size) {
  const std::size_t old = held_.size();
  if (size <= old) return;
  const auto target = static_cast<std::size_t>(size);
  switch (kind_) {
    case Kind::Uniform:
      held_.resize(target, value_);
      break;
    case Kind::Text: {
      // Held bytes always start where the text starts, so the text goes on from old mod its
      // length; once one copy is there the rest is copied from what is held already.
      held_.resize(target);
      std::size_t at = old;
      for (; at < target && at < text_.size(); ++at) held_[at] = text_[at];
      while (at < target) {
        const std::size_t period = at / text_.size() * text_.size();
        const std::size_t chunk = std::min(period, target - at);
        std::memcpy(held_.data() + at, held_.data() + at - period, chunk);
        at += chunk;
      }
      break;
    }
    case Kind::Random:
      DrawRandomBytes(seed_, held_, target - old, pass_.RandomBytesValue1, pass_.RandomBytesValue2);
      if (block_ == 0 && pieceStart_ + held_.size() == blockLength_) {
        seedAtEnd_ = seed_;
        seedAtEndKnown_ = true;
      }
      break;
    case Kind::None:
      break;
  }
}

std::string_view TPassBuffer::HeldWhole(std::uint64_t inBlock, std::uint64_t block,
                                        std::uint64_t maxLength) {
  const std::uint64_t toBlockEnd = blockLength_ - inBlock;
  if (block == 0 && maxLength <= toBlockEnd) {
    Extend(inBlock + maxLength);
    return Slice(held_, inBlock, maxLength);
  }
  // The file goes on past this block: the whole buffer is written again.
  Extend(blockLength_);
  if (blockLength_ < writeSize_ && writeSize_ / blockLength_ >= 2) {
    if (copies_.empty()) {
      const std::size_t count = writeSize_ / static_cast<std::size_t>(blockLength_);
      copies_.reserve(count * held_.size());
      for (std::size_t i = 0; i < count; ++i) copies_ += held_;
    }
    return Slice(copies_, inBlock, std::min<std::uint64_t>(maxLength, copies_.size() - inBlock));
  }
  return Slice(held_, inBlock, std::min(maxLength, toBlockEnd));
}

std::string_view TPassBuffer::HeldPeriodic(std::uint64_t inBlock, std::uint64_t maxLength) {
  // Whole copies of the text (or any number of the one byte) stand for the buffer, because
  // the held length is always a multiple of the text's.
  const std::uint64_t period = kind_ == Kind::Text ? text_.size() : 1;
  const std::uint64_t wanted = (maxLength + 2 * period - 1) / period * period;
  Extend(std::min(limit_, std::max<std::uint64_t>(wanted, held_.size())));
  const std::uint64_t start = inBlock % held_.size();
  const std::uint64_t length = std::min({held_.size() - start, blockLength_ - inBlock, maxLength});
  return Slice(held_, start, length);
}

std::string_view TPassBuffer::DrawnPieces(std::uint64_t inBlock, std::uint64_t block,
                                          std::uint64_t maxLength) {
  if (block != block_) {
    // The next repetition: the same bytes, drawn again from the same starting point.
    seed_ = seedAtStart_;
    block_ = block;
    pieceStart_ = 0;
    held_.clear();
  }
  const std::uint64_t wantedEnd = std::min(inBlock + maxLength, blockLength_);
  for (;;) {
    const std::uint64_t end = pieceStart_ + held_.size();
    if (inBlock < end && (end >= wantedEnd || held_.size() >= limit_)) break;
    if (held_.size() >= limit_) {
      pieceStart_ = end;
      held_.clear();
      continue;
    }
    Extend(std::min(limit_, wantedEnd - pieceStart_));
  }
  const std::uint64_t start = inBlock - pieceStart_;
  return Slice(held_, start, std::min(held_.size() - start, maxLength));
}

std::string_view TPassBuffer::UniformPiece(std::uint64_t maxLength) {
  // Every byte is the same: any run of it stands for the buffer, across repetitions too.
  const std::uint64_t most =
      std::min(maxLength, std::max<std::uint64_t>(writeSize_, std::min(blockLength_, limit_)));
  if (value_ == 0 && most <= kWriteSize) {
    // One block of zeros serves every zero pass of the run, never filled again.
    static const std::string zeros(kWriteSize, '\0');
    return std::string_view(zeros).substr(0, static_cast<std::size_t>(most));
  }
  if (held_.size() < most) held_.resize(static_cast<std::size_t>(most), value_);
  return Slice(held_, 0, most);
}

std::string_view TPassBuffer::Bytes(std::uint64_t offset, std::uint64_t maxLength) {
  if (kind_ == Kind::None || maxLength == 0 || (finished_ && kind_ == Kind::Random)) return {};
  const std::uint64_t inBlock = offset % blockLength_;
  const std::uint64_t block = offset / blockLength_;
  try {
    if (kind_ == Kind::Uniform) return UniformPiece(maxLength);
    if (whole_) return HeldWhole(inBlock, block, maxLength);
    if (kind_ == Kind::Random) return DrawnPieces(inBlock, block, maxLength);
    return HeldPeriodic(inBlock, maxLength);
  } catch (const std::bad_alloc&) {
    // The bytes could not be held: the pass ends here, and says why.
    error_ = std::make_error_code(std::errc::not_enough_memory);
    return {};
  } catch (const std::length_error&) {
    // More than any buffer can hold: the same to the user.
    error_ = std::make_error_code(std::errc::not_enough_memory);
    return {};
  }
}

void TPassBuffer::Finish() noexcept {
  if (finished_) return;
  finished_ = true;
  if (replay_) {
    held_.clear();
    copies_.clear();
    return;
  }
  if (!seedAtEndKnown_) {
    // Still within the first repetition (a later one starts only when the first is whole):
    // make the draws the rest of it would have taken.
    std::uint64_t drawn = pieceStart_ + held_.size();
    if (block_ != 0) {
      seed_ = seedAtStart_;
      drawn = 0;
    }
    const std::uint64_t rest = blockLength_ - drawn;
    const std::uint8_t lowest = std::min(pass_.RandomBytesValue1, pass_.RandomBytesValue2);
    if (lowest == 0) {
      SkipRandomFrom(seed_, rest);  // every byte takes exactly one draw
    } else {
      // How many draws the bytes take depends on the values drawn. Drawn into memory that is
      // there already, so that finishing never fails.
      std::array<char, 4096> scratch;
      for (std::uint64_t left = rest; left > 0;) {
        const std::size_t count =
            static_cast<std::size_t>(std::min<std::uint64_t>(left, scratch.size()));
        RandomBytesFrom(seed_, scratch.data(), count, pass_.RandomBytesValue1,
                        pass_.RandomBytesValue2);
        left -= count;
      }
    }
    seedAtEnd_ = seed_;
  }
  SetRandomSeed(seedAtEnd_);
  held_.clear();
  copies_.clear();
}
