#include "ui/pages/TRecentFilesPage.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>
#include <array>

#include "cleaner/DesktopRecentFiles.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/PromptService.h"
#include "platform/Registry.h"
#include "ui/TfmAddReg.h"
#include "ui/pages/TPageHost.h"
#include "ui/pages/TRunQuestion.h"
#include "ui/widgets/TPathRow.h"
#include "ui_TRecentFilesPage.h"

namespace {

const std::string kExplorer = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kApplets = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets";

// What the routine of a known row deletes.
enum class TRoutine { None, Values, ValuesAndSubkeys, MountPoints, Desktop };

struct TKnownList {
  const char* caption;
  TRoutine routine;
  std::string key;
  const char* prefix;
};

const std::array<TKnownList, 17>& knownLists() {
  static const std::array<TKnownList, 17> lists = {{
      {"MS Word", TRoutine::None, {}, ""},
      {"WordPad", TRoutine::Values, kApplets + "\\Wordpad\\Recent File List",
       "..\\Wordpad\\Recent File List"},
      {"Microsoft Paint", TRoutine::Values, kApplets + "\\Paint\\Recent File List",
       "..\\Paint\\Recent File List"},
      {"Media Player", TRoutine::Values,
       "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList",
       "..\\MediaPlayer\\Player\\RecentFileList"},
      {"Media Player URLs", TRoutine::Values,
       "\\Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList",
       "..\\MediaPlayer\\Player\\RecentURLList"},
      {"Recent folder", TRoutine::None, {}, ""},
      {"Nethood folder", TRoutine::None, {}, ""},
      {"MS Office Recent", TRoutine::None, {}, ""},
      {"Explorer Recent Documents", TRoutine::ValuesAndSubkeys, kExplorer + "\\RecentDocs",
       "..\\CurrentVersion\\Explorer\\RecentDocs"},
      {"Open/Save MRU", TRoutine::ValuesAndSubkeys, kExplorer + "\\ComDlg32\\OpenSaveMRU",
       "..\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU"},
      {"Last Visited MRU", TRoutine::Values, kExplorer + "\\ComDlg32\\LastVisitedMRU",
       "..\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU"},
      {"Run MRU", TRoutine::Values, kExplorer + "\\RunMRU", "..\\CurrentVersion\\Explorer\\RunMRU"},
      {"Internet Explorer Typed URLs", TRoutine::Values,
       "\\Software\\Microsoft\\Internet Explorer\\TypedURLs",
       "..\\Microsoft\\Internet Explorer\\TypedURLs"},
      {"Opera's URL history", TRoutine::None, {}, ""},
      {"Mount Points", TRoutine::MountPoints, kExplorer + "\\MountPoints2",
       "..\\CurrentVersion\\Explorer\\MountPoints2->"},
      {"Map Network Drive MRU", TRoutine::Values, kExplorer + "\\Map Network Drive MRU",
       "..\\CurrentVersion\\Explorer\\Map Network Drive MRU"},
      {"Recently used files (desktop)", TRoutine::Desktop, {}, ""},
  }};
  return lists;
}

// The names a search looks for below each key, in order of preference.
const std::array<const char*, 3> kMruNames = {"Recent File List", "Recent Files", "File Name MRU"};

platform::Registry& reg() {
  return platform::registry();
}

bool isMountPointName(const std::string& name) {
  return name.size() >= 2 && name[0] == '#' && name[1] == '#';
}

// Whether the routine of a known list has anything to delete here.
bool holdsSomething(const TKnownList& list) {
  switch (list.routine) {
    case TRoutine::None:
      return false;
    case TRoutine::Desktop:
      return DesktopRecentFiles::HasSomethingToClear();
    case TRoutine::MountPoints: {
      const auto names = reg().valueNames(platform::kCurrentUser, list.key);
      return names && std::any_of(names->begin(), names->end(), isMountPointName);
    }
    case TRoutine::ValuesAndSubkeys: {
      const auto keys = reg().subkeyNames(platform::kCurrentUser, list.key);
      if (keys && !keys->empty()) return true;
      [[fallthrough]];
    }
    case TRoutine::Values: {
      const auto names = reg().valueNames(platform::kCurrentUser, list.key);
      return names && !names->empty();
    }
  }
  return false;
}

QString q(const std::string& text) {
  return QString::fromLocal8Bit(text);
}

}  // namespace

