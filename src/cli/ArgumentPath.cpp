#include "cli/ArgumentPath.h"

#include "platform/Folders.h"

std::string AbsoluteArgument(const std::string& argument) {
  if (argument.empty()) return {};
  std::string path = argument;
  if (!platform::isAbsolutePath(path)) {
    const std::string current = platform::currentFolder();
    if (current.empty()) return {};
    path = current + path;
  }
  while (path.size() > 1 && path.back() == platform::kSeparator) path.pop_back();
  return platform::withoutLinksAbove(path);
}

bool EndsInDotName(const std::string& path) {
  std::string own = path;
  while (own.size() > 1 && own.back() == platform::kSeparator) own.pop_back();
  const auto separator = own.rfind(platform::kSeparator);
  const std::string last = separator == std::string::npos ? own : own.substr(separator + 1);
  return last == "." || last == "..";
}
