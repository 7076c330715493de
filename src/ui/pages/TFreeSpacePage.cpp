#include "ui/pages/TFreeSpacePage.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QIcon>
#include <QSocketNotifier>
#include <algorithm>

#include "core/DriveFunctions.h"
#include "core/FreeSpaceLock.h"
#include "core/Helpers.h"
#include "core/TFreeSpacePlace.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "dialogs/PromptService.h"
#include "platform/Drives.h"
#include "platform/FileLock.h"
#include "platform/FileSystem.h"
#include "platform/MountWatch.h"
#include "ui/AdministratorRun.h"
#include "ui/SizeFunctions.h"
#include "ui/WindowDeviceCheck.h"
#include "ui/WipeReport.h"
#include "ui/pages/TEngineHold.h"
#include "ui/pages/TPageHost.h"
#include "ui/pages/TRunQuestion.h"
#include "ui/widgets/TPathRow.h"
#include "ui_TFreeSpacePage.h"

namespace {

// Per row: why the user cannot wipe the drive's free space (empty: they can), and whether the
// administrator could.
constexpr int kWhyNotRole = Qt::UserRole + 20;
constexpr int kAdministratorRole = Qt::UserRole + 21;

// The mount point of a drive root ("/" stays).
std::string mountPointOf(const std::string& root) {
  return root.size() > 1 ? RemoveTrailingBackslash(root) : root;
}

struct Wipeable {
  QString whyNot;  // empty: the user can wipe the drive's free space
  bool administrator = false;
};

Wipeable wipeable(const std::string& root) {
  const auto folder = FreeSpaceFileFolder(root);
  if (folder && !folder->empty()) return {};
  if (folder)
    return {QCoreApplication::translate("TFreeSpacePage", "only the administrator may write there"),
            true};
  if (folder.error() == std::errc::read_only_file_system) {
    return {QCoreApplication::translate("TFreeSpacePage", "mounted read-only"), false};
  }
  const bool refused = folder.error() == std::errc::permission_denied ||
                       folder.error() == std::errc::operation_not_permitted;
  return {QCoreApplication::translate("TFreeSpacePage", "cannot be read: %1")
              .arg(QString::fromLocal8Bit(folder.error().message())),
          refused};
}

// What the page's runs say when they end: every run of the page, the user's own or the
// administrator's, wipes free space.
TRunTexts PageRunTexts() {
  return FreeSpaceRunTexts(
      QCoreApplication::translate("TFreeSpacePage", "The Wipe free space task has been aborted!"),
      QCoreApplication::translate("TFreeSpacePage",
                                  "The Wipe free space task has been completed successfully!"));
}

}  // namespace

TFreeSpacePage::TFreeSpacePage(TPageHost& host, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TFreeSpacePage>()), host_(host) {
  ui->setupUi(this);
  arrangeDriveColumns();
  connect(ui->btnFreeExecute, &QPushButton::clicked, this, &TFreeSpacePage::btnFreeExecuteClick);
  ui->btnFreeAdministrator->setIcon(QIcon(QStringLiteral(":/icons/shield.svg")));
  connect(ui->btnFreeAdministrator, &QPushButton::clicked, this,
          &TFreeSpacePage::btnFreeAdministratorClick);
  connect(ui->lvDriveList, &QTreeWidget::itemSelectionChanged, this,
          &TFreeSpacePage::updateAdministratorButton);
  // The list follows the drives while the program runs.
  mountWatch_ = std::make_unique<platform::MountWatch>();
  if (mountWatch_->descriptor() >= 0) {
    auto* notifier =
        new QSocketNotifier(mountWatch_->descriptor(), QSocketNotifier::Exception, this);
    connect(notifier, &QSocketNotifier::activated, this, &TFreeSpacePage::RefreshDriveList);
  }
}

TFreeSpacePage::~TFreeSpacePage() = default;

void TFreeSpacePage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RefreshDriveList();
}

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

void TFreeSpacePage::showDriveFigures(QTreeWidgetItem* row, const std::string& root) const {
  std::int64_t freeBytes = -1;
  std::int64_t totalBytes = -1;
  // A drive that cannot be asked has no figures: its reason stands in the row instead.
  if (!GetDriveSpace(host_.Files(), root, freeBytes, totalBytes)) {
    row->setText(2, QCoreApplication::translate("TFreeSpacePage", "unknown"));
    row->setText(3, QCoreApplication::translate("TFreeSpacePage", "unknown"));
    return;
  }
  row->setText(2, FormatSize(freeBytes));
  row->setText(3, FormatSize(totalBytes));
}