TRecentFilesPage::TRecentFilesPage(TPageHost& host, QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::TRecentFilesPage>()),
      host_(host),
      addReg_(new TfmAddReg(this)) {
  ui->setupUi(this);
  ui->btnRemoveSelected->setEnabled(false);
  ui->btnRecentClose->setEnabled(false);  // Stop is there while a clean or search runs
  const QIcon icon = style()->standardIcon(QStyle::SP_FileDialogDetailedView);
  for (const TKnownList& list : knownLists()) {
    auto* row = new QTreeWidgetItem(ui->lvMRU, QStringList(QString::fromLatin1(list.caption)));
    row->setIcon(0, icon);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(0, Qt::Checked);
  }
  UpdateKnownRows();
  connect(ui->chkMRU, &QCheckBox::clicked, this, &TRecentFilesPage::chkMRUClick);
  connect(ui->chkOtherMRU, &QCheckBox::clicked, this, &TRecentFilesPage::chkOtherMRUClick);
  connect(ui->lvOtherMRU, &QTreeWidget::itemSelectionChanged, this,
          &TRecentFilesPage::lvOtherMRUClick);
  connect(ui->btnRegSearch, &QPushButton::clicked, this, &TRecentFilesPage::btnRegSearchClick);
  connect(ui->btnAddKey, &QPushButton::clicked, this, &TRecentFilesPage::btnAddKeyClick);
  connect(ui->btnRemoveSelected, &QPushButton::clicked, this,
          &TRecentFilesPage::btnRemoveSelectedClick);
  connect(ui->btnRecentExecute, &QPushButton::clicked, this,
          &TRecentFilesPage::btnRecentExecuteClick);
  connect(ui->btnRecentClose, &QPushButton::clicked, this, &TRecentFilesPage::btnRecentCloseClick);
}

TRecentFilesPage::~TRecentFilesPage() = default;

void TRecentFilesPage::UpdateKnownRows() {
  for (std::size_t index = 0; index < knownLists().size(); ++index) {
    const TKnownList& list = knownLists()[index];
    QTreeWidgetItem* row = ui->lvMRU->topLevelItem(static_cast<int>(index));
    const bool something = holdsSomething(list);
    // The check mark stays as the user left it; a disabled row is passed over by a clean.
    row->setDisabled(!something);
    if (something) {
      row->setToolTip(0, QString());
    } else if (list.routine == TRoutine::Desktop) {
      row->setToolTip(0, QStringLiteral("The desktop's lists of recently used files are empty."));
    } else if (list.routine == TRoutine::None) {
      row->setToolTip(0, QStringLiteral("This list is not kept on this system."));
    } else {
      row->setToolTip(0, QStringLiteral("This list holds nothing on this system."));
    }
  }
}

bool TRecentFilesPage::progressStep(const QString& text) {
  ui->lblProgress4->setText(text);
  QCoreApplication::processEvents();
  return RecentStopRequested;
}

void TRecentFilesPage::failed(const std::string& what, const std::string& reason) {
  failures_.push_back(what + " (" + reason + ")");
}

void TRecentFilesPage::ClearRegistryValues(const std::string& key, const std::string& prefix) {
  const auto names = reg().valueNames(platform::kCurrentUser, key);
  if (!names) return;
  for (const std::string& name : *names) {
    if (progressStep(q(prefix + "->" + name))) return;
    if (!reg().deleteValue(platform::kCurrentUser, key, name)) {
      failed(key + "->" + name, "could not be deleted");
    }
  }
}

void TRecentFilesPage::ClearRegistrySubkeys(const std::string& key, const std::string& prefix) {
  const auto names = reg().subkeyNames(platform::kCurrentUser, key);
  if (!names) return;
  for (const std::string& name : *names) {
    if (progressStep(q(prefix + name))) return;
    if (!reg().deleteKeyTree(platform::kCurrentUser, key + "\\" + name)) {
      failed(key + "\\" + name, "could not be deleted");
    }
  }
}

void TRecentFilesPage::ClearMountPoints() {
  const TKnownList& list = knownLists()[14];
  const auto names = reg().valueNames(platform::kCurrentUser, list.key);
  if (!names) return;
  for (const std::string& name : *names) {
    if (progressStep(q(list.prefix + name))) return;
    if (isMountPointName(name) && !reg().deleteValue(platform::kCurrentUser, list.key, name)) {
      failed(list.key + "->" + name, "could not be deleted");
    }
  }
}

void TRecentFilesPage::ClearOtherMruKey(const std::string& key) {
  ClearRegistryValues(key, key);
}

void TRecentFilesPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!busy_) UpdateKnownRows();
}

void TRecentFilesPage::setBusy(bool busy) {
  busy_ = busy;
  for (QWidget* control : std::initializer_list<QWidget*>{
           ui->chkMRU, ui->chkOtherMRU, ui->btnRegSearch, ui->btnAddKey, ui->btnRecentExecute}) {
    control->setEnabled(!busy);
  }
  ui->btnRecentClose->setEnabled(busy);
  // Check marks are read when a clean starts; the rows stay readable but cannot change.
  for (QTreeWidget* list : {ui->lvMRU, ui->lvOtherMRU}) {
    for (int index = 0; index < list->topLevelItemCount(); ++index) {
      QTreeWidgetItem* row = list->topLevelItem(index);
      row->setFlags(busy ? row->flags() & ~Qt::ItemIsUserCheckable
                         : row->flags() | Qt::ItemIsUserCheckable);
    }
  }
  lvOtherMRUClick();
}

void TRecentFilesPage::cleanTask(TCleanTask& task) {
  const std::size_t before = failures_.size();
  if (task.known == kOtherList) {
    ClearOtherMruKey(task.key);
  } else {
    const TKnownList& list = knownLists()[task.known];
    switch (list.routine) {
      case TRoutine::None:
        break;
      case TRoutine::Values:
        ClearRegistryValues(list.key, list.prefix);
        break;
      case TRoutine::ValuesAndSubkeys:
        ClearRegistryValues(list.key, list.prefix);
        if (!RecentStopRequested) ClearRegistrySubkeys(list.key, std::string(list.prefix) + "->");
        break;
      case TRoutine::MountPoints:
        ClearMountPoints();
        break;
      case TRoutine::Desktop: {
        const auto outcome = DesktopRecentFiles::Clear(
            [this] { return progressStep(QStringLiteral("Recently used files (desktop)")); });
        for (const auto& failure : outcome.Failures) failed(failure.Path, failure.Reason);
        break;
      }
    }
  }
  task.failed = failures_.size() > before;
}

bool TRecentFilesPage::stillHolds(const TCleanTask& task) {
  if (task.known != kOtherList) return holdsSomething(knownLists()[task.known]);
  const auto names = reg().valueNames(platform::kCurrentUser, task.key);
  return names && !names->empty();
}

std::string TRecentFilesPage::taskName(const TCleanTask& task) {
  return task.known == kOtherList ? task.key : knownLists()[task.known].caption;
}

void TRecentFilesPage::btnRecentExecuteClick() {
  if (busy_) return;
  // What each list holds is looked at now, not as it was when the page was filled.
  UpdateKnownRows();
  std::vector<TCleanTask> tasks;
  for (std::size_t index = 0; index < knownLists().size(); ++index) {
    const QTreeWidgetItem* row = ui->lvMRU->topLevelItem(static_cast<int>(index));
    if (!row->isDisabled() && row->checkState(0) == Qt::Checked) tasks.push_back({index, {}});
  }
  for (int index = 0; index < ui->lvOtherMRU->topLevelItemCount(); ++index) {
    const auto* row = static_cast<TPathRow*>(ui->lvOtherMRU->topLevelItem(index));
    if (row->checkState(0) == Qt::Checked) tasks.push_back({kOtherList, row->Path});
  }
  if (!tasks.empty()) {
    QStringList names;
    for (const TCleanTask& task : tasks) names << q(taskName(task));
    const QString question =
        QStringLiteral("Clear %1 (%2)? This cannot be undone.")
            .arg(TRunQuestion::CountOf(tasks.size(), "list of recently used files",
                                       "lists of recently used files"),
                 TRunQuestion::ListOf(names));
    if (!TRunQuestion::Ask(host_.Catalogue(), host_.PromptService(), question)) return;
  }
  setBusy(true);
  RecentStopRequested = false;
  failures_.clear();
  // Every deletion of the clean is written to the registry store in one step at its end.
  reg().beginBatch();
  for (TCleanTask& task : tasks) {
    if (RecentStopRequested) break;
    cleanTask(task);
    QCoreApplication::processEvents();
  }
  const bool stored = reg().endBatch();
  setBusy(false);
  UpdateKnownRows();
  if (!stored) {
    ui->lblProgress4->clear();
    host_.PromptService().MessageDialog(
        TMessageKind::Warning,
        QStringLiteral("The registry store could not be written; nothing was removed from it.\n") +
            q(reg().problem()));
    return;
  }
  if (RecentStopRequested) {
    ui->lblProgress4->setText(QStringLiteral("Stopped."));
    return;
  }
  // A list that filled again while the clean ran is not clean: it is named, never passed over.
  for (const TCleanTask& task : tasks) {
    if (!task.failed && stillHolds(task)) {
      failed(taskName(task), "still holds entries after the clean");
    }
  }
  ui->lblProgress4->setText(QStringLiteral("Done."));
  if (!failures_.empty()) {
    QString details;
    for (const std::string& failure : failures_) details += q(failure) + QLatin1Char('\n');
    host_.PromptService().DetailedMessage(
        TReportKind::Warning,
        QStringLiteral("The Clear recently used files task has not been completed. Left: %1.")
            .arg(failures_.size()),
        QString(), details.trimmed());
    return;
  }
  host_.PromptService().MessageDialog(
      TMessageKind::Information,
      QStringLiteral("The Clear recently used files task has been completed successfully!"));
}

