#pragma once
// Local paths out of the URLs that a desktop hands over when files are dragged onto a window
// (the "text/uri-list" list). A file URL is decoded to the bytes of its path, so names that are
// not valid text arrive unchanged; anything that is not plainly a file of this computer is
// refused, never guessed at: a path that might be read two ways is not a path to wipe.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The path of a "file:" URL of this computer ("file:///p", "file://localhost/p", "file:/p", or
// the host named `localHost`), percent escapes decoded to bytes. Null for another scheme or
// host, a bad or NUL escape, a control byte written out (a raw NUL), a query or fragment, a
// relative path, or "." or ".." in the path. A trailing separator is dropped (the root stays "/").
std::optional<std::string> LocalPathOfUrl(std::string_view url, std::string_view localHost = {});

struct TUriListPaths {
  std::vector<std::string> paths;    // the local paths, in the list's order
  std::vector<std::string> refused;  // the URLs that name no local path, as given
};

// Every entry of a "text/uri-list" text: one URL per line (CR LF or LF), comment lines starting
// with "#" and empty lines passed over.
TUriListPaths PathsOfUriList(std::string_view list, std::string_view localHost = {});
