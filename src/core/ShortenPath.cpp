#include "core/ShortenPath.h"

std::string ShortenPath(const std::string& path,
                        const std::function<bool(const std::string&)>& fits, char separator) {
  const std::string sep(1, separator);
  const std::string dots = "..." + sep;
  const auto last = path.rfind(separator);
  std::string folder = last == std::string::npos ? std::string() : path.substr(0, last + 1);
  const std::string name = last == std::string::npos ? path : path.substr(last + 1);
  std::string drive;
  const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (separator == '\\' && folder.size() >= 2 && isLetter(folder[0]) && folder[1] == ':') {
    drive = folder.substr(0, 2);
    folder.erase(0, 2);
  }

  std::string text = path;
  while (!fits(text) && (!folder.empty() || !drive.empty())) {
    if (folder == sep + dots) {
      drive.clear();
      folder = dots;
    } else if (folder.empty() || folder == sep) {
      // Nothing left to cut: a file in the root folder is shown by its bare name.
      drive.clear();
      folder.clear();
    } else {
      std::string lead;
      if (folder.compare(0, 1, sep) == 0) {
        lead = sep;
        folder.erase(0, 1);
      }
      if (folder.compare(0, dots.size(), dots) == 0) folder.erase(0, dots.size());
      const auto next = folder.find(separator);
      folder = next == std::string::npos ? std::string() : dots + folder.substr(next + 1);
      folder = lead + folder;
    }
    text = drive + folder + name;
  }
  return text;
}
