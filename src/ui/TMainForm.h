#pragma once
// The main window: the header, the pages of MainPage, the strip of picture buttons and the
// About page. The pages' work is done by the three wipe engines it is given.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/TWipeEngine.h"
#include "ui/OperaProfile.h"
#include "ui/TWipeEngineSet.h"

namespace Ui {
class TMainForm;
}
class QTreeWidget;
class TPathRow;

class TMainForm : public QWidget {
  Q_OBJECT

 public:
  // The engines stay their owner's; the registry reader finds the Opera profile (none: no
  // profile).
  explicit TMainForm(const TWipeEngineSet& engines, TRegistryTextReader registry = {},
                     QWidget* parent = nullptr);
  ~TMainForm() override;

  const TWipeEngineSet& Engines() const { return engines_; }
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
  // Runs the engine unless it is already running; false when refused.
  bool runEngine(TWipeEngine& engine);
  bool anyEngineRunning() const;
  // After a run: closes the window if a close was asked for while it ran.
  bool finishPendingClose();

  std::unique_ptr<Ui::TMainForm> ui;
  TWipeEngineSet engines_;
  TEngineRunner runner_;
  std::string operaProfileFolder_;
  bool closePending_ = false;
  bool centred_ = false;
};
