#pragma once
// The trace-cleaning engine: the catalogue of cleanable items, the program options, and the
// Shredder, plug-in, Misc and Scheduler sections, all configured from "prefs.dat".

#include <memory>
#include <string>

#include "cleaner/TCustomEraserEngine.h"
#include "cleaner/TShredder.h"

class TEraserEngine : public TCustomEraserEngine {
 public:
  TEraserEngine();
  ~TEraserEngine() override;

  bool LoadAtStartup = false;  // the program is started with the user's session
  bool StartInSystemTray = false;
  bool AutoCleanAtWindowsStart = false;
  bool AutoCleanAtWindowsShutdown = false;

  std::unique_ptr<TShredder> Shredder;

  // Reads "prefs.dat" (or another file of that form). A missing file changes nothing. Reading
  // stops silently at the first failure (unreadable file, text that is not XML, no
  // Configuration element, a value that does not convert); what was read before it stays.
  void LoadFromFile(const std::string& fileName);
  // Writes or removes the Run value "Ferrovane" (when the Run key exists) and stores the flag.
  void SetLoadAtStartup(bool value);
};
