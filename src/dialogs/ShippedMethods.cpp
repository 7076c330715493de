#include "dialogs/ShippedMethods.h"

#include <string_view>

#include "core/Helpers.h"
#include "core/TWipeMethod.h"
#include "core/TWipeMethodsManager.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

#ifndef FERROVANE_SHIPPED_METHODS
#define FERROVANE_SHIPPED_METHODS ""
#endif

namespace {

// The shipped method files, "|" between names; the build lists the methods folder of the sources.
constexpr std::string_view kShipped = FERROVANE_SHIPPED_METHODS;

bool isShippedName(std::string_view name) {
  std::size_t start = 0;
  while (start <= kShipped.size()) {
    std::size_t end = kShipped.find('|', start);
    if (end == std::string_view::npos) end = kShipped.size();
    if (!name.empty() && kShipped.substr(start, end - start) == name) return true;
    start = end + 1;
  }
  return false;
}

bool taken(const TCustomWipeMethodsManager& catalogue, const std::string& path) {
  if (catalogue.MethodByFileName(path)) return true;
  const auto info = platform::fs().info(path);
  return info || info.error() != std::errc::no_such_file_or_directory;
}

}  // namespace

bool IsShippedMethod(const TWipeMethod& method) {
  const std::string folder = GetMethodsFolder();
  return method.FileName.size() > folder.size() &&
         method.FileName.compare(0, folder.size(), folder) == 0 &&
         isShippedName(platform::fileNameOf(method.FileName));
}

std::string CopyFileName(const TWipeMethod& method, const TCustomWipeMethodsManager& catalogue) {
  std::string stem = platform::fileNameOf(method.FileName);
  if (const std::size_t dot = stem.rfind('.'); dot != std::string::npos && dot > 0)
    stem.resize(dot);
  if (stem.empty()) stem = "method";
  const std::string folder = GetMethodsFolder();
  std::string name;
  for (int number = 1; number < 10000; ++number) {
    name = stem + "-copy" + (number == 1 ? std::string() : "-" + std::to_string(number)) + ".mtd";
    if (!taken(catalogue, folder + name)) break;
  }
  return name;
}
