#include "ui/pages/TDeletePage.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <tuple>

#include "core/FileUrl.h"
#include "core/Helpers.h"
#include "core/QueuedPaths.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/PromptService.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "ui/AdministratorRun.h"
#include "ui/ShellFileInfo.h"
#include "ui/WipeReport.h"
#include "ui/pages/TPageHost.h"
#include "ui/widgets/TPathDropTarget.h"
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
    new TPathDropTarget(list->viewport(),
                        [this](const TUriListPaths& dropped) { takeDrop(dropped); });
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

void TDeletePage::QueuePaths(const std::vector<std::string>& paths, const std::string& base) {
  addPaths(paths, base, true, {});
}

void TDeletePage::takeDrop(const TUriListPaths& dropped) {
  QStringList refused;
  for (const std::string& url : dropped.refused) {
    refused << QStringLiteral("%1: not a file or folder of this computer")
                   .arg(QString::fromLocal8Bit(url));
  }
  addPaths(dropped.paths, {}, false, refused);
}

void TDeletePage::addPaths(const std::vector<std::string>& paths, const std::string& base,
                           bool fromOutside, QStringList refused) {
  const TQueuedPaths sorted = SortQueuedPaths(paths, base);
  for (const auto& refusal : sorted.refused) {
    refused << QStringLiteral("%1: %2").arg(QString::fromLocal8Bit(refusal.path),
                                            QString::fromLocal8Bit(refusal.reason));
  }
  for (auto [list, engine, kind, fromOutsideFlag] :
       {std::tuple{&sorted.files, &host_.WipeFiles(), wkFile, &filesFromOutside_},
        std::tuple{&sorted.folders, &host_.WipeFolders(), wkFolder, &foldersFromOutside_}}) {
    if (list->empty()) continue;
    // The jobs of a running engine are what it reads: nothing is added to them meanwhile.
    if (engine->Running()) {
      for (const std::string& path : *list) {
        refused
            << QStringLiteral("%1: its list is being wiped now").arg(QString::fromLocal8Bit(path));
      }
      continue;
    }
    for (const std::string& path : *list) {
      TWipeItem* item = engine->AddItem(std::make_unique<TWipeItem>(kind, path));
      kind == wkFolder ? AddFolderRow(item) : AddFileRow(item);
    }
    if (fromOutside) *fromOutsideFlag = true;
  }
  UpdateDeleteButtons();
  if (!refused.isEmpty()) {
    Prompts().DetailedMessage(
        TReportKind::Warning,
        QStringLiteral("%1 of the items handed over could not be added.").arg(refused.size()),
        QStringLiteral("Only existing files and folders of this computer "
                       "can be wiped."),
        refused.join(QLatin1Char('\n')));
  }
}

bool TDeletePage::confirmStart(const TWipeEngine& engine) {
  // Paths handed over from outside are never wiped without the question.
  const bool fromOutside = &engine == &host_.WipeFiles() ? filesFromOutside_ : foldersFromOutside_;
  if (!fromOutside && (!WipeMethodsManager || !WipeMethodsManager->ConfirmEraseAllFiles)) {
    return true;
  }
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
  if (yes && doNotAskAgain && WipeMethodsManager) WipeMethodsManager->ConfirmEraseAllFiles = false;
  return yes;
}

void TDeletePage::startShred(TWipeEngine& engine) {
  // No second run of a busy engine, and no new run once the window is waiting to close.
  if (!host_.MayRun(engine) || !confirmStart(engine)) return;
  engine.WarnOnExecutable = host_.WarnOnExecutable();
  if (!host_.RunEngine(engine)) return;
  const TRunOutcome outcome = RunOutcomeOf(engine);
  engine.ClearItems();
  (&engine == &host_.WipeFiles() ? filesFromOutside_ : foldersFromOutside_) = false;
  RefreshDeleteLists();
  if (host_.CloseAfterRun()) return;

  const TRunTexts texts{QStringLiteral("The wipe task has been aborted!"),
                        QStringLiteral("The wipe task has not been completed. Left behind: %1."),
                        QStringLiteral("The wipe task has been completed successfully!")};
  ShowRunOutcome(texts, outcome);
  // What the system refused the user is offered to a run with administrator rights.
  OfferAdministratorWipeRun(texts, outcome, engine);
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
