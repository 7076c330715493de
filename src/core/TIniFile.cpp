#include "core/TIniFile.h"

#include <optional>

#include "core/IniDocument.h"
#include "core/IniFileCache.h"
#include "core/IniIndex.h"
#include "core/Translated.h"
#include "platform/FileLock.h"
#include "platform/FileSystem.h"

EIniFileError::EIniFileError(const std::string& fileName, std::error_code reason)
    : std::runtime_error(platform::FileLock::isLockedError(reason)
                             ? Substituted(Tr("{} is locked by another process"), {fileName})
                             : Substituted(Tr("Unable to write to {}"), {fileName}) +
                                   (reason ? " (" + reason.message() + ")" : std::string())) {}

EIniFileError::EIniFileError(const std::string& fileName, const std::string& why)
    : std::runtime_error(Substituted(Tr("Unable to write to {}: {}"), {fileName, why})) {}

std::optional<std::int32_t> ParseIniInteger(const std::string& text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  int base = 10;
  if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
    base = 16;
    digits.remove_prefix(2);
  } else if (!digits.empty() && digits.front() == '$') {
    base = 16;
    digits.remove_prefix(1);
  }
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  const std::uint64_t limit =
      base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  for (char c : digits) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f')
      digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F')
      digit = c - 'A' + 10;
    else
      return std::nullopt;
    value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  std::uint32_t bits = static_cast<std::uint32_t>(value);
  if (negative) bits = 0u - bits;
  return static_cast<std::int32_t>(bits);
}

std::string IniIntegerText(std::int32_t value) {
  return std::to_string(value);
}

void UpdateIniFile(const std::string& fileName, const std::function<void(IniDocument&)>& change) {
  const auto lock = platform::FileLock::acquire(fileName);
  if (!lock) throw EIniFileError(fileName, lock.error());
  auto document = IniDocument::load(fileName);
  if (!document) throw EIniFileError(fileName, document.error());
  try {
    change(*document);
  } catch (const EIniValueError& refused) {
    throw EIniFileError(fileName, refused.what());
  }
  if (!document->changed() && platform::fs().info(fileName)) return;
  IniFileCache::forget(fileName);
  if (const platform::Status saved = document->save(fileName); !saved) {
    throw EIniFileError(fileName, saved.error());
  }
}

std::optional<std::string> IniFileProblem(const std::string& fileName) {
  const auto document = IniDocument::load(fileName);
  if (document) return std::nullopt;
  return document.error().message();
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  std::optional<std::string> value;
  if (auto index = IniFileCache::current(FileName)) value = index->read(section, key);
  if (!value) return defaultValue.substr(0, IniDocument::kMaxValueLength);
  return *value;
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key,
                                   std::int32_t defaultValue) const {
  return ParseIniInteger(ReadString(section, key, "")).value_or(defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key,
                        bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  UpdateIniFile(FileName, [&](IniDocument& document) { document.write(section, key, value); });
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key,
                            std::int32_t value) {
  WriteString(section, key, IniIntegerText(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}
