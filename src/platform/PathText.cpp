#include "platform/PathText.h"

namespace platform {

std::string withTrailingSeparator(std::string_view path) {
  std::string result(path);
  if (!result.empty() && result.back() != kSeparator) result += kSeparator;
  return result;
}

std::string withoutTrailingSeparator(std::string_view path) {
  if (!path.empty() && path.back() == kSeparator) path.remove_suffix(1);
  return std::string(path);
}

std::string trimSeparators(std::string_view path) {
  while (path.size() > 1 && path.back() == kSeparator) path.remove_suffix(1);
  return std::string(path);
}

std::string folderPartOf(std::string_view path) {
  const std::size_t separator = path.rfind(kSeparator);
  return separator == std::string_view::npos ? std::string()
                                             : std::string(path.substr(0, separator + 1));
}

std::string fileNameOf(std::string_view path) {
  const std::size_t separator = path.rfind(kSeparator);
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string parentFolderOf(std::string_view path) {
  while (path.size() > 1 && path.back() == kSeparator) path.remove_suffix(1);
  const std::size_t separator = path.rfind(kSeparator);
  if (separator == std::string_view::npos || path.size() <= 1) return {};
  return std::string(path.substr(0, separator == 0 ? 1 : separator));
}

}  // namespace platform
