// The main window's frame: start-up, the pages, the header and strip, and closing.

#include "ui/TMainForm.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStringList>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "cleaner/TEraserEngine.h"
#include "core/Helpers.h"
#include "core/RunOutcome.h"
#include "core/RunRecord.h"
#include "core/SettingsFolder.h"
#include "core/StoredFileProblem.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "dialogs/PromptService.h"
#include "dialogs/TfEditMethod.h"
#include "dialogs/TfMethodsForm.h"
#include "platform/Drives.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "platform/PathText.h"
#include "platform/Registry.h"
#include "platform/Trash.h"
#include "ui/DesktopShell.h"
#include "ui/OperaProfile.h"
#include "ui/ProgramResources.h"
#include "ui/TRunNotifier.h"
#include "ui/TRunProgress.h"
#include "ui/TWindowRequest.h"
#include "ui/TfReadme.h"
#include "ui/WindowDeviceCheck.h"
#include "ui/pages/TAboutPage.h"
#include "ui/pages/TCleanTracesPage.h"
#include "ui/pages/TDeletePage.h"
#include "ui/pages/TEngineHold.h"
#include "ui/pages/TFreeSpacePage.h"
#include "ui/pages/TOptionsPage.h"
#include "ui/pages/TRecentFilesPage.h"
#include "ui/pages/TSpecialFoldersPage.h"
#include "ui/widgets/TEmptyListFocus.h"
#include "ui_TMainForm.h"

