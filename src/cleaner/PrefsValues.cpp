#include "cleaner/PrefsValues.h"

#include <cctype>

#include "core/TIniFile.h"
#include "core/Translated.h"
#include "platform/TextCase.h"

namespace {

std::string Trimmed(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return text.substr(begin, end - begin);
}

// A plain decimal number: sign, digits, an optional fraction and exponent. Whether it is zero.
bool ParseNumber(const std::string& text, bool& isZero) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false, nonZero = false;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    digits = true;
    nonZero = nonZero || text[i] != '0';
  }
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      digits = true;
      nonZero = nonZero || text[i] != '0';
    }
  }
  if (!digits) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool exponentDigits = false;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      exponentDigits = true;
    }
    if (!exponentDigits) return false;
  }
  isZero = !nonZero;
  return i == text.size();
}

}  // namespace

bool ParseBool(const std::string& text) {
  const std::string value = Trimmed(text);
  if (platform::equalsNoCase(value, "true")) return true;
  if (platform::equalsNoCase(value, "false")) return false;
  if (auto number = ParseIniInteger(value)) return *number != 0;
  bool isZero = false;
  if (ParseNumber(value, isZero)) return !isZero;
  throw EConvertError(Substituted(Tr("'{}' is not a valid Boolean value"), {text}));
}

std::int32_t ParseInteger(const std::string& text) {
  if (auto number = ParseIniInteger(Trimmed(text))) return *number;
  throw EConvertError(Substituted(Tr("'{}' is not a valid integer value"), {text}));
}

std::string ReadText(const pugi::xml_node& element, const char* name) {
  pugi::xml_attribute attribute = element.attribute(name);
  if (!attribute) throw EConvertError(std::string(Tr("missing attribute ")) + name);
  return attribute.value();
}

bool ReadBool(const pugi::xml_node& element, const char* name) {
  return ParseBool(ReadText(element, name));
}

std::int32_t ReadInteger(const pugi::xml_node& element, const char* name) {
  return ParseInteger(ReadText(element, name));
}

const char* BoolText(bool value) {
  return value ? "True" : "False";
}

void WriteText(pugi::xml_node& element, const char* name, const std::string& value) {
  element.append_attribute(name).set_value(value.c_str());
}

void WriteBool(pugi::xml_node& element, const char* name, bool value) {
  element.append_attribute(name).set_value(BoolText(value));
}

void WriteInteger(pugi::xml_node& element, const char* name, std::int32_t value) {
  element.append_attribute(name).set_value(std::to_string(value).c_str());
}
