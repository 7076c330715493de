#pragma once
// The pages a browser's saved session still lists (its windows, their tabs with the pages each
// went through, and the tabs and windows closed lately), so that a clean of the history can say
// what the session still holds. Only addresses of web pages and files count (http, https, ftp,
// file), each once; the browser's own pages (about:, chrome:) do not.
//
// Chromium 100 to 156 ("Sessions/Session_<time>" and "Tabs_<time>", the older "Current Session",
// "Last Session", "Current Tabs", "Last Tabs"): "SNSS", a 32-bit version, then commands of a
// 16-bit size, a one-byte id and a pickled payload; a navigation's payload holds the payload
// size, the tab id, the index of the navigation and the address (a 32-bit length, then the
// bytes). Version 5 files are encrypted ("Sessions_Encrypted") and cannot be read.
// Firefox 56 to 153 ("sessionstore.jsonlz4", "sessionstore-backups/*.jsonlz4" and "*.baklz4"):
// "mozLz40\0", the 32-bit length of the text, then the JSON text as one LZ4 block; every page
// is the "url" member of an entry.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct TSessionPages {
  std::size_t Pages = 0;           // distinct pages the readable session files list
  std::size_t Unreadable = 0;      // session files that could not be read (encrypted, damaged)
  std::vector<std::string> Files;  // the session files found
};

// The session of a Chromium profile folder (with trailing separator).
TSessionPages ChromiumSessionPages(const std::string& profileFolder);
// The session of a Firefox profile folder (with trailing separator).
TSessionPages FirefoxSessionPages(const std::string& profileFolder);

// The addresses of the navigations of one Chromium session file, in the order written; null
// when the bytes are not such a file (or it is encrypted).
std::optional<std::vector<std::string>> AddressesInChromiumSession(const std::string& bytes);
// The text of a "mozLz40" file; null when the bytes are not one, or do not decompress to the
// length they announce.
std::optional<std::string> MozLz4Text(const std::string& bytes);
// Whether the address is that of a web page or a file (not one of the browser's own pages).
bool IsPageAddress(const std::string& address);
