#include "ui/pages/TCleanTracesPage.h"

#include <QHeaderView>
#include <QPointer>
#include <QShowEvent>

#include "cleaner/TEraserEngine.h"
#include "cleaner/TScheduledCleanLog.h"
#include "cleaner/TraceItemPlaces.h"
#include "cleaner/TracePathLists.h"
#include "core/TIniFile.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/Translated.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "dialogs/PromptService.h"
#include "ui/SizeFunctions.h"
#include "ui/TfSchedule.h"
#include "ui/TfTracePaths.h"
#include "ui/pages/TPageHost.h"
#include "ui/pages/TRunQuestion.h"
#include "ui/widgets/TWindowsRowsFilter.h"
#include "ui_TCleanTracesPage.h"

namespace {

const char* const kSection = "CleanTraces";
const char* const kOverwriteKey = "OverwriteFiles";
// Per item row: whether the user chose it, kept while the row finds nothing and shows no tick.
constexpr int kChosenRole = Qt::UserRole + 5;

QString Text(const std::string& text) {
  return QString::fromLocal8Bit(text);
}

QString CountText(std::size_t count, std::int64_t bytes) {
  QString text = count == 1 ? QObject::tr("1 item") : QObject::tr("%1 items").arg(count);
  if (bytes > 0) text += QStringLiteral(", ") + FormatSize(bytes);
  return text;
}

// The row's tip: what it found, and where an item whose caption names a Windows place reaches
// on this system.
QString PlaceTip(const TEraser& item, const QString& found) {
  const std::string place = TraceItemPlaces::PlaceOf(item.Name);
  if (place.empty()) return found;
  const QString reach = QObject::tr("On this system: %1").arg(QString::fromUtf8(place));
  return found.isEmpty() ? reach : found + QLatin1Char('\n') + reach;
}

}  // namespace

TCleanTracesPage::TCleanTracesPage(TPageHost& host, TEraserEngine& engine, QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::TCleanTracesPage>()),
      host_(host),
      engine_(&engine),
      run_(std::make_unique<TCleaningRun>(engine)) {
  ui->setupUi(this);
  ui->tvTraceItems->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  ui->tvTraceItems->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  ui->tvTraceItems->header()->setStretchLastSection(false);
  ui->lvCleanOutcome->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  ui->lvCleanOutcome->header()->setStretchLastSection(false);
  ui->splCleanTraces->setStretchFactor(0, 3);
  ui->splCleanTraces->setStretchFactor(1, 2);
  ui->pbCleaning->setVisible(false);
  connect(ui->btnPreviewTraces, &QPushButton::clicked, this,
          &TCleanTracesPage::btnPreviewTracesClick);
  connect(ui->btnCleanTraces, &QPushButton::clicked, this, &TCleanTracesPage::btnCleanTracesClick);
  connect(ui->btnRefreshTraces, &QPushButton::clicked, this,
          &TCleanTracesPage::RefreshAvailability);
  connect(ui->btnStopCleaning, &QPushButton::clicked, this,
          &TCleanTracesPage::btnStopCleaningClick);
  connect(ui->tvTraceItems, &QTreeWidget::itemChanged, this,
          &TCleanTracesPage::tvTraceItemsChanged);
  connect(ui->chkOverwriteTraces, &QCheckBox::toggled, this,
          &TCleanTracesPage::chkOverwriteTracesToggled);
  connect(ui->btnSchedule, &QPushButton::clicked, this, &TCleanTracesPage::btnScheduleClick);
  connect(ui->btnTracePaths, &QPushButton::clicked, this, &TCleanTracesPage::btnTracePathsClick);
  windowsRows_ = new TWindowsRowsFilter(ui->chkOverwriteTraces,
                                        QStringLiteral("chkShowWindowsTraces"), {ui->tvTraceItems});
  filling_ = true;
  ui->tvTraceItems->clear();
  // The row of each item at its place in the catalogue; a group shows the items added to it
  // later after its first ones.
  rows_.assign(engine.Erasers.size(), nullptr);
  const TIniFile settings = TIniFile(host_.SettingsFile());
  for (const TTraceGroup& group : TEraserEngine::Groups()) {
    auto* top = new QTreeWidgetItem(ui->tvTraceItems, {tr(group.Caption)});
    top->setFlags(Qt::ItemIsEnabled);
    top->setFirstColumnSpanned(true);
    for (std::size_t i : group.Items()) {
      if (i >= engine.Erasers.size()) continue;
      TEraser& item = *engine.Erasers[i];
      auto* row = new QTreeWidgetItem(top, {Text(item.ShownCaption())});
      row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      const bool checked = settings.ReadBool(kSection, item.Name, item.Enabled);
      row->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
      row->setData(0, kChosenRole, checked);
      row->setToolTip(0, PlaceTip(item, {}));
      TWindowsRowsFilter::MarkWindowsOnly(row, TraceItemPlaces::WindowsOnly(item.Name));
      rows_[i] = row;
    }
  }
  ui->tvTraceItems->expandAll();
  windowsRows_->Apply();
  ui->chkOverwriteTraces->setChecked(settings.ReadBool(kSection, kOverwriteKey, false));
  filling_ = false;
  applyPathLists();
  loadSchedule();
}

