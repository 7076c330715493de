#include "ui/pages/TRecentFilesPage.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>
#include <array>

#include "cleaner/RecentLists.h"
#include "cleaner/TCleaningRun.h"
#include "cleaner/TracePathLists.h"
#include "core/TIniFile.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/Translated.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "dialogs/PromptService.h"
#include "platform/Registry.h"
#include "ui/TfmAddReg.h"
#include "ui/pages/TPageHost.h"
#include "ui/pages/TRunQuestion.h"
#include "ui/widgets/TPathRow.h"
#include "ui/widgets/TWindowsRowsFilter.h"
#include "ui_TRecentFilesPage.h"

namespace {

// The page's own run lets the windows process their events between registry values and files,
// and turns Stop into a stop of the run; the progress window and questions stay those in use.
class PageEvents final : public IWipeServices {
 public:
  PageEvents(IWipeServices& outer, TCleaningRun& run, const bool& stop)
      : outer_(outer), run_(run), stop_(stop) {}
  std::unique_ptr<IWipeProgress> OpenProgress(TWipeEngine& engine) override {
    return outer_.OpenProgress(engine);
  }
  bool ConfirmWipeExecutable(const std::string& path) override {
    return outer_.ConfirmWipeExecutable(path);
  }
  void ProcessMessages() override {
    QCoreApplication::processEvents();
    if (stop_) run_.Stop();
  }

 private:
  IWipeServices& outer_;
  TCleaningRun& run_;
  const bool& stop_;
};

QString q(const std::string& text) {
  return QString::fromLocal8Bit(text);
}

// The overwrite choice of the Clean traces page, and the engine whose method it uses.
const char* const kTracesSection = "CleanTraces";
const char* const kOverwriteKey = "OverwriteFiles";
const char* const kFilesEngine = "WipeFiles";

// Per known row: the check mark the user chose, kept while the row cannot run.
constexpr int kWantedRole = Qt::UserRole + 1;

// The names a search looks for below each key, in order of preference.
const std::array<const char*, 3> kMruNames = {"Recent File List", "Recent Files", "File Name MRU"};

const std::vector<TRecentList>& knownLists() {
  return RecentLists::All();
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
  // A second column says where a list is kept on this system.
  ui->lvMRU->setColumnCount(2);
  ui->lvMRU->setHeaderLabels({tr("Name"), tr("On this system")});
  ui->lvMRU->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  ui->lvMRU->header()->setStretchLastSection(true);
  for (const TRecentList& list : knownLists()) {
    auto* row = new QTreeWidgetItem(ui->lvMRU, QStringList(QString::fromUtf8(Tr(list.Caption))));
    row->setIcon(0, icon);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(0, Qt::Checked);
    if (list.LinuxPlace) {
      row->setText(1, QString::fromUtf8(Tr(list.LinuxPlace)));
    } else {
      row->setText(1, list.Kind == TRecentListKind::None ? tr("kept only by Windows")
                                                         : tr("Windows registry list"));
    }
  }
  windowsRows_ =
      new TWindowsRowsFilter(ui->chkMRU, QStringLiteral("chkShowWindowsRecent"), {ui->lvMRU});
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
    const TRecentList& list = knownLists()[index];
    QTreeWidgetItem* row = ui->lvMRU->topLevelItem(static_cast<int>(index));
    const bool something = RecentLists::Holds(list, host_.RegistryStore());
    // A list only Windows keeps is out of sight unless it holds something here after all.
    TWindowsRowsFilter::MarkWindowsOnly(row, !list.LinuxPlace && !something);
    // A row that cannot run shows no tick; the user's own check mark comes back with its list.
    if (!something && !row->isDisabled()) {
      row->setData(0, kWantedRole, static_cast<int>(row->checkState(0)));
      row->setCheckState(0, Qt::Unchecked);
    } else if (something && row->isDisabled()) {
      row->setCheckState(0, static_cast<Qt::CheckState>(row->data(0, kWantedRole).toInt()));
    }
    row->setDisabled(!something);
    if (something) {
      row->setToolTip(0, QString());
    } else if (list.Kind == TRecentListKind::Desktop) {
      row->setToolTip(
          0, QCoreApplication::translate("TRecentFilesPage",
                                         "The desktop's lists of recently used files are empty."));
    } else if (list.Kind == TRecentListKind::None) {
      row->setToolTip(0, QCoreApplication::translate("TRecentFilesPage",
                                                     "This list is not kept on this system."));
    } else {
      row->setToolTip(0, QCoreApplication::translate("TRecentFilesPage",
                                                     "This list holds nothing on this system."));
    }
  }
  windowsRows_->Apply();
}

