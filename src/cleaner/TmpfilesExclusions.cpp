#include "cleaner/TmpfilesExclusions.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "core/Helpers.h"
#include "platform/FileSystem.h"
#include "platform/Wildcard.h"

namespace {

constexpr std::uint64_t kMaxConfigFile = 1u << 20;

// Names in the temporary folders that belong to the X server and the session's services.
constexpr const char* kFixedNames[] = {".X*-lock",   ".X11-unix",  ".ICE-unix",        ".XIM-unix",
                                       ".font-unix", ".Test-unix", "systemd-private-*"};

std::vector<std::string> Components(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendUtf8(std::string& text, std::uint32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The escape after a backslash, as systemd reads it (C escapes, "\s" for a blank, "\xNN",
// "\uNNNN", "\UNNNNNNNN" and three octal digits; never a NUL): appended to `out`, with `at`
// moved past it. False when it is no such escape.
bool Unescape(const std::string& line, std::size_t& at, std::string& out) {
  if (at >= line.size()) return false;
  const char c = line[at++];
  switch (c) {
    case 'a':
      out += '\a';
      return true;
    case 'b':
      out += '\b';
      return true;
    case 'f':
      out += '\f';
      return true;
    case 'n':
      out += '\n';
      return true;
    case 'r':
      out += '\r';
      return true;
    case 't':
      out += '\t';
      return true;
    case 'v':
      out += '\v';
      return true;
    case 's':
      out += ' ';
      return true;
    case '\\':
    case '"':
    case '\'':
      out += c;
      return true;
    case 'x':
    case 'u':
    case 'U': {
      const std::size_t digits = c == 'x' ? 2 : c == 'u' ? 4 : 8;
      if (line.size() - at < digits) return false;
      std::uint32_t code = 0;
      for (std::size_t i = 0; i < digits; ++i) {
        const int digit = HexDigit(line[at + i]);
        if (digit < 0) return false;
        code = code << 4 | static_cast<std::uint32_t>(digit);
      }
      if (code == 0 || (c != 'x' && (code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))))
        return false;
      at += digits;
      if (c == 'x') {
        out += static_cast<char>(code);
      } else {
        AppendUtf8(out, code);
      }
      return true;
    }
    default:
      if (c < '0' || c > '7' || line.size() - at < 2) return false;
      std::uint32_t code = static_cast<std::uint32_t>(c - '0');
      for (int i = 0; i < 2; ++i) {
        const char d = line[at + static_cast<std::size_t>(i)];
        if (d < '0' || d > '7') return false;
        code = code * 8 + static_cast<std::uint32_t>(d - '0');
      }
      if (code == 0 || code > 0xFF) return false;
      at += 2;
      out += static_cast<char>(code);
      return true;
  }
}

// The next field of a line as systemd-tmpfiles splits it: a run of non-blanks, where single or
// double quotes group blanks and are taken away, and backslash escapes are decoded. Null when
// systemd could not read the field (an unknown escape, an unclosed quote); with `literal`, such
// a backslash stands for itself instead.
std::optional<std::string> NextField(const std::string& line, std::size_t& at, bool literal) {
  while (at < line.size() && IsBlank(line[at])) ++at;
  std::string field;
  char quote = 0;
  while (at < line.size()) {
    const char c = line[at];
    if (!quote && IsBlank(c)) break;
    ++at;
    if (c == '\\') {
      const std::size_t before = at;
      if (Unescape(line, at, field)) continue;
      if (!literal) return std::nullopt;
      at = before;
      field += c;
    } else if (quote && c == quote) {
      quote = 0;
    } else if (!quote && (c == '\'' || c == '"')) {
      quote = c;
    } else {
      field += c;
    }
  }
  if (quote && !literal) return std::nullopt;
  return field;
}

// The path of a line with its specifiers replaced: "%%" is a percent sign, the temporary
// folders stand for themselves, and every other specifier (boot id, machine id, user, ...)
// may be anything within one component.
std::string Expanded(const std::string& path) {
  std::string out;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] != '%' || i + 1 >= path.size()) {
      out += path[i];
      continue;
    }
    const char specifier = path[++i];
    if (specifier == '%') {
      out += '%';
    } else if (specifier == 'T') {
      out += "/tmp";
    } else if (specifier == 'V') {
      out += "/var/tmp";
    } else {
      out += '*';
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> TmpfilesExclusions::SystemFolders() {
  return {"/etc/tmpfiles.d/", "/run/tmpfiles.d/", "/usr/local/lib/tmpfiles.d/",
          "/usr/lib/tmpfiles.d/"};
}

std::vector<std::string> TmpfilesExclusions::PatternsIn(const std::string& text) {
  std::vector<std::string> patterns;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    std::size_t at = 0;
    const std::string type = NextField(line, at, true).value_or("");
    // The type is one letter, possibly followed by modifiers ("x!", "X-").
    if (type.empty() || (type[0] != 'x' && type[0] != 'X')) continue;
    // The path as systemd reads it; when systemd could not read it, the path as written (its
    // backslashes kept) is excluded all the same: an exclusion is never dropped for its form.
    const std::size_t pathAt = at;
    std::optional<std::string> path = NextField(line, at, false);
    if (!path) {
      at = pathAt;
      path = NextField(line, at, true);
    }
    const std::string expanded = Expanded(path.value_or(""));
    if (!expanded.empty() && expanded[0] == '/') patterns.push_back(expanded);
  }
  return patterns;
}

TmpfilesExclusions::TmpfilesExclusions(const std::vector<std::string>& configFolders,
                                       const std::vector<std::string>& temporaryFolders) {
  for (const std::string& folder : temporaryFolders) {
    for (const char* name : kFixedNames) {
      patterns_.push_back(AddTrailingBackslash(folder) + name);
    }
  }
  for (const std::string& configured : configFolders) {
    const std::string folder = AddTrailingBackslash(configured);
    auto entries = platform::fs().listFolder(folder);
    if (!entries) continue;
    std::vector<std::string> names;
    for (const platform::DirEntry& entry : *entries) {
      const std::string& name = entry.name;
      if (name.size() > 5 && name.compare(name.size() - 5, 5, ".conf") == 0) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
      // A file of the same name in another folder would replace this one for the system; both
      // are read here, so an exclusion either names is kept.
      auto text = platform::fs().readFile(folder + name, kMaxConfigFile);
      if (!text) continue;
      for (std::string& pattern : PatternsIn(*text)) patterns_.push_back(std::move(pattern));
    }
  }
}

bool TmpfilesExclusions::Excludes(const std::string& path) const {
  const std::vector<std::string> parts = Components(path);
  for (const std::string& pattern : patterns_) {
    const std::vector<std::string> wanted = Components(pattern);
    if (wanted.size() != parts.size()) continue;
    bool matches = true;
    for (std::size_t i = 0; i < parts.size() && matches; ++i) {
      // A pattern that cannot be read keeps the path rather than letting it go.
      matches = platform::matchesMaskWithSets(parts[i], wanted[i]).value_or(true);
    }
    if (matches) return true;
  }
  return false;
}
