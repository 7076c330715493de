#include "platform/posix/RegistryTree.h"

#include <algorithm>

#include "platform/PathText.h"
#include "platform/TextCase.h"

namespace platform::regstore {
namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";
constexpr std::string_view kCurrentUserName = "HKEY_CURRENT_USER";
constexpr std::string_view kLocalMachineName = "HKEY_LOCAL_MACHINE";

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

bool isHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::optional<RegistryRoot> rootByName(std::string_view name) {
  if (equalsNoCase(name, kCurrentUserName) || equalsNoCase(name, "HKCU")) return kCurrentUser;
  if (equalsNoCase(name, kLocalMachineName) || equalsNoCase(name, "HKLM")) return kLocalMachine;
  return std::nullopt;
}

// Reads a quoted text starting at text[0] == '"'. Sets `rest` to what follows the closing quote.
std::optional<std::string> readQuoted(std::string_view text, std::string_view& rest) {
  std::string result;
  std::size_t i = 1;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c == '"') {
      rest = text.substr(i + 1);
      return result;
    }
    if (c == '\\' && i + 1 < text.size()) {
      char next = text[++i];
      switch (next) {
        case '\\':
          result += '\\';
          break;
        case '"':
          result += '"';
          break;
        case 'n':
          result += '\n';
          break;
        case 'r':
          result += '\r';
          break;
        case '0':
          result += '\0';
          break;
        default:  // not an escape: both characters stand for themselves
          result += '\\';
          result += next;
      }
      continue;
    }
    result += c;
  }
  return std::nullopt;
}

class Parser {
 public:
  explicit Parser(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      lines_.push_back(text.substr(start, end - start));
      start = end + 1;
    }
  }

  ParseResult run() {
    auto tree = std::make_unique<Tree>();
    tree_ = tree.get();
    bool headerSeen = false;
    for (index_ = 0; index_ < lines_.size(); ++index_) {
      std::string_view line = trimEnd(lines_[index_], kLineEndBlanks);
      std::string_view content = trimStart(line);
      if (content.empty()) continue;
      if (!headerSeen) {
        if (content != kHeader5 && content != kHeader4) {
          failed("the first line is not a REGEDIT5 header");
          return std::move(failure_);
        }
        headerSeen = true;
        continue;
      }
      if (content.front() == ';') continue;
      bool ok = content.front() == '[' ? keyLine(content) : valueLine(content);
      if (!ok) return std::move(failure_);
    }
    ParseResult result;
    result.tree = std::move(tree);
    return result;
  }

 private:
  // Records why the text is damaged, at the current line.
  bool failed(std::string reason) {
    failure_.line = index_ + 1;
    failure_.reason = std::move(reason);
    return false;
  }

  bool keyLine(std::string_view line) {
    if (line.back() != ']') return failed("a key line does not end with ]");
    std::string_view inner = line.substr(1, line.size() - 2);
    if (!inner.empty() && inner.front() == '-') return failed("a key deletion is not a stored key");
    std::size_t slash = inner.find('\\');
    auto root = rootByName(inner.substr(0, slash));
    if (!root) return failed("unknown root key");
    Key* key = tree_->root(*root);
    if (slash != std::string_view::npos) {
      std::string_view rest = inner.substr(slash + 1);
      std::size_t depth = 0;
      while (true) {
        std::size_t next = rest.find('\\');
        std::string_view name = rest.substr(0, next);
        if (name.empty()) return failed("an empty key name");
        if (++depth > kMaxKeyDepth) return failed("the key path is too deep");
        key = &key->ensureChild(std::string(name));
        if (next == std::string_view::npos) break;
        rest = rest.substr(next + 1);
      }
    }
    current_ = key;
    return true;
  }

  bool valueLine(std::string_view line) {
    if (!current_) return failed("a value before the first key");
    Value value;
    std::string_view rest;
    if (line.front() == '@') {
      rest = line.substr(1);
    } else if (line.front() == '"') {
      auto name = readQuoted(line, rest);
      if (!name) return failed("a value name without its closing quote");
      value.name = std::move(*name);
    } else {
      return failed("a line that is neither a key nor a value");
    }
    rest = trimStart(rest);
    if (rest.empty() || rest.front() != '=') return failed("a value without =");
    rest = trimStart(rest.substr(1));
    if (!rest.empty() && rest.front() == '"') {
      std::string_view after;
      auto text = readQuoted(rest, after);
      if (!text) return failed("a text value without its closing quote");
      if (!trimStart(after).empty()) return failed("characters after a text value");
      value.type = Value::Type::String;
      value.text = std::move(*text);
    } else if (rest.substr(0, 6) == "dword:") {
      std::string_view digits = rest.substr(6);
      if (digits.empty() || digits.size() > 8 ||
          !std::all_of(digits.begin(), digits.end(), isHex)) {
        return failed("a dword value that is not 1 to 8 hexadecimal digits");
      }
      value.type = Value::Type::Integer;
      value.number = static_cast<std::uint32_t>(std::stoul(std::string(digits), nullptr, 16));
    } else if (rest.substr(0, 3) == "hex") {
      if (!rawValue(rest, value)) return false;
    } else {
      return failed("a value of unknown form");
    }
    current_->setValue(std::move(value));
    return true;
  }

  // hex:01,02 or hex(7):..., continued on the next line after a final backslash.
  bool rawValue(std::string_view first, Value& value) {
    std::size_t colon = first.find(':');
    if (colon == std::string_view::npos) return failed("a hex value without :");
    std::string_view type = first.substr(3, colon - 3);
    if (!type.empty()) {
      if (type.size() < 3 || type.front() != '(' || type.back() != ')' ||
          !std::all_of(type.begin() + 1, type.end() - 1, isHex)) {
        return failed("a hex value of unknown type");
      }
    }
    std::string raw(first);
    std::string_view data = first.substr(colon + 1);
    while (true) {
      for (char c : data) {
        if (!isHex(c) && c != ',' && c != '\\' && !isBlank(c))
          return failed("a hex value with other characters");
      }
      if (trimEnd(data, kLineEndBlanks).empty() || trimEnd(data, kLineEndBlanks).back() != '\\')
        break;
      if (index_ + 1 >= lines_.size()) return failed("a hex value continued past the end");
      data = trimEnd(lines_[++index_], kLineEndBlanks);
      raw += '\n';
      raw += data;
    }
    value.type = Value::Type::Raw;
    value.text = std::move(raw);
    return true;
  }

  std::vector<std::string_view> lines_;
  std::size_t index_ = 0;
  Tree* tree_ = nullptr;
  Key* current_ = nullptr;
  ParseResult failure_;
};

