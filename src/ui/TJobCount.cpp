#include "ui/TJobCount.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/Helpers.h"
#include "core/TWipeEngine.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"

namespace {

// Entries looked at between two steps.
constexpr int kEntriesPerStep = 256;

bool overwritten(const platform::FileInfo& info) {
  return info.kind == platform::EntryKind::File && info.links <= 1;
}

class Counter {
 public:
  Counter(TJobCount& count, const std::function<bool(const TJobCount&)>& step)
      : count_(count), step_(step) {}

  void file(const std::string& path) {
    auto place = platform::openContainingFolder(path);
    if (!place || place->name.empty() || !place->folder->systemFileSystem().empty()) return;
    const auto info = place->folder->entry(place->name);
    if (info && overwritten(*info)) add(*info);
    tick();
  }

  void folder(const std::string& path) {
    auto place = platform::openContainingFolder(path);
    if (!place) return;
    std::unique_ptr<platform::Folder> top;
    if (place->name.empty()) {
      top = std::move(place->folder);
    } else {
      const auto entry = place->folder->entry(place->name);
      if (!entry || !entry->isFolder()) return;
      auto opened = place->folder->openFolder(place->name, entry->id);
      if (!opened) return;
      top = opened.release();
    }
    if (!top->systemFileSystem().empty()) return;
    const auto info = top->info();
    walk(std::move(top), info ? info->mount : 0);
  }

  bool stopped() const { return !count_.complete; }

 private:
  // Depth first, one open folder per level.
  void walk(std::unique_ptr<platform::Folder> top, std::uint64_t mount) {
    struct Level {
      std::unique_ptr<platform::Folder> folder;
      std::vector<platform::DirEntry> entries;
      std::size_t next = 0;
    };
    std::vector<Level> levels;
    const auto enter = [&](std::unique_ptr<platform::Folder> folder) {
      auto entries = folder->list();
      if (!entries) return;
      levels.push_back({std::move(folder), std::move(*entries), 0});
    };
    enter(std::move(top));
    while (!levels.empty() && !stopped()) {
      Level& level = levels.back();
      if (level.next == level.entries.size()) {
        levels.pop_back();
        continue;
      }
      const platform::DirEntry& entry = level.entries[level.next++];
      tick();
      if (overwritten(entry)) {
        add(entry);
        continue;
      }
      if (!entry.isFolder()) continue;
      // The wipe does not go into another mount.
      if (mount != 0 && entry.mount != 0 && entry.mount != mount) continue;
      auto sub = level.folder->openFolder(entry.name, entry.id);
      if (!sub) continue;
      std::unique_ptr<platform::Folder> opened = sub.release();
      if (!opened->systemFileSystem().empty()) continue;
      enter(std::move(opened));
    }
  }

  void add(const platform::FileInfo& info) {
    ++count_.files;
    count_.bytes += info.size;
  }

  void tick() {
    if (++entries_ % kEntriesPerStep == 0 && step_ && !step_(count_)) count_.complete = false;
  }

  TJobCount& count_;
  const std::function<bool(const TJobCount&)>& step_;
  int entries_ = 0;
};

}  // namespace

TJobCount TJobCount::Of(const TWipeEngine& engine,
                        const std::function<bool(const TJobCount&)>& step) {
  TJobCount count;
  Counter counter(count, step);
  // A path given twice is wiped once, and counted once.
  std::set<std::pair<TWipeItemKind, std::string>> seen;
  for (const auto& item : engine.Items) {
    if (counter.stopped()) break;
    const std::string path = RemoveTrailingBackslash(item->Path);
    if (!platform::isAbsolutePath(item->Path) || !seen.emplace(item->Kind, path).second) continue;
    if (item->Kind == wkFile) counter.file(item->Path);
    if (item->Kind == wkFolder) counter.folder(item->Path);
  }
  return count;
}
