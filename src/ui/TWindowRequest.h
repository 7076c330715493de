#pragma once
// What a start of the window asks for: paths to queue on the Delete-with-wiping page (as the
// bytes the command line gave, with the folder they were given in), or the Wipe-free-space
// page. A second start hands its request to the window already running, encoded as bytes.

#include <optional>
#include <string>
#include <vector>

struct TWindowRequest {
  std::vector<std::string> paths;
  std::string base;  // the folder relative paths were given in, with trailing separator
  bool freeSpacePage = false;

  bool Empty() const { return paths.empty() && !freeSpacePage; }
  bool operator==(const TWindowRequest&) const = default;

  // The bytes of the request for the single-instance channel, and back; null for bytes that
  // are no request (another program's, or cut short).
  std::string Encode() const;
  static std::optional<TWindowRequest> Decode(const std::string& bytes);
};

// The window's command line: `ferrovane [--free-space] [--] [PATH...]`, `ferrovane --help` or
// `ferrovane --version` (args without the program name). Everything after "--" is a path,
// whatever it looks like. These are all the options there are: none is Qt's.
struct TWindowArguments {
  std::optional<TWindowRequest> request;
  std::string error;          // an unknown option: the text for standard error (status 2)
  std::string text;           // --help or --version: the text for standard output (status 0)
  std::string unknownOption;  // the option of the error, if it is one
};

// The texts of the arguments in the user's language, once an application object holds the
// translators: the help, and the error of an unknown option; the version as it is.
std::string TranslatedText(const TWindowArguments& arguments);
std::string TranslatedError(const TWindowArguments& arguments);
TWindowArguments ParseWindowArguments(const std::vector<std::string>& args,
                                      const std::string& base);
