#pragma once
// Reading and writing the attribute values of "prefs.dat". A value that is missing or does not
// convert raises EConvertError; the document reader stops at it and keeps what was read before.

#include <pugixml.hpp>

#include <cstdint>
#include <stdexcept>
#include <string>

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Largest "prefs.dat" that is read; a larger file counts as unreadable.
inline constexpr std::uint64_t kMaxPrefsFileSize = 64ull << 20;

// "True" or "False" in any letter case, or a number (0 is false, any other number true).
bool ParseBool(const std::string& text);
// Decimal integer with an optional sign, or hexadecimal after "$" or "0x"; a signed 32-bit value.
std::int32_t ParseInteger(const std::string& text);

// The attribute's text; raises EConvertError when the element has no such attribute.
std::string ReadText(const pugi::xml_node& element, const char* name);
bool ReadBool(const pugi::xml_node& element, const char* name);
std::int32_t ReadInteger(const pugi::xml_node& element, const char* name);

// The written forms: "True"/"False" and decimal integers.
const char* BoolText(bool value);
void WriteText(pugi::xml_node& element, const char* name, const std::string& value);
void WriteBool(pugi::xml_node& element, const char* name, bool value);
void WriteInteger(pugi::xml_node& element, const char* name, std::int32_t value);
