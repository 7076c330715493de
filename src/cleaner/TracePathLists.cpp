#include "cleaner/TracePathLists.h"

#include <algorithm>

#include "core/IniDocument.h"
#include "core/TIniFile.h"
#include "platform/Folders.h"
#include "platform/Wildcard.h"

namespace {

// Longest list that is read back; more would only make every walk slower.
constexpr std::int32_t kMaxEntries = 4096;

std::vector<std::string> ReadList(const TIniFile& settings, const char* section) {
  std::vector<std::string> list;
  const std::int32_t count = std::min(settings.ReadInteger(section, "Count", 0), kMaxEntries);
  for (std::int32_t i = 1; i <= count; ++i) {
    const std::string path = settings.ReadString(section, "Path" + std::to_string(i), "");
    if (!path.empty()) list.push_back(path);
  }
  return list;
}

void WriteList(IniDocument& document, const TIniFile& before, const char* section,
               const std::vector<std::string>& list) {
  const std::int32_t old = before.ReadInteger(section, "Count", 0);
  document.write(section, "Count", IniIntegerText(static_cast<std::int32_t>(list.size())));
  for (std::size_t i = 0; i < list.size(); ++i)
    document.write(section, "Path" + std::to_string(i + 1), list[i]);
  for (std::int32_t i = static_cast<std::int32_t>(list.size()) + 1; i <= std::min(old, kMaxEntries);
       ++i) {
    document.write(section, "Path" + std::to_string(i), "");
  }
}

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

bool Blank(char c) {
  return c == ' ' || c == '\t';
}

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

const char* const TTracePathLists::CustomSection = "CleanTracesCustom";
const char* const TTracePathLists::KeepSection = "CleanTracesKeep";

void TTracePathLists::Read(const TIniFile& settings) {
  Custom = ReadList(settings, CustomSection);
  Keep = ReadList(settings, KeepSection);
}

void TTracePathLists::Write(const std::string& settingsFile) const {
  const TIniFile before(settingsFile);
  UpdateIniFile(settingsFile, [&](IniDocument& document) {
    WriteList(document, before, CustomSection, Custom);
    WriteList(document, before, KeepSection, Keep);
  });
}

std::string TTracePathLists::Resolved(const std::string& written) {
  std::size_t begin = 0;
  std::size_t end = written.size();
  while (begin < end && Blank(written[begin])) ++begin;
  while (end > begin && Blank(written[end - 1])) --end;
  std::string path = written.substr(begin, end - begin);
  if (path == "~" || path.rfind("~/", 0) == 0) {
    const std::string home = platform::homeFolder();
    if (home.empty()) return {};
    path = WithoutTrailingSeparators(home) + path.substr(1);
  }
  path = WithoutTrailingSeparators(path);
  return platform::isAbsolutePath(path) ? path : std::string();
}

bool TTracePathLists::Keeps(const std::vector<std::string>& keep, const std::string& path) {
  if (keep.empty()) return false;
  const std::vector<std::string> parts = Components(path);
  for (const std::string& written : keep) {
    const std::string kept = Resolved(written);
    if (kept.empty()) continue;
    const std::vector<std::string> wanted = Components(kept);
    if (wanted.size() > parts.size()) continue;
    bool below = true;
    for (std::size_t i = 0; i < wanted.size() && below; ++i)
      below = platform::matchesMask(parts[i], wanted[i]);
    if (below) return true;
  }
  return false;
}