bool TRecentFilesPage::progressStep(const QString& text) {
  ui->lblProgress4->setText(text);
  QCoreApplication::processEvents();
  return RecentStopRequested;
}

void TRecentFilesPage::failed(const std::string& what, const std::string& reason) {
  failures_.push_back(what + " (" + reason + ")");
}

void TRecentFilesPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!busy_) {
    windowsRows_->Reload();
    UpdateKnownRows();
  }
}

void TRecentFilesPage::setBusy(bool busy) {
  busy_ = busy;
  for (QWidget* control : std::initializer_list<QWidget*>{
           ui->chkMRU, ui->chkOtherMRU, ui->btnRegSearch, ui->btnAddKey, ui->btnRecentExecute,
           static_cast<QWidget*>(windowsRows_->Box())}) {
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

bool TRecentFilesPage::stillHolds(const TCleanTask& task) const {
  if (task.known != kOtherList)
    return RecentLists::Holds(knownLists()[task.known], host_.RegistryStore());
  return RecentLists::KeyHolds(task.key, host_.RegistryStore());
}

std::string TRecentFilesPage::taskName(const TCleanTask& task) {
  return task.known == kOtherList ? task.key : Tr(knownLists()[task.known].Caption);
}

void TRecentFilesPage::btnRecentExecuteClick() {
  if (busy_) return;
  // What each list holds is looked at now, not as it was when the page was filled.
  UpdateKnownRows();
  std::vector<TCleanTask> tasks = checkedTasks();
  if (!tasks.empty() && !confirmClean(tasks)) return;
  setBusy(true);
  RecentStopRequested = false;
  failures_.clear();
  const TCleanResult result = runClean(tasks);
  setBusy(false);
  UpdateKnownRows();
  reportClean(tasks, result);
}

std::vector<TRecentFilesPage::TCleanTask> TRecentFilesPage::checkedTasks() const {
  std::vector<TCleanTask> tasks;
  for (std::size_t index = 0; index < knownLists().size(); ++index) {
    const QTreeWidgetItem* row = ui->lvMRU->topLevelItem(static_cast<int>(index));
    // A list out of sight is not cleaned: the user cannot see that it is checked.
    if (!row->isDisabled() && !row->isHidden() && row->checkState(0) == Qt::Checked) {
      tasks.push_back({index, {}});
    }
  }
  for (int index = 0; index < ui->lvOtherMRU->topLevelItemCount(); ++index) {
    const auto* row = static_cast<TPathRow*>(ui->lvOtherMRU->topLevelItem(index));
    if (row->checkState(0) == Qt::Checked) tasks.push_back({kOtherList, row->Path});
  }
  return tasks;
}

bool TRecentFilesPage::confirmClean(const std::vector<TCleanTask>& tasks) {
  const auto subject = [&tasks] {
    TRunQuestion::TSubject asked;
    for (const TCleanTask& task : tasks) asked.about << q(taskName(task));
    const QString what = TRunQuestion::CountOf(tasks.size(), "list of recently used files",
                                               "lists of recently used files");
    asked.question =
        QCoreApplication::translate("TRecentFilesPage", "Clear %1 (%2)? This cannot be undone.")
            .arg(what, TRunQuestion::ListOf(asked.about));
    asked.action = QCoreApplication::translate("TRecentFilesPage", "Clear %1")
                       .arg(TRunQuestion::CountOf(tasks.size(), "list", "lists"));
    return asked;
  };
  return TRunQuestion::Ask(host_.Catalogue(), host_.PromptService(), TQuestionKind::RecentFiles,
                           subject);
}

TRecentFilesPage::TCleanResult TRecentFilesPage::runClean(std::vector<TCleanTask>& tasks) {
  // The cleaner's items of the lists, in an engine of this clean's own.
  TCustomEraserEngine engine;
  std::vector<TEraser*> items;
  for (const TCleanTask& task : tasks) {
    items.push_back(task.known == kOtherList
                        ? RecentLists::AddKeyItem(engine, task.key)
                        : RecentLists::AddItem(engine, knownLists()[task.known]));
  }
  // The overwrite choice of the Clean traces page holds for these lists too: their files are
  // then wiped with the method of the Delete-with-wiping engine, by an engine of their own.
  TWipeEngine overwrite(kFilesEngine);
  TCleaningRun run(engine);
  run.ClearJournals = host_.Catalogue().EraseJournalNames;
  // The page's own events between entries and between the blocks of a wiped file, so that Stop
  // is seen; nothing else of the windows is asked.
  PageEvents events(SilentWipeServices(), run, RecentStopRequested);
  engine.Services = &events;
  WipeRun overwriteRun = WipeRun::For(overwrite, host_.Catalogue(), events);
  // So does its keep list: what the user keeps from every clean stays.
  TTracePathLists lists;
  lists.Read(TIniFile(host_.SettingsFile()));
  engine.KeepPaths = lists.Keep;
  if (TIniFile(host_.SettingsFile()).ReadBool(kTracesSection, kOverwriteKey, false)) {
    engine.Overwrite = &overwrite;
    engine.OverwriteRun = &overwriteRun;
  }
  // The lists are the window's registry's, and every deletion of the clean is written to it in
  // one step at the end of the run.
  engine.Registry = &host_.RegistryStore();
  run_ = &run;
  run.Run(items, false, [&](std::size_t, const TEraser& item) {
    if (progressStep(q(item.ShownCaption()))) run.Stop();
  });
  run_ = nullptr;
  TCleanResult result;
  result.stored = run.RegistryWritten();
  for (const TCleanRecord& left : engine.Left) failed(left.What, left.Reason);
  // What else the user should hear of (a journal that kept the old names, say).
  for (const TCleanRecord& note : engine.Notes) {
    result.notes += q(note.What + ": " + note.Reason) + QLatin1Char('\n');
  }
  for (TCleanTask& task : tasks) {
    const std::string name = task.known == kOtherList ? task.key : knownLists()[task.known].Name;
    task.failed = run.Summary(name).Left > 0;
  }
  return result;
}

void TRecentFilesPage::reportClean(const std::vector<TCleanTask>& tasks,
                                   const TCleanResult& result) {
  if (!result.stored) {
    ui->lblProgress4->clear();
    host_.PromptService().MessageDialog(
        TMessageKind::Warning,
        QCoreApplication::translate(
            "TRecentFilesPage",
            "The registry store could not be written; nothing was removed from it.\n") +
            q(result.stored.error().message()));
    return;
  }
  if (RecentStopRequested) {
    ui->lblProgress4->setText(QCoreApplication::translate("TRecentFilesPage", "Stopped."));
    return;
  }
  // A list that filled again while the clean ran is not clean: it is named, never passed over.
  for (const TCleanTask& task : tasks) {
    if (!task.failed && stillHolds(task)) {
      failed(taskName(task), "still holds entries after the clean");
    }
  }
  ui->lblProgress4->setText(QCoreApplication::translate("TRecentFilesPage", "Done."));
  if (!failures_.empty()) {
    QString details;
    for (const std::string& failure : failures_) details += q(failure) + QLatin1Char('\n');
    details += result.notes;
    host_.PromptService().DetailedMessage(
        TReportKind::Warning,
        QCoreApplication::translate(
            "TRecentFilesPage",
            "The Clear recently used files task has not been completed. Left: %1.")
            .arg(failures_.size()),
        QString(), details.trimmed());
    return;
  }
  const QString done = QCoreApplication::translate(
      "TRecentFilesPage", "The Clear recently used files task has been completed successfully!");
  if (!result.notes.isEmpty()) {
    host_.PromptService().DetailedMessage(TReportKind::Plain, done, QString(),
                                          result.notes.trimmed());
    return;
  }
  host_.PromptService().MessageDialog(TMessageKind::Information, done);
}

void TRecentFilesPage::btnRecentCloseClick() {
  RecentStopRequested = true;
  if (run_) run_->Stop();
}

void TRecentFilesPage::chkMRUClick() {
  const Qt::CheckState state = ui->chkMRU->isChecked() ? Qt::Checked : Qt::Unchecked;
  for (int index = 0; index < ui->lvMRU->topLevelItemCount(); ++index) {
    QTreeWidgetItem* row = ui->lvMRU->topLevelItem(index);
    // A row that cannot run keeps the choice for when its list holds something.
    if (row->isDisabled()) {
      row->setData(0, kWantedRole, static_cast<int>(state));
    } else {
      row->setCheckState(0, state);
    }
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
    ui->lblProgress4->setText(QCoreApplication::translate("TRecentFilesPage", "Search stopped."));
  } else {
    ui->lblProgress4->clear();
  }
}

void TRecentFilesPage::SearchMruKey(const std::string& path) {
  const auto subkeys = host_.RegistryStore().subkeyNames(platform::kCurrentUser, path);
  if (!subkeys) return;
  if (progressStep(q(path))) return;
  for (const char* name : kMruNames) {
    if (host_.RegistryStore().keyExists(platform::kCurrentUser, path + "\\" + name)) {
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
