#pragma once
// The path and text helpers of every layer: the parts of a path, its trailing separator, and
// blanks around a text. Paths use the system's separator; nothing here looks at the disk.

#include <string>
#include <string_view>

#include "backend/Conventions.h"

namespace platform {

// The path with a separator at its end; empty stays empty.
std::string withTrailingSeparator(std::string_view path);
// The path without its one final separator, if it has one (the root "/" becomes empty).
std::string withoutTrailingSeparator(std::string_view path);
// The path without any separators at its end, except that the root keeps its own ("/").
std::string trimSeparators(std::string_view path);

// The folder part of a path: everything up to and including its last separator; empty when it
// has none.
std::string folderPartOf(std::string_view path);
// The name after the last separator; the whole path when it has none.
std::string fileNameOf(std::string_view path);
// The folder that holds the entry the path names, without trailing separator: separators at the
// end are passed over first, an entry of the root is held by "/", and the root and a bare name
// are held by nothing (empty).
std::string parentFolderOf(std::string_view path);

// Blanks: spaces and tabs.
inline constexpr std::string_view kBlanks = " \t";
// What ends a line besides blanks: the carriage return of a CRLF line break.
inline constexpr std::string_view kLineEndBlanks = " \t\r";

// The text without the given characters at its start, at its end, or at both.
constexpr std::string_view trimStart(std::string_view text, std::string_view characters = kBlanks) {
  while (!text.empty() && characters.find(text.front()) != std::string_view::npos) {
    text.remove_prefix(1);
  }
  return text;
}
constexpr std::string_view trimEnd(std::string_view text, std::string_view characters = kBlanks) {
  while (!text.empty() && characters.find(text.back()) != std::string_view::npos) {
    text.remove_suffix(1);
  }
  return text;
}
constexpr std::string_view trim(std::string_view text, std::string_view characters = kBlanks) {
  return trimEnd(trimStart(text, characters), characters);
}
// A line of a text file without the blanks around it and its carriage return.
constexpr std::string_view trimLine(std::string_view line) {
  return trimEnd(trimStart(line), kLineEndBlanks);
}

}  // namespace platform
