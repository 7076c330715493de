#include "ui/pages/TDeletePage.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <tuple>

#include "core/DriveFunctions.h"
#include "core/FileUrl.h"
#include "core/HandOverJob.h"
#include "core/Helpers.h"
#include "core/QueuedPaths.h"
#include "core/RunOutcome.h"
#include "core/RunRecordWriter.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/PromptService.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "ui/AdministratorRun.h"
#include "ui/ShellFileInfo.h"
#include "ui/SizeFunctions.h"
#include "ui/TRunProgress.h"
#include "ui/WindowDeviceCheck.h"
#include "ui/WipeReport.h"
#include "ui/pages/TEngineHold.h"
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

// The system file system ("proc", "sysfs", ...) the path lies on, or that a folder of that
// name is, where nothing is ever wiped; empty for every other file system and for a path that
// cannot be looked at (the run names it then).
std::string systemFileSystemOf(const std::string& path) {
  auto place = platform::openContainingFolder(path);
  if (!place) return {};
  std::string kind = place->folder->systemFileSystem();
  if (!kind.empty() || place->name.empty()) return kind;
  const auto entry = place->folder->entry(place->name);
  if (!entry || !entry->isFolder()) return {};
  // A folder a job starts at may be a mount point itself ("/sys").
  auto own = place->folder->openStartFolder(place->name, entry->id);
  return own ? own->systemFileSystem() : std::string();
}

// The key a path is listed under: a path given twice, with or without a trailing separator, is
// one job.
std::string listedKey(const std::string& path) {
  return path.size() > 1 ? RemoveTrailingBackslash(path) : path;
}

QIcon shieldIcon() {
  return QIcon(QStringLiteral(":/icons/shield.svg"));
}

// Marks the row of a job that needs administrator rights.
constexpr int kNeedsAdministratorRole = Qt::UserRole + 10;

}  // namespace

bool TDeletePage::NeedsAdministrator(platform::FileSystem& files, const std::string& path) {
  const std::string folder = platform::folderPartOf(listedKey(path));
  if (folder.empty()) return false;
  const auto space = files.diskSpace(folder);
  return space && !space->writable && !space->readOnly;
}

bool TDeletePage::LeftByRun(const TWipeItem& item, const TRunOutcome& outcome) {
  const std::string top = AddTrailingBackslash(item.Path);
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
  connect(ui->btnSaveReport, &QPushButton::clicked, this, &TDeletePage::btnSaveReportClick);
  connect(ui->lvFiles, &QTreeWidget::itemSelectionChanged, this, &TDeletePage::lvFilesSelectItem);
  connect(ui->lvFolders, &QTreeWidget::itemSelectionChanged, this, &TDeletePage::lvFilesSelectItem);
  for (QPushButton* admin : {ui->btnAdminFiles, ui->btnAdminFolders}) {
    admin->setIcon(shieldIcon());
    admin->setVisible(false);
  }
  connect(ui->btnAdminFiles, &QPushButton::clicked, this,
          [this] { wipeAsAdministrator(ui->lvFiles, host_.WipeFiles()); });
  connect(ui->btnAdminFolders, &QPushButton::clicked, this,
          [this] { wipeAsAdministrator(ui->lvFolders, host_.WipeFolders()); });
  // Paths that wait for a question or a run look again every so often.
  waitingTimer_ = new QTimer(this);
  waitingTimer_->setInterval(100);
  waitingTimer_->setSingleShot(true);
  connect(waitingTimer_, &QTimer::timeout, this, &TDeletePage::takeWaitingPaths);
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
  updateAdministratorButtons();
  ui->btnSaveReport->setEnabled(host_.LastRunReport() != nullptr ||
                                !host_.LastHandedOverReport().empty());
}

void TDeletePage::updateAdministratorButtons() {
  // Offered where a row is known beforehand to need administrator rights, and there is a way
  // to ask for them.
  const bool launcher = !AdministratorLauncher().isEmpty();
  for (auto [list, admin, engine] :
       {std::tuple{ui->lvFiles, ui->btnAdminFiles, &host_.WipeFiles()},
        std::tuple{ui->lvFolders, ui->btnAdminFolders, &host_.WipeFolders()}}) {
    bool needed = false;
    for (int index = 0; index < list->topLevelItemCount() && !needed; ++index) {
      needed = list->topLevelItem(index)->data(0, kNeedsAdministratorRole).toBool();
    }
    admin->setVisible(launcher && needed);
    admin->setEnabled(host_.MayRun(*engine));
  }
}

