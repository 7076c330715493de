#pragma once
// The text of one INI file and the profile-file rules for changing it (IniSyntax.h gives the
// rules for its lines, IniIndex reads values):
// - section and key names are compared without regard to case, and the first of duplicate
//   sections or keys is the one changed;
// - comment lines (";") and lines that are not understood are kept untouched by every change;
// - a change replaces a value in place and keeps every other line, the order and the line breaks;
//   a missing key is added after the last line of its section that is not blank, a missing
//   section at the end of the file;
// - CR LF and LF line breaks read the same; added lines get the file's own line break;
// - every value reads back as it was written: one that reading would change (blanks at either
//   end, or enclosing quotes, which reading takes off) is stored in double quotes, and what a
//   line cannot hold is refused (EIniValueError) rather than written to be read otherwise.
//
// Writes are gathered and applied to the text together, in one pass over it, when the text is
// next needed: any number of writes costs about as much as one. The result is the same as that
// of applying them one after the other.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/IniSyntax.h"
#include "platform/Result.h"

// A section, key or value that cannot be stored so that it reads back as written: a line break
// or NUL byte anywhere, or a key that is empty or would read as something else (one starting
// with "[" or ";", or holding "="). The text says which and why.
class EIniValueError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

class IniDocument {
 public:
  // Longest value a read gives back.
  static constexpr std::size_t kMaxValueLength = ini::kMaxValueLength;
  // Largest file that is read; a larger one counts as unreadable.
  static constexpr std::uint64_t kMaxFileSize = 64ull << 20;

  explicit IniDocument(std::string text = {});
  ~IniDocument();
  IniDocument(IniDocument&&) noexcept;
  IniDocument& operator=(IniDocument&&) noexcept;

  // The file's text; an empty document only when the file does not exist. Any other failure
  // (a folder, no permission, too large, a read error, a folder above that cannot be examined)
  // gives the system's reason, so that a file that is there is never taken for an empty one.
  static platform::Result<IniDocument> load(const std::string& path);
  // Replaces the file with this text atomically. Fails with the system's reason (a file marked
  // read-only is never replaced).
  platform::Status save(const std::string& path) const;

  // Sets the value of the key in the section (names trimmed of blanks). Raises EIniValueError,
  // and changes nothing, when the section, key or value cannot be stored as it is.
  void write(std::string_view section, std::string_view key, std::string_view value);
  // The text a value is stored as so that reading gives it back: the value itself, or the value
  // in double quotes where reading would change it.
  static std::string storedValue(std::string_view value);

  // The text with every write applied.
  const std::string& text() const;
  // True when the writes so far changed the text.
  bool changed() const;

 private:
  struct Changes;
  struct Rewrite;
  void apply() const;

  mutable std::string text_;
  mutable std::unique_ptr<Changes> pending_;
  mutable bool changed_ = false;
};
