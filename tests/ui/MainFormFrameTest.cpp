// The main window's frame and the functions its pages share: sizes and their texts, the Opera
// profile, the readme, the pages and the picture buttons, and closing.

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QEnterEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QtTest>
#include <filesystem>

#include "MainFormFixture.h"
#include "platform/FileSystem.h"
#include "support/FakeShell.h"
#include "support/FaultyFileSystem.h"
#include "support/TestDrives.h"
#include "ui/DesktopShell.h"
#include "ui/OperaProfile.h"
#include "ui/ProgramResources.h"
#include "ui/QtCleanerEnvironment.h"
#include "ui/QtWipeServices.h"
#include "ui/SizeFunctions.h"
#include "ui/widgets/TEmptyListFocus.h"
#include "ui/widgets/TLinkLabel.h"
#include "ui/widgets/TRolloverImage.h"

namespace {

// The lightness of the picture's middle pixel.
int middleLightness(const QImage& picture) {
  return picture.pixelColor(picture.width() / 2, picture.height() / 2).lightness();
}
// The lightness of the picture's lightest drawn pixel.
int lightestDrawn(const QImage& picture) {
  int lightest = -1;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QColor colour = picture.pixelColor(x, y);
      if (colour.alpha() > 200) lightest = std::max(lightest, colour.lightness());
    }
  }
  return lightest;
}

// A registry of the current user holding the given values ("key|value" -> text).
TRegistryTextReader registryOf(std::map<std::string, std::string> values) {
  return [values](const std::string& key, const std::string& value) -> std::optional<std::string> {
    auto it = values.find(key + "|" + value);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

// Returns once everything the window set off when it was last shown has run: that work waits
// in zero-time timers, which run in the order they were set, so a timer set now runs after it.
bool StartUpWorkDone() {
  bool reached = false;
  QTimer::singleShot(0, [&reached] { reached = true; });
  return QTest::qWaitFor([&reached] { return reached; }, 5000);
}

const std::string kOperaKey = "\\Software\\Opera Software|Last CommandLine v2";
const std::string kAppDataKey =
    "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders|AppData";

}  // namespace

class MainFormFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void formatSize_data();
  void formatSize();
  void everyPageFitsASmallWorkArea();
  void fileSizesAreTrueAboveTwoGigabytes();
  void folderSizeLeavesOutDotFoldersAndLinks();
  void operaProfile();
  void readmeFillsTheAboutPageAndMayBeMissing();
  void pagesCaptionsAndTheAboutButton();
  void linksStayOnTheExampleDomain();
  void updaterStartsOnlyWhenPresent();
  void rolloverShowsItsOverPictureWhileTheMouseIsIn();
  void footerButtonsAreReachedWithTabAndPressedWithSpace();
  void executableQuestionGoesThroughThePrompts();
  void journalOptionIsTheCataloguesSetting();
  void startUpReadsPrefsAndTheRegistryStore();
  void damagedRegistryStoreIsReportedOnceAtStartUp();
  void unreadableSettingsAndPrefsAreNamedInOneWarning();
  void openingAndClosingTheWindowWritesNothing();
  void cleanerGetsTheClipboardAndTimersOfQt();
  void aWindowTestPutsBackWhatItFound();
  void helpShowsTheReadmeWhereNoBrowserStarts();
  void updateButtonIsThereOnlyWithItsUpdater();
  void aboutNamesVersionLicenceFoldersAndPages();
  void emptyListsShowTheyHaveTheKeyboard();
  void altOOpensOptionsFromEveryPage();
  void footerFollowsADarkPalette();
};

