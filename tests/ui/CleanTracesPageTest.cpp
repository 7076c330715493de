// The Clean-traces page: the catalogue in its groups, greyed where nothing is found, a preview
// that removes nothing, a clean that removes what the preview listed, and check states kept in
// the program's settings.

#include <fcntl.h>
#include <unistd.h>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimeEdit>
#include <QtTest>
#include <chrono>
#include <filesystem>

#include "MainFormFixture.h"
#include "cleaner/CleanerEnvironment.h"
#include "platform/UserServices.h"
#include "support/FakeUserServices.h"
#include "support/FaultyFileSystem.h"
#include "ui/SizeFunctions.h"
#include "ui/TfSchedule.h"
#include "ui/pages/TCleanTracesPage.h"

namespace {

namespace fsys = std::filesystem;

// A window over a test home with one Firefox profile (cookies and form history) and an old
// temporary file; the shared temporary folder and the process table are the test's own.
struct TracesFixture {
  TracesFixture() {
    CleanerEnvironment().SharedTempFolder = f.folder.makeFolder("vartmp");
    CleanerEnvironment().ProcessFolder = f.folder.makeFolder("proc");
    profile = f.folder.makeFolder("home/.mozilla/firefox/p.default") + "/";
    f.folder.write("home/.mozilla/firefox/p.default/prefs.js", "");
    f.folder.write("home/.mozilla/firefox/p.default/cookies.sqlite", "12345678");
    f.folder.write("home/.mozilla/firefox/p.default/formhistory.sqlite", "1234");
    oldTemp = f.folder.write("temp/old.tmp", "x");
    fsys::last_write_time(oldTemp, fsys::file_time_type::clock::now() - std::chrono::hours(48));
  }

  QTreeWidget* tree() { return f.find<QTreeWidget>("tvTraceItems"); }
  TCleanTracesPage* page() { return f.find<TCleanTracesPage>("tabCleanTraces"); }
  // The row of an item by its caption.
  QTreeWidgetItem* row(const QString& caption) {
    const auto found = tree()->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
  }
  QStringList outcome(int column) {
    QStringList texts;
    auto* list = f.find<QTreeWidget>("lvCleanOutcome");
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      texts << list->topLevelItem(i)->text(column);
    return texts;
  }

  ScopedCleanerEnvironment environment{CleanerEnvironment()};
  MainFormFixture f;
  std::string profile;
  std::string oldTemp;
};

}  // namespace

class CleanTracesPageTest : public QObject {
  Q_OBJECT

 private slots:
  void itemsAreGroupedAndGreyedWhereNothingIsFound() {
    TracesFixture t;
    t.page()->RefreshAvailability();
    // The catalogue's five groups, then Chromium-family browsers, Desktop, Applications, the
    // recently used lists and the user's own files; the items added later are shown in their
    // groups, after the others.
    QCOMPARE(t.tree()->topLevelItemCount(), 10);
    const int counts[] = {14, 9, 6, 4, 4, 6, 4, 3, 12, 1};
    for (int i = 0; i < 10; ++i) QCOMPARE(t.tree()->topLevelItem(i)->childCount(), counts[i]);
    QVERIFY(t.tree()->topLevelItem(6)->text(0) == "Desktop");
    QCOMPARE(t.tree()->topLevelItem(5)->child(4)->text(0),
             QString("Chromium-family Sessions and Closed Tabs"));
    QCOMPARE(t.tree()->topLevelItem(6)->child(3)->text(0),
             QString("Crash Reports of Browsers and Programs"));

    QTreeWidgetItem* cookies = t.row("Netscape/Mozilla Cookies");
    QVERIFY(cookies && !cookies->isDisabled());
    QVERIFY(cookies->text(1).startsWith("1 item"));
    for (const char* none : {"Internet Explorer Cache", "AOL Cookies", "Opera Cookies",
                             "Run History From Start Menu->Run"}) {
      QTreeWidgetItem* row = t.row(none);
      QVERIFY2(row && row->isDisabled(), none);
      QCOMPARE(row->text(1), QString("nothing to clean"));
    }
  }

