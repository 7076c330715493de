#include "cleaner/ApplicationTraces.h"

#include <pugixml.hpp>

#include <set>
#include <vector>

#include "cleaner/AppFolders.h"
#include "cleaner/TraceFileEdits.h"
#include "cleaner/TracePaths.h"
#include "cleaner/XmlReader.h"
#include "core/Helpers.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"

namespace {

constexpr const char* kPickLists[] = {
    "/org.openoffice.Office.Histories/Histories/"
    "org.openoffice.Office.Histories:HistoryInfo['PickList']",
    "/org.openoffice.Office.Common/History/PickList",
};

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

// The value of the attribute `name` in the start tag text, with the entities of quotes decoded.
std::optional<std::string> Attribute(std::string_view tag, const std::string& name) {
  const std::string opening = " " + name + "=";
  const std::size_t at = tag.find(opening);
  if (at == std::string::npos || at + opening.size() >= tag.size()) return std::nullopt;
  const char quote = tag[at + opening.size()];
  if (quote != '"' && quote != '\'') return std::nullopt;
  const std::size_t start = at + opening.size() + 1;
  const std::size_t end = tag.find(quote, start);
  if (end == std::string::npos) return std::nullopt;
  std::string value(tag.substr(start, end - start));
  value = Replaced(value, "&apos;", "'");
  value = Replaced(value, "&quot;", "\"");
  return Replaced(value, "&amp;", "&");
}

bool IsPickListPath(const std::string& path) {
  for (const char* list : kPickLists) {
    const std::string prefix = list;
    if (path.rfind(prefix, 0) == 0 &&
        (path.size() == prefix.size() || path[prefix.size()] == '/')) {
      return true;
    }
  }
  return false;
}

bool IsSettingsDocument(const std::string& text) {
  pugi::xml_document document;
  if (!LoadXmlDocument(text, document)) return false;
  return std::string(document.document_element().name()) == "oor:items";
}

// The lines of a text, each with its line end.
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return lines;
}

std::string_view Trimmed(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ' ||
                           line.back() == '\t')) {
    line.remove_suffix(1);
  }
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  return line;
}

// The user folders of every install of a program: the ordinary one below the configuration
// folder, then those below the snap's and the flatpak's folders.
std::vector<std::string> ConfigFolders(const std::string& relative, const char* snap,
                                       const char* flatpak) {
  std::vector<std::string> folders;
  if (auto base = Joined(platform::configFolder(), relative); !base.empty())
    folders.push_back(base);
  if (auto base = SnapRevisionFolder(snap); !base.empty()) {
    folders.push_back(base + ".config/" + relative);
  }
  if (auto base = FlatpakFolder(flatpak); !base.empty())
    folders.push_back(base + "config/" + relative);
  return folders;
}

}  // namespace

std::optional<std::string> WithoutLibreOfficeRecentDocuments(const std::string& xcu,
                                                             std::size_t& removed) {
  removed = 0;
  if (!IsSettingsDocument(xcu)) return std::nullopt;
  std::string kept;
  kept.reserve(xcu.size());
  std::set<std::string> documents;
  std::size_t from = 0;
  for (std::size_t at = xcu.find("<item"); at != std::string::npos;
       at = xcu.find("<item", at + 1)) {
    const std::size_t tagEnd = xcu.find('>', at);
    if (tagEnd == std::string::npos) return std::nullopt;
    const char after = xcu[at + 5];
    if (after != ' ' && after != '\t' && after != '\n' && after != '\r') continue;
    const auto path = Attribute(std::string_view(xcu).substr(at, tagEnd - at), "oor:path");
    if (!path || !IsPickListPath(*path)) continue;
    std::size_t end = tagEnd + 1;
    if (xcu[tagEnd - 1] != '/') {
      end = xcu.find("</item>", tagEnd);
      if (end == std::string::npos) return std::nullopt;
      end += 7;
    }
    if (end < xcu.size() && xcu[end] == '\r') ++end;
    if (end < xcu.size() && xcu[end] == '\n') ++end;
    kept.append(xcu, from, at - from);
    from = end;
    at = end - 1;
    // An ItemList entry names a document itself (one per property of it); its OrderList entry
    // only points at it.
    if (path->find("/ItemList/") != std::string::npos) documents.insert(*path);
  }
  kept.append(xcu, from, std::string::npos);
  removed = documents.size();
  // Entries of the older list, or order entries alone, still count as something removed.
  if (removed == 0 && kept.size() != xcu.size()) removed = 1;
  if (!IsSettingsDocument(kept)) return std::nullopt;
  return kept;
}