void MainFormFrameTest::helpShowsTheReadmeWhereNoBrowserStarts() {
  MainFormFixture f;
  FakeShell shell;
  f.form().show();
  QApplication::setActiveWindow(&f.form());
  // No readme: the user is told so, and where to look instead; no web page is opened.
  QTest::mouseClick(f.find<TRolloverImage>("helpRollover"), Qt::LeftButton);
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  QCOMPARE(f.prompts.messages[0].caption, QStringLiteral("Warning"));
  QVERIFY(f.prompts.messages[0].text.contains(QStringLiteral("readme.txt")));

  // Help, Support and F1 show the readme in a window of the program, with a browser or none:
  // help needs no network, and no page that may not exist is opened.
  f.folder.write("program/readme.txt", "Ferrovane\r\n\r\nWipes files.\r\n");
  for (const bool browser : {true, false}) {
    shell.browser = browser;
    for (int way = 0; way < 3; ++way) {
      if (auto* open = f.form().findChild<QDialog*>("TfReadme")) open->close();
      if (way == 0) QTest::mouseClick(f.find<TRolloverImage>("helpRollover"), Qt::LeftButton);
      if (way == 1) QTest::mouseClick(f.find<TRolloverImage>("SupportRollover"), Qt::LeftButton);
      if (way == 2) {
        QApplication::setActiveWindow(&f.form());
        QTest::keyClick(&f.form(), Qt::Key_F1);
      }
      auto* readme = f.form().findChild<QDialog*>("TfReadme");
      QVERIFY2(readme && readme->isVisible(), qPrintable(QString::number(way)));
      QCOMPARE(readme->findChild<QPlainTextEdit*>("readmeText")->toPlainText(),
               QStringLiteral("Ferrovane\n\nWipes files.\n"));
    }
  }
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  QVERIFY(shell.opened.empty());
}

void MainFormFrameTest::updateButtonIsThereOnlyWithItsUpdater() {
  MainFormFixture f;
  auto* update = f.find<TRolloverImage>("UpdateRollover");
  QVERIFY(!update->isVisibleTo(&f.form()));
  f.folder.write("HalvorineUpdater", "#!/bin/sh\n");
  QEvent activation(QEvent::WindowActivate);
  QApplication::sendEvent(&f.form(), &activation);
  QVERIFY(update->isVisibleTo(&f.form()));
  QVERIFY(update->toolTip().contains(QString::fromStdString(f.folder / "HalvorineUpdater")));
}

void MainFormFrameTest::aboutNamesVersionLicenceFoldersAndPages() {
  MainFormFixture f;
  const QString text = f.find<QLabel>("lblAboutProgram")->text();
  QVERIFY2(text.startsWith(QStringLiteral("Ferrovane ")), qPrintable(text));
  QVERIFY(text.contains(QStringLiteral("Licence")));
  // Where things are kept now: the test's own program folder.
  QVERIFY(text.contains(QString::fromStdString("kept in " + f.folder.programFolder())));
  QVERIFY(text.contains(QString::fromStdString("kept in " + f.folder.methodsFolder())));
  auto* pages = f.find<QTabWidget>("MainPage");
  for (int index = 0; index < pages->count(); ++index) {
    if (!pages->isTabVisible(index)) continue;
    const QString page = pages->tabText(index).remove(QLatin1Char('&')).trimmed();
    QVERIFY2(text.contains(page + QLatin1Char(':'), Qt::CaseInsensitive), qPrintable(page));
  }
}

void MainFormFrameTest::emptyListsShowTheyHaveTheKeyboard() {
  MainFormFixture f;
  f.form().show();
  QApplication::setActiveWindow(&f.form());
  auto* files = f.find<QTreeWidget>("lvFiles");
  auto* mark = files->findChild<TEmptyListFocus*>();
  QVERIFY(mark);
  files->setFocus(Qt::TabFocusReason);
  QVERIFY(mark->Shown());
  const QImage focused = files->grab().toImage();
  // A row carries the focus itself; the mark goes, and comes back once the list is empty.
  files->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("a")}));
  QVERIFY(!mark->Shown());
  delete files->takeTopLevelItem(0);
  QVERIFY(mark->Shown());
  f.find<QTreeWidget>("lvFolders")->setFocus(Qt::TabFocusReason);
  QVERIFY(!mark->Shown());
  QVERIFY(files->grab().toImage() != focused);
  QVERIFY(f.find<QTreeWidget>("lvFolders")->findChild<TEmptyListFocus*>()->Shown());
}

