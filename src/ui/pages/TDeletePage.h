#pragma once
// The Delete-with-wiping page: a files list and a folders list, each the view of one engine's
// jobs, with Add, Remove, Start and Stop.

#include <QWidget>
#include <memory>
#include <vector>

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
  // Whether a run left the job, or something inside it, behind, or did not reach it: such a
  // job stays listed after the run.
  static bool LeftByRun(const TWipeItem& item, const TRunOutcome& outcome);

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

  std::unique_ptr<Ui::TDeletePage> ui;
  TPageHost& host_;
  // The engines this page runs now.
  std::vector<const TWipeEngine*> running_;
};
