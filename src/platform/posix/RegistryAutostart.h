#pragma once
// The Run key of the current user kept as desktop entries of the autostart folder: the value NAME
// is NAME.desktop (names compared without regard to case), its text the entry's Exec line. An
// entry marked Hidden=true counts as removed.

#include <optional>
#include <string>
#include <vector>

#include "platform/Result.h"

namespace platform::regstore {

class AutostartFolder {
 public:
  // folder: with trailing separator; empty means there is no such folder.
  explicit AutostartFolder(std::string folder) : folder_(std::move(folder)) {}

  // True when the folder is known and nothing but a folder is in its place: it need not be
  // there yet, since the first value written makes it.
  bool exists() const;
  std::vector<std::string> valueNames() const;
  std::optional<std::string> read(const std::string& name) const;
  // Writes NAME.desktop with the command as its Exec line, replacing an entry of that name (a
  // link is replaced by a file of its own; the file it pointed to is left alone).
  Status write(const std::string& name, const std::string& command) const;
  // Succeeds when the entry is gone afterwards (a missing one included).
  Status remove(const std::string& name) const;

 private:
  // The entry file of the value, matched without regard to case; empty when there is none.
  std::string entryOf(const std::string& name) const;

  std::string folder_;
};

// The Exec text of a desktop entry, and back (the escapes of the desktop-entry string type).
std::string desktopUnescape(const std::string& text);
std::string desktopEscape(const std::string& text);

}  // namespace platform::regstore