void MainFormFrameTest::altOOpensOptionsFromEveryPage() {
  MainFormFixture f;
  f.form().show();
  QApplication::setActiveWindow(&f.form());
  auto* pages = f.find<QTabWidget>("MainPage");
  for (int index = 0; index < pages->count(); ++index) {
    pages->setCurrentIndex(index);
    QWidget* page = pages->currentWidget();
    QTest::keyClick(&f.form(), Qt::Key_O, Qt::AltModifier);
    QVERIFY2(pages->currentWidget()->objectName() == QStringLiteral("tabOptions"),
             qPrintable(page->objectName()));
  }
}

void MainFormFrameTest::footerFollowsADarkPalette() {
  MainFormFixture f;
  f.form().show();
  auto* strip = f.find<QWidget>("imgStripBack");
  auto* help = f.find<TRolloverImage>("helpRollover");
  QVERIFY(middleLightness(strip->grab().toImage()) > 160);  // drawn for a light window
  QPalette dark;
  for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    dark.setColor(role, QColor(0x2a, 0x2a, 0x2e));
  }
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(role, QColor(0xee, 0xee, 0xee));
  }
  dark.setColor(QPalette::Mid, QColor(0x44, 0x44, 0x48));
  f.form().setPalette(dark);
  QVERIFY(middleLightness(strip->grab().toImage()) < 100);
  // The button texts are drawn light on it.
  QVERIFY(lightestDrawn(help->pixmap().toImage()) > 180);
  f.form().setPalette(QPalette());
  QVERIFY(middleLightness(strip->grab().toImage()) > 160);
}

void MainFormFrameTest::formatSize_data() {
  QTest::addColumn<qint64>("size");
  QTest::addColumn<QString>("english");
  QTest::addColumn<QString>("german");
  QTest::newRow("zero") << qint64(0) << "0 Bytes"
                        << "0 Bytes";
  QTest::newRow("missing") << qint64(-1) << "-1 Bytes"
                           << "-1 Bytes";
  QTest::newRow("below 1 KiB") << qint64(1023) << "1023 Bytes"
                               << "1023 Bytes";
  QTest::newRow("1 KiB") << qint64(1024) << "1 KiB"
                         << "1 KiB";
  QTest::newRow("rounds up") << qint64(1536) << "2 KiB"
                             << "2 KiB";
  QTest::newRow("below 1 MiB") << qint64(1048575) << "1,024 KiB"
                               << "1.024 KiB";
  QTest::newRow("below 1 GiB") << qint64(1073741823) << "1,024 MiB"
                               << "1.024 MiB";
  QTest::newRow("1 GiB") << qint64(1073741824) << "1.00 GiB"
                         << "1,00 GiB";
  QTest::newRow("5 GiB") << qint64(5368709120) << "5.00 GiB"
                         << "5,00 GiB";
  QTest::newRow("below 1 TiB") << qint64(1099511627775) << "1,024.00 GiB"
                               << "1.024,00 GiB";
  QTest::newRow("2 TiB") << qint64(2199023255552) << "2.00 TiB"
                         << "2,00 TiB";
}

void MainFormFrameTest::formatSize() {
  QFETCH(qint64, size);
  QFETCH(QString, english);
  QFETCH(QString, german);
  QCOMPARE(FormatSize(size, QLocale(QLocale::English, QLocale::UnitedStates)), english);
  QCOMPARE(FormatSize(size, QLocale(QLocale::German, QLocale::Germany)), german);
}

void MainFormFrameTest::fileSizesAreTrueAboveTwoGigabytes() {
  TestFolder folder;
  const std::string big = folder.write("big.img", "");
  std::filesystem::resize_file(big, 3ULL << 30);  // sparse: takes no room
  QCOMPARE(GetFileSize(platform::fs(), big), std::int64_t(3) << 30);
  QCOMPARE(GetFileSize(platform::fs(), folder / "missing"), std::int64_t{-1});
  QCOMPARE(GetFileSize(platform::fs(), folder.makeFolder("dir")), std::int64_t{0});
  QCOMPARE(GetFolderSize(platform::fs(), folder.path(), true), std::int64_t(3) << 30);
  QCOMPARE(FormatSize(GetFileSize(platform::fs(), folder / "missing")), QStringLiteral("-1 Bytes"));
}

