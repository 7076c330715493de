// The Delete-with-wiping page: a files list and a folders list, each the view of one engine's
// jobs, with Add, Remove, Start and Stop.

#include <QSignalBlocker>
#include <tuple>

#include "core/Helpers.h"
#include "platform/Folders.h"
#include "ui/PromptService.h"
#include "ui/ShellFileInfo.h"
#include "ui/TMainForm.h"
#include "ui/TPathRow.h"
#include "ui/WipeReport.h"
#include "ui_TMainForm.h"

namespace {

void updateListButtons(const QTreeWidget* list, QPushButton* remove, QPushButton* start,
                       QPushButton* stop) {
  const bool hasRows = list->topLevelItemCount() > 0;
  remove->setEnabled(!list->selectedItems().isEmpty());
  start->setEnabled(hasRows);
  stop->setEnabled(hasRows);
}

}  // namespace

void TMainForm::UpdateDeleteButtons() {
  ui->btnAddFiles->setEnabled(true);
  ui->btnAddFolder->setEnabled(true);
  updateListButtons(ui->lvFiles, ui->btnRemoveFiles, ui->btnStartShredFiles,
                    ui->btnStopShredFiles);
  updateListButtons(ui->lvFolders, ui->btnRemoveFolders, ui->btnStartShredFolders,
                    ui->btnStopShredFolders);
}

void TMainForm::addRow(QTreeWidget* list, TWipeItem* item, bool folder) {
  auto* row = new TPathRow(item->Path, item);
  const std::string location =
      FolderPartOf(folder && item->Path.size() > 1 ? RemoveTrailingBackslash(item->Path)
                                                   : item->Path);
  row->setText(0, QString::fromLocal8Bit(GetShellDisplayName(item->Path, folder)));
  row->setText(1, QString::fromLocal8Bit(location));
  row->setToolTip(0, QString::fromLocal8Bit(item->Path));
  row->setToolTip(1, row->toolTip(0));
  row->setIcon(0, GetShellIcon(folder));
  list->addTopLevelItem(row);
}

void TMainForm::AddFileRow(TWipeItem* item) { addRow(ui->lvFiles, item, false); }

void TMainForm::AddFolderRow(TWipeItem* item) { addRow(ui->lvFolders, item, true); }

void TMainForm::RefreshDeleteLists() {
  for (auto [list, engine, folder] :
       {std::tuple{ui->lvFiles, &WipeFiles(), false},
        std::tuple{ui->lvFolders, &WipeFolders(), true}}) {
    const QSignalBlocker quiet(list);
    list->setUpdatesEnabled(false);
    list->clear();
    for (const auto& item : engine->Items) addRow(list, item.get(), folder);
    list->setUpdatesEnabled(true);
  }
  UpdateDeleteButtons();
}

void TMainForm::lvFilesSelectItem() { UpdateDeleteButtons(); }

void TMainForm::btnAddFilesClick() {
  TWipeEngine& engine = WipeFiles();
  if (!engine.Running()) {
    for (const std::string& path :
         Prompts().OpenFiles(QStringLiteral("Select files to shred"),
                             QStringLiteral("All Files (*)"))) {
      if (!platform::isAbsolutePath(path)) continue;  // only full paths reach an engine
      AddFileRow(engine.AddItem(std::make_unique<TWipeItem>(wkFile, path)));
    }
  }
  UpdateDeleteButtons();
}

void TMainForm::btnAddFolderClick() {
  TWipeEngine& engine = WipeFolders();
  if (!engine.Running()) {
    const auto folder = Prompts().BrowseFolder(QStringLiteral("Select Folder"));
    if (folder && platform::isAbsolutePath(*folder)) {
      AddFolderRow(engine.AddItem(std::make_unique<TWipeItem>(wkFolder, *folder)));
    }
  }
  UpdateDeleteButtons();
}

void TMainForm::removeSelectedRows(QTreeWidget* list, TWipeEngine& engine) {
  if (engine.Running()) return;
  {
    const QSignalBlocker quiet(list);
    int index = 0;
    while (index < list->topLevelItemCount()) {
      auto* row = static_cast<TPathRow*>(list->topLevelItem(index));
      if (!row->isSelected()) {
        ++index;
        continue;
      }
      // The row that moves up into this place is looked at next.
      engine.RemoveItem(row->Item);
      delete list->takeTopLevelItem(index);
    }
  }
  UpdateDeleteButtons();
}

void TMainForm::btnRemoveFilesClick() {
  removeSelectedRows(ui->lvFiles, WipeFiles());
}

void TMainForm::btnRemoveFoldersClick() {
  removeSelectedRows(ui->lvFolders, WipeFolders());
}

void TMainForm::startShred(TWipeEngine& engine) {
  // No second run of a busy engine, and no new run once the window is waiting to close.
  if (engine.Running() || closePending_) return;
  engine.WarnOnExecutable = ui->chkWipeWarn->isChecked();
  runEngine(engine);
  const bool aborted = engine.Aborted;
  const std::vector<TWipeFailure> failures = engine.Failures;
  engine.ClearItems();
  RefreshDeleteLists();
  if (finishPendingClose()) return;

  ShowRunOutcome({QStringLiteral("The wipe task has been aborted!"),
                  QStringLiteral("The wipe task has not been completed: these were left behind."),
                  QStringLiteral("The wipe task has been completed successfully!")},
                 aborted, failures);
}

void TMainForm::btnStartShredFilesClick() {
  startShred(WipeFiles());
}

void TMainForm::btnStartShredFoldersClick() {
  startShred(WipeFolders());
}

void TMainForm::btnStopShredFilesClick() {
  WipeFiles().Aborted = true;
}

void TMainForm::btnStopShredFoldersClick() {
  WipeFolders().Aborted = true;
}
