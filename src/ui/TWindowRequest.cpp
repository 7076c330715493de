#include "ui/TWindowRequest.h"

#include <QCoreApplication>
#include <QtGlobal>

#ifndef FERROVANE_VERSION
#define FERROVANE_VERSION "0"
#endif

namespace {

// Fields are separated by NUL bytes, which no path holds.
constexpr char kHeader[] = "ferrovane-window-request-1";

// The texts are marked for the window's catalogue; the program's start looks them up once an
// application object holds the translators (see main).
constexpr const char* kUsage =
    QT_TRANSLATE_NOOP("TWindowRequest", "Usage: ferrovane [--free-space] [--] [PATH...]");
constexpr const char* kUnknownOption = QT_TRANSLATE_NOOP("TWindowRequest", "unknown option %1");

constexpr const char* kHelp = QT_TRANSLATE_NOOP(
    "TWindowRequest",
    "Usage: ferrovane [--free-space] [--] [PATH...]\n"
    "Opens the Ferrovane window, which overwrites files, folders and the free space of drives\n"
    "before it deletes them. The files and folders given are queued on the Delete with Wiping\n"
    "page; nothing is wiped before Start is pressed and its question answered. When a window is\n"
    "open already, it takes the paths and comes to the front.\n"
    "\n"
    "  --free-space  show the Wipe free space page\n"
    "  --help        show this text and end\n"
    "  --version     show the version and end\n"
    "  --            every argument after it is a path, even one that starts with \"-\"\n"
    "\n"
    "Without a window: ferrovane-cli (see ferrovane-cli --help).\n");

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
    } else if (options && arg == "--help") {
      return {std::nullopt, {}, kHelp, {}};
    } else if (options && arg == "--version") {
      return {std::nullopt, {}, std::string("ferrovane ") + FERROVANE_VERSION + "\n", {}};
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      return {std::nullopt, "unknown option " + arg + "\n" + kUsage, {}, arg};
    } else if (!arg.empty()) {
      request.paths.push_back(arg);
    }
  }
  return {request, {}, {}, {}};
}

std::string TranslatedText(const TWindowArguments& arguments) {
  if (arguments.text != kHelp) return arguments.text;
  return QCoreApplication::translate("TWindowRequest", kHelp).toStdString();
}

std::string TranslatedError(const TWindowArguments& arguments) {
  if (arguments.unknownOption.empty()) return arguments.error;
  return (QCoreApplication::translate("TWindowRequest", kUnknownOption)
              .arg(QString::fromLocal8Bit(arguments.unknownOption)) +
          QLatin1Char('\n') + QCoreApplication::translate("TWindowRequest", kUsage))
      .toLocal8Bit()
      .toStdString();
}
