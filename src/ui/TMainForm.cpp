// The main window's frame: start-up, the header and strip, the About page and closing.

#include "ui/TMainForm.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QTabBar>
#include <algorithm>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "cleaner/TEraserEngine.h"
#include "core/Helpers.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "ui/DesktopShell.h"
#include "ui/OperaProfile.h"
#include "ui/ProgramResources.h"
#include "ui/PromptService.h"
#include "ui_TMainForm.h"

namespace {

const QString kSite = QStringLiteral("https://ferrovane.example.org");
const QString kProductName = QStringLiteral("Ferrovane");
const char* const kUpdaterName = "HalvorineUpdater";
// readme.txt is a short text; anything larger is not it.
constexpr std::uint64_t kMaxReadmeBytes = 4 << 20;

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::TMainForm>()),
      runner_([](TWipeEngine& engine) { engine.Execute(); }) {
  InitProgramResources();
  ui->setupUi(this);
  // The About page is reached through the About button only.
  ui->MainPage->setTabVisible(ui->MainPage->indexOf(ui->tabAbout), false);
  // Wide enough for every tab, whatever the font.
  resize(std::max(width(), ui->MainPage->tabBar()->sizeHint().width() + 16), height());
  ui->lvFiles->setColumnWidth(0, 180);
  ui->lvFolders->setColumnWidth(0, 180);
  arrangeDriveColumns();
  connectHandlers();

  FillDriveList();
  // The rows of the special folders and of the recycle bin's folders are filled here, before
  // the cleaner is created, once the special-folders page has them.

  cleanerEngine_ = std::make_unique<TEraserEngine>();
  cleanerEngine_->LoadFromFile(GetAppFolder() + "prefs.dat");
  operaProfileFolder_ = FindOperaProfile(UserRegistryReader());
  // The Opera rows of the special-folders list are appended here when a profile was found.
  freeSpaceEngine_ = cleanerEngine_->Shredder->WipeFreeSpace.get();
  // Jobs that prefs.dat put into the engines are shown, so nothing is wiped that the user
  // cannot see.
  RefreshDeleteLists();
  ui->MainPage->setCurrentWidget(ui->tabDelete);
  LoadReadme();
}

TMainForm::~TMainForm() = default;

TWipeEngine& TMainForm::WipeFiles() const { return *cleanerEngine_->Shredder->WipeFiles; }

TWipeEngine& TMainForm::WipeFolders() const { return *cleanerEngine_->Shredder->WipeFolders; }