void MainFormFrameTest::folderSizeLeavesOutDotFoldersAndLinks() {
  TestFolder folder;
  folder.write("top/a", std::string(10, 'a'));
  folder.write("top/.profile", std::string(5, 'p'));  // a dot file counts
  folder.write("top/sub/b", std::string(20, 'b'));
  folder.write("top/sub/deeper/c", std::string(40, 'c'));
  folder.write("top/.cache/big", std::string(1000, 'x'));
  folder.write("top/sub/.git/objects", std::string(2000, 'g'));
  folder.write("outside/huge", std::string(4000, 'h'));
  std::filesystem::create_directory_symlink(folder / "outside", folder / "top/link");
  std::filesystem::create_symlink(folder / "outside/huge", folder / "top/filelink");

  QCOMPARE(GetFolderSize(platform::fs(), folder / "top", true), std::int64_t{75});
  QCOMPARE(GetFolderSize(platform::fs(), folder / "top/", true), std::int64_t{75});
  QCOMPARE(GetFolderSize(platform::fs(), folder / "top", false), std::int64_t{15});
  QCOMPARE(GetFolderSize(platform::fs(), folder / "nothing", true), std::int64_t{0});
  QCOMPARE(GetFolderSize(platform::fs(), "", true), std::int64_t{0});
}

void MainFormFrameTest::operaProfile() {
  TestFolder folder;
  const std::string opera = folder.makeFolder("apps/Opera");
  folder.makeFolder("apps/Opera/profile");
  const std::string appData = folder.makeFolder("appdata");
  folder.makeFolder("appdata/Opera");

  // The profile beside the program of the last command line.
  QCOMPARE(FindOperaProfile(registryOf({{kOperaKey, opera + "/opera.bin -newwindow"}})),
           opera + "/profile");
  // Without a full stop, the last separator ends the folder.
  QCOMPARE(FindOperaProfile(registryOf({{kOperaKey, opera + "/opera"}})), opera + "/profile");
  // Command line of no use (no full stop and no separator; quoted; relative; empty): the
  // application-data folder decides.
  for (const std::string& commandLine : {std::string("opera"), "\"" + opera + "/opera.bin\"",
                                         std::string("apps/Opera/opera.bin"), std::string()}) {
    QCOMPARE(FindOperaProfile(registryOf({{kOperaKey, commandLine}, {kAppDataKey, appData}})),
             appData + "/Opera/profile");
    QCOMPARE(FindOperaProfile(registryOf({{kOperaKey, commandLine}})), std::string());
  }
  // A command line whose profile folder is missing.
  std::filesystem::remove(opera + "/profile");
  QCOMPARE(FindOperaProfile(registryOf({{kOperaKey, opera + "/opera.bin"}})), std::string());
  // Nothing in the registry; an empty application-data value never means the root folder.
  QCOMPARE(FindOperaProfile(registryOf({})), std::string());
  QCOMPARE(FindOperaProfile(registryOf({{kAppDataKey, ""}})), std::string());
  QCOMPARE(FindOperaProfile({}), std::string());
}

void MainFormFrameTest::readmeFillsTheAboutPageAndMayBeMissing() {
  {
    MainFormFixture f;
    QVERIFY(f.find<QPlainTextEdit>("readmeMemo")->toPlainText().isEmpty());
  }
  MainFormFixture f;
  f.folder.write("program/readme.txt", "Ferrovane\r\n\r\nWipes files.\r\n");
  auto* memo = f.find<QPlainTextEdit>("readmeMemo");
  QCOMPARE(memo->toPlainText(), QStringLiteral("Ferrovane\n\nWipes files.\n"));
  QVERIFY(memo->isReadOnly());
}