  void previewRemovesNothingAndCleanRemovesWhatItListed() {
    TracesFixture t;
    t.page()->RefreshAvailability();
    for (QTreeWidgetItem* row :
         {t.row("Netscape/Mozilla Cookies"), t.row("Windows Temporary Files Directory")}) {
      row->setCheckState(0, Qt::Checked);
    }
    t.row("Netscape/Mozilla Auto Complete Forms and Passwords Data")
        ->setCheckState(0, Qt::Unchecked);

    t.f.find<QPushButton>("btnPreviewTraces")->click();
    const QStringList previewed = t.outcome(1);
    QCOMPARE(previewed.size(), 2);
    QVERIFY(previewed.contains(QString::fromStdString(t.profile + "cookies.sqlite")));
    QVERIFY(previewed.contains(QString::fromStdString(t.oldTemp)));
    QVERIFY(pathExists(t.profile + "cookies.sqlite"));
    QVERIFY(pathExists(t.oldTemp));
    QVERIFY(t.f.find<QLabel>("lblCleaningStatus")->text().startsWith("Would remove 2 items"));

    t.f.find<QPushButton>("btnCleanTraces")->click();
    QCOMPARE(t.outcome(1), previewed);
    QVERIFY(!pathExists(t.profile + "cookies.sqlite"));
    QVERIFY(!pathExists(t.oldTemp));
    QVERIFY(pathExists(t.profile + "formhistory.sqlite"));
    QVERIFY(t.f.find<QLabel>("lblCleaningStatus")->text().startsWith("Removed 2 items"));
    // Nothing is left of the cookies: the row is greyed now.
    QVERIFY(t.row("Netscape/Mozilla Cookies")->isDisabled());
  }

  void aHeldProfileIsNamedWithItsReason() {
    TracesFixture t;
    fsys::create_symlink("127.0.0.1:+4242", t.profile + "lock");
    t.f.folder.makeFolder("proc/4242");
    t.page()->RefreshAvailability();
    t.row("Netscape/Mozilla Cookies")->setCheckState(0, Qt::Checked);
    t.f.find<QPushButton>("btnCleanTraces")->click();
    QCOMPARE(t.outcome(1), QStringList{QString::fromStdString(t.profile)});
    QVERIFY(t.outcome(2).first().contains("running"));
    QVERIFY(pathExists(t.profile + "cookies.sqlite"));
  }

  void cleanAsksNamingTheItemsAndWhatTheyFound() {
    TracesFixture t;
    t.f.withCatalogue(true);
    t.page()->RefreshAvailability();
    t.row("Netscape/Mozilla Cookies")->setCheckState(0, Qt::Checked);
    t.row("Windows Temporary Files Directory")->setCheckState(0, Qt::Checked);
    t.row("Netscape/Mozilla Auto Complete Forms and Passwords Data")
        ->setCheckState(0, Qt::Unchecked);

    t.f.prompts.confirmations = {false};
    t.f.find<QPushButton>("btnCleanTraces")->click();
    QCOMPARE(t.f.prompts.messages.size(), std::size_t{1});
    QCOMPARE(t.f.prompts.messages[0].text,
             QStringLiteral("Remove 2 traces, %1, found by 2 items (Windows Temporary Files "
                            "Directory and Netscape/Mozilla Cookies)? This cannot be undone.\n"
                            "Preview lists each trace first.")
                 .arg(FormatSize(9)));
    QVERIFY(pathExists(t.profile + "cookies.sqlite"));
    QVERIFY(pathExists(t.oldTemp));

    // The preview asks nothing; Yes cleans.
    t.f.find<QPushButton>("btnPreviewTraces")->click();
    QCOMPARE(t.f.prompts.messages.size(), std::size_t{1});
    t.f.prompts.confirmations = {true};
    t.f.find<QPushButton>("btnCleanTraces")->click();
    QVERIFY(!pathExists(t.profile + "cookies.sqlite"));
    QVERIFY(!pathExists(t.oldTemp));
    QVERIFY(t.f.prompts.unexpected.empty());
  }

  void foundIsWorkedOutAgainOnRequestAndWhenShown() {
    TracesFixture t;
    t.page()->RefreshAvailability();
    QTreeWidgetItem* cookies = t.row("Netscape/Mozilla Cookies");
    QVERIFY(!cookies->isDisabled());
    // The browser cleared its cookies meanwhile: Look again greys the row.
    QVERIFY(fsys::remove(t.profile + "cookies.sqlite"));
    t.f.find<QPushButton>("btnRefreshTraces")->click();
    QVERIFY(cookies->isDisabled());
    QCOMPARE(cookies->text(1), QStringLiteral("nothing to clean"));
    // New cookies: the row can be checked once the page is shown again.
    t.f.folder.write("home/.mozilla/firefox/p.default/cookies.sqlite", "12345678");
    t.f.form().show();
    auto* tabs = t.f.find<QTabWidget>("MainPage");
    tabs->setCurrentWidget(t.page());
    QVERIFY(!cookies->isDisabled());
    QVERIFY(cookies->text(1).startsWith("1 item"));
  }