namespace {

const QString kProductName = QStringLiteral("Ferrovane");
const char* const kUpdaterName = "HalvorineUpdater";

// Moves the page's controls, with their layout, into a scroll area that fills the page: where
// the screen is too small for the page (a large scale factor on a small screen), the page
// scrolls instead of making the window larger than the screen.
void scrollWhenSmall(QWidget& page) {
  QLayout* layout = page.layout();
  if (!layout) return;
  auto* contents = new QWidget;
  contents->setObjectName(page.objectName() + QStringLiteral("Contents"));
  contents->setLayout(layout);  // taken from the page with the widgets it holds
  auto* scroll = new QScrollArea;
  scroll->setObjectName(page.objectName() + QStringLiteral("Scroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(contents);
  // The tab's own background shows through.
  scroll->viewport()->setAutoFillBackground(false);
  contents->setAutoFillBackground(false);
  auto* fill = new QVBoxLayout(&page);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(scroll);
}

}  // namespace

TMainForm::TMainForm(TWipeMethodsManager& catalogue, QWidget* parent)
    : TMainForm(catalogue, Seams{}, parent) {}

TMainForm::TMainForm(TWipeMethodsManager& catalogue, Seams seams, QWidget* parent)
    : QWidget(parent),
      catalogue_(catalogue),
      ui(std::make_unique<Ui::TMainForm>()),
      runNotifier_(seams.notifier),
      files_(seams.files),
      drives_(seams.drives),
      registry_(seams.registry),
      runner_(seams.runner ? std::move(seams.runner)
                           : TEngineRunner([this](TWipeEngine& engine, bool warn) {
                               RunForReal(engine, catalogue_, NextRunReport(), warn);
                             })) {
  if (runNotifier_) {
    connect(runNotifier_, &TRunNotifier::activated, this, &TMainForm::bringToFront);
  }
  InitProgramResources();
  ui->setupUi(this);
  // The method dialogs, made once and reused; the Options page and the methods dialog share the
  // editor.
  methodEditor_ = new TfEditMethod(this);
  methodsForm_ = new TfMethodsForm(*methodEditor_, catalogue_, this);
  // The trace-cleaning engine first: the Clean traces page shows its items.
  cleanerEngine_ = std::make_unique<TEraserEngine>();
  cleanerEngine_->LoadFromFile(GetSettingsFolder() + "prefs.dat");
  // Its walks let the windows handle events between entries, so that Stop is seen.
  cleanerEngine_->Services = &WipeServices();
  // Its registry items delete in the window's registry.
  cleanerEngine_->Registry = registry_;
  // The pages in the order of their tabs; the About page is reached through the About button
  // only.
  deletePage_ = addPage(new TDeletePage(*this));
  freeSpacePage_ = addPage(new TFreeSpacePage(*this));
  specialFoldersPage_ = addPage(new TSpecialFoldersPage(*this));
  recentFilesPage_ = addPage(new TRecentFilesPage(*this));
  cleanTracesPage_ = addPage(new TCleanTracesPage(*this, *cleanerEngine_));
  optionsPage_ = addPage(new TOptionsPage(*this));
  aboutPage_ = addPage(new TAboutPage(*this));
  ui->MainPage->setTabVisible(ui->MainPage->indexOf(aboutPage_), false);
  // The About page has no tab to show an icon in: the tab bar would draw it over the first tab
  // while the page is shown.
  ui->MainPage->setTabIcon(ui->MainPage->indexOf(aboutPage_), QIcon());
  // Wide enough for every tab, whatever the font.
  resize(std::max(width(), ui->MainPage->tabBar()->sizeHint().width() + 16), height());
  connectHandlers();
  // Every list shows that it has the keyboard, rows or none.
  for (QAbstractItemView* list : findChildren<QAbstractItemView*>()) {
    TEmptyListFocus::Install(*list);
  }

  freeSpacePage_->FillDriveList();
  specialFoldersPage_->FillSpecialFolders();
  specialFoldersPage_->FillRecycleBinFolders();

  // The window is what starts with the session, so the window alone makes the entry follow
  // the option; reading the file elsewhere changes nothing.
  cleanerEngine_->ApplyLoadAtStartup();
  operaProfileFolder_ = FindOperaProfile(UserRegistryReader());
  specialFoldersPage_->AddOperaRows(operaProfileFolder_);
  freeSpaceEngine_ = cleanerEngine_->Shredder->WipeFreeSpace.get();
  methodsForm_->Engine = &WipeFolders();
  methodsForm_->Engines = {&WipeFiles(), &WipeFolders(), &FreeSpaceEngine()};
  // Jobs that prefs.dat put into the engines are shown, so nothing is wiped that the user
  // cannot see.
  deletePage_->RefreshDeleteLists();
  ui->MainPage->setCurrentWidget(deletePage_);
  aboutPage_->LoadReadme();
  showUpdaterButton();
}

TMainForm::~TMainForm() = default;

IPromptService& TMainForm::PromptService() const {
  return Prompts();
}

platform::DriveTable& TMainForm::Drives() const {
  return drives_ ? *drives_ : platform::drives();
}

platform::Registry& TMainForm::RegistryStore() const {
  return registry_ ? *registry_ : platform::registry();
}

platform::FileSystem& TMainForm::Files() const {
  return files_ ? *files_ : platform::fs();
}

std::vector<std::string> TMainForm::TrashFolders() const {
  return platform::trashFolders();
}

std::string TMainForm::SettingsFolder() const {
  return GetSettingsFolder();
}

std::string TMainForm::MethodsFolder() const {
  return GetMethodsFolder();
}

std::string TMainForm::SettingsFile() const {
  return WipeSettings::SettingsFileName();
}

std::string TMainForm::ProgramPath() const {
  return platform::programPath();
}

std::string TMainForm::ProgramFolder() const {
  return platform::programFolder();
}

template <typename Page>
Page* TMainForm::addPage(Page* page) {
  scrollWhenSmall(*page);
  ui->MainPage->addTab(page, page->windowIcon(), page->windowTitle());
  return page;
}

TWipeEngine& TMainForm::WipeFiles() const {
  return *cleanerEngine_->Shredder->WipeFiles;
}

TWipeEngine& TMainForm::WipeFolders() const {
  return *cleanerEngine_->Shredder->WipeFolders;
}

bool TMainForm::WarnOnExecutable() const {
  return optionsPage_->WarnOnExecutable();
}

TRunRecord* TMainForm::NextRunReport() {
  handedReport_.clear();
  lastReport_ = std::make_unique<TRunRecord>();
  return lastReport_.get();
}

void TMainForm::KeepHandedOverReport(std::string json) {
  if (json.empty()) return;
  lastReport_.reset();
  handedReport_ = std::move(json);
  if (deletePage_) deletePage_->UpdateDeleteButtons();
}

void TMainForm::RunForReal(TWipeEngine& engine, TWipeMethodsManager& catalogue, TRunRecord* report,
                           bool warnOnExecutable) {
  // Each run goes by the settings and the method as they are when it starts.
  RunAndCheckDevice(engine, catalogue, WipeServices(), report, warnOnExecutable);
}

void TMainForm::connectHandlers() {
  connect(ui->helpRollover, &TRolloverImage::clicked, this, &TMainForm::helpRolloverClick);
  connect(ui->SupportRollover, &TRolloverImage::clicked, this, &TMainForm::SupportRolloverClick);
  connect(ui->UpdateRollover, &TRolloverImage::clicked, this, &TMainForm::UpdateRolloverClick);
  connect(ui->websiteRollover, &TRolloverImage::clicked, this, &TMainForm::websiteRolloverClick);
  connect(ui->AboutPageRollover, &TRolloverImage::clicked, this,
          &TMainForm::AboutPageRolloverClick);
  // F1 is Help on every page.
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &TMainForm::helpRolloverClick);
  // The special-folders run shares the engines with the Delete-with-wiping lists.
  connect(specialFoldersPage_, &TSpecialFoldersPage::wipeRunEnded, deletePage_,
          &TDeletePage::RefreshDeleteLists);
  // The special-folders page's Options chooses the method of the folders engine.
  connect(specialFoldersPage_, &TSpecialFoldersPage::optionsRequested, this, [this] {
    methodsForm_->Engine = &WipeFolders();
    methodsForm_->exec();
  });
}

std::string TMainForm::UpdaterPath() {
  const std::string folder = platform::folderPartOf(RemoveTrailingBackslash(GetAppFolder()));
  if (folder.empty()) return {};
  return folder + kUpdaterName;
}

void TMainForm::showHelp(const QString& why) {
  // The readme that came with the program: help that needs no network and no browser.
  if (!readme_) readme_ = new TfReadme(this);
  if (readme_->ShowReadme(why)) return;
  Prompts().MessageDialog(
      TMessageKind::Warning,
      QCoreApplication::translate("TMainForm",
                                  "The readme (readme.txt) that comes with Ferrovane was "
                                  "not found beside the program.\nThe About page says "
                                  "what each page does."));
}

void TMainForm::helpRolloverClick() {
  showHelp(QString());
}

void TMainForm::SupportRolloverClick() {
  showHelp(QCoreApplication::translate(
      "TMainForm",
      "The readme answers the usual questions; \"When something is left "
      "behind\" explains what a report after a run means."));
}

void TMainForm::showUpdaterButton() {
  const std::string updater = UpdaterPath();
  bool there = false;
  if (!updater.empty()) {
    const auto info = Files().info(updater);
    there = info && info->kind == platform::EntryKind::File;
  }
  ui->UpdateRollover->setVisible(there);
  if (there) {
    ui->UpdateRollover->setToolTip(
        QCoreApplication::translate("TMainForm", "Check for updates: starts the updater %1")
            .arg(QString::fromLocal8Bit(updater)));
  }
}

void TMainForm::UpdateRolloverClick() {
  const std::string updater = UpdaterPath();
  if (updater.empty()) return;
  const auto info = Files().info(updater);
  if (info && info->kind == platform::EntryKind::File) ShellRun(updater);
}

void TMainForm::websiteRolloverClick() {
  ShellOpen(QUrl(ProductSite() + QStringLiteral("/")));
}

void TMainForm::bringToFront() {
  if (isMinimized()) showNormal();
  if (!isVisible()) show();
  raise();
  activateWindow();
  // Where the desktop keeps another program's window in front (focus stealing prevention), the
  // window at least asks for the user's attention in the task bar.
  QApplication::alert(this);
}

void TMainForm::TakeRequest(const TWindowRequest& request) {
  bringToFront();
  if (request.freeSpacePage) ui->MainPage->setCurrentWidget(freeSpacePage_);
  if (!request.paths.empty()) {
    ui->MainPage->setCurrentWidget(deletePage_);
    deletePage_->QueuePaths(request.paths, request.base);
  }
}

void TMainForm::AboutPageRolloverClick() {
  ui->MainPage->setCurrentWidget(aboutPage_);
}

QWidget* TMainForm::FirstFocusOf(QWidget* page) {
  if (!page) return nullptr;
  for (QWidget* widget = page->nextInFocusChain(); widget && widget != page;
       widget = widget->nextInFocusChain()) {
    if (page->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) &&
        widget->isVisibleTo(page) && widget->isEnabled()) {
      return widget;
    }
  }
  return nullptr;
}

