#include "cleaner/TEraserEngine.h"

#include <pugixml.hpp>

#include "cleaner/ApplicationTraces.h"
#include "cleaner/BrowserTraces.h"
#include "cleaner/ChromiumTraces.h"
#include "cleaner/CleanerEnvironment.h"
#include "cleaner/CustomTraces.h"
#include "cleaner/DesktopTraces.h"
#include "cleaner/PrefsValues.h"
#include "cleaner/RecentLists.h"
#include "cleaner/WindowsTraces.h"
#include "cleaner/XmlReader.h"
#include "core/Helpers.h"
#include "core/Translated.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/Registry.h"

namespace {

using platform::kCurrentUser;

// The item groups of the document, as ranges of the catalogue.
struct Group {
  const char* tag;
  std::size_t first;
  std::size_t count;
};
constexpr Group kWindowsGroup{"Windows", 0, 14};
constexpr Group kBrowserGroups[] = {
    {"IE", 14, 9}, {"NetscapeMozilla", 23, 4}, {"AOL", 27, 4}, {"Opera", 31, 4}};

constexpr const char* kExplorer = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";
constexpr const char* kApplets = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";

}  // namespace

TEraserEngine::TEraserEngine() {
  Cancelled = false;
  LoadAtStartup = false;
  BuildCatalogue();
  BuildLinuxItems();
  Shredder = std::make_unique<TShredder>();
  PluginManager = std::make_unique<TPluginManager>();
  Misc = std::make_unique<TMisc>();
  Scheduler = std::make_unique<TScheduler>();
}

TEraserEngine::~TEraserEngine() = default;

TEraseFiles* TEraserEngine::AddFileEraser(const std::string& name, const std::string& caption) {
  auto item = std::make_unique<TEraseFiles>();
  item->Name = name;
  item->Caption = caption;
  return static_cast<TEraseFiles*>(AddEraser(std::move(item)));
}

TEraseRegistry* TEraserEngine::AddRegistryEraser(const std::string& name,
                                                 const std::string& caption) {
  auto item = std::make_unique<TEraseRegistry>();
  item->Name = name;
  item->Caption = caption;
  return static_cast<TEraseRegistry*>(AddEraser(std::move(item)));
}

namespace {

// The work of a catalogue item: a collector for its kind of item.
std::function<void(TEraser&)> RegistryWork(void (*collect)(TEraseRegistry&)) {
  return [collect](TEraser& item) { collect(static_cast<TEraseRegistry&>(item)); };
}

std::function<void(TEraser&)> FileWork(void (*collect)(TEraseFiles&)) {
  return [collect](TEraser& item) { collect(static_cast<TEraseFiles&>(item)); };
}

// A collection that fails keeps the entries collected before it, which are then erased, and is
// recorded as left behind with what went wrong.
std::function<void(TEraser&)> Guarded(std::function<void(TEraser&)> work) {
  return [work = std::move(work)](TEraser& item) {
    try {
      work(item);
    } catch (const std::exception& error) {
      if (item.Engine) item.Engine->RecordLeft(item, item.ShownCaption(), error.what());
    }
  };
}

std::function<void(TEraser&)> SearchHistory(std::string ntKey, std::string key9x) {
  return Guarded([ntKey = std::move(ntKey), key9x = std::move(key9x)](TEraser& item) {
    CollectSearchHistory(static_cast<TEraseRegistry&>(item), ntKey, key9x);
  });
}

}  // namespace

TEraseFiles* TEraserEngine::AddFileItem(TEraseFiles*& field, const char* name, const char* caption,
                                        bool enabled) {
  field = AddFileEraser(name, caption);
  field->Enabled = enabled;
  return field;
}

TEraseRegistry* TEraserEngine::AddRegistryItem(TEraseRegistry*& field, const char* name,
                                               const char* caption, bool enabled) {
  field = AddRegistryEraser(name, caption);
  field->Enabled = enabled;
  return field;
}

