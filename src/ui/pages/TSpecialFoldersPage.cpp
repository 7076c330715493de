#include "ui/pages/TSpecialFoldersPage.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QShowEvent>
#include <algorithm>

#include "core/Helpers.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/PromptService.h"
#include "platform/FileSystem.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "platform/Registry.h"
#include "ui/SizeFunctions.h"
#include "ui/WipeReport.h"
#include "ui/pages/TEngineHold.h"
#include "ui/pages/TPageHost.h"
#include "ui/pages/TRunQuestion.h"
#include "ui/widgets/TPathRow.h"
#include "ui/widgets/TWindowsRowsFilter.h"
#include "ui_TSpecialFoldersPage.h"

namespace {

const char* const kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const int kTotalColumn = 2;
// The first rows: the shell's folders of the registry in use, which may name nothing here.
const int kShellFolderRows = 5;
const int kBinTotalColumn = 1;
// Per row: whether it is a file (wiped by the files engine) rather than a folder.
constexpr int kIsFileRole = Qt::UserRole;
// Per recycle-bin row: the trash entries that describe what the row holds, wiped with it.
constexpr int kCompanionFoldersRole = Qt::UserRole + 1;
constexpr int kCompanionFilesRole = Qt::UserRole + 2;
// Per recycle-bin row: a folder of the trash's own, which is emptied and kept.
constexpr int kContentsOnlyRole = Qt::UserRole + 3;

QString notAvailable() {
  return QCoreApplication::translate("TSpecialFoldersPage", "not available");
}

std::string join(const std::string& folder, const char* name) {
  return AddTrailingBackslash(folder) + name;
}

QVariant bytesList(std::initializer_list<std::string> paths) {
  QByteArrayList list;
  for (const std::string& path : paths) list << QByteArray::fromStdString(path);
  return QVariant::fromValue(list);
}

bool isChecked(const QTreeWidgetItem* row) {
  return (row->flags() & Qt::ItemIsEnabled) && !TWindowsRowsFilter::OutOfSight(row) &&
         row->checkState(0) == Qt::Checked;
}

// Sets the engine's own jobs aside for one run of this page, so that only what the page shows
// checked is wiped, and puts them back (in their order) when the run is over.
class SetAside {
 public:
  explicit SetAside(TWipeEngine& engine) : engine_(engine), jobs_(std::move(engine.Items)) {
    engine_.Items.clear();
  }
  ~SetAside() {
    engine_.ClearItems();
    engine_.Items = std::move(jobs_);
  }
  SetAside(const SetAside&) = delete;
  SetAside& operator=(const SetAside&) = delete;

 private:
  TWipeEngine& engine_;
  std::vector<std::unique_ptr<TWipeItem>> jobs_;
};

void mergeInto(TRunOutcome& total, const TRunOutcome& step) {
  total.aborted = total.aborted || step.aborted;
  total.failures.insert(total.failures.end(), step.failures.begin(), step.failures.end());
  if (total.stoppedIn.empty()) total.stoppedIn = step.stoppedIn;
  total.notReached.insert(total.notReached.end(), step.notReached.begin(), step.notReached.end());
  total.jobs += step.jobs;
}

// Adds a job for a full path to the files or the folders engine, once.
void addJob(TWipeEngine& folders, TWipeEngine& files, bool isFile, const std::string& path) {
  if (!platform::isAbsolutePath(path)) return;
  TWipeEngine& engine = isFile ? files : folders;
  const bool listed = std::any_of(engine.Items.begin(), engine.Items.end(),
                                  [&](const auto& item) { return item->Path == path; });
  if (!listed) engine.AddItem(std::make_unique<TWipeItem>(isFile ? wkFile : wkFolder, path));
}

}  // namespace

TSpecialFoldersPage::TSpecialFoldersPage(TPageHost& host, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TSpecialFoldersPage>()), host_(host) {
  ui->setupUi(this);
  for (auto [list, total] :
       {std::pair{ui->lvAllItems, kTotalColumn}, std::pair{ui->lvRecycleBin, kBinTotalColumn}}) {
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(total - 1, QHeaderView::Stretch);
    header->setSectionResizeMode(total, QHeaderView::Fixed);
    list->setColumnWidth(total, 90);
    list->headerItem()->setTextAlignment(total, Qt::AlignRight | Qt::AlignVCenter);
  }
  ui->lvAllItems->header()->setSectionResizeMode(0, QHeaderView::Interactive);
  ui->lvAllItems->setColumnWidth(0, 180);
  windowsRows_ = new TWindowsRowsFilter(ui->chkSelectAll, QStringLiteral("chkShowWindowsFolders"),
                                        {ui->lvAllItems});
  connect(windowsRows_, &TWindowsRowsFilter::toggled, this,
          &TSpecialFoldersPage::showWhyNothingFound);
  connect(ui->chkSelectAll, &QCheckBox::clicked, this, &TSpecialFoldersPage::chkSelectAllClick);
  connect(ui->chkRecycleBin, &QCheckBox::clicked, this, &TSpecialFoldersPage::chkRecycleBinClick);
  connect(ui->btnSpecialExecute, &QPushButton::clicked, this,
          &TSpecialFoldersPage::btnSpecialExecuteClick);
  connect(ui->btnSpecialClose, &QPushButton::clicked, this,
          &TSpecialFoldersPage::btnSpecialCloseClick);
}