  void checkStatesAreKeptInTheSettingsNotInPrefs() {
    {
      TracesFixture t;
      t.row("Netscape/Mozilla Cookies")->setCheckState(0, Qt::Checked);
      t.row("Recent Document List")->setCheckState(0, Qt::Unchecked);
      t.row("Chromium-family Cookies")->setCheckState(0, Qt::Checked);
      t.f.find<QCheckBox>("chkOverwriteTraces")->setChecked(true);
      const std::string ini = readFileBytes(t.f.folder / "program/Ferrovane.ini");
      QVERIFY(ini.find("[CleanTraces]") != std::string::npos);
      QVERIFY(ini.find("NetscapeMozillaCookies=1") != std::string::npos);
      QVERIFY(ini.find("EraseStartMenuRecentDocuments=0") != std::string::npos);
      QVERIFY(ini.find("ChromiumCookies=1") != std::string::npos);
      QVERIFY(ini.find("OverwriteFiles=1") != std::string::npos);
      QVERIFY(!pathExists(t.f.folder / "program/prefs.dat"));

      // A window made again shows the same choices.
      MainFormFixture again;
      again.folder.write("program/Ferrovane.ini", ini);
      auto* tree = again.find<QTreeWidget>("tvTraceItems");
      const auto cookies =
          tree->findItems("Netscape/Mozilla Cookies", Qt::MatchExactly | Qt::MatchRecursive);
      const auto recent =
          tree->findItems("Recent Document List", Qt::MatchExactly | Qt::MatchRecursive);
      QCOMPARE(cookies.first()->checkState(0), Qt::Checked);
      QCOMPARE(recent.first()->checkState(0), Qt::Unchecked);
      QVERIFY(again.find<QCheckBox>("chkOverwriteTraces")->isChecked());
    }
  }

  // A choice the settings file cannot keep holds for the session; the user is told once, with
  // the system's reason, however many choices follow.
  void aChoiceTheSettingsCannotKeepIsToldOnce() {
    TracesFixture t;
    QVERIFY(t.tree());
    const std::string ini = t.f.folder / "program/Ferrovane.ini";
    FaultyFileSystem disk;
    disk.failAtomicWrite.insert(ini);
    const platform::ScopedFileSystem installed(disk);
    t.row("Netscape/Mozilla Cookies")->setCheckState(0, Qt::Checked);
    t.f.find<QCheckBox>("chkOverwriteTraces")->setChecked(true);
    t.row("Netscape/Mozilla Cookies")->setCheckState(0, Qt::Unchecked);
    QCOMPARE(t.f.prompts.messages.size(), std::size_t{1});
    QCOMPARE(t.f.prompts.messages[0].caption, QStringLiteral("Warning"));
    QVERIFY2(t.f.prompts.messages[0].text.contains(QStringLiteral("could not keep it")),
             qPrintable(t.f.prompts.messages[0].text));
    QVERIFY(!pathExists(ini) || readFileBytes(ini).find("OverwriteFiles=1") == std::string::npos);
    QVERIFY(t.f.find<QCheckBox>("chkOverwriteTraces")->isChecked());
  }

