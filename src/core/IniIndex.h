#pragma once
// The values of one INI text, looked up without scanning the text again. Building the index
// takes one pass over the text (to find the sections); the keys of a section are indexed the
// first time a value of that section is asked for. The index keeps no copies of names or
// values, only the positions of lines, so it takes far less memory than the text itself.
//
// The reading rules: names compare without regard to case; the first of duplicate sections or
// keys wins; values are trimmed and lose matching enclosing quotes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class IniIndex {
 public:
  explicit IniIndex(std::string text);
  IniIndex(const IniIndex&) = delete;
  IniIndex& operator=(const IniIndex&) = delete;

  // The whole stored value of the key; null when the section or the key is missing.
  std::optional<std::string_view> find(std::string_view section, std::string_view key) const;
  // The value as a read gives it back: cut to the longest value that is read.
  std::optional<std::string> read(std::string_view section, std::string_view key) const;

  const std::string& text() const { return text_; }

 private:
  // The first line of each name among the lines added, found by the name's hash.
  class NameTable {
   public:
    // The name a line holds.
    using NameOf = std::string_view (*)(std::string_view text, std::size_t line);

    NameTable() = default;
    // Room for up to `lines` lines.
    explicit NameTable(std::size_t lines);
    // Adds the line unless a line of the same name was added before.
    void add(std::string_view text, std::size_t line, std::string_view name, NameOf nameOf);
    std::optional<std::size_t> find(std::string_view text, std::string_view name,
                                    NameOf nameOf) const;

   private:
    struct Slot {
      std::uint32_t hash = 0;
      std::uint32_t line = 0;  // position of the line + 1; 0 for an empty slot
    };
    std::size_t home(std::uint32_t hash) const;

    std::vector<Slot> slots_;
  };

  // The keys of the section whose header line starts at `header`.
  const NameTable& keysOf(std::size_t header) const;

  std::string text_;
  NameTable sections_;
  mutable std::unordered_map<std::size_t, NameTable> keys_;  // by header position
};
