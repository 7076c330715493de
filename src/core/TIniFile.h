#pragma once
// Access to one INI file by the rules of IniDocument and IniIndex. Every read and every write
// goes to the file as it is on disk, so a value written through one object is seen by any other
// object for the same file; an unchanged file is not parsed again (IniFileCache). A write
// replaces the file atomically.

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

// Raised when an INI file cannot be written: "Unable to write to <file>", followed by the
// system's reason in brackets when there is one, or by what could not be stored after a colon.
// A file whose lock another process keeps is named as such: "<file> is locked by another
// process".
class EIniFileError : public std::runtime_error {
 public:
  explicit EIniFileError(const std::string& fileName, std::error_code reason = {});
  EIniFileError(const std::string& fileName, const std::string& why);
};

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : FileName(std::move(fileName)) {}

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t defaultValue) const;
  bool ReadBool(const std::string& section, const std::string& key, bool defaultValue) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  const std::string FileName;
};

class IniDocument;

// Applies the changes to one copy of the file's text and stores it in one step; the file is left
// as it is when the text did not change. The file is read, changed and replaced while its lock
// (platform/FileLock.h) is held, so that changes of other processes made meanwhile are kept
// and only the keys written here change. Raises EIniFileError when the file cannot be locked
// (within a few seconds), read or written, or when a change cannot be stored as it is (a line
// break in a value, IniDocument::write); the file is then left as it was, and a file that is
// there but cannot be read is never replaced.
void UpdateIniFile(const std::string& fileName, const std::function<void(IniDocument&)>& change);

// Why a settings file that is there cannot be read (too large, a read error, not a file), as the
// system says it; null when it can be read or does not exist.
std::optional<std::string> IniFileProblem(const std::string& fileName);

// Converts a stored integer: decimal, or hexadecimal after "$", "0x" or "0X", with an optional
// sign; a signed 32-bit value (hexadecimal may use all 32 bits). Null when the text does not
// convert.
std::optional<std::int32_t> ParseIniInteger(const std::string& text);
// The stored text of an integer or Boolean.
std::string IniIntegerText(std::int32_t value);