void writeValue(std::string& out, const Value& value) {
  if (value.name.empty()) {
    out += '@';
  } else {
    out += '"';
    out += escapeString(value.name);
    out += '"';
  }
  out += '=';
  switch (value.type) {
    case Value::Type::String:
      out += '"';
      out += escapeString(value.text);
      out += '"';
      break;
    case Value::Type::Integer: {
      static const char digits[] = "0123456789abcdef";
      out += "dword:";
      for (int shift = 28; shift >= 0; shift -= 4) out += digits[(value.number >> shift) & 0xF];
      break;
    }
    case Value::Type::Raw:
      out += value.text;
      break;
  }
  out += '\n';
}

// Writes the key and those below it. `path` holds the key's path while it is written (one
// buffer for the whole tree, so the time is that of the text written). A key gets a line of
// its own only when it holds values or nothing at all: a key that only holds keys is rebuilt
// from theirs. False once the text would pass `limit`.
bool writeKey(std::string& out, const Key& key, std::string& path, bool isRoot, std::size_t limit) {
  const bool needed =
      isRoot ? !key.values().empty() : !key.values().empty() || key.children().empty();
  if (needed) {
    out += '[';
    out += path;
    out += "]\n";
    for (const Value& value : key.values()) {
      writeValue(out, value);
      if (out.size() > limit) return false;
    }
    out += '\n';
    if (out.size() > limit) return false;
  }
  for (const auto& [folded, child] : key.children()) {
    const std::size_t length = path.size();
    path += '\\';
    path += child->name;
    const bool ok = writeKey(out, *child, path, false, limit);
    path.resize(length);
    if (!ok) return false;
  }
  return true;
}

}  // namespace

std::optional<std::vector<std::string>> splitKeyPath(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  std::vector<std::string> names;
  while (!path.empty()) {
    std::size_t slash = path.find('\\');
    std::string_view name = path.substr(0, slash);
    if (name.empty()) return std::nullopt;
    names.emplace_back(name);
    if (slash == std::string_view::npos) break;
    path.remove_prefix(slash + 1);
  }
  return names;
}

Key* Key::child(std::string_view name) const {
  auto it = children_.find(foldCase(name));
  return it == children_.end() ? nullptr : it->second.get();
}

Key& Key::ensureChild(const std::string& name) {
  auto& slot = children_[foldCase(name)];
  if (!slot) {
    slot = std::make_unique<Key>();
    slot->name = name;
  }
  return *slot;
}

bool Key::removeChild(std::string_view name) {
  return children_.erase(foldCase(name)) > 0;
}

std::vector<std::string> Key::childNames() const {
  std::vector<std::string> names;
  names.reserve(children_.size());
  for (const auto& [folded, child] : children_) names.push_back(child->name);
  return names;
}

const Value* Key::value(std::string_view name) const {
  auto it = index_.find(foldCase(name));
  return it == index_.end() ? nullptr : &values_[it->second];
}

void Key::setValue(Value value) {
  std::string folded = foldCase(value.name);
  if (auto it = index_.find(folded); it != index_.end()) {
    value.name = values_[it->second].name;  // a value keeps the name it was created with
    values_[it->second] = std::move(value);
    return;
  }
  index_.emplace(std::move(folded), values_.size());
  values_.push_back(std::move(value));
}

bool Key::removeValue(std::string_view name) {
  auto it = index_.find(foldCase(name));
  if (it == index_.end()) return false;
  values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(it->second));
  index_.clear();
  for (std::size_t i = 0; i < values_.size(); ++i) index_.emplace(foldCase(values_[i].name), i);
  return true;
}

Tree::Tree() {
  currentUser_.name = std::string(kCurrentUserName);
  localMachine_.name = std::string(kLocalMachineName);
}

Key* Tree::root(RegistryRoot root) {
  if (root == kCurrentUser) return &currentUser_;
  if (root == kLocalMachine) return &localMachine_;
  return nullptr;
}

const Key* Tree::root(RegistryRoot root) const {
  return const_cast<Tree*>(this)->root(root);
}

Key* Tree::find(RegistryRoot rootKey, const std::vector<std::string>& names) {
  Key* key = root(rootKey);
  for (const std::string& name : names) {
    if (!key) break;
    key = key->child(name);
  }
  return key;
}

ParseResult parseText(std::string_view text) {
  return Parser(text).run();
}

std::optional<std::string> toText(const Tree& tree, std::size_t limit) {
  std::string out(kHeader5);
  out += "\n\n";
  for (RegistryRoot root : {kCurrentUser, kLocalMachine}) {
    const Key& key = *tree.root(root);
    std::string path = key.name;
    if (!writeKey(out, key, path, true, limit)) return std::nullopt;
  }
  return out;
}

std::string escapeString(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\0':
        out += "\\0";
        break;
      default:
        out += c;
    }
  }
  return out;
}

}  // namespace platform::regstore
