#include "ui/pages/TDeletePage.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <tuple>

#include "core/DriveFunctions.h"
#include "core/Helpers.h"
#include "core/RunOutcome.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/PromptService.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "ui/ShellFileInfo.h"
#include "ui/SizeFunctions.h"
#include "ui/WipeReport.h"
#include "ui/pages/TPageHost.h"
#include "ui/widgets/TPathRow.h"
#include "ui_TDeletePage.h"

namespace {

void updateListButtons(const QTreeWidget* list, QPushButton* remove, QPushButton* start,
                       QPushButton* stop) {
  const bool hasRows = list->topLevelItemCount() > 0;
  remove->setEnabled(!list->selectedItems().isEmpty());
  start->setEnabled(hasRows);
  stop->setEnabled(hasRows);
}

// "1 file", "2 folders".
QString countOf(std::size_t count, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

}  // namespace

TDeletePage::TDeletePage(TPageHost& host, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TDeletePage>()), host_(host) {
  ui->setupUi(this);
  for (QTreeWidget* list : {ui->lvFiles, ui->lvFolders}) {
    list->setColumnWidth(0, 180);
    list->installEventFilter(this);
  }
  connect(ui->btnAddFiles, &QPushButton::clicked, this, &TDeletePage::btnAddFilesClick);
  connect(ui->btnRemoveFiles, &QPushButton::clicked, this, &TDeletePage::btnRemoveFilesClick);
  connect(ui->btnStartShredFiles, &QPushButton::clicked, this,
          &TDeletePage::btnStartShredFilesClick);
  connect(ui->btnStopShredFiles, &QPushButton::clicked, this, &TDeletePage::btnStopShredFilesClick);
  connect(ui->btnAddFolder, &QPushButton::clicked, this, &TDeletePage::btnAddFolderClick);
  connect(ui->btnRemoveFolders, &QPushButton::clicked, this, &TDeletePage::btnRemoveFoldersClick);
  connect(ui->btnStartShredFolders, &QPushButton::clicked, this,
          &TDeletePage::btnStartShredFoldersClick);
  connect(ui->btnStopShredFolders, &QPushButton::clicked, this,
          &TDeletePage::btnStopShredFoldersClick);
  connect(ui->lvFiles, &QTreeWidget::itemSelectionChanged, this, &TDeletePage::lvFilesSelectItem);
  connect(ui->lvFolders, &QTreeWidget::itemSelectionChanged, this, &TDeletePage::lvFilesSelectItem);
}

TDeletePage::~TDeletePage() = default;

void TDeletePage::UpdateDeleteButtons() {
  ui->btnAddFiles->setEnabled(true);
  ui->btnAddFolder->setEnabled(true);
  updateListButtons(ui->lvFiles, ui->btnRemoveFiles, ui->btnStartShredFiles, ui->btnStopShredFiles);
  updateListButtons(ui->lvFolders, ui->btnRemoveFolders, ui->btnStartShredFolders,
                    ui->btnStopShredFolders);
}

void TDeletePage::addRow(QTreeWidget* list, TWipeItem* item, bool folder) {
  auto* row = new TPathRow(item->Path, item);
  const std::string location = platform::folderPartOf(
      folder && item->Path.size() > 1 ? RemoveTrailingBackslash(item->Path) : item->Path);
  row->setText(0, QString::fromLocal8Bit(GetShellDisplayName(item->Path, folder)));
  row->setText(1, QString::fromLocal8Bit(location));
  // The list cuts long texts in the middle; the whole path is the tooltip.
  row->setToolTip(0, QString::fromLocal8Bit(item->Path));
  row->setToolTip(1, row->toolTip(0));
  row->setIcon(0, GetShellIcon(folder));
  list->addTopLevelItem(row);
}

void TDeletePage::AddFileRow(TWipeItem* item) {
  addRow(ui->lvFiles, item, false);
}

void TDeletePage::AddFolderRow(TWipeItem* item) {
  addRow(ui->lvFolders, item, true);
}

void TDeletePage::RefreshDeleteLists() {
  for (auto [list, engine, folder] : {std::tuple{ui->lvFiles, &host_.WipeFiles(), false},
                                      std::tuple{ui->lvFolders, &host_.WipeFolders(), true}}) {
    const QSignalBlocker quiet(list);
    list->setUpdatesEnabled(false);
    list->clear();
    for (const auto& item : engine->Items) addRow(list, item.get(), folder);
    list->setUpdatesEnabled(true);
  }
  UpdateDeleteButtons();
}

void TDeletePage::lvFilesSelectItem() {
  UpdateDeleteButtons();
}

void TDeletePage::btnAddFilesClick() {
  TWipeEngine& engine = host_.WipeFiles();
  if (!engine.Running()) {
    for (const std::string& path : Prompts().OpenFiles(QStringLiteral("Select files to shred"),
                                                       QStringLiteral("All Files (*)"))) {
      if (!platform::isAbsolutePath(path)) continue;  // only full paths reach an engine
      AddFileRow(engine.AddItem(std::make_unique<TWipeItem>(wkFile, path)));
    }
  }
  UpdateDeleteButtons();
}

void TDeletePage::btnAddFolderClick() {
  TWipeEngine& engine = host_.WipeFolders();
  if (!engine.Running()) {
    const auto folder = Prompts().BrowseFolder(QStringLiteral("Select Folder"));
    if (folder && platform::isAbsolutePath(*folder)) {
      AddFolderRow(engine.AddItem(std::make_unique<TWipeItem>(wkFolder, *folder)));
    }
  }
  UpdateDeleteButtons();
}

void TDeletePage::removeSelectedRows(QTreeWidget* list, TWipeEngine& engine) {
  if (engine.Running()) return;
  int current = -1;
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
      if (current < 0) current = index;
    }
  }
  // The keyboard stays in the list, at the first removed row's place, before Remove is
  // disabled: otherwise the focus would pass on to Start, and Space would start a wipe.
  list->setFocus();
  const int rows = list->topLevelItemCount();
  if (current >= 0 && rows > 0) {
    list->setCurrentItem(list->topLevelItem(std::min(current, rows - 1)), 0,
                         QItemSelectionModel::NoUpdate);
  }
  UpdateDeleteButtons();
}