void TCleanTracesPage::applyPathLists() {
  TTracePathLists lists;
  lists.Read(TIniFile(host_.SettingsFile()));
  engine_->KeepPaths = lists.Keep;
  engine_->CustomPaths = lists.Custom;
}

void TCleanTracesPage::btnTracePathsClick() {
  if (!engine_ || Running()) return;
  if (!pathsDialog_) pathsDialog_ = std::make_unique<TfTracePaths>(this);
  TTracePathLists lists;
  lists.Read(TIniFile(host_.SettingsFile()));
  pathsDialog_->SetLists(lists);
  if (pathsDialog_->exec() != QDialog::Accepted) return;
  // The lists hold only once kept: a keep list the settings file could not keep would not be
  // honoured by the scheduled clean.
  try {
    pathsDialog_->Lists().Write(host_.SettingsFile());
  } catch (const std::exception& error) {
    host_.PromptService().MessageDialog(
        TMessageKind::Warning,
        tr("The paths could not be kept, nothing changed: %1").arg(Text(error.what())));
    return;
  }
  applyPathLists();
  RefreshAvailability();
}

TCleanTracesPage::~TCleanTracesPage() = default;

void TCleanTracesPage::keepChoice(const std::string& key, bool value) {
  try {
    TIniFile settings = TIniFile(host_.SettingsFile());
    settings.WriteBool(kSection, key, value);
  } catch (const std::exception& error) {
    if (choiceWarned_) return;
    choiceWarned_ = true;
    host_.PromptService().MessageDialog(
        TMessageKind::Warning,
        tr("The choice holds until the program ends, but the settings file could not keep "
           "it: %1")
            .arg(Text(error.what())));
  }
}

void TCleanTracesPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // What the items find is worked out again each time the page is shown: a run of another page,
  // or the programs the user ran meanwhile, may have changed it.
  windowsRows_->Reload();
  RefreshAvailability();
}

void TCleanTracesPage::RefreshAvailability() {
  if (!engine_ || Running()) return;
  applyPathLists();
  std::vector<TEraser*> all;
  for (const auto& item : engine_->Erasers) all.push_back(item.get());
  ui->lblCleaningStatus->setText(tr("Looking for traces..."));
  setRunning(true);
  run_->Run(all, true);
  setRunning(false);
  filling_ = true;
  found_.assign(rows_.size(), TItemSummary{});
  for (std::size_t i = 0; i < rows_.size() && i < all.size(); ++i) {
    const TItemSummary summary = run_->Summary(all[i]->Name);
    found_[i] = summary;
    QTreeWidgetItem* row = rows_[i];
    if (!row) continue;
    const bool found = summary.Count > 0 || summary.Left > 0;
    row->setDisabled(!found);
    // A row that finds nothing shows no tick; the user's own comes back when it finds some.
    row->setCheckState(0,
                       found && row->data(0, kChosenRole).toBool() ? Qt::Checked : Qt::Unchecked);
    // An item of a place only Windows has stays out of sight unless it found something.
    TWindowsRowsFilter::MarkWindowsOnly(row, !found && TraceItemPlaces::WindowsOnly(all[i]->Name));
    if (found) {
      QString text = summary.Count > 0 ? CountText(summary.Count, summary.Bytes) : QString();
      if (summary.Left > 0) {
        if (!text.isEmpty()) text += QStringLiteral("; ");
        text += tr("%1 in use or out of reach").arg(summary.Left);
      }
      row->setText(1, text);
      row->setToolTip(0, PlaceTip(*all[i], QString()));
    } else {
      row->setText(1, tr("nothing to clean"));
      row->setToolTip(0, PlaceTip(*all[i], tr("Nothing of this kind was found on this system.")));
    }
  }
  windowsRows_->Apply();
  filling_ = false;
  engine_->ClearRecords();
  ui->lblCleaningStatus->clear();
}