void TFreeSpacePage::FillDriveList() {
  leftovers_.clear();
  fillRows({}, true, true);
}

void TFreeSpacePage::RefreshDriveList() {
  std::vector<std::pair<std::string, bool>> checks;
  QTreeWidget* list = ui->lvDriveList;
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    auto* row = static_cast<TPathRow*>(list->topLevelItem(index));
    checks.emplace_back(row->Path, row->checkState(0) == Qt::Checked);
  }
  fillRows(checks, false, false);
}

void TFreeSpacePage::fillRows(const std::vector<std::pair<std::string, bool>>& checks,
                              bool checkNew, bool leftovers) {
  const std::vector<std::string> roots = host_.Drives().driveRoots();
  if (roots.empty() && leftovers) return;
  QTreeWidget* list = ui->lvDriveList;
  list->clear();
  for (const std::string& root : roots) {
    if (host_.Drives().driveKind(root) != platform::DriveFixed) continue;
    auto* row = new TPathRow(root);
    row->Volume =
        GetDriveVolume(host_.Files(), root);  // the run wipes this file system and no other
    // Named by its mount point, as the system names it; the device is the tooltip.
    const std::string name = mountPointOf(root);
    const Wipeable can = wipeable(root);
    row->setText(0,
                 QString::fromLocal8Bit(name) +
                     (can.whyNot.isEmpty() ? QString()
                                           : QStringLiteral(" (") + can.whyNot + QLatin1Char(')')));
    row->setText(1, QString::fromLocal8Bit(GetDriveFileSystem(host_.Drives(), root)));
    showDriveFigures(row, root);
    // The list cuts a long name in the middle; the whole one is the tooltip.
    row->setToolTip(
        0, QString::fromLocal8Bit(GetDriveDisplayName(host_.Drives(), root)) +
               (can.whyNot.isEmpty()
                    ? QString()
                    : QCoreApplication::translate("TFreeSpacePage",
                                                  "\nIts free space cannot be wiped: ") +
                          can.whyNot +
                          (can.administrator ? QCoreApplication::translate(
                                                   "TFreeSpacePage", ". Wipe as administrator can.")
                                             : QStringLiteral("."))));
    row->setTextAlignment(1, Qt::AlignCenter);
    row->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    row->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    row->setData(0, kWhyNotRole, can.whyNot);
    row->setData(0, kAdministratorRole, can.administrator);
    const auto seen = std::find_if(checks.begin(), checks.end(),
                                   [&](const auto& check) { return check.first == root; });
    const bool checked = seen != checks.end() ? seen->second : checkNew;
    if (can.whyNot.isEmpty()) {
      row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
      row->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    } else {
      // Shown without a tick, and no tick can be set: a run could not wipe it.
      row->setFlags(row->flags() & ~Qt::ItemIsUserCheckable);
      row->setCheckState(0, Qt::Unchecked);
      for (int column = 0; column < 4; ++column) {
        row->setForeground(column, list->palette().brush(QPalette::Disabled, QPalette::Text));
      }
    }
    list->addTopLevelItem(row);
    if (!leftovers) continue;
    // A drive that a killed run left filled. A file in a folder shared by several listed file
    // systems' figures is named once, for the first.
    for (const TLeftoverFile& file : FindFreeSpaceLeftovers(root)) {
      const bool known = std::any_of(leftovers_.begin(), leftovers_.end(),
                                     [&](const Leftover& seen) { return seen.path == file.Path; });
      if (!known) leftovers_.push_back({file.Path, file.Size, name});
    }
  }
  updateAdministratorButton();
}

