#include "core/FileUrl.h"

#include <algorithm>

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

// Percent escapes to bytes; null for a bad escape or one that gives a NUL byte.
std::optional<std::string> percentDecoded(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      bytes += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = hexValue(text[i + 1]);
    const int low = hexValue(text[i + 2]);
    if (high < 0 || low < 0 || (high == 0 && low == 0)) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return bytes;
}

}  // namespace

std::optional<std::string> LocalPathOfUrl(std::string_view url, std::string_view localHost) {
  constexpr std::string_view scheme = "file:";
  if (url.size() < scheme.size() || !equalsIgnoringCase(url.substr(0, scheme.size()), scheme)) {
    return std::nullopt;
  }
  std::string_view rest = url.substr(scheme.size());
  // A URL spells every control byte as an escape: one written out (a NUL above all, which would
  // end the path early for the system) makes it another text than a URL.
  for (const char c : rest) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) return std::nullopt;
  }
  // A query or a fragment: the path would end before them, which may name another file than
  // the one the user meant (a name holding "#" or "?" must come escaped).
  if (rest.find_first_of("?#") != std::string_view::npos) return std::nullopt;
  if (rest.substr(0, 2) == "//") {
    rest.remove_prefix(2);
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const std::string_view host = rest.substr(0, slash);
    if (!host.empty() && !equalsIgnoringCase(host, "localhost") &&
        !(!localHost.empty() && equalsIgnoringCase(host, localHost))) {
      return std::nullopt;
    }
    rest.remove_prefix(slash);
  }
  if (rest.empty() || rest.front() != '/') return std::nullopt;
  std::optional<std::string> path = percentDecoded(rest);
  if (!path) return std::nullopt;
  // No "." or ".." component: the path names the entry the user saw, with no step aside.
  std::size_t start = 1;
  while (start <= path->size()) {
    std::size_t end = path->find('/', start);
    if (end == std::string::npos) end = path->size();
    const std::string_view part(path->data() + start, end - start);
    if (part == "." || part == "..") return std::nullopt;
    start = end + 1;
  }
  while (path->size() > 1 && path->back() == '/') path->pop_back();
  return path;
}

TUriListPaths PathsOfUriList(std::string_view list, std::string_view localHost) {
  TUriListPaths result;
  std::size_t start = 0;
  while (start < list.size()) {
    std::size_t end = list.find('\n', start);
    if (end == std::string_view::npos) end = list.size();
    std::string_view line = list.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    if (auto path = LocalPathOfUrl(line, localHost)) {
      result.paths.push_back(std::move(*path));
    } else {
      result.refused.emplace_back(line);
    }
  }
  return result;
}