std::vector<TEraser*> TCleanTracesPage::checkedItems() const {
  std::vector<TEraser*> items;
  if (!engine_) return items;
  for (std::size_t i = 0; i < rows_.size() && i < engine_->Erasers.size(); ++i) {
    // A row out of sight is not cleaned: the user cannot see that it is checked.
    if (rows_[i] && !rows_[i]->isDisabled() && !TWindowsRowsFilter::OutOfSight(rows_[i]) &&
        rows_[i]->checkState(0) == Qt::Checked) {
      items.push_back(engine_->Erasers[i].get());
    }
  }
  return items;
}

void TCleanTracesPage::setRunning(bool running) {
  ui->pbCleaning->setVisible(running);
  ui->btnPreviewTraces->setEnabled(!running);
  ui->btnRefreshTraces->setEnabled(!running);
  ui->btnCleanTraces->setEnabled(!running);
  ui->btnStopCleaning->setEnabled(running);
}

bool TCleanTracesPage::runChecked(bool preview) {
  return runItems(checkedItems(), preview, ui->chkOverwriteTraces->isChecked(), QString());
}

bool TCleanTracesPage::runItems(const std::vector<TEraser*>& items, bool preview, bool overwrite,
                                const QString& statusPrefix) {
  ui->lvCleanOutcome->clear();
  applyPathLists();
  // An engine of its own that wipes with the file engine's method (found by its name), so that a
  // run of the Delete page is never disturbed.
  TWipeEngine overwriting(host_.WipeFiles().Name);
  // Events are handled between its blocks as between the cleaner's entries.
  WipeRun overwriteRun =
      WipeRun::For(overwriting, host_.Catalogue(),
                   engine_->Services ? *engine_->Services : SilentWipeServices());
  engine_->Overwrite = !preview && overwrite ? &overwriting : nullptr;
  engine_->OverwriteRun = engine_->Overwrite ? &overwriteRun : nullptr;
  ui->pbCleaning->setRange(0, static_cast<int>(items.size()));
  setRunning(true);
  run_->ClearJournals = host_.Catalogue().EraseJournalNames;
  const bool finished = run_->Run(
      items, preview,
      [this, statusPrefix](std::size_t index, const TEraser& item) {
        ui->pbCleaning->setValue(static_cast<int>(index));
        ui->lblCleaningStatus->setText(statusPrefix + Text(item.ShownCaption()));
      },
      [this] { ui->lblCleaningStatus->setText(QString::fromStdString(Tr(kClearingJournalText))); });
  ui->pbCleaning->setValue(finished ? ui->pbCleaning->maximum() : ui->pbCleaning->value());
  setRunning(false);
  engine_->Overwrite = nullptr;
  engine_->OverwriteRun = nullptr;
  return finished;
}

void TCleanTracesPage::showRecords(bool preview) {
  std::int64_t bytes = 0;
  auto captionOf = [this](const std::string& name) {
    for (const auto& item : engine_->Erasers) {
      if (item->Name == name) return Text(item->ShownCaption());
    }
    return Text(name);
  };
  QList<QTreeWidgetItem*> rows;
  for (const TCleanRecord& record : engine_->Left) {
    auto* row =
        new QTreeWidgetItem({captionOf(record.Item), Text(record.What), Text(record.Reason)});
    row->setForeground(2, palette().brush(QPalette::Active, QPalette::Link));
    row->setToolTip(1, Text(record.What));
    rows.push_back(row);
  }
  for (const TCleanRecord& record : engine_->Removed) {
    bytes += static_cast<std::int64_t>(record.Size);
    auto* row = new QTreeWidgetItem(
        {captionOf(record.Item), Text(record.What),
         record.Size > 0 ? FormatSize(static_cast<std::int64_t>(record.Size)) : QString()});
    row->setToolTip(1, Text(record.What));
    rows.push_back(row);
  }
  ui->lvCleanOutcome->addTopLevelItems(rows);
  ui->lvCleanOutcome->resizeColumnToContents(0);
  const QString removed = CountText(engine_->Removed.size(), bytes);
  QString status = preview ? tr("Would remove %1.").arg(removed) : tr("Removed %1.").arg(removed);
  if (!engine_->Left.empty()) {
    status += QStringLiteral(" ") + (preview ? tr("%1 cannot be removed now (listed first).")
                                             : tr("%1 could not be removed (listed first)."))
                                        .arg(engine_->Left.size());
  }
  for (const TCleanRecord& note : engine_->Notes) {
    status += QStringLiteral("\n") + Text(note.What) + QStringLiteral(": ") + Text(note.Reason);
  }
  ui->lblCleaningStatus->setText(status);
}