void TDeletePage::btnSaveReportClick() {
  const TRunRecord* report = host_.LastRunReport();
  const std::string handed = host_.LastHandedOverReport();
  if (!report && handed.empty()) return;
  // The administrator's run sent its report as JSON: that is kept as it came.
  const auto chosen =
      report ? host_.PromptService().SaveFile(
                   QCoreApplication::translate("TDeletePage", "Save report"),
                   QCoreApplication::translate(
                       "TDeletePage", "Report page (*.html);;Report for programs (*.json)"),
                   QStringLiteral("html"), platform::homeFolder())
             : host_.PromptService().SaveFile(
                   QCoreApplication::translate("TDeletePage", "Save report"),
                   QCoreApplication::translate("TDeletePage", "Report for programs (*.json)"),
                   QStringLiteral("json"), platform::homeFolder());
  if (!chosen) return;
  const platform::Status written = host_.Files().writeFileAtomic(
      *chosen, report ? RunRecordFor(*chosen, *report, true) : handed + "\n");
  if (!written) {
    host_.PromptService().MessageDialog(
        TMessageKind::Warning,
        QCoreApplication::translate("TDeletePage", "The report could not be saved to %1 (%2).")
            .arg(QString::fromLocal8Bit(*chosen),
                 QString::fromLocal8Bit(written.error().message())));
  }
}

void TDeletePage::addRow(QTreeWidget* list, TWipeItem* item, bool folder) {
  auto* row = new TPathRow(item->Path, item);
  const std::string location = platform::folderPartOf(
      folder && item->Path.size() > 1 ? RemoveTrailingBackslash(item->Path) : item->Path);
  row->setText(0, QString::fromLocal8Bit(GetShellDisplayName(host_.Drives(), item->Path, folder)));
  row->setText(1, QString::fromLocal8Bit(location));
  // The list cuts long texts in the middle; the whole path is the tooltip.
  row->setToolTip(0, QString::fromLocal8Bit(item->Path));
  row->setToolTip(1, row->toolTip(0));
  row->setIcon(0, GetShellIcon(folder));
  if (NeedsAdministrator(host_.Files(), item->Path)) {
    row->setData(0, kNeedsAdministratorRole, true);
    row->setIcon(0, shieldIcon());
    row->setToolTip(
        0, QString::fromLocal8Bit(item->Path) +
               QCoreApplication::translate("TDeletePage",
                                           "\nYou may not change the folder that holds it: wiping "
                                           "it needs administrator rights."));
  }
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
  QStringList refused;
  if (host_.MayRun(engine)) {
    for (const std::string& path : host_.PromptService().OpenFiles(
             QCoreApplication::translate("TDeletePage", "Select files to shred"),
             QCoreApplication::translate("TDeletePage", "All Files (*)"))) {
      if (!platform::isAbsolutePath(path)) continue;  // only full paths reach an engine
      queueJob(engine, wkFile, platform::withoutLinksAbove(path), refused);
    }
  }
  UpdateDeleteButtons();
  warnRefused(refused, QCoreApplication::translate("TDeletePage",
                                                   "%1 of the files chosen cannot be wiped."));
}

void TDeletePage::btnAddFolderClick() {
  TWipeEngine& engine = host_.WipeFolders();
  QStringList refused;
  if (host_.MayRun(engine)) {
    const auto folder = host_.PromptService().BrowseFolder(
        QCoreApplication::translate("TDeletePage", "Select Folder"));
    if (folder && platform::isAbsolutePath(*folder)) {
      queueJob(engine, wkFolder, platform::withoutLinksAbove(*folder), refused);
    }
  }
  UpdateDeleteButtons();
  warnRefused(refused, QCoreApplication::translate("TDeletePage",
                                                   "%1 of the folders chosen cannot be wiped."));
}

