#include "core/IniDocument.h"

#include <cstdint>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/TextCase.h"

namespace {

struct Line {
  std::size_t start;    // first character
  std::size_t end;      // one past the last character, line break excluded
  std::size_t next;     // start of the following line
};

std::vector<Line> splitLines(const std::string& text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t lf = text.find('\n', start);
    std::size_t next = lf == std::string::npos ? text.size() : lf + 1;
    std::size_t end = lf == std::string::npos ? text.size() : lf;
    if (end > start && text[end - 1] == '\r') --end;
    lines.push_back({start, end, next});
    start = next;
  }
  return lines;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The section name of a header line, or null when the line is no header.
std::optional<std::string_view> sectionName(std::string_view line) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  std::size_t close = line.rfind(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

// The key and value of a "key=value" line, or null for comments and lines without "=".
std::optional<KeyLine> keyLine(std::string_view line) {
  std::string_view trimmed = trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::string_view key = trim(trimmed.substr(0, equals));
  if (key.empty()) return std::nullopt;
  return KeyLine{key, trim(trimmed.substr(equals + 1))};
}

struct Found {
  bool section = false;
  std::size_t sectionLine = 0;  // index of the header line
  std::size_t lastContent = 0;  // index of the last non-blank line of the section
  bool key = false;
  std::size_t keyLineIndex = 0;
  KeyLine keyValue{};
};

Found find(const std::string& text, const std::vector<Line>& lines, std::string_view section,
           std::string_view key) {
  Found found;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line(text.data() + lines[i].start, lines[i].end - lines[i].start);
    if (auto name = sectionName(line)) {
      if (inSection) break;  // the first section of that name wins
      if (platform::equalsNoCase(*name, trim(section))) {
        inSection = true;
        found.section = true;
        found.sectionLine = i;
        found.lastContent = i;
      }
      continue;
    }
    if (!inSection) continue;
    if (!trim(line).empty()) found.lastContent = i;
    if (found.key) continue;
    if (auto kv = keyLine(line); kv && platform::equalsNoCase(kv->key, trim(key))) {
      found.key = true;
      found.keyLineIndex = i;
      found.keyValue = *kv;
    }
  }
  return found;
}

std::string folded(std::string_view name) { return platform::foldCase(trim(name)); }

// A value as a read gives it back: without enclosing quotes, cut to the longest value.
std::string readValue(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  if (value.size() > IniDocument::kMaxValueLength) value = value.substr(0, IniDocument::kMaxValueLength);
  return std::string(value);
}

}  // namespace

IniDocument::Snapshot::Snapshot(const IniDocument& document) {
  const std::string& text = document.text_;
  std::unordered_map<std::string, std::string>* current = nullptr;
  for (const Line& line : splitLines(text)) {
    std::string_view content(text.data() + line.start, line.end - line.start);
    if (auto name = sectionName(content)) {
      // Only the first section of a name counts.
      auto [it, added] = sections_.try_emplace(folded(*name));
      current = added ? &it->second : nullptr;
      continue;
    }
    if (!current) continue;
    if (auto kv = keyLine(content)) current->try_emplace(folded(kv->key), readValue(kv->value));
  }
}

std::optional<std::string> IniDocument::Snapshot::read(std::string_view section,
                                                       std::string_view key) const {
  auto s = sections_.find(folded(section));
  if (s == sections_.end()) return std::nullopt;
  auto k = s->second.find(folded(key));
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

std::optional<IniDocument> IniDocument::load(const std::string& path) {
  auto info = platform::fs().info(path);
  if (!info) return IniDocument();  // no file yet: nothing to read, everything to create
  auto text = platform::fs().readFile(path, kMaxFileSize);
  if (!text) return std::nullopt;
  return IniDocument(std::move(*text));
}

bool IniDocument::save(const std::string& path) const {
  return platform::fs().writeFileAtomic(path, text_);
}

std::optional<std::string> IniDocument::read(std::string_view section, std::string_view key) const {
  const std::vector<Line> lines = splitLines(text_);
  Found found = find(text_, lines, section, key);
  if (!found.key) return std::nullopt;
  return readValue(found.keyValue.value);
}

std::string IniDocument::lineBreak() const {
  std::size_t lf = text_.find('\n');
  if (lf == std::string::npos) return platform::kLineBreak;
  return (lf > 0 && text_[lf - 1] == '\r') ? "\r\n" : "\n";
}

void IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
  const std::vector<Line> lines = splitLines(text_);
  const std::string br = lineBreak();
  section = trim(section);
  key = trim(key);
  Found found = find(text_, lines, section, key);

  if (found.key) {
    const Line& line = lines[found.keyLineIndex];
    std::string replacement = std::string(found.keyValue.key) + "=" + std::string(value);
    text_.replace(line.start, line.end - line.start, replacement);
    return;
  }

  const std::string entry = std::string(key) + "=" + std::string(value);
  if (found.section) {
    // The new key goes right after the last line of the section that is not blank.
    const Line& after = lines[found.lastContent];
    if (after.next == after.end) {  // the file ends without a line break
      text_.insert(after.end, br + entry + br);
    } else {
      text_.insert(after.next, entry + br);
    }
    return;
  }

  std::string addition;
  if (!text_.empty()) {
    if (text_.back() != '\n') addition += br;
    addition += br;
  }
  addition += "[" + std::string(section) + "]" + br + entry + br;
  text_ += addition;
}