void TFreeSpacePage::OfferLeftoverWipe() {
  const std::vector<Leftover> found = std::move(leftovers_);
  leftovers_.clear();
  bool wiped = false;
  for (const Leftover& file : found) {
    const QString question =
        QCoreApplication::translate(
            "TFreeSpacePage",
            "A temporary file of an interrupted free-space wipe was found on %1 (%2). Wipe and "
            "remove it now?")
            .arg(QString::fromLocal8Bit(file.drive),
                 FormatSize(static_cast<std::int64_t>(file.size)));
    const auto subject = [&] {
      return TRunQuestion::TSubject{
          question, QCoreApplication::translate("TFreeSpacePage", "Wipe and remove it"),
          QStringList(QString::fromLocal8Bit(file.path))};
    };
    // An offer of the window's own: always asked.
    if (!TRunQuestion::Ask(host_.Catalogue(), host_.PromptService(), TQuestionKind::FreeSpace,
                           subject, true)) {
      continue;
    }
    wipeLeftover(file.path);
    wiped = true;
  }
  if (!wiped) return;
  // The space the files held is free again.
  QTreeWidget* list = ui->lvDriveList;
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    auto* row = static_cast<TPathRow*>(list->topLevelItem(index));
    showDriveFigures(row, row->Path);
  }
}

void TFreeSpacePage::wipeLeftover(const std::string& path) {
  TWipeEngine& engine = host_.WipeFiles();
  if (!host_.MayRun(engine)) return;
  // Wiped under the free-space lock of its drive: a free-space wipe started since the question
  // has taken the file for its own (or made a new one of that name), and it is left to it.
  platform::FileLock driveLock;
  if (const auto space = platform::fs().diskSpace(path)) {
    auto taken = TakeFreeSpaceLock(space->id.device);
    if (!taken && platform::FileLock::isLockedError(taken.error())) {
      host_.PromptService().MessageDialog(
          TMessageKind::Information,
          QCoreApplication::translate(
              "TFreeSpacePage", "%1 was not wiped: a free-space wipe of its drive is running.")
              .arg(QString::fromLocal8Bit(path)));
      return;
    }
    if (taken) driveLock = std::move(*taken);
  }
  // The jobs listed for the engine wait aside (no list takes jobs while it runs) and come back
  // as they were.
  std::vector<std::unique_ptr<TWipeItem>> listed = std::move(engine.Items);
  engine.Items.clear();
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, path));
  const bool ran = host_.RunEngine(engine, false);
  const TRunOutcome outcome = RunOutcomeOf(engine);
  engine.Items = std::move(listed);
  if (!ran || host_.CloseAfterRun()) return;
  ShowRunOutcome(host_.PromptService(),
                 {QCoreApplication::translate("TFreeSpacePage", "The wipe task has been aborted!"),
                  QCoreApplication::translate(
                      "TFreeSpacePage", "The wipe task has not been completed. Left behind: %1."),
                  QCoreApplication::translate("TFreeSpacePage",
                                              "The wipe task has been completed successfully!")},
                 outcome);
}

std::vector<std::pair<std::string, platform::FileSystemId>> TFreeSpacePage::checkedDrives() const {
  std::vector<std::pair<std::string, platform::FileSystemId>> drives;
  const QTreeWidget* list = ui->lvDriveList;
  for (int index = 0; index < list->topLevelItemCount(); ++index) {
    const auto* row = static_cast<const TPathRow*>(list->topLevelItem(index));
    if (row->checkState(0) == Qt::Checked && (row->flags() & Qt::ItemIsUserCheckable)) {
      drives.emplace_back(row->Path, row->Volume);
    }
  }
  return drives;
}

QString TFreeSpacePage::wipeQuestion(const std::vector<std::string>& roots) const {
  QStringList drives;
  for (const std::string& root : roots) {
    // The mount point and the free space now, which the run fills.
    std::int64_t freeBytes = -1;
    std::int64_t totalBytes = -1;
    GetDriveSpace(host_.Files(), root, freeBytes, totalBytes);
    drives << QStringLiteral("%1 (%2)").arg(QString::fromLocal8Bit(mountPointOf(root)),
                                            FormatSize(freeBytes));
  }
  return QCoreApplication::translate(
             "TFreeSpacePage",
             "Wipe the free space of %1? Other programs cannot write to %2 until it ends.")
      .arg(TRunQuestion::ListOf(drives, 8), QLatin1String(roots.size() == 1 ? "it" : "them"));
}