bool TMainForm::anyEngineRunning() const {
  for (const TWipeEngine* engine : {&WipeFiles(), &WipeFolders(), &FreeSpaceEngine()}) {
    if (engine->Running()) return true;
  }
  return !held_.empty() || (cleanTracesPage_ && cleanTracesPage_->Running());
}

bool TMainForm::MayRun(const TWipeEngine& engine) const {
  return !engine.Running() && !closePending_ &&
         std::find(held_.begin(), held_.end(), &engine) == held_.end();
}

bool TMainForm::RunEngine(TWipeEngine& engine, bool warnOnExecutable) {
  if (engine.Running() || closePending_) return false;
  const TEngineHold hold(*this, {&engine});
  if (runNotifier_) runNotifier_->RunStarted();
  // What the report tells of this run is what this run's window saw.
  KeepRunTally(engine, {});
  runner_(engine, warnOnExecutable);
  // The progress window of the run has just closed: whether the user is looking is asked of
  // the whole program, not of this window alone.
  if (runNotifier_) {
    runNotifier_->RunEnded(RunOutcomeOf(engine),
                           QGuiApplication::applicationState() == Qt::ApplicationActive);
  }
  return true;
}

void TMainForm::HoldEngine(const TWipeEngine& engine, bool hold) {
  if (hold) {
    held_.push_back(&engine);
  } else if (const auto found = std::find(held_.begin(), held_.end(), &engine);
             found != held_.end()) {
    held_.erase(found);
  }
  if (deletePage_) deletePage_->UpdateDeleteButtons();
}

bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    optionsPage_->FormActivate();
    showUpdaterButton();
  }
  return QWidget::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!anyEngineRunning()) {
    event->accept();
    return;
  }
  // A run is on lower down the call stack; it cannot end before this handler returns. Stop it,
  // and close once it has returned (CloseAfterRun).
  for (TWipeEngine* engine : {&WipeFiles(), &WipeFolders(), &FreeSpaceEngine()}) {
    if (engine->Running()) engine->Stop();
  }
  cleanTracesPage_->Stop();
  closePending_ = true;
  event->ignore();
}

bool TMainForm::CloseAfterRun() {
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
    // pages scroll and the tabs scroll instead.
    const QRect available = screen()->availableGeometry();
    QSize margins = frameGeometry().size() - size();
    if (margins.isEmpty()) {
      // Not framed yet: the window manager's frame, as the style reckons a title bar and border.
      const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
      margins = QSize(2 * border, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    }
    resize(size().boundedTo(available.size() - margins));
    QRect frame(QPoint(), size() + margins);
    frame.moveCenter(available.center());
    move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
  }
  // The keyboard starts on the page, not on the tabs or the strip.
  if (QWidget* first = FirstFocusOf(ui->MainPage->currentWidget())) first->setFocus();

  // Once the window is up, so that the warning and the questions stand in front of it.
  QTimer::singleShot(0, this, &TMainForm::reportStoredFileProblems);
  QTimer::singleShot(0, freeSpacePage_, &TFreeSpacePage::OfferLeftoverWipe);
}

void TMainForm::reportStoredFileProblems() {
  std::vector<std::string> problems;
  if (!catalogue_.SettingsProblem.empty()) {
    problems.push_back(StoredFileProblem(TWipeMethodsManager::SettingsFileName(),
                                         catalogue_.SettingsProblem,
                                         "the default settings and methods are used, and the "
                                         "file is not written to"));
  }
  if (!cleanerEngine_->LoadProblem.empty()) {
    problems.push_back(StoredFileProblem(GetSettingsFolder() + "prefs.dat",
                                         cleanerEngine_->LoadProblem,
                                         "what was read before the fault is used, the rest "
                                         "keeps its defaults"));
  }
  if (std::string problem = RegistryStore().problem(); !problem.empty()) {
    problems.push_back(std::move(problem));
  }
  if (problems.empty()) return;
  QStringList lines;
  for (const std::string& problem : problems) lines << QString::fromLocal8Bit(problem);
  Prompts().MessageDialog(TMessageKind::Warning, lines.join(QLatin1Char('\n')));
}