void MainFormFrameTest::everyPageFitsASmallWorkArea() {
  // A laptop screen at 125 % with a panel, or a 1080-pixel screen at scale 2, leaves about
  // 1280 x 540 logical pixels; a 720-pixel screen at scale 2, with the window's frame, about
  // 630 x 340. Every page shrinks and scrolls there: the window never needs more.
  MainFormFixture f;
  auto* pages = f.find<QTabWidget>("MainPage");
  for (int index = 0; index < pages->count(); ++index) {
    pages->setCurrentIndex(index);
    const QSize least = f.form().minimumSizeHint().expandedTo(f.form().minimumSize());
    QVERIFY2(least.height() <= 340 && least.width() <= 630,
             qPrintable(pages->tabText(index) +
                        QStringLiteral(": %1 x %2").arg(least.width()).arg(least.height())));
  }
}

void MainFormFrameTest::pagesCaptionsAndTheAboutButton() {
  // The program's icon, as the program sets it; a page without an icon of its own has it.
  InitProgramResources();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/ferrovane.svg")));
  MainFormFixture f;
  auto* pages = f.find<QTabWidget>("MainPage");
  const QStringList names{"tabDelete",      "tabWipeFree", "tabWipeSpecial", "tabClearRecent",
                          "tabCleanTraces", "tabOptions",  "tabAbout"};
  const QStringList captions{"&Delete with Wiping",   "&Wipe free space",
                             "Wipe &special folders", "&Clear recently used files",
                             "Clean &traces",         "&Options"};
  QCOMPARE(pages->count(), 7);
  for (int i = 0; i < 7; ++i) {
    QCOMPARE(pages->widget(i)->objectName(), names[i]);
    QCOMPARE(pages->isTabVisible(i), i < 6);
    if (i < 6) {
      QCOMPARE(pages->tabText(i), captions[i]);
      QVERIFY(!pages->tabIcon(i).isNull());
    }
  }
  QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("tabDelete"));
  QCOMPARE(pages->iconSize(), QSize(32, 32));
  for (const char* name : {"lvFiles", "lvFolders", "lvDriveList"})
    QVERIFY(f.find<QTreeWidget>(name));
  QVERIFY(f.find<QCheckBox>("chkWipeWarn") && !f.find<QCheckBox>("chkWipeWarn")->isChecked());

  f.form().show();
  f.form().resize(1000, 600);  // every tab in view
  pages->setCurrentIndex(5);
  QTest::mouseClick(f.find<TRolloverImage>("AboutPageRollover"), Qt::LeftButton);
  QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("tabAbout"));
  // With no tab of its own selected, no tab is raised: the top of the tab bar shows nothing
  // coloured (no icon drawn outside the tabs).
  QCoreApplication::processEvents();
  const QImage bar = pages->tabBar()->grab().toImage();
  int coloured = 0;
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < bar.width(); ++x) coloured += bar.pixelColor(x, y).hsvSaturation() > 90;
  }
  QCOMPARE(coloured, 0);
  QApplication::setWindowIcon(QIcon());
}

void MainFormFrameTest::linksStayOnTheExampleDomain() {
  MainFormFixture f;
  FakeShell shell;
  for (const char* name : {"helpRollover", "SupportRollover", "websiteRollover"}) {
    QTest::mouseClick(f.find<TRolloverImage>(name), Qt::LeftButton);
  }
  for (const char* name : {"websiteValue", "emailValue"}) {
    QTest::mouseClick(f.find<TLinkLabel>(name), Qt::LeftButton);
  }
  // Help and Support open the readme, not the web: the site's home, its page of the program
  // and the support address.
  QCOMPARE(shell.opened.size(), std::size_t{3});
  QCOMPARE(shell.opened[0].path(), QStringLiteral("/"));
  for (int i = 0; i < 2; ++i) {
    QCOMPARE(shell.opened[i].scheme(), QStringLiteral("https"));
    QCOMPARE(shell.opened[i].host(), QStringLiteral("ferrovane.example.org"));
  }
  const QUrl mail = shell.opened[2];
  QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
  QCOMPARE(mail.path(), QStringLiteral("support@ferrovane.example.org"));
  QCOMPARE(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
           QStringLiteral("Support Question - %1").arg(QGuiApplication::applicationDisplayName()));
  QVERIFY(shell.started.empty());
}