void TEraserEngine::BuildCatalogue() {
  BuildWindowsItems();
  BuildInternetExplorerItems();
  BuildOtherBrowserItems();
}

void TEraserEngine::BuildWindowsItems() {
  AddFileItem(EraseStartMenuRecentDocuments, "EraseStartMenuRecentDocuments",
              TrNoop("Recent Document List"), true)
      ->OnErase = FileWork(ClearRecentDocuments);
  AddRegistryItem(EraseRunHistory, "EraseRunHistory", TrNoop("Run History From Start Menu->Run"),
                  true)
      ->AddKey(kCurrentUser, std::string(kExplorer) + "RunMRU");
  AddRegistryItem(EraseFindComputer, "EraseFindComputer",
                  TrNoop("Find History From Start Menu->Find Computer"), true)
      ->OnErase = SearchHistory("\\Software\\Microsoft\\Search Assistant\\ACMru\\5647",
                                std::string(kExplorer) + "FindComputerMRU");
  AddRegistryItem(EraseFindFilesFolders, "EraseFindFilesFolders",
                  TrNoop("Find History From Start Menu->Find Files/Folders"), true)
      ->OnErase = SearchHistory("\\Software\\Microsoft\\Search Assistant\\ACMru\\5603",
                                std::string(kExplorer) + TrNoop("Doc Find Spec MRU"));
  AddRegistryItem(EraseWindowsOpenSaveHistory, "EraseWindowsOpenSaveHistory",
                  TrNoop("Windows Open/Save History"), true)
      ->OnErase = Guarded(RegistryWork(CollectOpenSaveHistory));
  AddRegistryItem(EraseRegistryStreams, "EraseRegistryStreams", TrNoop("Windows Registry Streams"),
                  false)
      ->OnErase = Guarded(RegistryWork(CollectRegistryStreams));
  AddFileItem(EraseWindowsClipboard, "EraseWindowsClipboard", TrNoop("Windows Clipboard"), true)
      ->OnErase = Guarded(EmptyClipboard);
  AddFileItem(EraseRecycleBin, "EraseRecycleBin", TrNoop("Trash"), false)->OnErase =
      FileWork(CollectRecycleBins);
  AddFileItem(EraseWindowsTemp, "EraseWindowsTemp", TrNoop("Windows Temporary Files Directory"),
              false)
      ->OnErase = FileWork(CollectTemporaryFiles);
  AddFileItem(EraseWindowsSWAP, "EraseWindowsSWAP", TrNoop("Windows SWAP File"), false)->OnErase =
      FileWork(ArrangeSwapFileClearing);
  AddFileItem(EraseScanDiskFiles, "EraseScanDiskFiles",
              TrNoop("Windows Scandisk File Fragments (*.CHK)"), false)
      ->OnErase = FileWork(CollectCheckDiskFragments);
  AddRegistryItem(ErasePaintRecentFileList, "ErasePaintRecentFileList",
                  TrNoop("Windows Paint Recent File List"), true)
      ->AddKey(kCurrentUser, std::string(kApplets) + "Paint\\Recent File List");
  AddRegistryItem(EraseWordpadRecentFileList, "EraseWordpadRecentFileList",
                  TrNoop("Windows Wordpad Recent File List"), true)
      ->AddKey(kCurrentUser, std::string(kApplets) + "Wordpad\\Recent File List");
  AddRegistryItem(EraseMediaPlayerRecentFileList, "EraseMediaPlayerRecentFileList",
                  TrNoop("Windows MediaPlayer Recent File List"), true)
      ->AddKey(kCurrentUser, "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList");
}

