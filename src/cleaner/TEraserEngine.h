#pragma once
// The trace-cleaning engine: the catalogue of 35 cleanable items, the program options, and the
// Shredder, plug-in, Misc and Scheduler sections, all configured from "prefs.dat"; after the
// catalogue, the items of the traces a Linux desktop leaves (Chromium-family browsers, Desktop,
// Applications, the recently used lists of the Clear-recently-used-files page, then the
// browsers' sessions and site data, crash reports and the user's own paths), which "prefs.dat"
// does not hold.

#include <memory>
#include <string>
#include <vector>

#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TEraseFiles.h"
#include "cleaner/TEraseRegistry.h"
#include "cleaner/TMisc.h"
#include "cleaner/TPluginManager.h"
#include "cleaner/TScheduler.h"
#include "cleaner/TShredder.h"

// A group of items as the Clean traces page shows it: a range of Erasers, and the items added to
// it later, which come after all the others so that the numbers of the earlier items stay.
// `Key` names the whole group on the command line.
struct TTraceGroup {
  const char* Key;
  const char* Caption;
  std::size_t First;
  std::size_t Count;
  std::vector<std::size_t> Later = {};  // places in Erasers
  // The places in Erasers of every item of the group, in the order shown.
  std::vector<std::size_t> Items() const;
};

class TEraserEngine : public TCustomEraserEngine {
 public:
  // The number of items that "prefs.dat" describes; those after them are the Linux items.
  static constexpr std::size_t kCatalogueSize = 35;
  // Every group, in the order of Erasers.
  static const std::vector<TTraceGroup>& Groups();

  // Builds the catalogue (fixed entries resolved now), then the Shredder, plug-in, Misc and
  // Scheduler sections in that order.
  TEraserEngine();
  ~TEraserEngine() override;

  bool LoadAtStartup = false;  // the program is started with the user's session
  bool StartInSystemTray = false;
  bool AutoCleanAtWindowsStart = false;
  bool AutoCleanAtWindowsShutdown = false;

  // The catalogue, in the order of Erasers (which owns them). Group "Windows":
  TEraseFiles* EraseStartMenuRecentDocuments = nullptr;
  TEraseRegistry* EraseRunHistory = nullptr;
  TEraseRegistry* EraseFindComputer = nullptr;
  TEraseRegistry* EraseFindFilesFolders = nullptr;
  TEraseRegistry* EraseWindowsOpenSaveHistory = nullptr;
  TEraseRegistry* EraseRegistryStreams = nullptr;
  TEraseFiles* EraseWindowsClipboard = nullptr;
  TEraseFiles* EraseRecycleBin = nullptr;
  TEraseFiles* EraseWindowsTemp = nullptr;
  TEraseFiles* EraseWindowsSWAP = nullptr;
  TEraseFiles* EraseScanDiskFiles = nullptr;
  TEraseRegistry* ErasePaintRecentFileList = nullptr;
  TEraseRegistry* EraseWordpadRecentFileList = nullptr;
  TEraseRegistry* EraseMediaPlayerRecentFileList = nullptr;
  // Group "IE":
  TEraseFiles* IEEraseCache = nullptr;
  TEraseFiles* IEEraseHistory = nullptr;
  TEraseFiles* IEEraseCookies = nullptr;
  TEraseRegistry* IEEraseLocationBarURLs = nullptr;
  TEraseRegistry* IEEraseTypedURLs = nullptr;
  TEraseFiles* IEEraseIndexDAT = nullptr;
  TEraseRegistry* IEEraseAutoCompleteFormsData = nullptr;
  TEraseRegistry* IEEraseAutoCompletePaswords = nullptr;
  TEraseFiles* IEEraseDownloadedProgramFilesDirectory = nullptr;
  // Group "NetscapeMozilla":
  TEraseFiles* NetscapeMozillaCache = nullptr;
  TEraseFiles* NetscapeMozillaLocationBar = nullptr;
  TEraseFiles* NetscapeMozillaCookies = nullptr;
  TEraseFiles* NetscapeMozillaFormsData = nullptr;
  // Group "AOL":
  TEraseFiles* AOLCache = nullptr;
  TEraseFiles* AOLLocationBar = nullptr;
  TEraseFiles* AOLCookies = nullptr;
  TEraseFiles* AOLFormsData = nullptr;
  // Group "Opera":
  TEraseFiles* OperaCache = nullptr;
  TEraseFiles* OperaLocationBar = nullptr;
  TEraseFiles* OperaCookies = nullptr;
  TEraseFiles* OperaFormsData = nullptr;
  // Group "Chromium-family browsers":
  TEraseFiles* ChromiumHistory = nullptr;
  TEraseFiles* ChromiumCookies = nullptr;
  TEraseFiles* ChromiumCache = nullptr;
  TEraseFiles* ChromiumFormData = nullptr;
  // Group "Desktop":
  TEraseFiles* DesktopThumbnails = nullptr;
  TEraseFiles* ShellHistories = nullptr;
  TEraseFiles* KdeActivities = nullptr;
  // Group "Applications":
  TEraseFiles* LibreOfficeRecentDocuments = nullptr;
  TEraseFiles* VlcRecentMedia = nullptr;
  TEraseFiles* GimpRecentDocuments = nullptr;
  // After the recently used lists, the items added since, shown in their groups: the sessions
  // and site data of the Chromium family and of Firefox, the crash reports (Desktop), and the
  // user's own files and folders (group "Custom").
  TEraseFiles* ChromiumSessions = nullptr;
  TEraseFiles* ChromiumSiteData = nullptr;
  TEraseFiles* MozillaSessions = nullptr;
  TEraseFiles* MozillaSiteData = nullptr;
  TEraseFiles* CrashReports = nullptr;
  TEraseFiles* CustomFiles = nullptr;