void MainFormFrameTest::updaterStartsOnlyWhenPresent() {
  MainFormFixture f;
  FakeShell shell;
  auto* update = f.find<TRolloverImage>("UpdateRollover");
  QTest::mouseClick(update, Qt::LeftButton);
  QVERIFY(shell.started.empty() && shell.opened.empty());

  // The updater lives in the parent folder of the program folder; a folder of that name is
  // not a program.
  const std::string updater = f.folder / "HalvorineUpdater";
  f.folder.makeFolder("HalvorineUpdater");
  QTest::mouseClick(update, Qt::LeftButton);
  QVERIFY(shell.started.empty());
  std::filesystem::remove(updater);
  f.folder.write("HalvorineUpdater", "#!/bin/sh\n");
  QTest::mouseClick(update, Qt::LeftButton);
  QCOMPARE(shell.started, std::vector<std::string>{updater});
}

void MainFormFrameTest::rolloverShowsItsOverPictureWhileTheMouseIsIn() {
  MainFormFixture f;
  f.form().show();
  auto* help = f.find<TRolloverImage>("helpRollover");
  const QImage normal = help->pixmap().toImage();
  QVERIFY(!normal.isNull() && !help->OverBitmap().isNull());
  QVERIFY(normal != help->OverBitmap().toImage());

  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(help, &enter);
  QCOMPARE(help->pixmap().toImage(), help->OverBitmap().toImage());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(help, &leave);
  QCOMPARE(help->pixmap().toImage(), normal);
}

void MainFormFrameTest::footerButtonsAreReachedWithTabAndPressedWithSpace() {
  MainFormFixture f;
  f.folder.write("HalvorineUpdater", "#!/bin/sh\n");  // Update is there with its updater only
  f.form().show();
  QApplication::setActiveWindow(&f.form());
  auto* support = f.find<TRolloverImage>("SupportRollover");
  auto* update = f.find<TRolloverImage>("UpdateRollover");
  auto* about = f.find<TRolloverImage>("AboutPageRollover");
  support->setFocus(Qt::TabFocusReason);
  QCOMPARE(QApplication::focusWidget(), support);
  // The keyboard on it shows it as the mouse does.
  QCOMPARE(support->pixmap().toImage(), support->OverBitmap().toImage());
  QTest::keyClick(support, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), update);
  QTest::keyClick(update, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), about);
  QVERIFY(support->pixmap().toImage() != support->OverBitmap().toImage());
  QTest::keyClick(about, Qt::Key_Space);
  QCOMPARE(f.find<QTabWidget>("MainPage")->currentWidget()->objectName(),
           QStringLiteral("tabAbout"));
}

void MainFormFrameTest::journalOptionIsTheCataloguesSetting() {
  MainFormFixture f;
  f.withCatalogue();
  // On by default, for every user.
  QVERIFY(f.catalogue().EraseJournalNames);
  auto* option = f.find<QCheckBox>("chkEraseJournalNames");
  QVERIFY(option && option->isChecked());
  // Its cost is told only where it is off by default, which it is for nobody.
  QVERIFY(!f.find<QLabel>("lblJournalCost")->isVisibleTo(option->parentWidget()));
  option->click();
  QVERIFY(!f.catalogue().EraseJournalNames);
}

void MainFormFrameTest::executableQuestionGoesThroughThePrompts() {
  FakePrompts prompts;
  QtWipeServices services;
  prompts.confirmations = {true, false};
  QVERIFY(services.ConfirmWipeExecutable("/tmp/Setup.exe"));
  QVERIFY(!services.ConfirmWipeExecutable("/tmp/caf\xe9.EXE"));
  QCOMPARE(prompts.messages.size(), std::size_t{2});
  QCOMPARE(prompts.messages[0].caption, QStringLiteral("Confirm"));
  QCOMPARE(prompts.messages[0].text,
           QStringLiteral("/tmp/Setup.exe is a executable file. Are you sure to wipe it?"));
}