bool TCleanTracesPage::mayStart() {
  if (!engine_ || Running()) return false;
  if (!checkedItems().empty()) return true;
  ui->lvCleanOutcome->clear();
  ui->lblCleaningStatus->setText(tr("Check a trace that has something to clean."));
  return false;
}

void TCleanTracesPage::btnPreviewTracesClick() {
  if (!mayStart()) return;
  const bool finished = runChecked(true);
  if (host_.CloseAfterRun()) return;
  showRecords(true);
  if (!finished)
    ui->lblCleaningStatus->setText(tr("Preview stopped. ") + ui->lblCleaningStatus->text());
}

bool TCleanTracesPage::confirmClean() {
  const auto subject = [this] {
    std::size_t count = 0;
    std::uint64_t bytes = 0;
    TRunQuestion::TSubject asked;
    for (std::size_t i = 0; i < rows_.size() && i < engine_->Erasers.size(); ++i) {
      if (!rows_[i] || rows_[i]->isDisabled() || rows_[i]->checkState(0) != Qt::Checked) continue;
      asked.about << Text(engine_->Erasers[i]->ShownCaption());
      if (i < found_.size()) {
        count += found_[i].Count;
        bytes += found_[i].Bytes;
      }
    }
    QString found = TRunQuestion::CountOf(count, "trace", "traces");
    if (bytes > 0) found += QStringLiteral(", ") + FormatSize(static_cast<std::int64_t>(bytes));
    asked.question =
        tr("Remove %1, found by %2 (%3)? This cannot be undone.\nPreview lists each trace first.")
            .arg(found,
                 TRunQuestion::CountOf(static_cast<std::size_t>(asked.about.size()), "item",
                                       "items"),
                 TRunQuestion::ListOf(asked.about));
    asked.action = tr("Remove %1").arg(TRunQuestion::CountOf(count, "trace", "traces"));
    return asked;
  };
  return TRunQuestion::Ask(host_.Catalogue(), host_.PromptService(), TQuestionKind::Traces,
                           subject);
}

void TCleanTracesPage::btnCleanTracesClick() {
  if (!mayStart() || !confirmClean()) return;
  const bool finished = runChecked(false);
  if (host_.CloseAfterRun()) return;
  showRecords(false);
  const QString outcome = ui->lblCleaningStatus->text();
  const auto left = engine_->Left;
  const auto removed = engine_->Removed;
  RefreshAvailability();
  // The availability check replaced the records; the outcome stays what the run did.
  engine_->Left = left;
  engine_->Removed = removed;
  ui->lblCleaningStatus->setText((finished ? QString() : tr("Stopped. ")) + outcome);
}

void TCleanTracesPage::loadSchedule() {
  schedule_ = TScheduleSettings();
  // A schedule the settings file holds but that cannot be read is not replaced by another: the
  // window runs none, and says why.
  if (!schedule_.Read(TIniFile(host_.SettingsFile())) && schedule_.Problem.empty())
    schedule_.TakeFrom(*engine_->Scheduler);
  const std::string damaged = schedule_.Problem;
  scheduleMode_ = TCleanTimerUnits::ModeFor(schedule_);
  // A schedule whose timer was never installed (the one of prefs.dat, a settings file brought
  // from elsewhere) runs from this window until the dialog installs it.
  if (scheduleMode_ == TScheduleMode::ServiceManager && !TCleanTimerUnits::Installed())
    scheduleMode_ = TScheduleMode::WindowTimer;
  startWindowTimer();
  showScheduleState(
      damaged.empty()
          ? QString()
          : tr("The schedule in the settings file cannot be read: %1").arg(Text(damaged)));
}

void TCleanTracesPage::startWindowTimer() {
  TScheduler& scheduler = *engine_->Scheduler;
  schedule_.ApplyTo(scheduler);
  // The window frees the engine before its pages; a page gone first is never called.
  scheduler.OnSchedule = [page = QPointer<TCleanTracesPage>(this)](TScheduler&) {
    if (page) page->runScheduledClean();
  };
  // Stopped first, so that a new schedule is measured from now.
  scheduler.SetEnabled(false);
  scheduler.SetEnabled(scheduleMode_ == TScheduleMode::WindowTimer);
}