void TRecentFilesPage::btnRecentCloseClick() {
  RecentStopRequested = true;
}

void TRecentFilesPage::chkMRUClick() {
  const Qt::CheckState state = ui->chkMRU->isChecked() ? Qt::Checked : Qt::Unchecked;
  for (int index = 0; index < ui->lvMRU->topLevelItemCount(); ++index) {
    ui->lvMRU->topLevelItem(index)->setCheckState(0, state);
  }
}

void TRecentFilesPage::chkOtherMRUClick() {
  const Qt::CheckState state = ui->chkOtherMRU->isChecked() ? Qt::Checked : Qt::Unchecked;
  for (int index = 0; index < ui->lvOtherMRU->topLevelItemCount(); ++index) {
    ui->lvOtherMRU->topLevelItem(index)->setCheckState(0, state);
  }
}

void TRecentFilesPage::lvOtherMRUClick() {
  ui->btnRemoveSelected->setEnabled(!busy_ && !ui->lvOtherMRU->selectedItems().isEmpty());
}

void TRecentFilesPage::addOtherRow(const std::string& key, bool checked) {
  auto* row = new TPathRow(key);
  row->setText(0, q(key));
  row->setToolTip(0, row->text(0));
  row->setIcon(0, style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
  row->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
  ui->lvOtherMRU->addTopLevelItem(row);
}

void TRecentFilesPage::btnRegSearchClick() {
  if (busy_) return;
  setBusy(true);
  RecentStopRequested = false;
  SearchOtherMruLists();
  setBusy(false);
}

void TRecentFilesPage::SearchOtherMruLists() {
  ui->lvOtherMRU->clear();
  SearchMruKey(std::string());
  if (RecentStopRequested) {
    ui->lblProgress4->setText(QStringLiteral("Search stopped."));
  } else {
    ui->lblProgress4->clear();
  }
}

void TRecentFilesPage::SearchMruKey(const std::string& path) {
  const auto subkeys = reg().subkeyNames(platform::kCurrentUser, path);
  if (!subkeys) return;
  if (progressStep(q(path))) return;
  for (const char* name : kMruNames) {
    if (reg().keyExists(platform::kCurrentUser, path + "\\" + name)) {
      addOtherRow(path + "\\" + name, ui->chkOtherMRU->isChecked());
      break;
    }
  }
  for (const std::string& name : *subkeys) {
    SearchMruKey(path + "\\" + name);
    if (RecentStopRequested) return;
  }
}

void TRecentFilesPage::btnAddKeyClick() {
  if (busy_) return;
  addReg_->exec();
  const std::string key = addReg_->KeyName();
  if (addReg_->Accepted && !key.empty()) addOtherRow(key, false);
}

void TRecentFilesPage::btnRemoveSelectedClick() {
  // A clean or a search holds on to the list's keys: nothing is removed while either runs.
  if (busy_) return;
  const auto selected = ui->lvOtherMRU->selectedItems();
  if (selected.isEmpty()) return;
  QTreeWidget* list = ui->lvOtherMRU;
  const int place = list->indexOfTopLevelItem(selected.first());
  delete selected.first();
  // The row now in that place is selected, so that Remove can be pressed again.
  const int rows = list->topLevelItemCount();
  if (rows > 0) {
    list->setCurrentItem(list->topLevelItem(std::min(place, rows - 1)), 0,
                         QItemSelectionModel::ClearAndSelect);
  }
  lvOtherMRUClick();
}