void TDeletePage::queueJob(TWipeEngine& engine, TWipeItemKind kind, const std::string& path,
                           QStringList& refused) {
  // A path listed already is one job: it is neither listed nor counted twice.
  const std::string key = listedKey(path);
  for (const auto& item : engine.Items) {
    if (listedKey(item->Path) == key) return;
  }
  // Nothing on a system file system is ever written: said now, not after a Start.
  if (const std::string system = systemFileSystemOf(path); !system.empty()) {
    refused << QCoreApplication::translate("TDeletePage",
                                           "%1: is on a system file system (%2): not wiped")
                   .arg(QString::fromLocal8Bit(path), QString::fromLocal8Bit(system));
    return;
  }
  TWipeItem* item = engine.AddItem(std::make_unique<TWipeItem>(kind, path));
  kind == wkFolder ? AddFolderRow(item) : AddFileRow(item);
}

void TDeletePage::warnRefused(const QStringList& refused, const QString& lead) {
  if (refused.isEmpty()) return;
  host_.PromptService().DetailedMessage(
      TReportKind::Warning, lead.arg(refused.size()),
      QCoreApplication::translate(
          "TDeletePage",
          "Only existing files and folders of this computer can be wiped; nothing "
          "on a system file system (proc, sysfs, ...) is."),
      refused.join(QLatin1Char('\n')));
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
    refused << QCoreApplication::translate("TDeletePage",
                                           "%1: not a file or folder of this computer")
                   .arg(QString::fromLocal8Bit(url));
  }
  addPaths(dropped.paths, {}, false, refused);
}

bool TDeletePage::pathsMustWait() const {
  return TRunQuestion::Open() || host_.RunGoing();
}

void TDeletePage::addPaths(const std::vector<std::string>& paths, const std::string& base,
                           bool fromOutside, QStringList refused) {
  TWaitingPaths given{paths, base, fromOutside, std::move(refused)};
  // A list that is being asked about or run takes nothing new meanwhile: the paths join it
  // afterwards, and its next Start names them.
  if (pathsMustWait() || !waiting_.empty()) {
    waiting_.push_back(std::move(given));
    waitingTimer_->start();
    return;
  }
  addPathsNow(given);
}

void TDeletePage::takeWaitingPaths() {
  if (waiting_.empty()) return;
  if (pathsMustWait()) {
    waitingTimer_->start();
    return;
  }
  const std::vector<TWaitingPaths> waited = std::move(waiting_);
  waiting_.clear();
  for (const TWaitingPaths& paths : waited) addPathsNow(paths);
}

void TDeletePage::addPathsNow(const TWaitingPaths& given) {
  QStringList refused = given.refused;
  const TQueuedPaths sorted = SortQueuedPaths(given.paths, given.base);
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
        refused << QCoreApplication::translate("TDeletePage", "%1: its list is being wiped now")
                       .arg(QString::fromLocal8Bit(path));
      }
      continue;
    }
    const std::size_t before = engine->Items.size();
    for (const std::string& path : *list) queueJob(*engine, kind, path, refused);
    if (given.fromOutside && engine->Items.size() > before) *fromOutsideFlag = true;
  }
  UpdateDeleteButtons();
  warnRefused(refused, QCoreApplication::translate(
                           "TDeletePage", "%1 of the items handed over could not be added."));
}

bool TDeletePage::confirmStart(const TWipeEngine& engine) {
  // Paths handed over from outside are never wiped without the question.
  const bool fromOutside = &engine == &host_.WipeFiles() ? filesFromOutside_ : foldersFromOutside_;
  const auto subject = [&engine] {
    TRunQuestion::TSubject asked;
    std::size_t files = 0;
    std::size_t folders = 0;
    QStringList names;
    for (const auto& item : engine.Items) {
      const std::string key = listedKey(item->Path);
      if (asked.about.contains(QString::fromLocal8Bit(key))) continue;  // run once
      asked.about << QString::fromLocal8Bit(key);
      ++(item->Kind == wkFolder ? folders : files);
      names << QString::fromLocal8Bit(
          platform::fileNameOf(key).empty() ? key : platform::fileNameOf(key));
    }
    QStringList parts;
    if (files > 0 || folders == 0) parts << TRunQuestion::CountOf(files, "file", "files");
    if (folders > 0) parts << TRunQuestion::CountOf(folders, "folder", "folders");
    const QString what = parts.join(QCoreApplication::translate("TDeletePage", " and "));
    asked.question =
        QCoreApplication::translate("TDeletePage", "Wipe %1 (%2)? This cannot be undone.")
            .arg(what, TRunQuestion::ListOf(names));
    asked.action = QCoreApplication::translate("TDeletePage", "Wipe ") + what;
    return asked;
  };
  return TRunQuestion::Ask(host_.Catalogue(), host_.PromptService(), TQuestionKind::FilesAndFolders,
                           subject, fromOutside);
}

