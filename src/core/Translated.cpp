#include "core/Translated.h"

std::string Substituted(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string text;
  text.reserve(pattern.size());
  const std::string_view* next = values.begin();
  std::size_t from = 0;
  for (std::size_t at = pattern.find("{}"); at != std::string_view::npos;
       at = pattern.find("{}", from)) {
    text.append(pattern.substr(from, at - from));
    if (next != values.end()) {
      text.append(*next++);
    } else {
      text.append("{}");
    }
    from = at + 2;
  }
  text.append(pattern.substr(from));
  return text;
}
