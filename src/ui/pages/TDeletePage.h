#pragma once
// The Delete-with-wiping page: a files list and a folders list, each the view of one engine's
// jobs, with Add, Remove, Start and Stop.

#include <QWidget>
#include <memory>

class QTreeWidget;
class TPageHost;
class TWipeEngine;
class TWipeItem;
struct TRunOutcome;
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

 private:
  void addRow(QTreeWidget* list, TWipeItem* item, bool folder);
  void removeSelectedRows(QTreeWidget* list, TWipeEngine& engine);
  // Asks before a run when the settings say so; false when the user declines.
  bool confirmStart(const TWipeEngine& engine);
  void startShred(TWipeEngine& engine);
  // After a run that deleted files whose old blocks lie in the free space of their drive (the
  // file system wrote the passes elsewhere): asks, drive by drive, whether to wipe its free
  // space now, and does it with the free-space engine.
  void offerFreeSpaceWipe(const TRunOutcome& outcome);

  std::unique_ptr<Ui::TDeletePage> ui;
  TPageHost& host_;
};
