#include "ui/pages/TFreeSpacePage.h"

#include <QHeaderView>

#include "core/DriveFunctions.h"
#include "core/TWipeEngine.h"
#include "platform/Drives.h"
#include "ui/SizeFunctions.h"
#include "ui/WipeReport.h"
#include "ui/pages/TPageHost.h"
#include "ui/widgets/TPathRow.h"
#include "ui_TFreeSpacePage.h"

TFreeSpacePage::TFreeSpacePage(TPageHost& host, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TFreeSpacePage>()), host_(host) {
  ui->setupUi(this);
  arrangeDriveColumns();
  connect(ui->btnFreeExecute, &QPushButton::clicked, this, &TFreeSpacePage::btnFreeExecuteClick);
}

TFreeSpacePage::~TFreeSpacePage() = default;

void TFreeSpacePage::arrangeDriveColumns() {
  // The name takes the free width; the figures keep a fixed one, aligned as numbers are.
  QTreeWidget* list = ui->lvDriveList;
  QHeaderView* header = list->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column = 1; column < 4; ++column) {
    header->setSectionResizeMode(column, QHeaderView::Fixed);
    list->setColumnWidth(column, 100);
  }
  list->headerItem()->setTextAlignment(1, Qt::AlignCenter);
  list->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
  list->headerItem()->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
}

void TFreeSpacePage::FillDriveList() {
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
    // The list cuts a long name in the middle; the whole one is the tooltip.
    row->setToolTip(0, row->text(0));
    row->setTextAlignment(1, Qt::AlignCenter);
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    row->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(0, Qt::Checked);
    list->addTopLevelItem(row);
  }
}

void TFreeSpacePage::btnFreeExecuteClick() {
  TWipeEngine& engine = host_.FreeSpaceEngine();
  if (!host_.MayRun(engine)) return;
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
  if (!host_.RunEngine(engine)) return;
  const TRunOutcome outcome = RunOutcomeOf(engine);
  engine.ClearItems();
  if (host_.CloseAfterRun()) return;

  ShowRunOutcome(
      {QStringLiteral("The Wipe free space task has been aborted!"),
       QStringLiteral("The free space of some drives has not been wiped completely. Drives: %1."),
       QStringLiteral("The Wipe free space task has been completed successfully!")},
      outcome);
}
