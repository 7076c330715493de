#include "cleaner/TShredder.h"

#include "cleaner/PrefsValues.h"
#include "platform/Folders.h"

namespace {

struct JobList {
  const char* tag;
  const char* attribute;
  TWipeItemKind kind;
};

constexpr JobList kFileJobs{"WipeFiles", "FileName", wkFile};
constexpr JobList kFolderJobs{"WipeFolders", "Folder", wkFolder};
constexpr JobList kDriveJobs{"WipeFreeSpace", "Drive", wkFreeSpace};

void LoadJobs(const pugi::xml_node& shredder, const JobList& list, TWipeEngine& engine) {
  pugi::xml_node jobs = shredder.child(list.tag);
  engine.ClearItems();
  if (!jobs) return;
  for (pugi::xml_node job : jobs.children()) {
    if (job.type() != pugi::node_element) continue;
    // A file or folder is spelled without links on the way to it, as a path the user chooses is.
    std::string path = ReadText(job, list.attribute);
    if (list.kind != wkFreeSpace) path = platform::withoutLinksAbove(path);
    engine.AddItem(std::make_unique<TWipeItem>(list.kind, std::move(path)));
  }
}

void SaveJobs(pugi::xml_node& shredder, const JobList& list, const TWipeEngine& engine) {
  pugi::xml_node jobs = shredder.append_child(list.tag);
  for (const auto& item : engine.Items) {
    pugi::xml_node job = jobs.append_child("Item");
    WriteText(job, list.attribute, item->Path);
  }
}

}  // namespace

TShredder::TShredder()
    : WipeFiles(std::make_unique<TWipeEngine>("WipeFiles")),
      WipeFolders(std::make_unique<TWipeEngine>("WipeFolders")),
      WipeFreeSpace(std::make_unique<TWipeEngine>("WipeFreeSpace")) {}

TShredder::~TShredder() = default;

void TShredder::Load(const pugi::xml_node& element) {
  pugi::xml_node shredder = element.child("Shredder");
  if (!shredder) return;
  LoadJobs(shredder, kFileJobs, *WipeFiles);
  LoadJobs(shredder, kFolderJobs, *WipeFolders);
  LoadJobs(shredder, kDriveJobs, *WipeFreeSpace);
  CleanFreeSpaceEnabled = ReadBool(shredder, "CleanFreeSpaceEnabled");
}

void TShredder::Save(pugi::xml_node& element) const {
  pugi::xml_node shredder = element.append_child("Shredder");
  SaveJobs(shredder, kFileJobs, *WipeFiles);
  SaveJobs(shredder, kFolderJobs, *WipeFolders);
  SaveJobs(shredder, kDriveJobs, *WipeFreeSpace);
  WriteBool(shredder, "CleanFreeSpaceEnabled", CleanFreeSpaceEnabled);
}
