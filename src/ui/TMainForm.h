#pragma once
// The main window: the header, the pages of MainPage, the strip of picture buttons. It creates
// the pages and owns the trace-cleaning engine, whose Shredder section holds the three wipe
// engines that do the pages' work; the pages reach them through TPageHost.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/TWipeEngine.h"
#include "ui/pages/TPageHost.h"

namespace Ui {
class TMainForm;
}
class TEraserEngine;
class TWipeMethodsManager;
class TfEditMethod;
class TfMethodsForm;
class TAboutPage;
class TCleanTracesPage;
class TDeletePage;
class TFreeSpacePage;
class TOptionsPage;
class TRecentFilesPage;
class TSpecialFoldersPage;
struct TWindowRequest;
class TRunNotifier;
class TfReadme;
class QUrl;

class TMainForm : public QWidget, public TPageHost {
  Q_OBJECT

 public:
  // Start-up: the pages, the drive list, then the trace-cleaning engine loaded from
  // "prefs.dat" of the settings folder, then the Opera profile (read from the registry in use).
  // The catalogue (methods and settings) is the program's; it outlives the window.
  explicit TMainForm(TWipeMethodsManager& catalogue, QWidget* parent = nullptr);

  // Runs an engine, asking before executables are wiped when told. The program runs it for
  // real; tests stand in for the run.
  using TEngineRunner = std::function<void(TWipeEngine&, bool warnOnExecutable)>;
  // What the window is given in place of its own ways, for as long as it lives.
  struct Seams {
    // Runs the engines; empty: the program's own run (RunForReal).
    TEngineRunner runner;
    // Tells the desktop when a long run ends while the window is behind others; clicking its
    // notification brings the window to the front. None when null; the caller keeps ownership,
    // and it outlives the window.
    TRunNotifier* notifier = nullptr;
    // The file system, drive table and registry the window and its pages look at and change,
    // the trace cleaner's registry included; the caller keeps them, and they outlive the window.
    // Each one left null is the one in use at the time it is asked for.
    platform::FileSystem* files = nullptr;
    platform::DriveTable* drives = nullptr;
    platform::Registry* registry = nullptr;
  };
  TMainForm(TWipeMethodsManager& catalogue, Seams seams, QWidget* parent = nullptr);
  ~TMainForm() override;

  // The trace-cleaning engine; it lives as long as the window.
  TEraserEngine& CleanerEngine() const { return *cleanerEngine_; }
  // The engines of the pages, from the cleaner's Shredder section.
  TWipeEngine& WipeFiles() const override;
  TWipeEngine& WipeFolders() const override;
  // The engine of the Wipe-free-space page.
  TWipeEngine& FreeSpaceEngine() const override { return *freeSpaceEngine_; }
  // The Opera profile folder found at start-up; empty when there is none.
  const std::string& OperaProfileFolder() const { return operaProfileFolder_; }

  bool WarnOnExecutable() const override;
  TWipeMethodsManager& Catalogue() const override { return catalogue_; }
  IPromptService& PromptService() const override;
  platform::DriveTable& Drives() const override;
  platform::Registry& RegistryStore() const override;
  platform::FileSystem& Files() const override;
  std::vector<std::string> TrashFolders() const override;
  std::string SettingsFolder() const override;
  std::string MethodsFolder() const override;
  std::string SettingsFile() const override;
  std::string ProgramPath() const override;
  std::string ProgramFolder() const override;
  TfEditMethod& MethodEditor() const override { return *methodEditor_; }
  // The methods dialog, set to choose the method of the WipeFolders engine.
  TfMethodsForm& MethodsForm() const { return *methodsForm_; }
  bool MayRun(const TWipeEngine& engine) const override;
  bool RunEngine(TWipeEngine& engine, bool warnOnExecutable) override;
  bool CloseAfterRun() override;
  bool RunGoing() const override { return anyEngineRunning(); }
  void HoldEngine(const TWipeEngine& engine, bool hold) override;

  // The program's own run of an engine: by the settings and the method of the catalogue as they
  // are when it starts, with the wipe services in use.
  // With the catalogue's CheckDevice on, the device is checked after the run; `report` gets
  // what the run did.
  static void RunForReal(TWipeEngine& engine, TWipeMethodsManager& catalogue,
                         TRunRecord* report = nullptr, bool warnOnExecutable = false);
  const TRunRecord* LastRunReport() const override { return lastReport_.get(); }
  // A report for the run about to start, which the window keeps as its last (Save report...).
  TRunRecord* NextRunReport();
  void KeepHandedOverReport(std::string json) override;
  std::string LastHandedOverReport() const override { return handedReport_; }

  // A start's request (this one's command line, or a later start's): its paths are queued on the
  // Delete-with-wiping page, or the Wipe-free-space page is shown; the window comes to the
  // front. Nothing is wiped until the user starts a list and answers its question.
  void TakeRequest(const TWindowRequest& request);

  // The updater program that the Update button starts when it is there: the parent folder of
  // the program folder.
  static std::string UpdaterPath();
  // The first control of the page that Tab stops at; null when none.
  static QWidget* FirstFocusOf(QWidget* page);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Each time the window becomes active, the Options page rebuilds its method list.
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private slots:
  void helpRolloverClick();
  void SupportRolloverClick();
  void UpdateRolloverClick();
  void websiteRolloverClick();
  void AboutPageRolloverClick();

 private:
  // Shows the readme in a window of the program, with the line above it.
  void showHelp(const QString& why);
  // The Update button is there only when the updater it starts is.
  void showUpdaterButton();
  // Adds a page with the caption and icon its form gives it.
  template <typename Page>
  Page* addPage(Page* page);
  void connectHandlers();
  bool anyEngineRunning() const;
  // Tells the user once, in one warning, of every stored file that is there but could not be
  // read (the registry store, the settings, "prefs.dat"), and what is used instead. None of
  // them is written over.
  void reportStoredFileProblems();

  TWipeMethodsManager& catalogue_;
  std::unique_ptr<Ui::TMainForm> ui;
  TfEditMethod* methodEditor_ = nullptr;
  TfMethodsForm* methodsForm_ = nullptr;
  TDeletePage* deletePage_ = nullptr;
  TFreeSpacePage* freeSpacePage_ = nullptr;
  TSpecialFoldersPage* specialFoldersPage_ = nullptr;
  TRecentFilesPage* recentFilesPage_ = nullptr;
  TCleanTracesPage* cleanTracesPage_ = nullptr;
  TOptionsPage* optionsPage_ = nullptr;
  TAboutPage* aboutPage_ = nullptr;
  TfReadme* readme_ = nullptr;
  void bringToFront();

  std::unique_ptr<TEraserEngine> cleanerEngine_;
  TRunNotifier* runNotifier_ = nullptr;
  // The services given to the window (see Seams); null: the ones in use.
  platform::FileSystem* files_ = nullptr;
  platform::DriveTable* drives_ = nullptr;
  platform::Registry* registry_ = nullptr;
  TWipeEngine* freeSpaceEngine_ = nullptr;
  TEngineRunner runner_;
  // What the last run of the program's own did (Save report...).
  std::unique_ptr<TRunRecord> lastReport_;
  // Or what the last run handed to the administrator reported, as it came (JSON).
  std::string handedReport_;
  std::string operaProfileFolder_;
  // The engines held for runs, once per hold.
  std::vector<const TWipeEngine*> held_;
  bool closePending_ = false;
  bool shown_ = false;
};
