// The Wipe-free-space page: the fixed drives with their file system, free space and size, and
// a run over the checked ones.

#include "platform/Drives.h"
#include "ui/DriveFunctions.h"
#include "ui/SizeFunctions.h"
#include "ui/TMainForm.h"
#include "ui/TPathRow.h"
#include "ui/WipeReport.h"
#include "ui_TMainForm.h"

void TMainForm::FillDriveList() {
  const std::vector<std::string> roots = platform::drives().driveRoots();
  if (roots.empty()) return;
  QTreeWidget* list = ui->lvDriveList;
  list->clear();
  for (const std::string& root : roots) {
    if (platform::drives().driveKind(root) != platform::DriveFixed) continue;
    std::int64_t freeBytes = -1;
    std::int64_t totalBytes = -1;
    GetDriveSpace(root, freeBytes, totalBytes);
    auto* row = new TPathRow(root);
    row->Volume = GetDriveVolume(root);  // the run wipes this file system and no other
    row->setText(0, QString::fromLocal8Bit(GetDriveDisplayName(root)));
    row->setText(1, QString::fromLocal8Bit(GetDriveFileSystem(root)));
    row->setText(2, FormatSize(freeBytes));
    row->setText(3, FormatSize(totalBytes));
    row->setTextAlignment(1, Qt::AlignCenter);
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    row->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(0, Qt::Checked);
    list->addTopLevelItem(row);
  }
}

void TMainForm::btnFreeExecuteClick() {
  TWipeEngine& engine = FreeSpaceEngine();
  if (engine.Running() || closePending_) return;
  // The checked rows are the whole job: nothing else, such as a drive of an earlier run or of
  // the configuration, is wiped without being shown and checked.
  engine.ClearItems();
  QTreeWidget* list = ui->lvDriveList;
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    auto* row = static_cast<TPathRow*>(list->topLevelItem(index));
    if (row->checkState(0) == Qt::Checked) {
      auto item = std::make_unique<TWipeItem>(wkFreeSpace, row->Path);
      item->Volume = row->Volume;
      engine.AddItem(std::move(item));
    }
  }
  runEngine(engine);
  const bool aborted = engine.Aborted;
  const std::vector<TWipeFailure> failures = engine.Failures;
  engine.ClearItems();
  if (finishPendingClose()) return;

  ShowRunOutcome(
      {QStringLiteral("The Wipe free space task has been aborted!"),
       QStringLiteral("The free space of these drives has not been wiped completely:"),
       QStringLiteral("The Wipe free space task has been completed successfully!")},
      aborted, failures);
}
