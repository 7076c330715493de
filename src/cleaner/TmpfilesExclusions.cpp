#include "cleaner/TmpfilesExclusions.h"

#include <algorithm>

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

// The next field of a line: a run of non-blanks, or a double-quoted text with backslash escapes.
std::string NextField(const std::string& line, std::size_t& at) {
  while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
  std::string field;
  if (at < line.size() && line[at] == '"') {
    for (++at; at < line.size() && line[at] != '"'; ++at) {
      if (line[at] == '\\' && at + 1 < line.size()) ++at;
      field += line[at];
    }
    if (at < line.size()) ++at;
    return field;
  }
  while (at < line.size() && line[at] != ' ' && line[at] != '\t') field += line[at++];
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
    const std::string type = NextField(line, at);
    // The type is one letter, possibly followed by modifiers ("x!", "X-").
    if (type.empty() || (type[0] != 'x' && type[0] != 'X')) continue;
    const std::string path = Expanded(NextField(line, at));
    if (!path.empty() && path[0] == '/') patterns.push_back(path);
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
