#pragma once
// The main window: the header, the pages of MainPage, the strip of picture buttons and the
// About page. It owns the trace-cleaning engine, whose Shredder section holds the three wipe
// engines that do the pages' work.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/TWipeEngine.h"

namespace Ui {
class TMainForm;
}
class QTreeWidget;
class TEraserEngine;
class TPathRow;

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // Start-up: the drive list, then the trace-cleaning engine loaded from "prefs.dat" of the
  // program folder, then the Opera profile (read from the registry in use).
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // The trace-cleaning engine; it lives as long as the window.
  TEraserEngine& CleanerEngine() const { return *cleanerEngine_; }
  // The engines of the pages, from the cleaner's Shredder section.
  TWipeEngine& WipeFiles() const;
  TWipeEngine& WipeFolders() const;
  // The engine of the Wipe-free-space page.
  TWipeEngine& FreeSpaceEngine() const { return *freeSpaceEngine_; }
  // The Opera profile folder found at start-up; empty when there is none.
  const std::string& OperaProfileFolder() const { return operaProfileFolder_; }

  // Runs an engine. The program runs it for real; tests stand in for the run.
  using TEngineRunner = std::function<void(TWipeEngine&)>;
  void SetEngineRunner(TEngineRunner runner);

  // Delete with wiping.
  void UpdateDeleteButtons();
  void AddFileRow(TWipeItem* item);
  void AddFolderRow(TWipeItem* item);
  // Rebuilds both lists from the engines' jobs.
  void RefreshDeleteLists();

  // Wipe free space: one checked row per fixed drive.
  void FillDriveList();

  // Loads readme.txt of the program folder into the About page.
  void LoadReadme();

  // The updater program that the Update button starts when it is there: the parent folder of
  // the program folder.
  static std::string UpdaterPath();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private slots:
  void btnAddFilesClick();
  void btnRemoveFilesClick();
  void btnStartShredFilesClick();
  void btnStopShredFilesClick();
  void btnAddFolderClick();
  void btnRemoveFoldersClick();
  void btnStartShredFoldersClick();
  void btnStopShredFoldersClick();
  void lvFilesSelectItem();
  void btnFreeExecuteClick();
  void helpRolloverClick();
  void SupportRolloverClick();
  void UpdateRolloverClick();
  void websiteRolloverClick();
  void AboutPageRolloverClick();
  void websiteValueClick();
  void emailValueClick();

 private:
  void connectHandlers();
  void arrangeDriveColumns();
  void addRow(QTreeWidget* list, TWipeItem* item, bool folder);
  void removeSelectedRows(QTreeWidget* list, TWipeEngine& engine);
  void startShred(TWipeEngine& engine);
  // Runs the engine through the runner (Execute, or a test's stand-in); callers check first that
  // it is not running.
  void runEngine(TWipeEngine& engine);
  bool anyEngineRunning() const;
  // After a run: closes the window if a close was asked for while it ran.
  bool finishPendingClose();
  // Tells the user once when the registry store cannot be used (a damaged file).
  void reportRegistryProblem();

  std::unique_ptr<Ui::TMainForm> ui;
  std::unique_ptr<TEraserEngine> cleanerEngine_;
  TWipeEngine* freeSpaceEngine_ = nullptr;
  TEngineRunner runner_;
  std::string operaProfileFolder_;
  bool closePending_ = false;
  bool shown_ = false;
};
