#pragma once
// How the lines of an INI file are read, shared by reading (IniIndex) and changing
// (IniDocument) a file:
// - a line ends at LF; a CR right before the LF is not part of it;
// - a section header is "[name]" (blanks around it and around the name ignored; the last "]" of
//   the line closes it);
// - a key line is "key=value" outside comments (";"), key and value trimmed of blanks;
// - anything else is kept but not understood.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/PathText.h"

namespace ini {

// Longest value a read gives back.
inline constexpr std::size_t kMaxValueLength = 2047;

struct Line {
  std::size_t start;  // first character
  std::size_t end;    // one past the last character, line break excluded
  std::size_t next;   // start of the following line
  bool hasBreak() const { return next != end; }
};

// The line that starts at `start` (which must lie inside the text).
inline Line lineAt(std::string_view text, std::size_t start) {
  const void* lf = std::memchr(text.data() + start, '\n', text.size() - start);
  std::size_t end =
      lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - text.data()) : text.size();
  const std::size_t next = lf ? end + 1 : end;
  if (lf && end > start && text[end - 1] == '\r') --end;
  return {start, end, next};
}

// Where the line after `line` starts: never at or before `start`, so that every step of a walk
// over the lines takes at least one character and a walk ends after at most as many steps as
// the text has characters, whatever the text holds.
inline std::size_t nextStart(const Line& line, std::size_t start) {
  return line.next > start ? line.next : start + 1;
}

inline std::string_view content(std::string_view text, const Line& line) {
  return text.substr(line.start, line.end - line.start);
}

// What counts as blank around names and values.
inline constexpr std::string_view kBlanks = " \t\r\v\f";

inline std::string_view trim(std::string_view text) {
  return platform::trim(text, kBlanks);
}

// The section name of a header line, or null when the line is no header.
inline std::optional<std::string_view> sectionName(std::string_view line) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

// The key and value of a "key=value" line (one that is not a section header), or null for
// comments and lines without "=" or without a key.
inline std::optional<KeyLine> keyLine(std::string_view line) {
  const std::string_view trimmed = trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  const std::string_view key = trim(trimmed.substr(0, equals));
  if (key.empty()) return std::nullopt;
  return KeyLine{key, trim(trimmed.substr(equals + 1))};
}

// A value as stored, without the matching double or single quotes that enclose it.
inline std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace ini