void TEraserEngine::BuildInternetExplorerItems() {
  AddFileItem(IEEraseCache, "IEEraseCache", TrNoop("Internet Explorer Cache"), true)->OnErase =
      FileWork(CollectInternetCache);
  AddFileItem(IEEraseHistory, "IEEraseHistory", TrNoop("Internet Explorer History"), true)
      ->OnErase = FileWork(CollectInternetHistory);
  AddFileItem(IEEraseCookies, "IEEraseCookies", TrNoop("Internet Explorer Cookies"), true)
      ->OnErase = FileWork(CollectInternetCookies);
  AddRegistryItem(IEEraseLocationBarURLs, "IEEraseLocationBarURLs",
                  TrNoop("Internet Explorer Location Bar URLs"), true);
  AddRegistryItem(IEEraseTypedURLs, "IEEraseTypedURLs", TrNoop("Internet Explorer Typed URLs"),
                  true)
      ->OnErase = Guarded(RegistryWork(CollectTypedUrls));
  AddFileItem(IEEraseIndexDAT, "IEEraseIndexDAT", TrNoop("Internet Explorer Index.dat"), false)
      ->OnErase = FileWork(CollectInternetCacheIndex);
  AddRegistryItem(IEEraseAutoCompleteFormsData, "IEEraseAutoCompleteFormsData",
                  TrNoop("Internet Explorer Auto Complete Forms Data"), false);
  AddRegistryItem(IEEraseAutoCompletePaswords, "IEEraseAutoCompletePaswords",
                  TrNoop("Internet Explorer Auto Complete Paswords"), true);
  AddFileItem(IEEraseDownloadedProgramFilesDirectory, "IEEraseDownloadedProgramFilesDirectory",
              TrNoop("Downloaded Program Files Directory"), false)
      ->OnErase = FileWork(CollectDownloadedProgramFiles);
}

// Netscape and Mozilla (the Firefox and Thunderbird profiles), AOL and Opera.
void TEraserEngine::BuildOtherBrowserItems() {
  // Netscape and Mozilla.
  AddFileItem(NetscapeMozillaCache, "NetscapeMozillaCache", TrNoop("Netscape/Mozilla Cache"), false)
      ->OnErase = FileWork(CollectMozillaCache);
  AddFileItem(NetscapeMozillaLocationBar, "NetscapeMozillaLocationBar",
              TrNoop("Netscape/Mozilla History, Location Bar URLs"), false)
      ->OnErase = FileWork(ClearMozillaHistory);
  AddFileItem(NetscapeMozillaCookies, "NetscapeMozillaCookies", TrNoop("Netscape/Mozilla Cookies"),
              false)
      ->OnErase = FileWork(CollectMozillaCookies);
  AddFileItem(NetscapeMozillaFormsData, "NetscapeMozillaFormsData",
              TrNoop("Netscape/Mozilla Auto Complete Forms and Passwords Data"), false)
      ->OnErase = FileWork(CollectMozillaFormHistory);

  // AOL.
  AddFileItem(AOLCache, "AOLCache", TrNoop("AOL Cache"), false);
  AddFileItem(AOLLocationBar, "AOLLocationBar", TrNoop("AOL Location Bar"), false);
  AddFileItem(AOLCookies, "AOLCookies", TrNoop("AOL Cookies"), false);
  AddFileItem(AOLFormsData, "AOLFormsData", TrNoop("AOL Forms Data"), false);

  // Opera.
  AddFileItem(OperaCache, "OperaCache", TrNoop("Opera Cache"), false)->OnErase =
      FileWork(CollectOperaCache);
  AddFileItem(OperaLocationBar, "OperaLocationBar", TrNoop("Opera History, Location Bar URLs"),
              false)
      ->OnErase = FileWork(CollectOperaHistory);
  AddFileItem(OperaCookies, "OperaCookies", TrNoop("Opera Cookies"), false)->OnErase =
      FileWork(CollectOperaCookies);
  AddFileItem(OperaFormsData, "OperaFormsData",
              TrNoop("Opera Auto Complete Forms and Passwords Data"), false)
      ->OnErase = FileWork(CollectOperaFormsData);
}

