#include "ui/pages/TDeletePage.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <tuple>

#include "core/DriveFunctions.h"
#include "core/FileUrl.h"
#include "core/Helpers.h"
#include "core/QueuedPaths.h"
#include "core/RunOutcome.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/PromptService.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "ui/AdministratorRun.h"
#include "ui/ShellFileInfo.h"
#include "ui/SizeFunctions.h"
#include "ui/WipeReport.h"
#include "ui/pages/TPageHost.h"
#include "ui/pages/TRunQuestion.h"
#include "ui/widgets/TPathDropTarget.h"
#include "ui/widgets/TPathRow.h"
#include "ui_TDeletePage.h"

namespace {

// free: whether the list's engine may change now (no run holds it); running: whether this page
// runs it now.
void updateListButtons(const QTreeWidget* list, bool free, bool running, QPushButton* add,
                       QPushButton* remove, QPushButton* start, QPushButton* stop) {
  const bool hasRows = list->topLevelItemCount() > 0;
  add->setEnabled(free);
  remove->setEnabled(free && !list->selectedItems().isEmpty());
  start->setEnabled(free && hasRows);
  stop->setEnabled(running);
}

}  // namespace

bool TDeletePage::LeftByRun(const TWipeItem& item, const TRunOutcome& outcome) {
  const std::string top = platform::withTrailingSeparator(item.Path);
  // The job itself, or something inside a folder job.
  const auto within = [&](const std::string& path) {
    return path == item.Path || path == top ||
           (item.Kind == wkFolder && path.compare(0, top.size(), top) == 0);
  };
  for (const TWipeFailure& failure : outcome.failures) {
    // A path that was gone, or went without being overwritten, is not there to retry.
    if (failure.Reason == TWipeFailureReason::NotFound ||
        failure.Reason == TWipeFailureReason::DeletedUnwiped) {
      continue;
    }
    if (within(failure.Path)) return true;
  }
  if (!outcome.stoppedIn.empty() && within(outcome.stoppedIn)) return true;
  return std::find(outcome.notReached.begin(), outcome.notReached.end(), item.Path) !=
         outcome.notReached.end();
}

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
  // While a run holds an engine (a run of this page, or of another page that uses the engine),
  // its list takes no new job, gives none up and cannot be started again.
  const auto runs = [this](const TWipeEngine& engine) {
    return std::find(running_.begin(), running_.end(), &engine) != running_.end();
  };
  updateListButtons(ui->lvFiles, host_.MayRun(host_.WipeFiles()), runs(host_.WipeFiles()),
                    ui->btnAddFiles, ui->btnRemoveFiles, ui->btnStartShredFiles,
                    ui->btnStopShredFiles);
  updateListButtons(ui->lvFolders, host_.MayRun(host_.WipeFolders()), runs(host_.WipeFolders()),
                    ui->btnAddFolder, ui->btnRemoveFolders, ui->btnStartShredFolders,
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
  if (host_.MayRun(engine)) {
    for (const std::string& path : host_.PromptService().OpenFiles(
             QStringLiteral("Select files to shred"), QStringLiteral("All Files (*)"))) {
      if (!platform::isAbsolutePath(path)) continue;  // only full paths reach an engine
      AddFileRow(
          engine.AddItem(std::make_unique<TWipeItem>(wkFile, platform::withoutLinksAbove(path))));
    }
  }
  UpdateDeleteButtons();
}

void TDeletePage::btnAddFolderClick() {
  TWipeEngine& engine = host_.WipeFolders();
  if (host_.MayRun(engine)) {
    const auto folder = host_.PromptService().BrowseFolder(QStringLiteral("Select Folder"));
    if (folder && platform::isAbsolutePath(*folder)) {
      AddFolderRow(engine.AddItem(
          std::make_unique<TWipeItem>(wkFolder, platform::withoutLinksAbove(*folder))));
    }
  }
  UpdateDeleteButtons();
}