TSpecialFoldersPage::~TSpecialFoldersPage() = default;

void TSpecialFoldersPage::addLocationRow(const QString& caption, const std::string& location,
                                         bool isFile) {
  auto* row = new TPathRow(location);
  row->setText(0, caption);
  row->setText(1, QString::fromLocal8Bit(location));
  row->setToolTip(1, row->text(1));
  row->setIcon(0, style()->standardIcon(isFile ? QStyle::SP_FileIcon : QStyle::SP_DirIcon));
  row->setData(0, kIsFileRole, isFile);
  row->setTextAlignment(kTotalColumn, Qt::AlignRight | Qt::AlignVCenter);
  row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
  row->setCheckState(0, Qt::Unchecked);
  ui->lvAllItems->addTopLevelItem(row);
}

void TSpecialFoldersPage::FillSpecialFolders() {
  ui->lvAllItems->clear();
  platform::Registry& registry = host_.RegistryStore();
  const auto value = [&](const char* name) {
    return registry.readString(platform::kCurrentUser, kShellFolders, name).value_or("");
  };
  // A missing value gives no location at all, never a path relative to nowhere.
  const auto below = [](const std::string& folder, const char* name) {
    return folder.empty() ? std::string() : join(folder, name);
  };
  const std::string local = value("Local Settings");
  addLocationRow(QCoreApplication::translate("TSpecialFoldersPage", "Temporary Internet Files"),
                 below(local, "Temporary Internet Files"), false);
  addLocationRow(QCoreApplication::translate("TSpecialFoldersPage", "History"), value("History"),
                 false);
  addLocationRow(QCoreApplication::translate("TSpecialFoldersPage", "Cookies"), value("Cookies"),
                 false);
  addLocationRow(QCoreApplication::translate("TSpecialFoldersPage", "Favorites"),
                 value("Favorites"), false);
  addLocationRow(QCoreApplication::translate("TSpecialFoldersPage", "Temp"), below(local, "Temp"),
                 false);
  refreshSizes();
}

void TSpecialFoldersPage::AddOperaRows(const std::string& profileFolder) {
  if (profileFolder.empty()) return;
  addLocationRow(QCoreApplication::translate("TSpecialFoldersPage", "Opera Cookies"),
                 join(profileFolder, "cookies4.dat"), true);
  addLocationRow(QCoreApplication::translate("TSpecialFoldersPage", "Opera Internet Cache"),
                 join(profileFolder, "cache4"), false);
  addLocationRow(QCoreApplication::translate("TSpecialFoldersPage", "Opera History"),
                 join(profileFolder, "global.dat"), true);
  addLocationRow(QCoreApplication::translate("TSpecialFoldersPage", "Opera Images"),
                 join(profileFolder, "images"), false);
  refreshSizes();
}

void TSpecialFoldersPage::refreshSizes() {
  QTreeWidget* list = ui->lvAllItems;
  // Wide enough for every caption.
  list->resizeColumnToContents(0);
  list->setColumnWidth(0, std::max(list->columnWidth(0), 180));
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    auto* row = static_cast<TPathRow*>(list->topLevelItem(index));
    const bool isFile = row->data(0, kIsFileRole).toBool();
    const auto info = platform::isAbsolutePath(row->Path)
                          ? host_.Files().info(row->Path)
                          : platform::Result<platform::FileInfo>(std::nullopt);
    // Only what the row stands for can be wiped: a folder for a folder row, a file for a file
    // row, never a link in its place.
    const bool available =
        info && info->kind == (isFile ? platform::EntryKind::File : platform::EntryKind::Folder);
    // A shell folder that names nothing here is hidden behind the filter of such rows.
    if (index < kShellFolderRows) TWindowsRowsFilter::MarkWindowsOnly(row, !available);
    if (!available) {
      row->setText(kTotalColumn, notAvailable());
      row->setCheckState(0, Qt::Unchecked);
      row->setFlags(row->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable));
      row->setToolTip(
          0, QCoreApplication::translate("TSpecialFoldersPage",
                                         "Not found on this system: there is nothing to wipe."));
      continue;
    }
    row->setFlags(row->flags() | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    row->setToolTip(0, QString());
    row->setText(kTotalColumn, FormatSize(isFile ? GetFileSize(host_.Files(), row->Path)
                                                 : GetFolderSize(host_.Files(), row->Path, true)));
  }
  windowsRows_->Apply();
  showWhyNothingFound();
}

