#pragma once
// One overwrite pass of a wipe method: what one full overwrite of a file writes.

#include <cstdint>
#include <stdexcept>
#include <string>

// What a pass writes (stored as its number).
enum TWipeWith : std::uint8_t {
  wwBytePattern = 0,      // every byte is BytePatternValue
  wwTextPattern = 1,      // TextPatternValue repeated and cut at the end of the buffer
  wwRandomBytes = 2,      // every byte drawn on its own in RandomBytesValue1..2
  wwRandomCharacter = 3,  // one value drawn in RandomCharacterValue1..2, repeated
};

// Raised when a pass cannot fill a buffer (a text pattern without text).
class EPassBufferError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TPass {
 public:
  std::string Name;
  bool CheckWipe = false;  // the pass is read back from the device and compared once written
  std::uint8_t WipeWith = wwBytePattern;
  std::uint8_t BytePatternValue = 0;
  std::string TextPatternValue;
  std::uint8_t RandomBytesValue1 = 0;
  std::uint8_t RandomBytesValue2 = 0;
  std::uint8_t RandomCharacterValue1 = 0;
  std::uint8_t RandomCharacterValue2 = 0;

  // Copies all fields of another pass, its name included.
  void Assign(const TPass& source);

  // The fill buffer of Size bytes: empty for a Size of 0 or less or an unknown WipeWith.
  // A random-character pass draws its value even then. Raises EPassBufferError for a text
  // pattern without text.
  std::string BuildBuffer(std::int64_t size) const;
};

// The text repeated and cut to Size bytes. The text must not be empty.
std::string RepeatToLength(const std::string& text, std::int64_t size);