void TDeletePage::removeSelectedRows(QTreeWidget* list, TWipeEngine& engine) {
  if (!host_.MayRun(engine)) return;
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
  // disabled: otherwise the focus would pass on to Start, and Space would start a wipe. The row
  // now in that place is selected, so that Delete can be pressed again.
  list->setFocus();
  const int rows = list->topLevelItemCount();
  if (current >= 0 && rows > 0) {
    list->setCurrentItem(list->topLevelItem(std::min(current, rows - 1)), 0,
                         QItemSelectionModel::ClearAndSelect);
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
    // The jobs of a running (or held) engine are what it reads: nothing is added meanwhile.
    if (!host_.MayRun(*engine)) {
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
    host_.PromptService().DetailedMessage(
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
  if (!fromOutside && !TRunQuestion::Asking(host_.Catalogue())) return true;
  std::size_t files = 0;
  std::size_t folders = 0;
  for (const auto& item : engine.Items) ++(item->Kind == wkFolder ? folders : files);
  QStringList parts;
  if (files > 0 || folders == 0) parts << TRunQuestion::CountOf(files, "file", "files");
  if (folders > 0) parts << TRunQuestion::CountOf(folders, "folder", "folders");
  return TRunQuestion::Ask(
      host_.Catalogue(), host_.PromptService(),
      QStringLiteral("Wipe %1? This cannot be undone.").arg(parts.join(QStringLiteral(" and "))),
      fromOutside);
}

void TDeletePage::startShred(TWipeEngine& engine) {
  // No second run of a busy engine, and no new run once the window is waiting to close.
  if (!host_.MayRun(engine) || !confirmStart(engine)) return;
  engine.WarnOnExecutable = host_.WarnOnExecutable();
  // Stop is there while this page's run is.
  running_.push_back(&engine);
  const bool ran = host_.RunEngine(engine);
  running_.erase(std::find(running_.begin(), running_.end(), &engine));
  UpdateDeleteButtons();
  if (!ran) return;
  const TRunOutcome outcome = RunOutcomeOf(engine);
  // What was wiped leaves the list; what the run left behind or did not reach stays, so that a
  // retry is one click.
  std::erase_if(engine.Items, [&](const auto& item) { return !LeftByRun(*item, outcome); });
  (&engine == &host_.WipeFiles() ? filesFromOutside_ : foldersFromOutside_) = false;
  RefreshDeleteLists();
  if (host_.CloseAfterRun()) return;

  const TRunTexts texts{QStringLiteral("The wipe task has been aborted!"),
                        QStringLiteral("The wipe task has not been completed. Left behind: %1."),
                        QStringLiteral("The wipe task has been completed successfully!")};
  ShowRunOutcome(host_.PromptService(), texts, outcome);
  // What the system refused the user is offered to a run with administrator rights.
  OfferAdministratorWipeRun(texts, outcome, engine, host_.Catalogue());
  offerFreeSpaceWipe(outcome);
}

void TDeletePage::offerFreeSpaceWipe(const TRunOutcome& outcome) {
  for (const std::string& root : FreeSpaceRootsToFinish(outcome)) {
    std::int64_t freeBytes = -1;
    std::int64_t totalBytes = -1;
    GetDriveSpace(root, freeBytes, totalBytes);
    const QString shown =
        QString::fromLocal8Bit(root.size() > 1 ? RemoveTrailingBackslash(root) : root);
    if (!host_.PromptService().SystemMessage(
            TSystemIcon::Question, QStringLiteral("Wipe the free space of %1 now? (%2 free)")
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
    ShowRunOutcome(host_.PromptService(),
                   FreeSpaceRunTexts(QStringLiteral("The wipe of the free space has been aborted!"),
                                     QStringLiteral("The free space of %1 has been wiped: the old "
                                                    "blocks of the files deleted there are "
                                                    "overwritten.")
                                         .arg(shown)),
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
  host_.WipeFiles().Stop();
}

void TDeletePage::btnStopShredFoldersClick() {
  host_.WipeFolders().Stop();
}
