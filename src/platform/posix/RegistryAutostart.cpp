#include "platform/posix/RegistryAutostart.h"

#include <map>

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/Registry.h"
#include "platform/posix/RegistryTree.h"

namespace platform::regstore {
namespace {

constexpr std::string_view kSuffix = ".desktop";
constexpr std::uint64_t kMaxEntrySize = 1 << 20;

bool validName(const std::string& name) {
  return !name.empty() && name.find('/') == std::string::npos &&
         name.find('\0') == std::string::npos;
}

// The keys of the [Desktop Entry] group (first of duplicates wins), raw.
std::map<std::string, std::string> entryKeys(const std::string& text) {
  std::map<std::string, std::string> keys;
  bool inGroup = false;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line(trimLine(std::string_view(text).substr(start, end - start)));
    start = end + 1;
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      inGroup = line == "[Desktop Entry]";
      continue;
    }
    std::size_t equals = line.find('=');
    if (!inGroup || equals == std::string::npos) continue;
    keys.emplace(trimLine(std::string_view(line).substr(0, equals)),
                 trimLine(std::string_view(line).substr(equals + 1)));
  }
  return keys;
}

std::optional<std::map<std::string, std::string>> readEntry(const std::string& path) {
  auto text = fs().readFile(path, kMaxEntrySize);
  if (!text) return std::nullopt;
  return entryKeys(*text);
}

bool isHidden(const std::map<std::string, std::string>& keys) {
  auto it = keys.find("Hidden");
  return it != keys.end() && it->second == "true";
}

}  // namespace

std::string desktopUnescape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      char next = text[++i];
      switch (next) {
        case 's':
          out += ' ';
          break;
        case 'n':
          out += '\n';
          break;
        case 't':
          out += '\t';
          break;
        case 'r':
          out += '\r';
          break;
        case '\\':
          out += '\\';
          break;
        default:
          out += '\\';
          out += next;
      }
      continue;
    }
    out += text[i];
  }
  return out;
}

std::string desktopEscape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case ' ':
        out += (i == 0 ? "\\s" : " ");
        break;  // a leading blank would be trimmed
      default:
        out += c;
    }
  }
  return out;
}

bool AutostartFolder::exists() const {
  if (folder_.empty()) return false;
  // A folder that is not there yet is made by the first value written.
  auto info = fs().info(trimSeparators(folder_));
  if (!info) return info.error() == std::errc::no_such_file_or_directory;
  if (info->kind == EntryKind::Folder) return true;
  return info->kind == EntryKind::Link && fs().listFolder(folder_).has_value();
}

std::vector<std::string> AutostartFolder::valueNames() const {
  std::vector<std::string> names;
  if (!exists()) return names;
  auto entries = fs().listFolder(folder_);
  if (!entries) return names;
  for (const DirEntry& entry : *entries) {
    if (entry.kind != EntryKind::File && entry.kind != EntryKind::Link) continue;
    if (entry.name.size() <= kSuffix.size() ||
        entry.name.compare(entry.name.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0) {
      continue;
    }
    auto keys = readEntry(folder_ + entry.name);
    if (!keys || isHidden(*keys)) continue;
    names.push_back(entry.name.substr(0, entry.name.size() - kSuffix.size()));
  }
  return names;
}

std::string AutostartFolder::entryOf(const std::string& name) const {
  if (!validName(name) || !exists()) return {};
  auto entries = fs().listFolder(folder_);
  if (!entries) return {};
  const std::string wanted = name + std::string(kSuffix);
  // An entry of exactly that name wins over one that differs only in case.
  for (const DirEntry& entry : *entries) {
    if (entry.name == wanted) return folder_ + entry.name;
  }
  for (const DirEntry& entry : *entries) {
    if (equalsNoCase(entry.name, wanted)) return folder_ + entry.name;
  }
  return {};
}

std::optional<std::string> AutostartFolder::read(const std::string& name) const {
  std::string path = entryOf(name);
  if (path.empty()) return std::nullopt;
  auto keys = readEntry(path);
  if (!keys || isHidden(*keys)) return std::nullopt;
  auto exec = keys->find("Exec");
  return exec == keys->end() ? std::string() : desktopUnescape(exec->second);
}

Status AutostartFolder::write(const std::string& name, const std::string& command) const {
  if (!validName(name)) return RegistryError::BadName;
  if (!exists()) return RegistryError::NoKey;
  if (Status made = ensureFolder(trimSeparators(folder_)); !made) return made;
  std::string path = entryOf(name);
  if (path.empty()) path = folder_ + name + std::string(kSuffix);
  auto info = fs().info(path);
  if (info && info->kind == EntryKind::Link) {
    if (Status removed = fs().deleteFile(path); !removed) return removed;
  }
  if (info && info->kind != EntryKind::File && info->kind != EntryKind::Link) {
    return FileError::NotAFile;
  }
  const std::string text = "[Desktop Entry]\nType=Application\nName=" + desktopEscape(name) +
                           "\nExec=" + desktopEscape(command) +
                           "\nX-GNOME-Autostart-enabled=true\n";
  return fs().writeFileAtomic(path, text);
}

Status AutostartFolder::remove(const std::string& name) const {
  if (!exists()) return RegistryError::NoKey;
  std::string path = entryOf(name);
  if (path.empty()) return {};
  return fs().deleteFile(path);
}

}  // namespace platform::regstore