void TDeletePage::startShred(TWipeEngine& engine) {
  // No second run of a busy engine, and no new run once the window is waiting to close.
  if (!host_.MayRun(engine) || !confirmStart(engine)) return;
  if (checkAsAdministrator(engine)) return;
  // Stop is there while this page's run is.
  running_.push_back(&engine);
  const bool ran = host_.RunEngine(engine, host_.WarnOnExecutable());
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

  const TRunTexts texts{
      QCoreApplication::translate("TDeletePage", "The wipe task has been aborted!"),
      QCoreApplication::translate("TDeletePage",
                                  "The wipe task has not been completed. Left behind: %1."),
      QCoreApplication::translate("TDeletePage", "The wipe task has been completed successfully!")};
  ShowRunOutcome(host_.PromptService(), texts, outcome, LastRunTally(engine));
  // What the system refused the user is offered to a run with administrator rights.
  std::string report;
  OfferAdministratorWipeRun(texts, outcome, engine, host_.Catalogue(), &report);
  host_.KeepHandedOverReport(std::move(report));
  offerFreeSpaceWipe(outcome);
}

bool TDeletePage::checkAsAdministrator(TWipeEngine& engine) {
  std::vector<std::string> paths;
  for (const auto& item : engine.Items) paths.push_back(item->Path);
  // Where the user's own run could not read the device back, the run with administrator rights
  // wipes and checks, or nothing runs.
  std::string report;
  {
    const TEngineHold hold(host_, {&engine});
    const bool offered = OfferCheckedRunAsAdministrator(
        TAdministratorWork::Wipe,
        QCoreApplication::translate(
            "TDeletePage",
            "Checking the device after wiping reads it back, which only the administrator may "
            "do. Wipe %1 with administrator rights and check the device? You will be asked for "
            "the password. To wipe without the check, turn off \"Check the device after "
            "wiping\" in Options."),
        paths,
        {QCoreApplication::translate("TDeletePage", "The wipe task has been aborted!"),
         QCoreApplication::translate("TDeletePage",
                                     "The wipe task has not been completed. Left behind: %1."),
         QCoreApplication::translate("TDeletePage",
                                     "The wipe task has been completed successfully!")},
        engine, host_.Catalogue(), &report);
    if (!offered) return false;
  }
  host_.KeepHandedOverReport(std::move(report));
  // What the run removed leaves the list; the rest stays, so the user sees what is left.
  std::erase_if(engine.Items,
                [this](const auto& item) { return !host_.Files().info(item->Path).has_value(); });
  RefreshDeleteLists();
  return true;
}