bool TDeletePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
      if (watched == ui->lvFiles) {
        btnRemoveFilesClick();
        return true;
      }
      if (watched == ui->lvFolders) {
        btnRemoveFoldersClick();
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TDeletePage::btnRemoveFilesClick() {
  removeSelectedRows(ui->lvFiles, host_.WipeFiles());
}

void TDeletePage::btnRemoveFoldersClick() {
  removeSelectedRows(ui->lvFolders, host_.WipeFolders());
}

bool TDeletePage::confirmStart(const TWipeEngine& engine) {
  if (!WipeMethodsManager || !WipeMethodsManager->ConfirmEraseAllFiles) return true;
  std::size_t files = 0;
  std::size_t folders = 0;
  for (const auto& item : engine.Items) ++(item->Kind == wkFolder ? folders : files);
  QStringList parts;
  if (files > 0 || folders == 0) parts << countOf(files, "file", "files");
  if (folders > 0) parts << countOf(folders, "folder", "folders");
  bool doNotAskAgain = false;
  const bool yes = Prompts().AskWithCheckBox(
      QStringLiteral("Wipe %1? This cannot be undone.").arg(parts.join(QStringLiteral(" and "))),
      QStringLiteral("Do not ask again"), doNotAskAgain);
  // The box only counts with Yes: No leaves everything as it was.
  if (yes && doNotAskAgain) WipeMethodsManager->ConfirmEraseAllFiles = false;
  return yes;
}

void TDeletePage::startShred(TWipeEngine& engine) {
  // No second run of a busy engine, and no new run once the window is waiting to close.
  if (!host_.MayRun(engine) || !confirmStart(engine)) return;
  engine.WarnOnExecutable = host_.WarnOnExecutable();
  if (!host_.RunEngine(engine)) return;
  const TRunOutcome outcome = RunOutcomeOf(engine);
  engine.ClearItems();
  RefreshDeleteLists();
  if (host_.CloseAfterRun()) return;

  ShowRunOutcome({QStringLiteral("The wipe task has been aborted!"),
                  QStringLiteral("The wipe task has not been completed. Left behind: %1."),
                  QStringLiteral("The wipe task has been completed successfully!")},
                 outcome);
  offerFreeSpaceWipe(outcome);
}

void TDeletePage::offerFreeSpaceWipe(const TRunOutcome& outcome) {
  for (const std::string& root : FreeSpaceRootsToFinish(outcome)) {
    std::int64_t freeBytes = -1;
    std::int64_t totalBytes = -1;
    GetDriveSpace(root, freeBytes, totalBytes);
    const QString shown =
        QString::fromLocal8Bit(root.size() > 1 ? RemoveTrailingBackslash(root) : root);
    if (!Prompts().SystemMessage(TSystemIcon::Question,
                                 QStringLiteral("Wipe the free space of %1 now? (%2 free)")
                                     .arg(shown, FormatSize(freeBytes)))) {
      continue;
    }
    TWipeEngine& engine = host_.FreeSpaceEngine();
    if (!host_.MayRun(engine)) return;
    engine.ClearItems();
    auto item = std::make_unique<TWipeItem>(wkFreeSpace, root);
    item->Volume = GetDriveVolume(root);
    engine.AddItem(std::move(item));
    if (!host_.RunEngine(engine)) return;
    const TRunOutcome wiped = RunOutcomeOf(engine);
    engine.ClearItems();
    if (host_.CloseAfterRun()) return;
    ShowRunOutcome(
        {QStringLiteral("The wipe of the free space has been aborted!"),
         QStringLiteral("The free space has not been wiped completely. Left behind: %1."),
         QStringLiteral("The free space of %1 has been wiped: the old blocks of the "
                        "files deleted there are overwritten.")
             .arg(shown)},
        wiped);
  }
}

void TDeletePage::btnStartShredFilesClick() {
  startShred(host_.WipeFiles());
}

void TDeletePage::btnStartShredFoldersClick() {
  startShred(host_.WipeFolders());
}

void TDeletePage::btnStopShredFilesClick() {
  host_.WipeFiles().Aborted = true;
}

void TDeletePage::btnStopShredFoldersClick() {
  host_.WipeFolders().Aborted = true;
}