void MainFormFrameTest::startUpReadsPrefsAndTheRegistryStore() {
  MainFormFixture f;
  const std::string opera = f.folder.makeFolder("apps/Opera");
  f.folder.makeFolder("apps/Opera/profile");
  auto& store = f.registry.store();
  QVERIFY(store.createKey(platform::kCurrentUser, "Software\\Opera Software"));
  QVERIFY(store.writeString(platform::kCurrentUser, "Software\\Opera Software",
                            "Last CommandLine v2", opera + "/opera.bin"));
  f.folder.makeFolder("autostart");  // the Run key exists
  f.folder.write("program/prefs.dat",
                 "<Configuration><Options LoadAtStartup=\"True\" StartInSystemTray=\"False\""
                 " AutoCleanAtWindowsStart=\"False\" AutoCleanAtWindowsShutdown=\"False\"/>"
                 "<Shredder CleanFreeSpaceEnabled=\"True\"><WipeFreeSpace><Item Drive=\"/\"/>"
                 "</WipeFreeSpace></Shredder></Configuration>");

  QCOMPARE(f.form().OperaProfileFolder(), opera + "/profile");
  // The free-space page's engine is the cleaner's, preloaded from prefs.dat.
  TShredder& shredder = *f.form().CleanerEngine().Shredder;
  QCOMPARE(&f.form().FreeSpaceEngine(), shredder.WipeFreeSpace.get());
  QVERIFY(shredder.CleanFreeSpaceEnabled);
  QCOMPARE(MainFormFixture::itemPaths(f.freeSpace()), std::vector<std::string>{"/"});
  // Reading prefs.dat wrote the Run value.
  QVERIFY(f.form().CleanerEngine().LoadAtStartup);
  QVERIFY(store.readString(platform::kCurrentUser, platform::kRunKey, "Ferrovane").has_value());
}

void MainFormFrameTest::damagedRegistryStoreIsReportedOnceAtStartUp() {
  {
    MainFormFixture f;
    f.form().show();
    QVERIFY(StartUpWorkDone());
    QVERIFY(f.prompts.messages.empty());
  }
  MainFormFixture f;
  const std::string store = f.folder.write("registry/registry.reg", "this is no registry\n");
  f.form().show();
  QTRY_COMPARE(f.prompts.messages.size(), std::size_t{1});
  QCOMPARE(f.prompts.messages[0].caption, QStringLiteral("Warning"));
  QVERIFY(f.prompts.messages[0].text.contains(QString::fromLocal8Bit(store)));
  f.form().hide();
  f.form().show();
  QVERIFY(StartUpWorkDone());
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  QCOMPARE(readFileBytes(store), std::string("this is no registry\n"));
}

void MainFormFrameTest::unreadableSettingsAndPrefsAreNamedInOneWarning() {
  MainFormFixture f;
  const std::string settings =
      f.folder.write("program/Ferrovane.ini", "[Settings]\nBufferSize=1\n");
  const std::string prefs = f.folder.write("program/prefs.dat", "<Configuration><Options");
  FaultyFileSystem disk;
  disk.failRead.insert(settings);
  const platform::ScopedFileSystem installed(disk);
  f.loadCatalogue();
  f.form().show();
  QTRY_COMPARE(f.prompts.messages.size(), std::size_t{1});
  const QString text = f.prompts.messages[0].text;
  QCOMPARE(f.prompts.messages[0].caption, QStringLiteral("Warning"));
  QVERIFY2(text.contains(QString::fromLocal8Bit(settings + ": could not be read (")),
           qPrintable(text));
  QVERIFY2(text.contains(QString::fromLocal8Bit(prefs + ": could not be read (")),
           qPrintable(text));
  f.form().hide();
  f.form().show();
  QVERIFY(StartUpWorkDone());
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  // A changed setting is not written over the file that could not be read.
  f.catalogue().DiscardFreeBlocks = !f.catalogue().DiscardFreeBlocks;
  QVERIFY(!FinishWipeMethodsManager(f.catalogue()).empty());
  QCOMPARE(readFileBytes(settings), std::string("[Settings]\nBufferSize=1\n"));
  QCOMPARE(readFileBytes(prefs), std::string("<Configuration><Options"));
}