void TFreeSpacePage::btnFreeExecuteClick() {
  TWipeEngine& engine = host_.FreeSpaceEngine();
  if (!host_.MayRun(engine)) return;
  const auto subject = [this] {
    TRunQuestion::TSubject asked;
    std::vector<std::string> roots;
    for (const auto& [root, volume] : checkedDrives()) {
      roots.push_back(root);
      asked.about << QString::fromLocal8Bit(root) + QLatin1Char(' ') +
                         QString::number(volume.device) + QLatin1Char(':') +
                         QString::number(volume.fsid);
    }
    asked.question = wipeQuestion(roots);
    asked.action = roots.size() == 1
                       ? QCoreApplication::translate("TFreeSpacePage", "Wipe free space of %1")
                             .arg(QString::fromLocal8Bit(mountPointOf(roots.front())))
                       : QCoreApplication::translate("TFreeSpacePage", "Wipe free space of %1")
                             .arg(TRunQuestion::CountOf(roots.size(), "drive", "drives"));
    return asked;
  };
  if (!checkedDrives().empty() && !TRunQuestion::Ask(host_.Catalogue(), host_.PromptService(),
                                                     TQuestionKind::FreeSpace, subject)) {
    return;
  }
  // The checked rows as the question named them are the whole job: nothing else, such as a
  // drive of an earlier run or of the configuration, is wiped without being shown and checked.
  // (The list may have been read again while the question was open: the rows are read now.)
  engine.ClearItems();
  for (const auto& [root, volume] : checkedDrives()) {
    auto item = std::make_unique<TWipeItem>(wkFreeSpace, root);
    item->Volume = volume;
    engine.AddItem(std::move(item));
  }
  if (checkAsAdministrator(engine)) return;
  if (!host_.RunEngine(engine, false)) return;
  const TRunOutcome outcome = RunOutcomeOf(engine);
  engine.ClearItems();
  if (host_.CloseAfterRun()) return;
  RefreshDriveList();  // the figures after the run

  const TRunTexts texts = PageRunTexts();
  ShowRunOutcome(host_.PromptService(), texts, outcome);
  // Drives that only the administrator may fill are offered to a run with those rights.
  std::string report;
  OfferAdministratorFreeSpaceRun(texts, outcome, engine, host_.Catalogue(), &report);
  host_.KeepHandedOverReport(std::move(report));
}

bool TFreeSpacePage::checkAsAdministrator(TWipeEngine& engine) {
  std::vector<std::string> roots;
  for (const auto& item : engine.Items) roots.push_back(item->Path);
  std::string report;
  {
    const TEngineHold hold(host_, {&engine});
    const bool offered = OfferCheckedRunAsAdministrator(
        TAdministratorWork::FreeSpace,
        QCoreApplication::translate(
            "TFreeSpacePage",
            "Checking the device after wiping reads it back, which only the administrator may "
            "do: your own run would leave it \"not verified (needs administrator rights)\". Wipe "
            "the free space of %1 with administrator rights and check the device? You will be "
            "asked for the password. To wipe without the check, turn off \"Check the device "
            "after wiping\" in Options."),
        roots, PageRunTexts(), engine, host_.Catalogue(), &report);
    if (!offered) return false;
  }
  engine.ClearItems();
  host_.KeepHandedOverReport(std::move(report));
  RefreshDriveList();
  return true;
}

void TFreeSpacePage::updateAdministratorButton() {
  const QTreeWidget* list = ui->lvDriveList;
  bool any = false;
  for (int index = 0; index < list->topLevelItemCount() && !any; ++index) {
    any = list->topLevelItem(index)->data(0, kAdministratorRole).toBool();
  }
  const QTreeWidgetItem* selected = list->currentItem();
  ui->btnFreeAdministrator->setVisible(any && !AdministratorLauncher().isEmpty());
  ui->btnFreeAdministrator->setEnabled(selected && selected->isSelected() &&
                                       selected->data(0, kAdministratorRole).toBool());
}

void TFreeSpacePage::btnFreeAdministratorClick() {
  TWipeEngine& engine = host_.FreeSpaceEngine();
  const auto* row = static_cast<const TPathRow*>(ui->lvDriveList->currentItem());
  if (!row || !row->data(0, kAdministratorRole).toBool() || !host_.MayRun(engine)) return;
  // Asked every time, whatever the free-space question's setting: it starts a run with other
  // rights, and the question names the drive as the run will see it.
  std::string report;
  {
    const TEngineHold hold(host_, {&engine});
    RunAsAdministrator(TAdministratorWork::FreeSpace,
                       QCoreApplication::translate(
                           "TFreeSpacePage",
                           "Wipe the free space of %1 with administrator rights? You will be asked "
                           "for the password; other programs cannot write to it until it ends."),
                       {row->Path}, PageRunTexts(), engine, host_.Catalogue(), &report);
  }
  host_.KeepHandedOverReport(std::move(report));
  RefreshDriveList();
}
