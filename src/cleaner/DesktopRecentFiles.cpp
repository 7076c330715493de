#include "cleaner/DesktopRecentFiles.h"

#include <memory>

#include <pugixml.hpp>

#include "cleaner/XmlReader.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"

namespace {

// Bookmark files are small; one larger than this is emptied without being looked into.
constexpr std::uint64_t kLookLimit = 64u << 20;

const char* const kListName = "recently-used.xbel";
const char* const kDocumentsName = "RecentDocuments";

// A file that cannot be read, or read as a bookmark file, may hold anything: it counts as
// holding something, so that it is looked at (and named) rather than passed over.
bool HoldsBookmark(const std::string& path, const platform::FileInfo& info) {
  if (info.size > kLookLimit) return true;
  const auto text = platform::fs().readFile(path, kLookLimit);
  if (!text) return true;
  const std::optional<std::size_t> count = DesktopRecentFiles::BookmarkCount(*text);
  return !count || *count > 0;
}

// Counts the bookmark elements at every depth (the walk does not recurse, whatever the depth).
class BookmarkCounter : public pugi::xml_tree_walker {
 public:
  bool for_each(pugi::xml_node& node) override {
    if (node.type() == pugi::node_element && std::string_view(node.name()) == "bookmark") ++count;
    return true;
  }
  std::size_t count = 0;
};

// The documents folder, opened from the folder that holds it so that a link in its place is
// never followed. Null when there is no such folder.
std::unique_ptr<platform::Folder> OpenDocumentsFolder(const std::string& path,
                                                      std::error_code* error = nullptr) {
  if (path.empty()) return nullptr;
  auto place = platform::openContainingFolder(path);
  if (!place || place->name.empty()) return nullptr;
  const auto listed = place->folder->entry(place->name);
  if (!listed || !listed->isFolder()) return nullptr;
  auto folder = place->folder->openFolder(place->name, listed->id);
  if (!folder) {
    if (error) *error = folder.error();
    return nullptr;
  }
  return folder.release();
}

class Clearing {
 public:
  Clearing(DesktopRecentFiles::Outcome& outcome, const std::function<bool()>& stopRequested)
      : outcome_(outcome), stopRequested_(stopRequested) {}

  bool Stop() {
    if (!outcome_.Stopped && stopRequested_ && stopRequested_()) outcome_.Stopped = true;
    return outcome_.Stopped;
  }

  void Fail(const std::string& path, const std::error_code& error) {
    outcome_.Failures.push_back({path, error.message()});
  }

  void EmptyList(const std::string& path) {
    const auto info = platform::fs().info(path);
    // A link names a file of someone else's choosing; it is left as it is.
    if (!info || info->kind == platform::EntryKind::Link) return;
    if (info->kind != platform::EntryKind::File) return Fail(path, platform::FileError::NotAFile);
    // Replacing a file that has other names would leave the list under those names.
    if (info->links > 1) return Fail(path, platform::FileError::Shared);
    if (!HoldsBookmark(path, *info)) return;
    const platform::Status written =
        platform::fs().writeFileAtomic(path, DesktopRecentFiles::kEmptyList);
    if (!written) return Fail(path, written.error());
    outcome_.ListEmptied = true;
  }

  void Fail(const std::string& path, const std::string& reason) {
    outcome_.Failures.push_back({path, reason});
  }

  // Removes every entry of the open folder, the entries of its subfolders first. A subfolder on
  // another file system (a mount, a bind mount of the same device included) is not entered.
  void RemoveEntries(platform::Folder& folder, const platform::FileInfo& top) {
    const auto entries = folder.list();
    if (!entries) return Fail(folder.path(), entries.error());
    for (const platform::DirEntry& entry : *entries) {
      if (Stop()) return;
      if (entry.isFolder()) {
        if (entry.id.device != top.id.device ||
            (entry.mount != 0 && top.mount != 0 && entry.mount != top.mount)) {
          Fail(folder.pathOf(entry.name), Tr("another file system is mounted here: not entered"));
          continue;
        }
        auto sub = folder.openFolder(entry.name, entry.id);
        if (!sub) {
          Fail(folder.pathOf(entry.name), sub.error());
          continue;
        }
        RemoveEntries(*sub, top);
        sub.reset();
        if (Stop()) return;
        if (const platform::Status removed = folder.removeFolder(entry.name)) {
          ++outcome_.RemovedEntries;
        } else {
          Fail(folder.pathOf(entry.name), removed.error());
        }
        continue;
      }
      if (const platform::Status removed = folder.removeFile(entry.name)) {
        ++outcome_.RemovedEntries;
      } else {
        Fail(folder.pathOf(entry.name), removed.error());
      }
    }
  }

 private:
  DesktopRecentFiles::Outcome& outcome_;
  const std::function<bool()>& stopRequested_;
};

}  // namespace

std::optional<std::size_t> DesktopRecentFiles::BookmarkCount(std::string_view text) {
  pugi::xml_document document;
  if (!LoadXmlDocument(text, document)) return std::nullopt;
  pugi::xml_node root = document.document_element();
  if (std::string_view(root.name()) != "xbel") return std::nullopt;
  BookmarkCounter counter;
  root.traverse(counter);
  return counter.count;
}

const char* const DesktopRecentFiles::kEmptyList =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
    ">\n"
    "</xbel>\n";

std::string DesktopRecentFiles::ListPath() {
  const std::string data = platform::dataFolder();
  return data.empty() ? std::string() : data + kListName;
}

std::string DesktopRecentFiles::DocumentsFolder() {
  const std::string data = platform::dataFolder();
  return data.empty() ? std::string() : data + kDocumentsName;
}

bool DesktopRecentFiles::HasSomethingToClear() {
  const std::string list = ListPath();
  if (!list.empty()) {
    const auto info = platform::fs().info(list);
    if (info && info->kind == platform::EntryKind::File && HoldsBookmark(list, *info)) return true;
  }
  auto folder = OpenDocumentsFolder(DocumentsFolder());
  if (!folder) return false;
  const auto entries = folder->list();
  return entries && !entries->empty();
}

DesktopRecentFiles::Outcome DesktopRecentFiles::Clear(const std::function<bool()>& stopRequested) {
  Outcome outcome;
  Clearing clearing(outcome, stopRequested);
  const std::string list = ListPath();
  if (list.empty() || clearing.Stop()) return outcome;
  clearing.EmptyList(list);
  std::error_code error;
  auto folder = OpenDocumentsFolder(DocumentsFolder(), &error);
  if (!folder) {
    if (error) clearing.Fail(DocumentsFolder(), error);
    return outcome;
  }
  const auto own = folder->info();
  if (!own) {
    clearing.Fail(folder->path(), own.error());
    return outcome;
  }
  clearing.RemoveEntries(*folder, *own);
  return outcome;
}