void MainFormFrameTest::openingAndClosingTheWindowWritesNothing() {
  MainFormFixture f;
  const std::string zeros = f.folder.write("program/Methods/02-zeros.mtd",
                                           "[Method]\nName=Zeros\nPasses=1\n[Pass1]\nWipeWith=0\n");
  const std::string vsitr = f.folder.write("program/Methods/04-vsitr.mtd",
                                           "[Method]\nName=VSITR\nPasses=1\n[Pass1]\nWipeWith=1\n");
  const std::string settings =
      f.folder.write("program/Ferrovane.ini", "[Settings]\nDiscardFreeBlocks=1\n");
  f.loadCatalogue();
  f.form().show();
  // While the window is open, the user edits by hand and deletes a method.
  f.folder.write("program/Methods/02-zeros.mtd", "[Method]\nName=Hand edit\nPasses=1\n");
  f.folder.write("program/Ferrovane.ini", "[Settings]\nDiscardFreeBlocks=0\n");
  std::filesystem::remove(vsitr);
  f.form().close();
  QVERIFY(FinishWipeMethodsManager(f.catalogue()).empty());  // what the program does when it ends
  QCOMPARE(readFileBytes(zeros), std::string("[Method]\nName=Hand edit\nPasses=1\n"));
  QCOMPARE(readFileBytes(settings), std::string("[Settings]\nDiscardFreeBlocks=0\n"));
  QVERIFY(!pathExists(vsitr));
}

void MainFormFrameTest::cleanerGetsTheClipboardAndTimersOfQt() {
  QVERIFY(!CleanerEnvironment().Clipboard);
  {
    QtCleanerEnvironment environment;
    QGuiApplication::clipboard()->setText(QStringLiteral("copied secret"));
    QVERIFY(CleanerEnvironment().Clipboard);
    CleanerEnvironment().Clipboard->Empty();
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());

    int ticks = 0;
    const auto timer = CreateTimer(5, [&] { ++ticks; });
    QVERIFY(!timer->Enabled());
    timer->SetEnabled(true);
    QVERIFY(timer->Enabled());
    QTRY_VERIFY(ticks >= 2);
    timer->SetEnabled(false);
    const int stoppedAt = ticks;
    // A second timer of the same period ticking three times shows that the stopped one had
    // its chances to fire and did not.
    int witnessTicks = 0;
    const auto witness = CreateTimer(5, [&] { ++witnessTicks; });
    witness->SetEnabled(true);
    QTRY_VERIFY(witnessTicks >= 3);
    witness->SetEnabled(false);
    QCOMPARE(ticks, stoppedAt);
  }
  // Put back as it was.
  QVERIFY(!CleanerEnvironment().Clipboard);
  QVERIFY(!CleanerEnvironment().TimerFactory);
}

void MainFormFrameTest::aWindowTestPutsBackWhatItFound() {
  TestFolder outer;
  const std::string disk = outer.makeFolder("disk");
  const ScopedTestDrives drives(outer, {{disk, "ext4"}});
  IPromptService* const prompts = &Prompts();
  IWipeServices* const services = &WipeServices();
  {
    MainFormFixture f(mountLine(40, "8:1", outer.makeFolder("other"), "ext4"));
    f.withCatalogue();
    QCOMPARE(&WipeServices(), static_cast<IWipeServices*>(&f.services));
  }
  QCOMPARE(platform::drives().driveRoots(), std::vector<std::string>{disk + "/"});
  QCOMPARE(platform::programFolder(), outer.programFolder());
  QCOMPARE(&Prompts(), prompts);
  QCOMPARE(&WipeServices(), services);
}

QTEST_MAIN(MainFormFrameTest)
#include "MainFormFrameTest.moc"
