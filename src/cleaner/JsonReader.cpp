#include "cleaner/JsonReader.h"

namespace {

constexpr unsigned long kReplacement = 0xFFFD;

bool IsHighSurrogate(unsigned long code) {
  return code >= 0xD800 && code < 0xDC00;
}

bool IsLowSurrogate(unsigned long code) {
  return code >= 0xDC00 && code < 0xE000;
}

}  // namespace

void JsonReader::SkipSpace() {
  while (at_ < text_.size() &&
         (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t')) {
    ++at_;
  }
}

bool JsonReader::Take(char c) {
  SkipSpace();
  if (at_ < text_.size() && text_[at_] == c) {
    ++at_;
    return true;
  }
  return false;
}

bool JsonReader::Peek(char c) {
  SkipSpace();
  return at_ < text_.size() && text_[at_] == c;
}

bool JsonReader::AtEnd() {
  SkipSpace();
  return at_ >= text_.size();
}

std::optional<std::string> JsonReader::String() {
  if (!Take('"')) return std::nullopt;
  std::string value;
  while (at_ < text_.size()) {
    const char c = text_[at_++];
    if (c == '"') return value;
    if (c != '\\') {
      value += c;
      continue;
    }
    if (at_ >= text_.size()) return std::nullopt;
    const char e = text_[at_++];
    switch (e) {
      case 'n':
        value += '\n';
        break;
      case 't':
        value += '\t';
        break;
      case 'r':
        value += '\r';
        break;
      case 'b':
        value += '\b';
        break;
      case 'f':
        value += '\f';
        break;
      case '"':
      case '\\':
      case '/':
        value += e;
        break;
      case 'u': {
        auto code = Hex4();
        if (!code) return std::nullopt;
        if (IsHighSurrogate(*code)) {
          // A pair of surrogates stands for one character beyond the first plane; a high one
          // without its low partner stands for nothing that can be written, and the escape
          // after it is read on its own.
          const std::size_t before = at_;
          const auto low = NextEscapedUnit();
          if (low && IsLowSurrogate(*low)) {
            code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
          } else {
            at_ = before;
            code = kReplacement;
          }
        } else if (IsLowSurrogate(*code)) {
          code = kReplacement;
        }
        AppendUtf8(value, *code);
        break;
      }
      default:
        return std::nullopt;
    }
  }
  return std::nullopt;
}

bool JsonReader::Skip(int depth, const MemberVisit& visit) {
  if (depth > 64) return false;
  SkipSpace();
  if (at_ >= text_.size()) return false;
  const char c = text_[at_];
  if (c == '"') return String().has_value();
  if (c == '{' || c == '[') {
    const char close = c == '{' ? '}' : ']';
    ++at_;
    if (Take(close)) return true;
    do {
      std::optional<std::string> name;
      if (c == '{' && (!(name = String()) || !Take(':'))) return false;
      if (name && visit && Peek('"')) {
        const auto value = String();
        if (!value) return false;
        visit(*name, *value);
        continue;
      }
      if (!Skip(depth + 1, visit)) return false;
    } while (Take(','));
    return Take(close);
  }
  const std::size_t start = at_;
  while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '}' && text_[at_] != ']' &&
         text_[at_] != ' ' && text_[at_] != '\n' && text_[at_] != '\r' && text_[at_] != '\t') {
    ++at_;
  }
  return at_ > start;
}

bool JsonReader::EnterMember(const std::string& key) {
  if (!Take('{')) return false;
  if (Peek('}')) return false;
  do {
    const auto name = String();
    if (!name || !Take(':')) return false;
    if (*name == key) return true;
    if (!SkipValue()) return false;
  } while (Take(','));
  return false;
}

std::vector<std::string> JsonReader::MemberNames() {
  std::vector<std::string> names;
  if (!Take('{') || Take('}')) return names;
  do {
    const auto name = String();
    if (!name || !Take(':') || !SkipValue()) return names;
    names.push_back(*name);
  } while (Take(','));
  return names;
}

std::optional<unsigned long> JsonReader::Hex4() {
  if (at_ + 4 > text_.size()) return std::nullopt;
  unsigned long code = 0;
  for (int i = 0; i < 4; ++i) {
    const char h = text_[at_++];
    code <<= 4;
    if (h >= '0' && h <= '9') {
      code |= static_cast<unsigned long>(h - '0');
    } else if ((h | 0x20) >= 'a' && (h | 0x20) <= 'f') {
      code |= static_cast<unsigned long>((h | 0x20) - 'a' + 10);
    } else {
      return std::nullopt;
    }
  }
  return code;
}

std::optional<unsigned long> JsonReader::NextEscapedUnit() {
  if (text_.substr(at_, 2) != "\\u") return std::nullopt;
  const std::size_t before = at_;
  at_ += 2;
  const auto code = Hex4();
  if (!code) at_ = before;
  return code;
}

void JsonReader::AppendUtf8(std::string& text, unsigned long code) {
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

bool IsJsonDocument(std::string_view text) {
  JsonReader reader(text);
  return reader.SkipValue() && reader.AtEnd();
}

std::optional<std::vector<std::string>> JsonStringMembers(std::string_view text,
                                                          const std::string& name) {
  std::vector<std::string> values;
  JsonReader reader(text);
  const bool read = reader.SkipValue([&](const std::string& member, const std::string& value) {
    if (member == name) values.push_back(value);
  });
  if (!read || !reader.AtEnd()) return std::nullopt;
  return values;
}
