#pragma once
// What a main-window test needs: its own temporary folder (program, temporary and settings
// folders inside it) with its own prefs.dat and registry store, scripted prompts, a drive table
// read from its own mountinfo file, and the window, whose trace-cleaning engine holds the three
// wipe engines. Real runs need the method catalogue and the Qt wipe services (withCatalogue).

#include <QTreeWidget>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "cleaner/TEraserEngine.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/Drives.h"
#include "support/Confinement.h"
#include "support/FakePrompts.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"
#include "ui/AdministratorRun.h"
#include "ui/QtWipeServices.h"
#include "ui/TMainForm.h"
#include "ui/TRunNotifier.h"
#include "ui/widgets/TPathRow.h"

class MainFormFixture {
 public:
  // mountInfo: the drive table the window sees (none by default).
  explicit MainFormFixture(const std::string& mountInfo = {})
      : drives_(driveTable(folder, mountInfo)),
        // No run with administrator rights is offered unless a test installs a launcher,
        // whether or not pkexec is installed where the tests run.
        launcherBefore_(SetAdministratorLauncher(QString())) {}
  ~MainFormFixture() {
    SetAdministratorLauncher(launcherBefore_);
    form_.reset();
    if (withCatalogue_) {
      installedServices_.reset();
      FinishWipeMethodsManager(*catalogue_);
    }
  }

  // The method catalogue with one method, a pass of zeros, and the Qt wipe services (progress
  // window included), for tests whose runs wipe for real. Call before the window is made.
  // confirmStart: whether the settings ask before a run, of every kind.
  void withCatalogue(bool confirmStart = false) {
    folder.write("program/Methods/zeros.mtd",
                 "[Method]\nName=Zeros\nPasses=1\n[Pass1]\nWipeWith=0\nBytePatternValue=0\n");
    std::string settings = "[Settings]\n";
    for (const char* key :
         {"ConfirmEraseAllFiles", "ConfirmWipeFreeSpace", "ConfirmWipeSpecialFolders",
          "ConfirmCleanTraces", "ConfirmClearRecentFiles"}) {
      settings += std::string(key) + "=" + (confirmStart ? "1" : "0") + "\n";
    }
    folder.write("program/Ferrovane.ini", settings);
    catalogue_ = StartWipeMethodsManager();
    withCatalogue_ = true;
    installedServices_.emplace(services);
  }
  // The methods and settings of the test's program folder, as the program loads them at start,
  // without wipe services. Call before the window is made.
  void loadCatalogue() { catalogue_ = StartWipeMethodsManager(); }
  // prefs.dat of the program folder, with the Shredder section's job lists (the XML inside
  // <Shredder>).
  void writePrefs(const std::string& shredderJobs) {
    folder.write(
        "program/prefs.dat",
        "<?xml version=\"1.0\"?>\n<Configuration><Shredder CleanFreeSpaceEnabled=\"False\">" +
            shredderJobs + "</Shredder></Configuration>\n");
  }

  TMainForm& form() {
    if (!form_) {
      // The window runs its engines through the fixture, so that a test may stand in for the
      // runs at any time; without a stand-in they run for real.
      TMainForm::Seams seams;
      seams.runner = [this](TWipeEngine& engine, bool warnOnExecutable) {
        if (runner_) {
          runner_(engine, warnOnExecutable);
        } else {
          TMainForm::RunForReal(engine, *catalogue_, form_->NextRunReport(), warnOnExecutable);
        }
      };
      seams.notifier = notifier_;
      form_ = std::make_unique<TMainForm>(*catalogue_, std::move(seams));
    }
    return *form_;
  }
  // Stands in for the window's runs of its engines from now on (empty: real runs again).
  void setRunner(TMainForm::TEngineRunner runner) { runner_ = std::move(runner); }
  // The desktop notifier of the window's long runs. Call before the window is made; the
  // notifier outlives the fixture.
  void setNotifier(TRunNotifier* notifier) { notifier_ = notifier; }
  // The window's methods and settings (empty, with the default settings, until withCatalogue).
  TWipeMethodsManager& catalogue() { return *catalogue_; }
  TWipeEngine& files() { return form().WipeFiles(); }
  TWipeEngine& folders() { return form().WipeFolders(); }
  TWipeEngine& freeSpace() { return form().FreeSpaceEngine(); }

  template <typename T>
  T* find(const char* name) {
    return form().findChild<T*>(QString::fromLatin1(name));
  }
  // The bytes of the paths a list shows, in row order.
  std::vector<std::string> rowPaths(const char* list) {
    std::vector<std::string> paths;
    QTreeWidget* view = find<QTreeWidget>(list);
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
      paths.push_back(static_cast<TPathRow*>(view->topLevelItem(i))->Path);
    }
    return paths;
  }
  static std::vector<std::string> itemPaths(const TWipeEngine& engine) {
    std::vector<std::string> paths;
    for (const auto& item : engine.Items) paths.push_back(item->Path);
    return paths;
  }

  TestConfinement confinement;  // nothing outside the test folders is ever changed
  TestFolder folder;
  ScopedTestRegistry registry{folder};
  FakePrompts prompts;
  QtWipeServices services;

 private:
  // The drive table of the window: the mount table given, read from the test folder.
  static platform::DriveTable driveTable(const TestFolder& folder, const std::string& mountInfo) {
    folder.write("mountinfo", mountInfo);
    folder.makeFolder("sys");
    return platform::DriveTable(folder / "mountinfo", folder / "sys");
  }

  platform::ScopedDriveTable drives_;
  QString launcherBefore_;
  std::unique_ptr<TWipeMethodsManager> catalogue_ = std::make_unique<TWipeMethodsManager>();
  bool withCatalogue_ = false;
  std::optional<ScopedWipeServices> installedServices_;
  TMainForm::TEngineRunner runner_;
  TRunNotifier* notifier_ = nullptr;
  std::unique_ptr<TMainForm> form_;
};

// Stands in for a run the way the engine's run begins and ends: the stop flag and the failures
// of the last run are cleared; then the test's own steps follow, with a stop token of their
// own that the window's Stop buttons set; the run counts as stopped when it was set. Steps that
// take the run too see what the page chose for it.
template <typename Steps>
TMainForm::TEngineRunner fakeRun(Steps steps) {
  return [steps](TWipeEngine& engine, bool warnOnExecutable) {
    engine.Aborted = false;
    engine.Failures.clear();
    WipeRunSettings settings;
    settings.WarnOnExecutable = warnOnExecutable;
    WipeRun run(SilentWipeServices(), settings);
    {
      const TWipeEngine::RunScope scope(engine, run);
      if constexpr (std::is_invocable_v<Steps&, TWipeEngine&, const WipeRun&>) {
        steps(engine, run);
      } else {
        steps(engine);
      }
    }
    if (run.Stop.Requested()) engine.Aborted = true;
  };
}

// A mountinfo line for a mount point (escaped as mountinfo does for blanks).
inline std::string mountLine(int id, const std::string& device, const std::string& point,
                             const std::string& type) {
  std::string escaped;
  for (char c : point) escaped += c == ' ' ? std::string("\\040") : std::string(1, c);
  return std::to_string(id) + " 1 " + device + " / " + escaped + " rw,relatime shared:1 - " + type +
         " /dev/test" + std::to_string(id) + " rw\n";
}
