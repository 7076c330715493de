#include "cleaner/TraceItemPlaces.h"

#include <cstring>

#include "cleaner/RecentLists.h"
#include "core/Translated.h"

namespace {

struct TPlace {
  const char* Item;
  const char* Place;
};

const char* const kMozilla =
    TrNoop("the Firefox and Thunderbird profiles (~/.mozilla, ~/.thunderbird)");
const char* const kOpera =
    TrNoop("~/.config/opera and ~/.cache/opera, and ~/.opera of the old Opera");

const TPlace kPlaces[] = {
    {"EraseStartMenuRecentDocuments",
     TrNoop("~/.local/share/recently-used.xbel and ~/.local/share/RecentDocuments")},
    {"EraseWindowsClipboard", TrNoop("the desktop's clipboard")},
    {"EraseRecycleBin", TrNoop("~/.local/share/Trash and .Trash-<uid> of each drive")},
    {"EraseWindowsTemp", TrNoop("your own old files in $TMPDIR (else /tmp) and /var/tmp")},
    {"EraseScanDiskFiles", TrNoop("FOUND.nnn of each fixed FAT, exFAT or NTFS drive")},
    {"NetscapeMozillaCache", kMozilla},
    {"NetscapeMozillaLocationBar", kMozilla},
    {"NetscapeMozillaCookies", kMozilla},
    {"NetscapeMozillaFormsData", kMozilla},
    {"NetscapeMozillaSessions", kMozilla},
    {"NetscapeMozillaSiteData", kMozilla},
    {"CrashReports",
     TrNoop("Crash Reports of Firefox, Thunderbird and the Chromium family, and ~/.cache/*crash*")},
    {"CustomFilesAndFolders", TrNoop("the files and folders you list with Paths...")},
    {"OperaCache", kOpera},
    {"OperaLocationBar", kOpera},
    {"OperaCookies", kOpera},
    {"OperaFormsData", kOpera},
};

// The groups of items that name places of Windows only, by the start of their names.
const char* const kWindowsOnlyPrefixes[] = {"IEErase", "AOL"};
// The items of the Windows group that read lists and settings only Windows keeps in its
// registry (on Linux they reach the program's own registry store, which holds them only when a
// registry was imported into it).
const char* const kWindowsRegistryItems[] = {"EraseRunHistory",
                                             "EraseFindComputer",
                                             "EraseFindFilesFolders",
                                             "EraseWindowsOpenSaveHistory",
                                             "EraseRegistryStreams",
                                             "EraseWindowsSWAP",
                                             "ErasePaintRecentFileList",
                                             "EraseWordpadRecentFileList",
                                             "EraseMediaPlayerRecentFileList"};

}  // namespace

std::string TraceItemPlaces::PlaceOf(const std::string& itemName) {
  for (const TPlace& place : kPlaces) {
    if (itemName == place.Item) return place.Place;
  }
  for (const TRecentList& list : RecentLists::All()) {
    if (itemName == list.Name && list.LinuxPlace) return list.LinuxPlace;
  }
  return {};
}

bool TraceItemPlaces::WindowsOnly(const std::string& itemName) {
  for (const char* prefix : kWindowsOnlyPrefixes) {
    if (itemName.compare(0, std::strlen(prefix), prefix) == 0) return true;
  }
  for (const char* name : kWindowsRegistryItems) {
    if (itemName == name) return true;
  }
  for (const TRecentList& list : RecentLists::All()) {
    if (*list.Name && itemName == list.Name) return !list.LinuxPlace;
  }
  return false;
}
