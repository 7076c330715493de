#pragma once
// The Delete-with-wiping page: a files list and a folders list, each the view of one engine's
// jobs, with Add, Remove, Start and Stop.

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QPushButton;
class QTimer;
class QTreeWidget;
class TPageHost;
class TWipeEngine;
class TWipeItem;
struct TRunOutcome;
enum TWipeItemKind : std::uint8_t;
struct TUriListPaths;
namespace platform {
class FileSystem;
}
namespace Ui {
class TDeletePage;
}

class TDeletePage : public QWidget {
  Q_OBJECT

 public:
  explicit TDeletePage(TPageHost& host, QWidget* parent = nullptr);
  ~TDeletePage() override;

  void UpdateDeleteButtons();
  void AddFileRow(TWipeItem* item);
  void AddFolderRow(TWipeItem* item);
  // Rebuilds both lists from the engines' jobs.
  void RefreshDeleteLists();
  // Whether a run left the job, or something inside it, behind, or did not reach it: such a
  // job stays listed after the run.
  static bool LeftByRun(const TWipeItem& item, const TRunOutcome& outcome);
  // Queues paths handed over from outside the window (its command line, a second start): files
  // in the files list, folders in the folders list, relative paths taken from `base`. The next
  // Start of a list that got any asks first, whatever the settings say. What cannot be queued is
  // listed in one warning. While a question of a run is open or a run is going, the paths wait
  // and join the lists once it is over, so that no run takes a path its question did not name.
  void QueuePaths(const std::vector<std::string>& paths, const std::string& base);
  // Whether handed-over or dropped paths wait to join the lists.
  bool PathsWaiting() const { return !waiting_.empty(); }
  // Whether the folder that holds the path may not be written by the user: the job then needs
  // administrator rights, which its row shows.
  static bool NeedsAdministrator(platform::FileSystem& files, const std::string& path);

 protected:
  // The Delete key in a list removes its selected rows, like Remove.
  bool eventFilter(QObject* watched, QEvent* event) override;

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
  // Saves the report of the window's last run where the user chooses.
  void btnSaveReportClick();

 private:
  // Paths that wait to join the lists, as they came.
  struct TWaitingPaths {
    std::vector<std::string> paths;
    std::string base;
    bool fromOutside = false;
    QStringList refused;
  };

  void addRow(QTreeWidget* list, TWipeItem* item, bool folder);
  void removeSelectedRows(QTreeWidget* list, TWipeEngine& engine);
  // Asks before a run when the settings say so, or the list holds handed-over paths; false when
  // the user cancels.
  bool confirmStart(const TWipeEngine& engine);
  void startShred(TWipeEngine& engine);
  // Adds sorted paths to the lists, or lets them wait while a question or a run is on;
  // `fromOutside` marks the lists to ask before their next run.
  void addPaths(const std::vector<std::string>& paths, const std::string& base, bool fromOutside,
                QStringList refused);
  void addPathsNow(const TWaitingPaths& paths);
  // The waiting paths join the lists once no question is open and no run is going.
  void takeWaitingPaths();
  bool pathsMustWait() const;
  // Queues a job unless the list holds the path already; a path on a system file system is
  // refused, its reason added to `refused`.
  void queueJob(TWipeEngine& engine, TWipeItemKind kind, const std::string& path,
                QStringList& refused);
  void warnRefused(const QStringList& refused, const QString& lead);
  // Files and folders dropped on either list, each added to its own list.
  void takeDrop(const TUriListPaths& dropped);
  // After a run that deleted files whose old blocks lie in the free space of their drive (the
  // file system wrote the passes elsewhere): asks, drive by drive, whether to wipe its free
  // space now, and does it with the free-space engine.
  void offerFreeSpaceWipe(const TRunOutcome& outcome);
  // The rows of the list that need administrator rights go to a run with those rights.
  void wipeAsAdministrator(QTreeWidget* list, TWipeEngine& engine);
  void updateAdministratorButtons();

  std::unique_ptr<Ui::TDeletePage> ui;
  TPageHost& host_;
  // The engines this page runs now.
  std::vector<const TWipeEngine*> running_;
  // Lists that hold paths handed over from outside since their last run.
  bool filesFromOutside_ = false;
  bool foldersFromOutside_ = false;
  std::vector<TWaitingPaths> waiting_;
  QTimer* waitingTimer_ = nullptr;
};
