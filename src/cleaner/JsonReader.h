#pragma once
// The one reader of JSON text that the cleaner uses for the files browsers keep (Chromium's
// "Local State" and "Bookmarks", Firefox's session store): enough to walk objects, visit the
// string members at any depth and skip every other value. Escapes are decoded as the browsers'
// own readers do: a pair of surrogates is one character, and a surrogate without its partner
// becomes U+FFFD rather than making the whole text unreadable.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  void SkipSpace();
  // Takes the character (after blanks) when it is the next one.
  bool Take(char c);
  bool Peek(char c);
  // A string, with its escapes decoded to UTF-8.
  std::optional<std::string> String();

  // Called with each member whose value is a string, at any depth, by SkipValue.
  using MemberVisit = std::function<void(const std::string& name, const std::string& value)>;
  // Skips one value of any kind. False on text that is not JSON.
  bool SkipValue(const MemberVisit& visit = {}) { return Skip(0, visit); }
  // Enters the member `key` of the object that starts here (the reader then stands at its
  // value). False when the object has no such member or is not JSON.
  bool EnterMember(const std::string& key);
  // The member names of the object that starts here, up to the first fault.
  std::vector<std::string> MemberNames();
  // True when nothing but blanks is left.
  bool AtEnd();

 private:
  bool Skip(int depth, const MemberVisit& visit);
  std::optional<unsigned long> Hex4();
  // Reads "\uXXXX" when it comes next (the reader stays where it was otherwise).
  std::optional<unsigned long> NextEscapedUnit();
  static void AppendUtf8(std::string& text, unsigned long code);

  std::string_view text_;
  std::size_t at_ = 0;
};

// Whether the text is one JSON value, whole.
bool IsJsonDocument(std::string_view text);
// Every string value of a member named `name`, at any depth, in the order written; null when
// the text is not JSON.
std::optional<std::vector<std::string>> JsonStringMembers(std::string_view text,
                                                          const std::string& name);
