#include "ui/TWindowRequest.h"

namespace {

// Fields are separated by NUL bytes, which no path holds.
constexpr char kHeader[] = "ferrovane-window-request-1";

}  // namespace

std::string TWindowRequest::Encode() const {
  std::string bytes(kHeader);
  bytes += '\0';
  bytes += freeSpacePage ? 'F' : '-';
  bytes += '\0';
  bytes += base;
  bytes += '\0';
  for (const std::string& path : paths) {
    bytes += path;
    bytes += '\0';
  }
  return bytes;
}

std::optional<TWindowRequest> TWindowRequest::Decode(const std::string& bytes) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find('\0', start);
    if (end == std::string::npos) return std::nullopt;  // cut short: the last field is unended
    fields.push_back(bytes.substr(start, end - start));
    start = end + 1;
  }
  if (fields.size() < 3 || fields[0] != kHeader || (fields[1] != "F" && fields[1] != "-")) {
    return std::nullopt;
  }
  TWindowRequest request;
  request.freeSpacePage = fields[1] == "F";
  request.base = fields[2];
  request.paths.assign(fields.begin() + 3, fields.end());
  return request;
}

TWindowArguments ParseWindowArguments(const std::vector<std::string>& args,
                                      const std::string& base) {
  TWindowRequest request;
  request.base = base;
  bool options = true;
  for (const std::string& arg : args) {
    if (options && arg == "--") {
      options = false;
    } else if (options && arg == "--free-space") {
      request.freeSpacePage = true;
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      return {std::nullopt,
              "unknown option " + arg + "\nUsage: ferrovane [--free-space] [--] [PATH...]"};
    } else if (!arg.empty()) {
      request.paths.push_back(arg);
    }
  }
  return {request, {}};
}