void TSpecialFoldersPage::showWhyNothingFound() {
  QTreeWidget* list = ui->lvAllItems;
  bool any = false;
  bool opera = false;
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    const QTreeWidgetItem* row = list->topLevelItem(index);
    if (index >= kShellFolderRows) opera = true;
    if (!row->isHidden() && (row->flags() & Qt::ItemIsEnabled)) any = true;
  }
  // An empty list says why: on Linux the shell's folders name nothing.
  ui->lblNothingFound->setVisible(!any);
  if (any) return;
  ui->lblNothingFound->setText(
      QCoreApplication::translate(
          "TSpecialFoldersPage",
          "Nothing to wipe here: the five shell folders are places of Windows, which "
          "this system does not name%1%2. The trash below is wiped from this page; "
          "browsers' caches and histories from Clean traces.")
          .arg(windowsRows_->Showing()
                   ? QString()
                   : QCoreApplication::translate("TSpecialFoldersPage",
                                                 " (\"Show Windows items\" lists them)"),
               opera ? QString()
                     : QCoreApplication::translate("TSpecialFoldersPage",
                                                   ", and no Opera profile was found")));
}

void TSpecialFoldersPage::FillRecycleBinFolders() {
  QTreeWidget* list = ui->lvRecycleBin;
  // A folder still there keeps its check mark.
  std::vector<std::string> checked;
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    auto* row = static_cast<TPathRow*>(list->topLevelItem(index));
    if (row->checkState(0) == Qt::Checked) checked.push_back(row->Path);
  }
  list->setUpdatesEnabled(false);
  list->clear();
  for (const std::string& trash : host_.TrashFolders()) {
    addRecycleBinFolders(trash, trash, 0);
  }
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    auto* row = static_cast<TPathRow*>(list->topLevelItem(index));
    if (std::find(checked.begin(), checked.end(), row->Path) != checked.end()) {
      row->setCheckState(0, Qt::Checked);
    }
  }
  list->setUpdatesEnabled(true);
}

void TSpecialFoldersPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // What the folders and the trash hold now; not while a run holds the engines.
  if (!host_.MayRun(host_.WipeFolders()) || !host_.MayRun(host_.WipeFiles())) return;
  windowsRows_->Reload();
  FillRecycleBinFolders();
  refreshSizes();
}

void TSpecialFoldersPage::addRecycleBinFolders(const std::string& trash, const std::string& folder,
                                               int depth) {
  auto open = host_.Files().openFolder(folder);
  if (!open) return;
  std::unique_ptr<platform::Folder> current = open.release();
  const auto entries = current->list();
  if (!entries) return;
  const std::string base = AddTrailingBackslash(folder);
  for (const platform::DirEntry& entry : *entries) {
    if (!entry.isFolder()) continue;  // links to folders are not folders of the trash
    const std::string path = base + entry.name;
    auto* row = new TPathRow(path);
    row->setText(0, QString::fromLocal8Bit(path));
    row->setToolTip(0, row->text(0));
    row->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    row->setTextAlignment(kBinTotalColumn, Qt::AlignRight | Qt::AlignVCenter);
    row->setText(kBinTotalColumn, FormatSize(GetFolderSize(host_.Files(), path, true)));
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(0, Qt::Unchecked);
    // Emptying the trashed files empties the descriptions of them too, and a trashed folder
    // takes its description along, so that no entry of the trash describes nothing.
    row->setData(0, kContentsOnlyRole, depth == 0);
    if (depth == 0 && entry.name == "files") {
      row->setData(0, kCompanionFoldersRole, bytesList({trash + "info"}));
      row->setData(0, kCompanionFilesRole, bytesList({trash + "directorysizes"}));
    } else if (depth == 1 && platform::fileNameOf(RemoveTrailingBackslash(base)) == "files") {
      row->setData(0, kCompanionFilesRole,
                   bytesList({trash + "info" + platform::kSeparator + entry.name + ".trashinfo"}));
    }
    ui->lvRecycleBin->addTopLevelItem(row);
    // Only a folder that is still the one listed is walked (never one swapped for a link).
    auto sub = current->openFolder(entry.name, entry.id);
    if (!sub) continue;
    sub.reset();
    addRecycleBinFolders(trash, path, depth + 1);
  }
}