void TMainForm::arrangeDriveColumns() {
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

void TMainForm::SetEngineRunner(TEngineRunner runner) { runner_ = std::move(runner); }

void TMainForm::connectHandlers() {
  connect(ui->btnAddFiles, &QPushButton::clicked, this, &TMainForm::btnAddFilesClick);
  connect(ui->btnRemoveFiles, &QPushButton::clicked, this, &TMainForm::btnRemoveFilesClick);
  connect(ui->btnStartShredFiles, &QPushButton::clicked, this,
          &TMainForm::btnStartShredFilesClick);
  connect(ui->btnStopShredFiles, &QPushButton::clicked, this, &TMainForm::btnStopShredFilesClick);
  connect(ui->btnAddFolder, &QPushButton::clicked, this, &TMainForm::btnAddFolderClick);
  connect(ui->btnRemoveFolders, &QPushButton::clicked, this, &TMainForm::btnRemoveFoldersClick);
  connect(ui->btnStartShredFolders, &QPushButton::clicked, this,
          &TMainForm::btnStartShredFoldersClick);
  connect(ui->btnStopShredFolders, &QPushButton::clicked, this,
          &TMainForm::btnStopShredFoldersClick);
  connect(ui->lvFiles, &QTreeWidget::itemSelectionChanged, this, &TMainForm::lvFilesSelectItem);
  connect(ui->lvFolders, &QTreeWidget::itemSelectionChanged, this,
          &TMainForm::lvFilesSelectItem);
  connect(ui->btnFreeExecute, &QPushButton::clicked, this, &TMainForm::btnFreeExecuteClick);
  connect(ui->helpRollover, &TRolloverImage::clicked, this, &TMainForm::helpRolloverClick);
  connect(ui->SupportRollover, &TRolloverImage::clicked, this,
          &TMainForm::SupportRolloverClick);
  connect(ui->UpdateRollover, &TRolloverImage::clicked, this, &TMainForm::UpdateRolloverClick);
  connect(ui->websiteRollover, &TRolloverImage::clicked, this,
          &TMainForm::websiteRolloverClick);
  connect(ui->AboutPageRollover, &TRolloverImage::clicked, this,
          &TMainForm::AboutPageRolloverClick);
  connect(ui->websiteValue, &TLinkLabel::clicked, this, &TMainForm::websiteValueClick);
  connect(ui->emailValue, &TLinkLabel::clicked, this, &TMainForm::emailValueClick);
}

void TMainForm::LoadReadme() {
  const auto text = platform::fs().readFile(GetAppFolder() + "readme.txt", kMaxReadmeBytes);
  if (!text) return;
  QString lines = QString::fromLocal8Bit(*text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  ui->readmeMemo->setPlainText(lines);
}

std::string TMainForm::UpdaterPath() {
  std::string folder = RemoveTrailingBackslash(GetAppFolder());
  const std::size_t separator = folder.rfind('/');
  folder = separator == std::string::npos ? std::string() : folder.substr(0, separator + 1);
  if (folder.empty()) return {};
  return folder + kUpdaterName;
}

void TMainForm::helpRolloverClick() {
  ShellOpen(QUrl(kSite + QStringLiteral("/faq/index.php?catid=24")));
}

void TMainForm::SupportRolloverClick() {
  QUrl url(kSite + QStringLiteral("/support.php"));
  url.setQuery(QStringLiteral("prod=") + QString::fromLatin1(QUrl::toPercentEncoding(kProductName)));
  ShellOpen(url);
}

void TMainForm::UpdateRolloverClick() {
  const std::string updater = UpdaterPath();
  if (updater.empty()) return;
  const auto info = platform::fs().info(updater);
  if (info && info->kind == platform::EntryKind::File) ShellRun(updater);
}

void TMainForm::websiteRolloverClick() { ShellOpen(QUrl(kSite + QStringLiteral("/"))); }

void TMainForm::AboutPageRolloverClick() { ui->MainPage->setCurrentWidget(ui->tabAbout); }

void TMainForm::websiteValueClick() {
  ShellOpen(QUrl(kSite + QStringLiteral("/ferrovane/")));
}

void TMainForm::emailValueClick() {
  ShellOpen(QUrl(QStringLiteral("mailto:") + ui->emailValue->text() +
                 QStringLiteral("?subject=Support Question - ") +
                 QGuiApplication::applicationDisplayName()));
}

bool TMainForm::anyEngineRunning() const {
  for (const TWipeEngine* engine : {&WipeFiles(), &WipeFolders(), &FreeSpaceEngine()}) {
    if (engine->Running()) return true;
  }
  return false;
}

void TMainForm::runEngine(TWipeEngine& engine) { runner_(engine); }

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!anyEngineRunning()) {
    event->accept();
    return;
  }
  // A run is on lower down the call stack; it cannot end before this handler returns. Stop it,
  // and close once it has returned (finishPendingClose).
  for (TWipeEngine* engine : {&WipeFiles(), &WipeFolders(), &FreeSpaceEngine()}) {
    if (engine->Running()) engine->Aborted = true;
  }
  closePending_ = true;
  event->ignore();
}

bool TMainForm::finishPendingClose() {
  if (!closePending_) return false;
  if (!anyEngineRunning()) {
    closePending_ = false;
    QTimer::singleShot(0, this, &QWidget::close);
  }
  return true;
}

void TMainForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (screen()) {
    // Centred, and never larger than the screen (a large scale factor on a small screen): the
    // lists shrink and the tabs scroll instead.
    const QRect available = screen()->availableGeometry();
    resize(size().boundedTo(available.size() - (frameGeometry().size() - size())));
    QRect frame = frameGeometry();
    frame.moveCenter(available.center());
    move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
  }
  // Once the window is up, so that the warning stands in front of it.
  QTimer::singleShot(0, this, &TMainForm::reportRegistryProblem);
}

void TMainForm::reportRegistryProblem() {
  const std::string problem = platform::registry().problem();
  if (problem.empty()) return;
  Prompts().MessageDialog(TMessageKind::Warning, QString::fromLocal8Bit(problem));
}