std::vector<std::size_t> TTraceGroup::Items() const {
  std::vector<std::size_t> items;
  for (std::size_t i = First; i < First + Count; ++i) items.push_back(i);
  items.insert(items.end(), Later.begin(), Later.end());
  return items;
}

const std::vector<TTraceGroup>& TEraserEngine::Groups() {
  // The items added after the recently used lists, in the order BuildLaterItems adds them.
  static const std::size_t later = 45 + RecentLists::ItemCount();
  static const std::vector<TTraceGroup> groups = {
      {"windows", TrNoop("Windows"), 0, 14},
      {"ie", TrNoop("Internet Explorer"), 14, 9},
      {"mozilla", TrNoop("Netscape/Mozilla (Firefox, Thunderbird)"), 23, 4, {later + 2, later + 3}},
      {"aol", "AOL", 27, 4},
      {"opera", TrNoop("Opera"), 31, 4},
      {"chromium",
       TrNoop("Chromium-family browsers (Chrome, Chromium, Brave, Edge, Vivaldi, Opera)"),
       35,
       4,
       {later, later + 1}},
      {"desktop", TrNoop("Desktop"), 39, 3, {later + 4}},
      {"applications", TrNoop("Applications"), 42, 3},
      {"recent", TrNoop("Recently used lists"), 45, RecentLists::ItemCount()},
      {"custom", TrNoop("Your own files and folders"), later + 5, 1},
  };
  return groups;
}

void TEraserEngine::BuildLinuxItems() {
  // Items that only find something where the program uses such files; none is checked until
  // the user chooses it.
  auto files = [this](TEraseFiles*& field, const char* name, const char* caption,
                      void (*work)(TEraseFiles&)) {
    field = AddFileEraser(name, caption);
    field->Enabled = false;
    field->OnErase = [work](TEraser& item) { work(static_cast<TEraseFiles&>(item)); };
  };
  files(ChromiumHistory, "ChromiumHistory",
        TrNoop("Chromium-family History, Downloads and Searches"), ClearChromiumHistory);
  files(ChromiumCookies, "ChromiumCookies", TrNoop("Chromium-family Cookies"),
        ClearChromiumCookies);
  files(ChromiumCache, "ChromiumCache", TrNoop("Chromium-family Cache"), CollectChromiumCache);
  files(ChromiumFormData, "ChromiumFormData", TrNoop("Chromium-family Auto Complete Forms Data"),
        ClearChromiumFormData);
  files(DesktopThumbnails, "DesktopThumbnails", TrNoop("Thumbnails of Pictures and Documents"),
        CollectThumbnails);
  files(ShellHistories, "ShellHistories", TrNoop("Shell and Tool Histories"), EmptyShellHistories);
  files(KdeActivities, "KdeActivities", TrNoop("KDE Activity History"), ClearKdeActivities);
  files(LibreOfficeRecentDocuments, "LibreOfficeRecentDocuments",
        TrNoop("LibreOffice Recent Documents"), ClearLibreOfficeRecentDocuments);
  files(VlcRecentMedia, "VlcRecentMedia", TrNoop("VLC Recent Media"), ClearVlcRecentMedia);
  files(GimpRecentDocuments, "GimpRecentDocuments", TrNoop("GIMP Recent Documents"),
        ClearGimpDocuments);
  // The lists of the Clear-recently-used-files page, one item each.
  RecentLists::AddItems(*this);
  // Items added since: after all the others, so that every earlier item keeps its number.
  files(ChromiumSessions, "ChromiumSessions", TrNoop("Chromium-family Sessions and Closed Tabs"),
        CollectChromiumSessions);
  files(ChromiumSiteData, "ChromiumSiteData",
        TrNoop("Chromium-family Site Data (Local Storage, IndexedDB, Service Workers)"),
        CollectChromiumSiteData);
  files(MozillaSessions, "NetscapeMozillaSessions",
        TrNoop("Netscape/Mozilla Sessions and Closed Tabs"), CollectMozillaSessions);
  files(MozillaSiteData, "NetscapeMozillaSiteData",
        TrNoop("Netscape/Mozilla Site Data (Local Storage, IndexedDB, Service Workers)"),
        CollectMozillaSiteData);
  files(CrashReports, "CrashReports", TrNoop("Crash Reports of Browsers and Programs"),
        CollectCrashReports);
  files(CustomFiles, "CustomFilesAndFolders", TrNoop("Custom Files and Folders"),
        CollectCustomPaths);
}

