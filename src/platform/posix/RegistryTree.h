#pragma once
// The keys and values of the registry store in memory, and their text form: a REGEDIT5 file
// ("Windows Registry Editor Version 5.00"), a "[ROOT\path]" line followed by the key's values
// for each key that holds values or nothing at all (the keys above them follow from their paths).
// Text values are written "name"="text" with \\ and \" escaped (line breaks as \n and \r),
// integers "name"=dword:0000000a; other value types (hex:, hex(2): ...) are kept as written.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/Registry.h"
#include "platform/TextCase.h"

namespace platform::regstore {

// Deepest key path accepted; deeper paths cannot be created or read.
inline constexpr std::size_t kMaxKeyDepth = 512;
// Longest key name accepted.
inline constexpr std::size_t kMaxKeyNameLength = 255;

using platform::equalsNoCase;
using platform::foldCase;

// The names of a key path: leading and trailing "\" are ignored; null when a name inside the path
// is empty. The empty path (the root) gives no names.
std::optional<std::vector<std::string>> splitKeyPath(std::string_view path);

struct Value {
  enum class Type { String, Integer, Raw };
  std::string name;
  Type type = Type::String;
  std::string text;          // String: the text; Raw: the data as written after "="
  std::uint32_t number = 0;  // Integer
};

class Key {
 public:
  Key* child(std::string_view name) const;
  // The child of that name, created when missing.
  Key& ensureChild(const std::string& name);
  bool removeChild(std::string_view name);
  std::vector<std::string> childNames() const;  // sorted without regard to case
  const std::map<std::string, std::unique_ptr<Key>>& children() const { return children_; }

  const Value* value(std::string_view name) const;
  void setValue(Value value);
  bool removeValue(std::string_view name);
  const std::vector<Value>& values() const { return values_; }

  std::string name;

 private:
  std::map<std::string, std::unique_ptr<Key>> children_;  // by folded name
  std::vector<Value> values_;                             // in the order created
  std::unordered_map<std::string, std::size_t> index_;    // folded name -> position in values_
};

class Tree {
 public:
  Tree();
  Key* root(RegistryRoot root);
  const Key* root(RegistryRoot root) const;
  // The key at the path below the root, or null.
  Key* find(RegistryRoot root, const std::vector<std::string>& names);

 private:
  Key currentUser_;
  Key localMachine_;
};

struct ParseResult {
  std::unique_ptr<Tree> tree;  // null when the text is damaged
  std::size_t line = 0;        // the line at fault
  std::string reason;
};

// Reads the text of a store. Empty text (or blanks only) is an empty store.
ParseResult parseText(std::string_view text);
// The text of a store; null when it would be longer than `limit` bytes (it is not made whole).
std::optional<std::string> toText(const Tree& tree, std::size_t limit);

// A text value as written between the quotes, and back.
std::string escapeString(std::string_view text);

}  // namespace platform::regstore
