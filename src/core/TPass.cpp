#include "core/TPass.h"

#include "core/ProgramRandom.h"

void TPass::Assign(const TPass& source) {
  *this = source;
}

std::string RepeatToLength(const std::string& text, std::int64_t size) {
  if (size <= 0) return {};
  if (text.empty()) throw EPassBufferError("A text pattern without text cannot fill a buffer");
  const auto length = static_cast<std::size_t>(size);
  std::string result;
  result.reserve(length);
  while (result.size() + text.size() <= length) result += text;
  result.append(text, 0, length - result.size());
  return result;
}

std::string TPass::BuildBuffer(std::int64_t size) const {
  switch (WipeWith) {
    case wwBytePattern:
      if (size <= 0) return {};
      return std::string(static_cast<std::size_t>(size), static_cast<char>(BytePatternValue));
    case wwTextPattern:
      if (size <= 0) return {};
      return RepeatToLength(TextPatternValue, size);
    case wwRandomBytes: {
      if (size <= 0) return {};
      std::string buffer(static_cast<std::size_t>(size), '\0');
      RandomBytes(buffer.data(), buffer.size(), RandomBytesValue1, RandomBytesValue2);
      return buffer;
    }
    case wwRandomCharacter: {
      const std::uint8_t value = RandomInRange(RandomCharacterValue1, RandomCharacterValue2);
      if (size <= 0) return {};
      return std::string(static_cast<std::size_t>(size), static_cast<char>(value));
    }
    default:
      return {};
  }
}
