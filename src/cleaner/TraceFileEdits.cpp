#include "cleaner/TraceFileEdits.h"

#include <algorithm>
#include <vector>

#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TEraseFiles.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

namespace {

constexpr std::size_t kZeroBlock = 64u << 10;

void Left(TEraseFiles& item, const std::string& path, const std::string& reason) {
  if (item.Engine) item.Engine->RecordLeft(item, path, reason);
}

std::string Because(const std::string& what, const std::error_code& error) {
  return what + " (" + error.message() + ")";
}

// Overwrites the first `size` bytes of the open file with zeros and forces them to the device.
platform::Status Overwrite(platform::File& file, std::uint64_t size) {
  const std::vector<char> zeros(kZeroBlock, 0);
  if (auto sought = file.seek(0); !sought) return sought;
  for (std::uint64_t done = 0; done < size;) {
    const std::size_t length =
        static_cast<std::size_t>(std::min<std::uint64_t>(zeros.size(), size - done));
    if (auto written = file.write(zeros.data(), length); !written) return written;
    done += length;
  }
  return file.flush();
}

// The file at the path, open for writing, when it is still the ordinary file of one name that
// was looked at (`listed`); null with the reason otherwise.
std::unique_ptr<platform::File> OpenEarlierCopy(const std::string& path,
                                                const platform::FileInfo& listed,
                                                std::string& why) {
  auto place = platform::openContainingFolder(path);
  if (!place || place->name.empty()) {
    why = place ? Tr("it could not be reached") : place.error().message();
    return nullptr;
  }
  auto opened = place->folder->openFile(place->name, listed.id);
  if (!opened) {
    why = opened.error().message();
    return nullptr;
  }
  std::unique_ptr<platform::File> file = opened.release();
  const auto now = file->info();
  if (!now || now->links != 1 || now->kind != platform::EntryKind::File) {
    why = Tr("it is not a plain file of its own");
    return nullptr;
  }
  return file;
}

// Overwrites the held earlier copy with zeros, once no name leads to it any more; the reason
// when it could not be (empty when done).
std::string OverwriteEarlierCopy(platform::File& file) {
  const auto now = file.info();
  if (!now) return now.error().message();
  // Still named: the new text did not take its place, and its content is what the name shows.
  if (now->links != 0) return Tr("it was not replaced as one step");
  if (auto overwritten = Overwrite(file, now->size); !overwritten) {
    return overwritten.error().message();
  }
  return {};
}

}  // namespace

void EmptyFileInPlace(TEraseFiles& item, const std::string& path) {
  if (!platform::isAbsolutePath(path) || item.Keeps(path)) return;
  auto place = platform::openContainingFolder(path);
  if (!place || place->name.empty()) return;
  const auto listed = place->folder->entry(place->name);
  // A link (a history sent to /dev/null, say) names a file of someone else's choosing.
  if (!listed || listed->kind != platform::EntryKind::File || listed->size == 0) return;
  if (listed->links > 1) {
    return Left(item, path,
                Tr("it has other names (hard links): its content is shared, left whole"));
  }
  TCustomEraserEngine* engine = item.Engine;
  if (engine && engine->Preview) {
    engine->RecordRemoved(item, path, listed->size);
    return;
  }
  auto opened = place->folder->openFile(place->name, listed->id);
  if (!opened) return Left(item, path, Because(Tr("could not be opened"), opened.error()));
  const std::unique_ptr<platform::File> file = opened.release();
  // A name added since the entry was looked at shares the content just the same.
  if (const auto now = file->info(); !now || now->links > 1) {
    return Left(item, path,
                Tr("it has other names (hard links): its content is shared, left whole"));
  }
  if (engine && engine->Overwrite) {
    if (auto overwritten = Overwrite(*file, listed->size); !overwritten) {
      return Left(item, path, Because(Tr("could not be overwritten"), overwritten.error()));
    }
  }
  if (auto emptied = file->truncate(0); !emptied) {
    return Left(item, path, Because(Tr("could not be emptied"), emptied.error()));
  }
  if (auto flushed = file->flush(); !flushed) {
    return Left(item, path,
                Because(Tr("was emptied but not forced to the device"), flushed.error()));
  }
  if (engine) {
    engine->Journal.NoteDeletion(place->folder->path());
    engine->RecordRemoved(item, path, listed->size);
  }
}

void RewriteListFile(TEraseFiles& item, const std::string& path, const TListEdit& edit,
                     const std::string& noun, std::uint64_t maxSize) {
  if (!platform::isAbsolutePath(path) || item.Keeps(path)) return;
  const auto info = platform::fs().info(path);
  if (!info || info->kind != platform::EntryKind::File) return;
  // Replacing a file that has other names would leave the list under those names.
  if (info->links > 1) {
    return Left(item, path,
                Tr("it has other names (hard links): its content is shared, left whole"));
  }
  const auto text = platform::fs().readFile(path, maxSize);
  if (!text) return Left(item, path, Because(Tr("could not be read"), text.error()));
  std::size_t removed = 0;
  const std::optional<std::string> cleaned = edit(*text, removed);
  if (!cleaned) return Left(item, path, Tr("it is not in the form expected; left as it is"));
  if (removed == 0) return;
  TCustomEraserEngine* engine = item.Engine;
  const std::string what = path + ": " + std::to_string(removed) + " " + noun;
  if (engine && engine->Preview) {
    engine->RecordRemoved(item, what);
    return;
  }
  // With the overwrite option, the file as it is now is held open, so that once the new one
  // has taken its name, the old one (which no name leads to any more) is overwritten in its
  // own blocks instead of staying in the free space.
  std::unique_ptr<platform::File> earlier;
  std::string notHeld;
  if (engine && engine->Overwrite) earlier = OpenEarlierCopy(path, *info, notHeld);
  if (auto written = platform::fs().writeFileAtomic(path, *cleaned); !written) {
    return Left(item, path, Because(Tr("could not be rewritten"), written.error()));
  }
  // What is on the device now must read as the list without its entries.
  const auto again = platform::fs().readFile(path, maxSize);
  std::size_t remaining = 0;
  const auto recheck = again ? edit(*again, remaining) : std::nullopt;
  if (!again || !recheck || remaining != 0 || *recheck != *again) {
    return Left(item, path, Tr("was rewritten but does not read back as expected"));
  }
  if (!engine) return;
  engine->Journal.NoteDeletion(platform::parentFolderOf(path));
  engine->RecordRemoved(item, what);
  if (!engine->Overwrite) return;
  const std::string why = earlier ? OverwriteEarlierCopy(*earlier) : notHeld;
  if (!why.empty()) {
    engine->Notes.push_back({item.Name, path, 0,
                             Substituted(Tr("the earlier copy of this file was replaced, not "
                                            "overwritten ({}); a free-space wipe of its drive "
                                            "reaches it"),
                                         {why})});
  }
}