std::optional<std::string> WithoutVlcRecentMedia(const std::string& conf, std::size_t& removed) {
  removed = 0;
  std::string kept;
  kept.reserve(conf.size());
  bool inRecents = false;
  bool positions = false;
  for (std::string_view line : Lines(conf)) {
    const std::string_view trimmed = Trimmed(line);
    if (!trimmed.empty() && trimmed.front() == '[') {
      inRecents = trimmed == "[RecentsMRL]";
    } else if (inRecents && !trimmed.empty() && trimmed.front() != ';' && trimmed.front() != '#') {
      const std::size_t equals = trimmed.find('=');
      if (equals == std::string_view::npos) return std::nullopt;
      std::string_view key = Trimmed(trimmed.substr(0, equals));
      std::string_view value = Trimmed(trimmed.substr(equals + 1));
      const bool empty = value.empty() || value == "@Invalid()";
      if (key != "list") {
        positions = positions || !empty;
      } else if (!empty) {
        // Commas inside a name are written %2C, so each comma parts two media.
        while (!value.empty()) {
          const std::size_t comma = value.find(',');
          if (!Trimmed(value.substr(0, comma)).empty()) ++removed;
          if (comma == std::string_view::npos) break;
          value.remove_prefix(comma + 1);
        }
      }
      continue;
    }
    kept.append(line);
  }
  // Positions kept without a list still say what was played.
  if (removed == 0 && positions) removed = 1;
  return kept;
}

std::optional<std::string> WithoutGimpDocuments(const std::string& documents,
                                                std::size_t& removed) {
  removed = 0;
  std::string kept;
  kept.reserve(documents.size());
  std::size_t at = 0;
  const std::size_t size = documents.size();
  while (at < size) {
    const char c = documents[at];
    if (c == '#') {
      const std::size_t end = documents.find('\n', at);
      const std::size_t next = end == std::string::npos ? size : end + 1;
      kept.append(documents, at, next - at);
      at = next;
      continue;
    }
    if (c != '(') {
      kept += c;
      ++at;
      continue;
    }
    // One form, to its closing bracket; strings may hold brackets and escaped quotes.
    std::size_t end = at;
    int depth = 0;
    bool inString = false;
    for (; end < size; ++end) {
      const char d = documents[end];
      if (inString) {
        if (d == '\\') {
          ++end;
        } else if (d == '"') {
          inString = false;
        }
      } else if (d == '"') {
        inString = true;
      } else if (d == '(') {
        ++depth;
      } else if (d == ')' && --depth == 0) {
        break;
      }
    }
    if (end >= size) return std::nullopt;
    ++end;
    const std::string_view head = std::string_view(documents).substr(at + 1, 9);
    if (head == "document " || head == "document\n" || head == "document\t") {
      ++removed;
      while (end < size && (documents[end] == ' ' || documents[end] == '\t')) ++end;
      if (end < size && documents[end] == '\n') ++end;
      // The blank line that parted it from what follows goes with it.
      if (end < size && documents[end] == '\n') ++end;
    } else {
      kept.append(documents, at, end - at);
    }
    at = end;
  }
  return kept;
}

void ClearLibreOfficeRecentDocuments(TEraseFiles& item) {
  for (const std::string& user :
       ConfigFolders("libreoffice/4/user/", "libreoffice", "org.libreoffice.LibreOffice")) {
    RewriteListFile(item, user + "registrymodifications.xcu", WithoutLibreOfficeRecentDocuments,
                    TrNoop("recent documents"));
  }
}

void ClearVlcRecentMedia(TEraseFiles& item) {
  for (const std::string& folder : ConfigFolders("vlc/", "vlc", "org.videolan.VLC")) {
    RewriteListFile(item, folder + "vlc-qt-interface.conf", WithoutVlcRecentMedia,
                    TrNoop("recent media"));
  }
}

void ClearGimpDocuments(TEraseFiles& item) {
  for (const std::string& gimp : ConfigFolders("GIMP/", "gimp", "org.gimp.GIMP")) {
    auto versions = platform::fs().listFolder(gimp);
    if (!versions) continue;
    for (const platform::DirEntry& version : *versions) {
      if (!version.isFolder()) continue;
      RewriteListFile(item, gimp + version.name + "/documents", WithoutGimpDocuments,
                      TrNoop("recent documents"));
    }
  }
}