void TEraserEngine::SetLoadAtStartup(bool value) {
  platform::Registry& registry = platform::registry();
  if (registry.keyExists(kCurrentUser, platform::kRunKey)) {
    const auto entry = registry.readString(kCurrentUser, platform::kRunKey, "Ferrovane");
    // An entry that cannot be changed now is set right when the window next starts, which
    // applies the option again (ApplyLoadAtStartup); the option keeps the user's choice.
    if (!value) {
      if (entry) {
        platform::discardResult(registry.deleteValue(kCurrentUser, platform::kRunKey, "Ferrovane"));
      }
    } else if (const std::string program = platform::programPath(); !program.empty()) {
      const std::string command = platform::runCommandFor(program);
      if (entry != command) {
        platform::discardResult(
            registry.writeString(kCurrentUser, platform::kRunKey, "Ferrovane", command));
      }
    }
  }
  LoadAtStartup = value;
}

void TEraserEngine::ApplyLoadAtStartup() {
  if (loadAtStartupRead_) SetLoadAtStartup(LoadAtStartup);
}

void TEraserEngine::LoadFromFile(const std::string& fileName) {
  LoadProblem.clear();
  loadAtStartupRead_ = false;
  if (fileName.empty()) return;
  if (const auto there = platform::fs().info(fileName); !there) {
    if (there.error() != std::errc::no_such_file_or_directory) {
      LoadProblem = there.error().message();
    }
    return;
  }
  try {
    platform::Result<std::string> text = platform::fs().readFile(fileName, kMaxPrefsFileSize);
    if (!text) {
      LoadProblem = text.error().message();
      return;
    }
    pugi::xml_document document;
    if (!LoadXmlDocument(*text, document)) {
      LoadProblem = Tr("it is not a well-formed XML document");
      return;
    }
    pugi::xml_node configuration = document.child("Configuration");
    if (!configuration) {
      LoadProblem = Tr("it has no Configuration element");
      return;
    }

    if (pugi::xml_node options = configuration.child("Options")) {
      LoadAtStartup = ReadBool(options, "LoadAtStartup");
      loadAtStartupRead_ = true;
      StartInSystemTray = ReadBool(options, "StartInSystemTray");
      AutoCleanAtWindowsStart = ReadBool(options, "AutoCleanAtWindowsStart");
      AutoCleanAtWindowsShutdown = ReadBool(options, "AutoCleanAtWindowsShutdown");
    }
    auto loadGroup = [this](const pugi::xml_node& element, const Group& group) {
      for (std::size_t i = group.first; i < group.first + group.count; ++i)
        Erasers[i]->Load(element);
    };
    if (pugi::xml_node windows = configuration.child(kWindowsGroup.tag)) {
      loadGroup(windows, kWindowsGroup);
    }
    if (pugi::xml_node browsers = configuration.child("Browsers")) {
      for (const Group& group : kBrowserGroups) {
        if (pugi::xml_node element = browsers.child(group.tag)) loadGroup(element, group);
      }
    }
    Shredder->Load(configuration);
    PluginManager->Load(configuration);
    Misc->Load(configuration);
    Scheduler->Load(configuration);
  } catch (const std::exception& error) {
    // A failure ends the reading; what was read so far stays.
    LoadProblem = error.what();
  }
}
