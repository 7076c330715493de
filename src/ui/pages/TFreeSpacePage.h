#pragma once
// The Wipe-free-space page: the fixed drives with their file system, free space and size, and
// a run over the checked ones.

#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QShowEvent;
class QTreeWidgetItem;
namespace platform {
class MountWatch;
struct FileSystemId;
}  // namespace platform
class TPageHost;
class TWipeEngine;
class TPathRow;
namespace Ui {
class TFreeSpacePage;
}

class TFreeSpacePage : public QWidget {
  Q_OBJECT

 public:
  explicit TFreeSpacePage(TPageHost& host, QWidget* parent = nullptr);
  ~TFreeSpacePage() override;

  // One row per fixed drive, named by its mount point, checked where the user can wipe its free
  // space. A drive the user cannot (one only the administrator may write, one that cannot be
  // read, one mounted read-only) is listed unchecked, with the reason, and cannot be checked.
  // Notes the temporary files of interrupted free-space wipes found for the drives listed,
  // which OfferLeftoverWipe asks about.
  void FillDriveList();
  // Lists the fixed drives again, with their figures now: a drive listed before keeps its check
  // mark; one that was not listed comes unchecked, so that nothing is wiped that the user has
  // not seen checked. Called when the page is shown, after a run, and when the system's table
  // of mounts changes.
  void RefreshDriveList();

 public slots:
  // Asks about each temporary file of an interrupted free-space wipe found when the list was
  // filled, and wipes and removes those the user says Yes to as file jobs of the files engine.
  // Called once the main window is up, so that the questions stand in front of it.
  void OfferLeftoverWipe();

 protected:
  void showEvent(QShowEvent* event) override;

 private slots:
  void btnFreeExecuteClick();

 private:
  struct Leftover {
    std::string path;
    std::uint64_t size;
    std::string drive;  // the display name of the drive it fills
  };

  void arrangeDriveColumns();
  // Fills the list from the drive table; the checks of the roots given stay, other rows take
  // `checkNew`. With `leftovers`, notes the temporary files of interrupted runs.
  void fillRows(const std::vector<std::pair<std::string, bool>>& checks, bool checkNew,
                bool leftovers);
  // Fills the free-space and size cells of a row from the drive's figures now.
  void showDriveFigures(QTreeWidgetItem* row, const std::string& root) const;
  // The checked drives now, in list order: their roots and file systems.
  std::vector<std::pair<std::string, platform::FileSystemId>> checkedDrives() const;
  // The question before a run over the drives: each one with the free space it would fill.
  QString wipeQuestion(const std::vector<std::string>& roots) const;
  // The selected drive, which only the administrator may fill, goes to a run with those rights.
  void btnFreeAdministratorClick();
  void updateAdministratorButton();
  // With the device check on and a checked drive whose device only the administrator may read:
  // offers the run with administrator rights in place of the user's own; true when it took its
  // place (run or cancelled).
  bool checkAsAdministrator(TWipeEngine& engine);
  // Wipes the file alone with the files engine; the jobs of the Delete-with-wiping list wait.
  void wipeLeftover(const std::string& path);

  std::unique_ptr<Ui::TFreeSpacePage> ui;
  TPageHost& host_;
  std::vector<Leftover> leftovers_;
  std::unique_ptr<platform::MountWatch> mountWatch_;
};