void TSpecialFoldersPage::setCheckable(QTreeWidget* list, Qt::CheckState state) {
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    QTreeWidgetItem* row = list->topLevelItem(index);
    if (row->flags() & Qt::ItemIsUserCheckable) row->setCheckState(0, state);
  }
}

void TSpecialFoldersPage::chkRecycleBinClick() {
  setCheckable(ui->lvRecycleBin, ui->chkRecycleBin->isChecked() ? Qt::Checked : Qt::Unchecked);
}

void TSpecialFoldersPage::chkSelectAllClick() {
  const bool all = ui->chkSelectAll->isChecked();
  setCheckable(ui->lvAllItems, all ? Qt::Checked : Qt::Unchecked);
  ui->chkRecycleBin->setChecked(all);
  chkRecycleBinClick();
}

void TSpecialFoldersPage::btnSpecialCloseClick() {
  emit optionsRequested();
}

QString TSpecialFoldersPage::wipeQuestion(const TWipeEngine& folders,
                                          const TWipeEngine& files) const {
  // A folder inside another one of the run is counted with it, not twice.
  const auto inside = [&](const std::string& path) {
    return std::any_of(folders.Items.begin(), folders.Items.end(), [&](const auto& other) {
      const std::string top = AddTrailingBackslash(other->Path);
      return path.size() > top.size() && path.compare(0, top.size(), top) == 0;
    });
  };
  std::int64_t bytes = 0;
  for (const auto& item : folders.Items) {
    if (!inside(item->Path))
      bytes += std::max<std::int64_t>(0, GetFolderSize(host_.Files(), item->Path, true));
  }
  for (const auto& item : files.Items) {
    if (!inside(item->Path))
      bytes += std::max<std::int64_t>(0, GetFileSize(host_.Files(), item->Path));
  }
  return QCoreApplication::translate("TSpecialFoldersPage", "Wipe %1 (%2)? This cannot be undone.")
      .arg(countText(folders, files), FormatSize(bytes));
}

QString TSpecialFoldersPage::countText(const TWipeEngine& folders, const TWipeEngine& files) {
  QStringList counts;
  if (!folders.Items.empty()) {
    counts << TRunQuestion::CountOf(folders.Items.size(), "folder", "folders");
  }
  if (!files.Items.empty()) counts << TRunQuestion::CountOf(files.Items.size(), "file", "files");
  return counts.join(QCoreApplication::translate("TSpecialFoldersPage", " and "));
}

void TSpecialFoldersPage::btnSpecialExecuteClick() {
  // Nothing ticked: nothing runs, and the page says so rather than that a wipe was completed.
  if (!anyChecked()) {
    host_.PromptService().MessageDialog(
        TMessageKind::Information,
        QCoreApplication::translate("TSpecialFoldersPage",
                                    "No row is ticked: tick the folders to wipe first."));
    return;
  }
  TWipeEngine& folders = host_.WipeFolders();
  TWipeEngine& files = host_.WipeFiles();
  if (!host_.MayRun(folders) || !host_.MayRun(files)) return;
  const std::optional<TRunOutcome> outcome = wipeChecked(folders, files);
  if (!outcome) return;
  emit wipeRunEnded();
  // What was wiped is gone from the lists: the trash is listed again and the sizes read again.
  ui->lvRecycleBin->clear();
  FillRecycleBinFolders();
  ui->chkRecycleBin->setChecked(false);
  refreshSizes();
  if (host_.CloseAfterRun()) return;
  reportWipe(*outcome);
}