void TCleanTracesPage::showScheduleState(const QString& problem) {
  QString text;
  switch (scheduleMode_) {
    case TScheduleMode::Off:
      text = tr("No scheduled clean.");
      break;
    case TScheduleMode::ServiceManager:
      text = tr("Scheduled cleans are started by the user's service manager (systemd timer "
                "%1), also while Ferrovane is closed.")
                 .arg(QString::fromLatin1(TCleanTimerUnits::TimerName));
      break;
    case TScheduleMode::WindowTimer:
      text =
          tr("No user service manager runs: scheduled cleans are started by this window's "
             "timer while it is open.");
      break;
    case TScheduleMode::Never:
      text = tr("The schedule is on but never falls due: choose a day or a month.");
      break;
  }
  if (scheduleMode_ != TScheduleMode::Off && schedule_.Items.empty())
    text += QStringLiteral(" ") + tr("No trace is chosen for it.");
  if (const std::optional<TScheduledClean> last = TScheduledCleanLog().Last())
    text += QStringLiteral("\n") + Text(last->Summary());
  if (!problem.isEmpty()) text += QStringLiteral("\n") + problem;
  ui->lblScheduleState->setText(text);
}

TfSchedule& TCleanTracesPage::ScheduleDialog() {
  if (!scheduleDialog_) scheduleDialog_ = std::make_unique<TfSchedule>(this);
  return *scheduleDialog_;
}

void TCleanTracesPage::btnScheduleClick() {
  if (!engine_) return;
  std::vector<TfSchedule::TItem> items;
  for (const auto& item : engine_->Erasers) items.emplace_back(item->Name, item->ShownCaption());
  TScheduleSettings shown = schedule_;
  // A schedule without traces of its own starts from the traces checked on the page, those
  // that find nothing today included: a schedule is for the traces of later days.
  if (shown.Items.empty()) {
    for (std::size_t i = 0; i < rows_.size() && i < engine_->Erasers.size(); ++i) {
      if (rows_[i] && rows_[i]->data(0, kChosenRole).toBool())
        shown.Items.push_back(engine_->Erasers[i]->Name);
    }
  }
  TfSchedule& dialog = ScheduleDialog();
  dialog.SetSchedule(shown, items);
  if (dialog.exec() != QDialog::Accepted) return;

  const TScheduleSettings chosen = dialog.Schedule();
  // The timer's clean reads the settings file: a schedule it could not keep changes nothing.
  try {
    chosen.Write(host_.SettingsFile());
  } catch (const std::exception& error) {
    showScheduleState(
        tr("The schedule could not be kept, nothing changed: %1").arg(Text(error.what())));
    return;
  }
  schedule_ = chosen;
  TCleanTimerUnits units(host_.ProgramFolder() + "ferrovane-cli");
  scheduleMode_ = units.Apply(schedule_);
  QStringList problems;
  for (const std::string& problem : units.Problems) problems << Text(problem);
  startWindowTimer();
  showScheduleState(problems.join(QStringLiteral("\n")));
}

void TCleanTracesPage::runScheduledClean() {
  // A run of the page is on: this moment passes, the next one comes.
  if (!engine_ || Running()) return;
  const std::vector<TEraser*> items = schedule_.ChosenItems(*engine_);
  if (items.empty()) return;
  TScheduledClean outcome;
  outcome.When = SystemNow();
  // The scheduled clean overwrites as the page is set, as the one the timer unit starts does.
  const bool finished =
      runItems(items, false, ui->chkOverwriteTraces->isChecked(), tr("Scheduled clean: "));
  outcome.Removed = engine_->Removed.size();
  outcome.Left = engine_->Left.size();
  if (!finished) outcome.Problem = "stopped before the end";
  const std::string logProblem = TScheduledCleanLog().Append(outcome);
  if (host_.CloseAfterRun()) return;
  showRecords(false);
  const QString status = tr("Scheduled clean: ") + ui->lblCleaningStatus->text();
  const auto left = engine_->Left;
  const auto removed = engine_->Removed;
  RefreshAvailability();
  engine_->Left = left;
  engine_->Removed = removed;
  ui->lblCleaningStatus->setText(status);
  showScheduleState(logProblem.empty()
                        ? QString()
                        : tr("The outcome could not be recorded: %1").arg(Text(logProblem)));
}

void TCleanTracesPage::btnStopCleaningClick() {
  Stop();
}

void TCleanTracesPage::Stop() {
  if (run_) run_->Stop();
}

void TCleanTracesPage::tvTraceItemsChanged(QTreeWidgetItem* row, int column) {
  if (filling_ || column != 0 || !engine_) return;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (!row || rows_[i] != row) continue;
    TEraser& item = *engine_->Erasers[i];
    item.Enabled = row->checkState(0) == Qt::Checked;
    row->setData(0, kChosenRole, item.Enabled);
    keepChoice(item.Name, item.Enabled);
    return;
  }
}

void TCleanTracesPage::chkOverwriteTracesToggled(bool checked) {
  if (filling_) return;
  keepChoice(kOverwriteKey, checked);
}