  // Without a user service manager the window's timer runs the schedule: a due tick cleans the
  // traces chosen for it and nothing else, asks nothing, and the page shows the log.
  void theWindowTimerCleansOnlyTheScheduledTraces() {
    TracesFixture t;
    t.f.folder.write("program/Ferrovane.ini",
                     "[CleanTraces]\nNetscapeMozillaFormsData=1\nEraseWindowsTemp=1\n"
                     "[Schedule]\nEnabled=1\nKind=1\nEveryMinutes=0\n"
                     "Items=NetscapeMozillaCookies\n");
    TScheduler& scheduler = *t.f.form().CleanerEngine().Scheduler;
    auto* state = t.f.find<QLabel>("lblScheduleState");
    QVERIFY2(state->text().contains("this window's timer"), qPrintable(state->text()));
    QVERIFY(scheduler.Timer->Enabled());
    // The test ticks by itself: the real one-second timer stops before it could tick.
    scheduler.Timer->SetEnabled(false);
    QVERIFY(!pathExists(t.f.folder / "program/scheduled-clean.log"));

    scheduler.CheckSchedule();  // the timer's tick; a count of 0 falls due at once
    QVERIFY(!pathExists(t.profile + "cookies.sqlite"));
    QVERIFY(pathExists(t.profile + "formhistory.sqlite"));
    QVERIFY(pathExists(t.oldTemp));
    QVERIFY2(state->text().contains("Last scheduled clean: ") &&
                 state->text().contains("removed 1 item"),
             qPrintable(state->text()));
    QVERIFY(readFileBytes(t.f.folder / "program/scheduled-clean.log").find("\t1\t0\tran\t") !=
            std::string::npos);
  }

  // The window timer's clean overwrites as the page is set, and leaves what the keep list holds.
  void theWindowTimerOverwritesAsThePageIsSetAndKeepsWhatIsKept() {
    TracesFixture t;
    t.f.withCatalogue();
    t.f.folder.write("program/Ferrovane.ini",
                     "[Settings]\nConfirmEraseAllFiles=0\n[CleanTraces]\nOverwriteFiles=1\n"
                     "[CleanTracesKeep]\nCount=1\nPath1=~/.mozilla/firefox/*/formhistory.sqlite\n"
                     "[Schedule]\nEnabled=1\nKind=1\nEveryMinutes=0\n"
                     "Items=NetscapeMozillaCookies,NetscapeMozillaFormsData\n");
    const std::string cookies = t.profile + "cookies.sqlite";
    // The file as something reading the device would still find it.
    const int earlier = ::open(cookies.c_str(), O_RDONLY);
    QVERIFY(earlier >= 0);
    TScheduler& scheduler = *t.f.form().CleanerEngine().Scheduler;
    scheduler.Timer->SetEnabled(false);
    scheduler.CheckSchedule();
    char bytes[8] = {};
    const ssize_t got = ::pread(earlier, bytes, sizeof bytes, 0);
    ::close(earlier);
    QVERIFY(!pathExists(cookies));
    QVERIFY(got <= 0 || std::string(bytes, static_cast<std::size_t>(got)) != "12345678");
    QCOMPARE(readFileBytes(t.profile + "formhistory.sqlite"), std::string("1234"));
  }

  void aScheduleTheSettingsCannotReadIsNamedAndNoneRuns() {
    TracesFixture t;
    t.f.folder.write("program/Ferrovane.ini",
                     "[Schedule]\nEnabled=1\nKind=9\nEveryMinutes=0\n"
                     "Items=NetscapeMozillaCookies\n");
    auto* state = t.f.find<QLabel>("lblScheduleState");
    QVERIFY2(state->text().contains("The schedule in the settings file cannot be read: Kind=9"),
             qPrintable(state->text()));
    QVERIFY(!t.f.form().CleanerEngine().Scheduler->Timer->Enabled());
  }

