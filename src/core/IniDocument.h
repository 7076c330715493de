#pragma once
// The text of one INI file and the profile-file rules for reading and changing it:
// - section and key names are compared without regard to case, and the first of duplicate
//   sections or keys wins;
// - values are trimmed of surrounding blanks, and a value enclosed in matching double or single
//   quotes loses them;
// - comment lines (";") and lines that are not understood are kept untouched by every change;
// - a change replaces a value in place and keeps every other line, the order and the line breaks;
//   a missing key or section is added;
// - CR LF and LF line breaks read the same.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

class IniDocument {
 public:
  // Longest value a read gives back.
  static constexpr std::size_t kMaxValueLength = 2047;
  // Largest file that is read; a larger one counts as unreadable.
  static constexpr std::uint64_t kMaxFileSize = 64ull << 20;

  explicit IniDocument(std::string text = {}) : text_(std::move(text)) {}

  // The file's text; an empty document when the file does not exist; null when it exists but
  // cannot be read (a folder, no permission, too large).
  static std::optional<IniDocument> load(const std::string& path);
  // Replaces the file with this text atomically. False when it could not be written.
  bool save(const std::string& path) const;

  std::optional<std::string> read(std::string_view section, std::string_view key) const;
  void write(std::string_view section, std::string_view key, std::string_view value);

  const std::string& text() const { return text_; }

  // Every value of the document, looked up without scanning the text again: the reads of a
  // large file cost one pass over it.
  class Snapshot {
   public:
    explicit Snapshot(const IniDocument& document);
    std::optional<std::string> read(std::string_view section, std::string_view key) const;

   private:
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> sections_;
  };

 private:
  std::string lineBreak() const;

  std::string text_;
};