std::optional<TRunOutcome> TSpecialFoldersPage::wipeChecked(TWipeEngine& folders,
                                                            TWipeEngine& files) {
  // From the first step to the last, no other page starts the engines or changes their jobs.
  const TEngineHold hold(host_, {&folders, &files});
  const SetAside folderJobs(folders);
  const SetAside fileJobs(files);
  const std::vector<TWipeFailure> notListed = addCheckedJobs(folders, files);
  if (!folders.Items.empty() || !files.Items.empty()) {
    const auto subject = [&] {
      TRunQuestion::TSubject asked;
      asked.question = wipeQuestion(folders, files);
      for (const TWipeEngine* engine : {&folders, &files}) {
        for (const auto& item : engine->Items) asked.about << QString::fromLocal8Bit(item->Path);
      }
      asked.action =
          QCoreApplication::translate("TSpecialFoldersPage", "Wipe ") + countText(folders, files);
      return asked;
    };
    if (!TRunQuestion::Ask(host_.Catalogue(), host_.PromptService(), TQuestionKind::SpecialFolders,
                           subject)) {
      return std::nullopt;
    }
  }
  if (!host_.RunEngine(folders, host_.WarnOnExecutable())) return std::nullopt;
  TRunOutcome outcome = RunOutcomeOf(folders);
  // After a stopped folders run the files are not wiped.
  if (!outcome.aborted && host_.RunEngine(files, host_.WarnOnExecutable()))
    mergeInto(outcome, RunOutcomeOf(files));
  outcome.failures.insert(outcome.failures.end(), notListed.begin(), notListed.end());
  return outcome;
}

bool TSpecialFoldersPage::anyChecked() const {
  for (const QTreeWidget* list : {ui->lvAllItems, ui->lvRecycleBin}) {
    for (int index = 0; index < list->topLevelItemCount(); ++index) {
      if (isChecked(list->topLevelItem(index))) return true;
    }
  }
  return false;
}

std::vector<TWipeFailure> TSpecialFoldersPage::addCheckedJobs(TWipeEngine& folders,
                                                              TWipeEngine& files) {
  std::vector<TWipeFailure> notListed;
  for (int index = 0; index < ui->lvAllItems->topLevelItemCount(); ++index) {
    auto* row = static_cast<TPathRow*>(ui->lvAllItems->topLevelItem(index));
    if (isChecked(row)) addJob(folders, files, row->data(0, kIsFileRole).toBool(), row->Path);
  }
  for (int index = 0; index < ui->lvRecycleBin->topLevelItemCount(); ++index) {
    auto* row = static_cast<TPathRow*>(ui->lvRecycleBin->topLevelItem(index));
    if (!isChecked(row)) continue;
    if (row->data(0, kContentsOnlyRole).toBool()) {
      addEntryJobs(folders, files, row->Path, notListed);
    } else {
      addJob(folders, files, false, row->Path);
    }
    for (const QByteArray& path : row->data(0, kCompanionFoldersRole).value<QByteArrayList>()) {
      addEntryJobs(folders, files, path.toStdString(), notListed);
    }
    for (const QByteArray& path : row->data(0, kCompanionFilesRole).value<QByteArrayList>()) {
      const auto info = host_.Files().info(path.toStdString());
      if (info && info->kind == platform::EntryKind::File) {
        addJob(folders, files, true, path.toStdString());
      }
    }
  }
  return notListed;
}

void TSpecialFoldersPage::addEntryJobs(TWipeEngine& folders, TWipeEngine& files,
                                       const std::string& folder,
                                       std::vector<TWipeFailure>& notListed) {
  const auto info = host_.Files().info(folder);
  if (!info && info.error() == std::errc::no_such_file_or_directory) return;
  if (!info || !info->isFolder()) {
    notListed.push_back({folder, TWipeFailureReason::CannotList, info.error()});
    return;
  }
  auto open = host_.Files().openFolder(folder);
  if (!open) {
    notListed.push_back({folder, TWipeFailureReason::CannotList, open.error()});
    return;
  }
  const std::unique_ptr<platform::Folder> opened = open.release();
  const auto entries = opened->list();
  if (!entries) {
    notListed.push_back({folder, TWipeFailureReason::CannotList, entries.error()});
    return;
  }
  const std::string base = AddTrailingBackslash(folder);
  for (const platform::DirEntry& entry : *entries) {
    addJob(folders, files, !entry.isFolder(), base + entry.name);
  }
}

void TSpecialFoldersPage::reportWipe(const TRunOutcome& outcome) {
  if (!outcome.aborted && outcome.failures.empty()) {
    host_.PromptService().MessageDialog(
        TMessageKind::Information,
        QCoreApplication::translate(
            "TSpecialFoldersPage",
            "The Wipe special folders task has been completed successfully!"));
    return;
  }
  ShowRunOutcome(host_.PromptService(),
                 {QCoreApplication::translate("TSpecialFoldersPage",
                                              "The Wipe special folders task has been aborted!"),
                  QCoreApplication::translate(
                      "TSpecialFoldersPage",
                      "The Wipe special folders task has not been completed. Left behind: %1."),
                  QCoreApplication::translate(
                      "TSpecialFoldersPage",
                      "The Wipe special folders task has been completed successfully!")},
                 outcome);
}
