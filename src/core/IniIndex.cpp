#include "core/IniIndex.h"

#include <limits>
#include <random>

#include "core/IniSyntax.h"
#include "platform/TextCase.h"

namespace {

// Positions are kept in 32 bits; a larger text is not indexed (files are read only up to a far
// smaller size).
constexpr std::size_t kMaxIndexedText = std::numeric_limits<std::uint32_t>::max() - 1;

// A hash of a name that ignores the case of A-Z, as names compare. It starts from a value drawn
// when the program starts, so that no file can be made whose names all fall on one place of
// the tables (which would make reading it take time that grows with the square of its size).
std::uint32_t nameHash(std::string_view name) {
  static const std::uint64_t seed = [] {
    std::random_device entropy;
    return (static_cast<std::uint64_t>(entropy()) << 32) ^ entropy();
  }();
  std::uint64_t hash = seed ^ 14695981039346656037ull;
  for (char c : name) {
    hash ^= static_cast<unsigned char>(platform::foldAscii(c));
    hash *= 1099511628211ull;
  }
  hash ^= hash >> 33;  // every bit of the state reaches the 32 bits kept
  hash *= 0xff51afd7ed558ccdull;
  hash ^= hash >> 33;
  return static_cast<std::uint32_t>(hash);
}

std::string_view sectionOf(std::string_view text, std::size_t line) {
  return ini::sectionName(ini::content(text, ini::lineAt(text, line))).value_or("");
}

std::string_view keyOf(std::string_view text, std::size_t line) {
  auto kv = ini::keyLine(ini::content(text, ini::lineAt(text, line)));
  return kv ? kv->key : std::string_view();
}

// Calls visit(line, header) for each line of text[from, to): header is the section name when
// the line is a section header. Stops early when visit returns false.
template <class Visit>
void eachLine(std::string_view text, std::size_t from, Visit visit) {
  for (std::size_t start = from; start < text.size();) {
    const ini::Line line = ini::lineAt(text, start);
    if (!visit(line, ini::sectionName(ini::content(text, line)))) return;
    start = ini::nextStart(line, start);
  }
}

}  // namespace

IniIndex::NameTable::NameTable(std::size_t lines) : slots_(lines + lines / 2 + 1) {}

std::size_t IniIndex::NameTable::home(std::uint32_t hash) const {
  return static_cast<std::size_t>((static_cast<std::uint64_t>(hash) * slots_.size()) >> 32);
}

void IniIndex::NameTable::add(std::string_view text, std::size_t line, std::string_view name,
                              NameOf nameOf) {
  if (slots_.empty()) return;
  const std::uint32_t hash = nameHash(name);
  // At most one look at each slot: a full table ends the search instead of circling.
  std::size_t i = home(hash);
  for (std::size_t step = 0; step < slots_.size();
       ++step, i = (i + 1 == slots_.size()) ? 0 : i + 1) {
    Slot& slot = slots_[i];
    if (slot.line == 0) {
      slot = {hash, static_cast<std::uint32_t>(line + 1)};
      return;
    }
    if (slot.hash == hash && platform::equalsNoCase(nameOf(text, slot.line - 1), name)) return;
  }
}

std::optional<std::size_t> IniIndex::NameTable::find(std::string_view text, std::string_view name,
                                                     NameOf nameOf) const {
  if (slots_.empty()) return std::nullopt;
  const std::uint32_t hash = nameHash(name);
  std::size_t i = home(hash);
  for (std::size_t step = 0; step < slots_.size();
       ++step, i = (i + 1 == slots_.size()) ? 0 : i + 1) {
    const Slot& slot = slots_[i];
    if (slot.line == 0) return std::nullopt;
    if (slot.hash == hash && platform::equalsNoCase(nameOf(text, slot.line - 1), name)) {
      return slot.line - 1;
    }
  }
  return std::nullopt;
}

IniIndex::IniIndex(std::string text) : text_(std::move(text)) {
  if (text_.size() > kMaxIndexedText) return;
  // Counted first, so that the table is made once at its size.
  std::size_t headers = 0;
  eachLine(text_, 0, [&](const ini::Line&, std::optional<std::string_view> header) {
    headers += header ? 1 : 0;
    return true;
  });
  sections_ = NameTable(headers);
  eachLine(text_, 0, [&](const ini::Line& line, std::optional<std::string_view> header) {
    if (header) sections_.add(text_, line.start, *header, sectionOf);
    return true;
  });
}

const IniIndex::NameTable& IniIndex::keysOf(std::size_t header) const {
  if (auto known = keys_.find(header); known != keys_.end()) return known->second;
  const std::size_t body = ini::lineAt(text_, header).next;
  std::size_t keys = 0;
  eachLine(text_, body, [&](const ini::Line& line, std::optional<std::string_view> name) {
    if (name) return false;
    keys += ini::keyLine(ini::content(text_, line)) ? 1 : 0;
    return true;
  });
  NameTable table(keys);
  eachLine(text_, body, [&](const ini::Line& line, std::optional<std::string_view> name) {
    if (name) return false;
    if (auto kv = ini::keyLine(ini::content(text_, line)))
      table.add(text_, line.start, kv->key, keyOf);
    return true;
  });
  return keys_.emplace(header, std::move(table)).first->second;
}

std::optional<std::string_view> IniIndex::find(std::string_view section,
                                               std::string_view key) const {
  const auto header = sections_.find(text_, ini::trim(section), sectionOf);
  if (!header) return std::nullopt;
  const std::string_view name = ini::trim(key);
  if (name.empty()) return std::nullopt;
  const auto line = keysOf(*header).find(text_, name, keyOf);
  if (!line) return std::nullopt;
  return ini::unquote(ini::keyLine(ini::content(text_, ini::lineAt(text_, *line)))->value);
}

std::optional<std::string> IniIndex::read(std::string_view section, std::string_view key) const {
  auto value = find(section, key);
  if (!value) return std::nullopt;
  return std::string(value->substr(0, ini::kMaxValueLength));
}
