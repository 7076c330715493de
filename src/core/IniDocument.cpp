#include "core/IniDocument.h"

#include <unordered_map>
#include <utility>
#include <vector>

#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/TextCase.h"

// The writes not yet applied, by section in the order first written; within a section, the
// keys in the order first written, each with its last value.
struct IniDocument::Changes {
  struct Entry {
    std::string key;
    std::string value;
    bool done = false;  // replaced in place
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> byKey;  // folded key -> entry
    bool found = false;                                  // the text holds the section
  };
  std::vector<Section> sections;
  std::unordered_map<std::string, std::size_t> byName;  // folded name -> section

  void add(std::string_view section, std::string_view key, std::string_view value) {
    auto [s, newSection] = byName.try_emplace(platform::foldCase(section), sections.size());
    if (newSection) sections.push_back({std::string(section), {}, {}, false});
    Section& target = sections[s->second];
    auto [k, newKey] = target.byKey.try_emplace(platform::foldCase(key), target.entries.size());
    if (newKey) {
      target.entries.push_back({std::string(key), std::string(value)});
    } else {
      target.entries[k->second].value = value;
    }
  }

  Section* section(std::string_view name) {
    auto it = byName.find(platform::foldCase(name));
    return it == byName.end() ? nullptr : &sections[it->second];
  }
};

namespace {

// The line break of the text: that of its first line, or the platform's for a text without one.
std::string lineBreakOf(const std::string& text) {
  const std::size_t lf = text.find('\n');
  if (lf == std::string::npos) return platform::kLineBreak;
  return (lf > 0 && text[lf - 1] == '\r') ? "\r\n" : "\n";
}

}  // namespace

IniDocument::IniDocument(std::string text) : text_(std::move(text)) {}
IniDocument::~IniDocument() = default;
IniDocument::IniDocument(IniDocument&&) noexcept = default;
IniDocument& IniDocument::operator=(IniDocument&&) noexcept = default;

platform::Result<IniDocument> IniDocument::load(const std::string& path) {
  auto info = platform::fs().info(path);
  if (!info) {
    // No file yet: nothing to read, everything to create.
    if (info.error() == std::errc::no_such_file_or_directory) return IniDocument();
    return info.error();
  }
  if (info->size > kMaxFileSize) return std::make_error_code(std::errc::file_too_large);
  auto text = platform::fs().readFile(path, kMaxFileSize);
  if (!text) return text.error();
  return IniDocument(std::move(*text));
}

platform::Status IniDocument::save(const std::string& path) const {
  return platform::fs().writeFileAtomic(path, text());
}

std::string IniDocument::storedValue(std::string_view value) {
  if (ini::unquote(ini::trim(value)) == value) return std::string(value);
  std::string quoted;
  quoted.reserve(value.size() + 2);
  quoted += '"';
  quoted += value;
  quoted += '"';
  return quoted;
}

void IniDocument::write(std::string_view section, std::string_view key, std::string_view value) {
  section = ini::trim(section);
  key = ini::trim(key);
  // What a line cannot hold: the rest would be read as lines of their own, or the file as binary.
  const auto breaksTheLine = [](std::string_view text) {
    return text.find_first_of(std::string_view("\n\r\0", 3)) != std::string_view::npos;
  };
  const auto refuse = [&](const std::string& why) {
    throw EIniValueError("[" + std::string(section) + "] " + std::string(key) + ": " + why);
  };
  if (breaksTheLine(section) || breaksTheLine(key)) refuse(Tr("a name with a line break"));
  if (breaksTheLine(value)) refuse(Tr("a value with a line break or a NUL byte"));
  // A key reading takes for a section header, a comment or another key.
  if (key.empty() || key.front() == '[' || key.front() == ';' ||
      key.find('=') != std::string_view::npos) {
    refuse(Tr("not a name a key can have"));
  }
  if (!pending_) pending_ = std::make_unique<Changes>();
  pending_->add(section, key, storedValue(value));
}

const std::string& IniDocument::text() const {
  apply();
  return text_;
}

bool IniDocument::changed() const {
  apply();
  return changed_;
}

// One pass over the text that applies the pending writes: a key written is replaced in place
// in the first section of its name, keys not found are added after the last line of that section
// that is not blank, and sections not found are added at the end.
struct IniDocument::Rewrite {
  Changes& changes;
  std::string br;  // the text's own line break
  std::string out;
  bool changed = false;
  // The section being copied when it is one the writes change, and where in `out` its missing
  // keys go.
  Changes::Section* open = nullptr;
  std::size_t insertAt = 0;
  bool lastHasBreak = true;

  void closeSection() {
    if (!open) return;
    std::string added;
    for (const Changes::Entry& entry : open->entries) {
      if (entry.done) continue;
      if (added.empty() && !lastHasBreak) added += br;
      added += entry.key + "=" + entry.value + br;
    }
    if (!added.empty()) {
      out.insert(insertAt, added);
      changed = true;
    }
    open = nullptr;
  }

  void sectionLine(std::string_view name, std::string_view content, std::string_view ending,
                   const ini::Line& at) {
    closeSection();
    Changes::Section* section = changes.section(name);
    if (section && !section->found) {  // only the first section of a name is changed
      section->found = true;
      open = section;
    }
    out += content;
    out += ending;
    if (open) {
      insertAt = out.size();
      lastHasBreak = at.hasBreak();
    }
  }

  // A line within a section (or before the first): a key the writes change gets its new value.
  void otherLine(std::string_view content, std::string_view ending, const ini::Line& at) {
    if (!replaceKey(content)) out += content;
    out += ending;
    if (open && !ini::trim(content).empty()) {
      insertAt = out.size();
      lastHasBreak = at.hasBreak();
    }
  }

  bool replaceKey(std::string_view content) {
    if (!open) return false;
    const auto kv = ini::keyLine(content);
    if (!kv) return false;
    const auto it = open->byKey.find(platform::foldCase(kv->key));
    if (it == open->byKey.end() || open->entries[it->second].done) return false;
    Changes::Entry& entry = open->entries[it->second];
    entry.done = true;
    const std::size_t before = out.size();
    out += kv->key;
    out += '=';
    out += entry.value;
    changed = changed || std::string_view(out).substr(before) != content;
    return true;
  }

  void appendMissingSections() {
    for (const Changes::Section& section : changes.sections) {
      if (section.found) continue;
      if (!out.empty()) {
        if (out.back() != '\n') out += br;
        out += br;
      }
      out += "[" + section.name + "]" + br;
      for (const Changes::Entry& entry : section.entries) out += entry.key + "=" + entry.value + br;
      changed = true;
    }
  }
};

void IniDocument::apply() const {
  if (!pending_) return;
  Changes changes = std::move(*pending_);
  pending_.reset();
  const std::string_view text = text_;
  Rewrite rewrite{changes, lineBreakOf(text_), {}};
  rewrite.out.reserve(text.size() + text.size() / 8 + 256);
  for (std::size_t start = 0; start < text.size();) {
    const ini::Line line = ini::lineAt(text, start);
    const std::string_view content = ini::content(text, line);
    const std::string_view ending = text.substr(line.end, line.next - line.end);
    start = ini::nextStart(line, start);
    if (auto name = ini::sectionName(content)) {
      rewrite.sectionLine(*name, content, ending, line);
    } else {
      rewrite.otherLine(content, ending, line);
    }
  }
  rewrite.closeSection();
  rewrite.appendMissingSections();
  changed_ = changed_ || rewrite.changed;
  text_ = std::move(rewrite.out);
}
