#include "core/Translated.h"

std::string Substituted(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  text.reserve(pattern.size());
  const std::string_view* next = values.begin();
  std::size_t from = 0;
  for (std::size_t at = pattern.find('{'); at != std::string_view::npos;
       at = pattern.find('{', at + 1)) {
    // "{}" is the next value in order, "{1}" to "{9}" the value of that number wherever it
    // stands; anything else is text.
    const bool inOrder = at + 1 < pattern.size() && pattern[at + 1] == '}';
    const bool numbered = at + 2 < pattern.size() && pattern[at + 1] >= '1' &&
                          pattern[at + 1] <= '9' && pattern[at + 2] == '}';
    if (!inOrder && !numbered) continue;
    text.append(pattern.substr(from, at - from));
    const std::string_view placeholder = pattern.substr(at, inOrder ? 2 : 3);
    const std::size_t index = inOrder ? static_cast<std::size_t>(next - values.begin())
                                      : static_cast<std::size_t>(pattern[at + 1] - '1');
    if (index < values.size()) {
      text.append(values.begin()[index]);
    } else {
      text.append(placeholder);
    }
    if (inOrder && next != values.end()) ++next;
    from = at + placeholder.size();
  }
  text.append(pattern.substr(from));
  return text;
}