  // The dialog starts from the schedule of prefs.dat (run by the window's timer until a timer of
  // the service manager is installed), keeps what it is given in the settings file (never in
  // prefs.dat), and the user's service manager gets the timer while it is on.
  void theDialogKeepsTheScheduleAndInstallsTheTimer() {
    TracesFixture t;
    FakeUserServices manager(true);
    platform::ScopedUserServices services(manager);
    const std::string prefs =
        "<?xml version=\"1.0\"?>\n<Configuration>"
        "<Scheduler Enabled=\"True\" Inverval=\"3\" LastRun=\"\"><Once Date=\"2026-01-01\"/>"
        "<Every Minutes=\"15\"/><Hourly Hours=\"1\" Minutes=\"0\"/>"
        "<Daily Days=\"2\" Hour=\"04:10:00\"/><Weekly Weeks=\"1\" Hour=\"00:00:00\" "
        "Monday=\"False\" Tuesday=\"False\" Wednesday=\"False\" Thursday=\"False\" "
        "Friday=\"False\" Saturday=\"False\" Sunday=\"False\"/><Monthly Hour=\"00:00:00\" "
        "AtDay=\"True\" Day=\"1\" DayIndexOf=\"1\" DayOf=\"1\" Jan=\"False\" Feb=\"False\" "
        "Mar=\"False\" Apr=\"False\" May=\"False\" Jun=\"False\" Jul=\"False\" Aug=\"False\" "
        "Sep=\"False\" Oct=\"False\" Nov=\"False\" Dec=\"False\"/></Scheduler></Configuration>\n";
    t.f.folder.write("program/prefs.dat", prefs);
    const std::string timer = t.f.folder.configFolder() + "systemd/user/ferrovane-clean.timer";
    const std::string service = t.f.folder.configFolder() + "systemd/user/ferrovane-clean.service";
    TfSchedule& dialog = t.page()->ScheduleDialog();
    // prefs.dat's schedule is on, but no timer of the service manager was ever installed.
    QVERIFY2(t.f.find<QLabel>("lblScheduleState")->text().contains("this window's timer"),
             qPrintable(t.f.find<QLabel>("lblScheduleState")->text()));
    t.f.form().CleanerEngine().Scheduler->Timer->SetEnabled(false);

    bool shownFromPrefs = false;
    QTimer::singleShot(0, [&] {
      shownFromPrefs = dialog.findChild<QCheckBox*>("chkScheduleOn")->isChecked() &&
                       dialog.findChild<QRadioButton*>("radDaily")->isChecked() &&
                       dialog.findChild<QSpinBox*>("spnDailyDays")->value() == 2 &&
                       dialog.findChild<QTimeEdit*>("tmDailyHour")->time() == QTime(4, 10);
      dialog.findChild<QCheckBox*>("chkScheduleOn")->setChecked(true);
      dialog.findChild<QTimeEdit*>("tmDailyHour")->setTime(QTime(3, 0));
      auto* items = dialog.findChild<QListWidget*>("lvScheduleItems");
      for (int i = 0; i < items->count(); ++i) {
        items->item(i)->setCheckState(
            items->item(i)->text() == "Netscape/Mozilla Cookies" ? Qt::Checked : Qt::Unchecked);
      }
      dialog.accept();
    });
    t.f.find<QPushButton>("btnSchedule")->click();
    QVERIFY(shownFromPrefs);

    const std::string ini = readFileBytes(t.f.folder / "program/Ferrovane.ini");
    QVERIFY2(ini.find("[Schedule]") != std::string::npos &&
                 ini.find("Kind=3") != std::string::npos &&
                 ini.find("DailyHour=03:00:00") != std::string::npos &&
                 ini.find("Items=NetscapeMozillaCookies\n") != std::string::npos,
             ini.c_str());
    QCOMPARE(readFileBytes(t.f.folder / "program/prefs.dat"), prefs);
    QVERIFY(readFileBytes(timer).find("OnCalendar=*-*-* 03:00:00\n") != std::string::npos);
    QVERIFY(readFileBytes(service).find("clean --scheduled") != std::string::npos);
    QVERIFY(manager.Calls.size() == 3 && manager.Calls[1] == "enable ferrovane-clean.timer");
    auto* state = t.f.find<QLabel>("lblScheduleState");
    QVERIFY2(state->text().contains("service manager"), qPrintable(state->text()));
    // The service manager runs it: the window's timer does not run it a second time.
    QVERIFY(!t.f.form().CleanerEngine().Scheduler->Timer->Enabled());

    // A window made again finds the timer installed and leaves the schedule to it.
    {
      MainFormFixture again;
      FakeUserServices running(true);
      platform::ScopedUserServices scoped(running);
      again.folder.write("program/Ferrovane.ini", ini);
      fsys::create_directories(again.folder.configFolder() + "systemd/user");
      fsys::copy_file(timer, again.folder.configFolder() + "systemd/user/ferrovane-clean.timer");
      QVERIFY(again.find<QLabel>("lblScheduleState")->text().contains("service manager"));
      QVERIFY(!again.form().CleanerEngine().Scheduler->Timer->Enabled());
    }

    QTimer::singleShot(0, [&] {
      dialog.findChild<QCheckBox*>("chkScheduleOn")->setChecked(false);
      dialog.accept();
    });
    t.f.find<QPushButton>("btnSchedule")->click();
    QVERIFY(!pathExists(timer));
    QVERIFY(!pathExists(service));
    QCOMPARE(manager.Calls.back(), std::string("daemon-reload"));
    QVERIFY(state->text().startsWith("No scheduled clean."));
  }
};

QTEST_MAIN(CleanTracesPageTest)
#include "CleanTracesPageTest.moc"