  std::unique_ptr<TShredder> Shredder;
  std::unique_ptr<TPluginManager> PluginManager;
  std::unique_ptr<TMisc> Misc;
  std::unique_ptr<TScheduler> Scheduler;

  TEraseFiles* AddFileEraser(const std::string& name, const std::string& caption);
  TEraseRegistry* AddRegistryEraser(const std::string& name, const std::string& caption);

  // Reads "prefs.dat" (or another file of that form). A missing file changes nothing. Reading
  // stops at the first failure (unreadable file, text that is not XML, no Configuration
  // element, a value that does not convert); what was read before it stays, and LoadProblem
  // says why. Reading changes nothing outside the engine: the LoadAtStartup option is only
  // taken in (ApplyLoadAtStartup makes the Run value follow it), so a preview, a dry run or the
  // command line never add or remove the entry that starts the program with the session.
  void LoadFromFile(const std::string& fileName);
  // Writes (true) or removes (false) the Run value "Ferrovane" with the command that starts this
  // program, when the Run key exists, and stores the flag. Registry failures are ignored. Only
  // the window calls it, so the entry always starts the window.
  void SetLoadAtStartup(bool value);
  // Makes the Run value follow the LoadAtStartup option that the last LoadFromFile read, when it
  // read one, and leaves it alone otherwise. The value is written only when it differs from the
  // wanted one. For the window, once its settings are read.
  void ApplyLoadAtStartup();

  // Why the last LoadFromFile stopped before the end of the file (the system's reason, or what
  // was wrong with the text); empty when it read the file whole or there was none.
  std::string LoadProblem;

 private:
  void BuildCatalogue();
  void BuildWindowsItems();
  void BuildInternetExplorerItems();
  void BuildOtherBrowserItems();
  void BuildLinuxItems();
  // Adds a catalogue item, sets its field and its default Enabled flag, and returns it.
  TEraseFiles* AddFileItem(TEraseFiles*& field, const char* name, const char* caption,
                           bool enabled);
  TEraseRegistry* AddRegistryItem(TEraseRegistry*& field, const char* name, const char* caption,
                                  bool enabled);

  bool loadAtStartupRead_ = false;  // the last LoadFromFile read the option
};