void TDeletePage::wipeAsAdministrator(QTreeWidget* list, TWipeEngine& engine) {
  const QString launcher = AdministratorLauncher();
  if (launcher.isEmpty() || !host_.MayRun(engine)) return;
  const bool folders = &engine == &host_.WipeFolders();
  // The run with administrator rights takes only the rows marked, in a list of its own.
  TWipeEngine elevated(engine.Name);
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    const auto* row = static_cast<TPathRow*>(list->topLevelItem(index));
    if (row->data(0, kNeedsAdministratorRole).toBool() && row->Item) {
      elevated.AddItem(std::make_unique<TWipeItem>(row->Item->Kind, row->Item->Path));
    }
  }
  if (elevated.Items.empty()) return;
  // The run with administrator rights gets each entry as the window sees it now (device and
  // inode, no link on its way), never a path to look up again: what is put in an entry's place
  // while the question is open is not wiped.
  std::vector<std::string> paths;
  for (const auto& item : elevated.Items) paths.push_back(item->Path);
  std::vector<std::string> unseen;
  const std::optional<THandOverJob> job =
      HandOverJobFor(wkFile, paths, engine, host_.Catalogue(), unseen);
  if (!unseen.empty()) {
    QStringList lines;
    for (const std::string& line : unseen) lines << QString::fromLocal8Bit(line);
    host_.PromptService().MessageDialog(
        TMessageKind::Warning,
        QCoreApplication::translate("TDeletePage",
                                    "Not handed to the administrator's run, as the window cannot "
                                    "see it as it is now:\n%1")
            .arg(lines.join(QLatin1Char('\n'))));
  }
  if (!job || job->targets.empty()) return;
  const auto subject = [&] {
    TRunQuestion::TSubject asked;
    QStringList names;
    for (const THandOverTarget& target : job->targets) {
      asked.about << QString::fromLocal8Bit(target.path);
      names << QString::fromLocal8Bit(target.path);
    }
    const QString what = folders ? TRunQuestion::CountOf(names.size(), "folder", "folders")
                                 : TRunQuestion::CountOf(names.size(), "file", "files");
    asked.question = QCoreApplication::translate(
                         "TDeletePage",
                         "Wipe %1 with administrator rights (%2)? You will be asked for the "
                         "password. This cannot be undone.")
                         .arg(what, TRunQuestion::ListOf(names, 3));
    asked.action = QCoreApplication::translate("TDeletePage", "Wipe %1 as administrator").arg(what);
    return asked;
  };
  // Asked every time: the box of the page's own question does not reach this.
  if (!TRunQuestion::Ask(host_.Catalogue(), host_.PromptService(), TQuestionKind::FilesAndFolders,
                         subject, true)) {
    return;
  }
  std::vector<std::string> args{"hand-over"};
  if (host_.Catalogue().CheckDevice) args.push_back("--verify-device");
  std::optional<TRunOutcome> outcome;
  QString problem;
  std::string report;
  {
    const TEngineHold hold(host_, {&engine});
    outcome = RunWithProgressStream(launcher, CommandLineProgram(), args, elevated, problem,
                                    EncodeHandOverJob(*job), &report);
  }
  host_.KeepHandedOverReport(std::move(report));
  if (!outcome) {
    host_.PromptService().MessageDialog(TMessageKind::Warning, problem);
    return;
  }
  // What the run wiped leaves the list; the rest stays, so the user sees what is left.
  std::erase_if(engine.Items, [&](const auto& item) {
    return std::any_of(elevated.Items.begin(), elevated.Items.end(),
                       [&](const auto& sent) { return sent->Path == item->Path; }) &&
           !LeftByRun(*item, *outcome);
  });
  RefreshDeleteLists();
  ShowRunOutcome(host_.PromptService(),
                 {QCoreApplication::translate("TDeletePage", "The wipe task has been aborted!"),
                  QCoreApplication::translate(
                      "TDeletePage", "The wipe task has not been completed. Left behind: %1."),
                  QCoreApplication::translate("TDeletePage",
                                              "The wipe task has been completed successfully!")},
                 *outcome);
}

void TDeletePage::offerFreeSpaceWipe(const TRunOutcome& outcome) {
  for (const std::string& root : FreeSpaceRootsToFinish(outcome)) {
    std::int64_t freeBytes = -1;
    std::int64_t totalBytes = -1;
    GetDriveSpace(host_.Files(), root, freeBytes, totalBytes);
    const QString shown =
        QString::fromLocal8Bit(root.size() > 1 ? RemoveTrailingBackslash(root) : root);
    const auto subject = [&] {
      return TRunQuestion::TSubject{
          QCoreApplication::translate(
              "TDeletePage",
              "Wipe the free space of %1 now (%2 free)? The old blocks of the files "
              "just deleted there are overwritten.")
              .arg(shown, FormatSize(freeBytes)),
          QCoreApplication::translate("TDeletePage", "Wipe free space of %1").arg(shown),
          QStringList(shown)};
    };
    // An offer of the window's own: always asked.
    if (!TRunQuestion::Ask(host_.Catalogue(), host_.PromptService(), TQuestionKind::FreeSpace,
                           subject, true)) {
      continue;
    }
    TWipeEngine& engine = host_.FreeSpaceEngine();
    if (!host_.MayRun(engine)) return;
    engine.ClearItems();
    auto item = std::make_unique<TWipeItem>(wkFreeSpace, root);
    item->Volume = GetDriveVolume(host_.Files(), root);
    engine.AddItem(std::move(item));
    if (!host_.RunEngine(engine, false)) return;
    const TRunOutcome wiped = RunOutcomeOf(engine);
    engine.ClearItems();
    if (host_.CloseAfterRun()) return;
    ShowRunOutcome(host_.PromptService(),
                   FreeSpaceRunTexts(
                       QCoreApplication::translate("TDeletePage",
                                                   "The wipe of the free space has been aborted!"),
                       QCoreApplication::translate("TDeletePage",
                                                   "The free space of %1 has been wiped: the old "
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
