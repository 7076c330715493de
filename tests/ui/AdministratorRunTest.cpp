// What only the administrator may wipe: after the user's run the window offers a run with
// administrator rights (where a launcher such as pkexec is installed, and says where none is),
// hands the command line started through it the job as the window saw it, shows its progress,
// lets Cancel stop it, and reports its outcome like its own.

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>

#include "MainFormFixture.h"
#include "core/ProgressStream.h"
#include "support/FakeWipeServices.h"
#include "ui/AdministratorRun.h"
#include "ui/TfProgress.h"

namespace {

// Stands in for pkexec: records what it was asked to run, then writes the given stream.
std::string fakeLauncher(const TestFolder& folder, const std::string& stream, int status) {
  folder.write("stream", stream);
  const std::string launcher = folder.write(
      "launcher", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + folder.path() + "asked'\ncat '" +
                      folder.path() + "stream'\nexit " + std::to_string(status) + "\n");
  std::filesystem::permissions(launcher, std::filesystem::perms::owner_all);
  return launcher;
}

// Stands in for pkexec without asking anything: records what it was asked to run, then runs the
// real command line (not the copy the window names) with the rest, its standard input included.
QString passingLauncher(const TestFolder& folder) {
  const std::string launcher =
      folder.write("launcher", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + folder.path() +
                                   "asked'\nshift\nexec '" FERROVANE_CLI "' \"$@\"\n");
  std::filesystem::permissions(launcher, std::filesystem::perms::owner_all);
  return QString::fromStdString(launcher);
}

// A run of the window's that the system refused the file (the administrator's to wipe).
TMainForm::TEngineRunner refusedRun(const std::string& path) {
  return fakeRun([path](TWipeEngine& engine) {
    engine.Failures = {{path, TWipeFailureReason::CannotOpen,
                        std::make_error_code(std::errc::operation_not_permitted)}};
  });
}

// Adds the file to the files list and presses its Start.
void addAndStart(MainFormFixture& f, const std::string& path) {
  f.prompts.openFiles.push_back({path});
  QTest::mouseClick(f.find<QPushButton>("btnAddFiles"), Qt::LeftButton);
  QTest::mouseClick(f.find<QPushButton>("btnStartShredFiles"), Qt::LeftButton);
}

}  // namespace

class AdministratorRunTest : public QObject {
  Q_OBJECT

 private slots:
  void offeredOnlyForDrivesThatNeedItAndOnlyWithALauncher();
  void aRunWithoutAnOutcomeIsReportedAsSuch();
  void wipesRefusedByTheSystemAreOfferedToo();
  void theLaunchersFailuresAreToldInWords();
  void whatIsPutInPlaceOfATargetAfterTheQuestionIsNeverWiped();
  void theUsersMethodSettingsAndNameBytesAreHandedOver();
  void cancelInTheProgressWindowStopsTheRun();
};

void AdministratorRunTest::offeredOnlyForDrivesThatNeedItAndOnlyWithALauncher() {
  TestFolder disks;
  const std::string system = disks.makeFolder("system");
  const std::string own = disks.makeFolder("own");
  MainFormFixture f(mountLine(20, "8:1", system, "ext4") + mountLine(21, "8:2", own, "ext4"));
  f.withCatalogue();
  std::vector<TWipeFailure> failures;
  f.setRunner(fakeRun([&](TWipeEngine& engine) { engine.Failures = failures; }));
  auto start = [&] { QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton); };

  // What the run with administrator rights says: it went through the drive, and left a part.
  TRunOutcome elevated;
  elevated.jobs = 1;
  elevated.failures = {{system + "/", TWipeFailureReason::ReserveUnreachable, {}, "4 KB"}};
  const std::string stream = ProgressEventLine({system + "/tem1.tmp", 1, 1, 4096, 8192}) + "\n" +
                             ProgressEventLine({system + "/tem1.tmp", 1, 1, 8192, 8192}) + "\n" +
                             ProgressOutcomeLine(elevated) + "\n";
  const QString launcher = QString::fromStdString(fakeLauncher(f.folder, stream, 0));

  // No launcher installed: the report, and where to get one.
  const QString before = SetAdministratorLauncher(QString());
  failures = {{system + "/", TWipeFailureReason::NeedsAdministrator}};
  start();
  QCOMPARE(f.prompts.messages.size(), std::size_t{2});
  QVERIFY(f.prompts.messages[1].text.contains(QStringLiteral("pkexec")));
  QVERIFY(f.prompts.messages[1].text.contains(QStringLiteral("not installed")));
  QVERIFY(f.prompts.messages[1].text.contains(QString::fromStdString(system)));
  // A launcher, but nothing that needs the administrator: the report only.
  SetAdministratorLauncher(launcher);
  failures = {{own + "/", TWipeFailureReason::NoFreeSpace}};
  start();
  QCOMPARE(f.prompts.messages.size(), std::size_t{3});

  // A drive that needs the administrator: the question names it; No runs nothing.
  failures = {{system + "/", TWipeFailureReason::NeedsAdministrator},
              {own + "/", TWipeFailureReason::NoFreeSpace}};
  f.prompts.confirmations = {false};
  start();
  QCOMPARE(f.prompts.messages.size(), std::size_t{5});
  QCOMPARE(f.prompts.messages[4].action, QStringLiteral("Continue as administrator"));
  QVERIFY(!f.prompts.messages[4].offeredBox);
  QVERIFY(f.prompts.messages[4].text.contains(QString::fromStdString(system)));
  QVERIFY(!f.prompts.messages[4].text.contains(QString::fromStdString(own)));
  QVERIFY(!pathExists(f.folder / "asked"));

  // Yes: the command line runs through the launcher with the job (the drive is not an
  // argument), and its outcome is reported as the window reports its own runs.
  f.prompts.confirmations = {true};
  start();
  QCOMPARE(readFileBytes(f.folder / "asked"),
           CommandLineProgram() + "\n--progress=json\nhand-over\n");
  QCOMPARE(f.prompts.messages.size(), std::size_t{8});
  const auto& report = f.prompts.messages[7];
  QCOMPARE(report.caption, QStringLiteral("Warning"));
  QVERIFY(report.details.contains(QString::fromStdString(system + "/: ")));
  QVERIFY(report.details.contains(QStringLiteral("4 KB")));
  QVERIFY(f.prompts.unexpected.empty());
  SetAdministratorLauncher(before);
}

void AdministratorRunTest::aRunWithoutAnOutcomeIsReportedAsSuch() {
  TestFolder disks;
  const std::string system = disks.makeFolder("system");
  MainFormFixture f(mountLine(20, "8:1", system, "ext4"));
  f.withCatalogue();
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    engine.Failures = {{system + "/", TWipeFailureReason::NeedsAdministrator}};
  }));
  // The user dismissed the password question: pkexec ends with 126 and no stream.
  const QString before =
      SetAdministratorLauncher(QString::fromStdString(fakeLauncher(f.folder, "", 126)));
  f.prompts.confirmations = {true};
  QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton);
  QCOMPARE(f.prompts.messages.size(), std::size_t{3});
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Warning"));
  QVERIFY(f.prompts.lastMessage().text.contains(QStringLiteral("password was not given")));
  QVERIFY(f.prompts.lastMessage().text.contains(QStringLiteral("126")));
  SetAdministratorLauncher(before);
}

void AdministratorRunTest::theLaunchersFailuresAreToldInWords() {
  struct Case {
    int status;
    const char* said;
    const char* words;
  };
  for (const Case& c : {
           Case{127, "Error executing command as another user: No authentication agent found.",
                "No authentication agent is running"},
           Case{127,
                "Error getting authority: Error initializing authority: Could not connect: No "
                "such file or directory",
                "polkit service"},
           Case{126, "Error executing command as another user: Not authorized", "not given"},
           Case{127, "", "could not start the run"},
           Case{3, "ferrovane-cli: the job handed over is damaged", "without an outcome"},
       }) {
    const QString text =
        LauncherProblem(QStringLiteral("/usr/bin/pkexec"), c.status, QString::fromLatin1(c.said));
    QVERIFY2(text.contains(QLatin1String(c.words)), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("status %1").arg(c.status)), qPrintable(text));
  }
}

void AdministratorRunTest::wipesRefusedByTheSystemAreOfferedToo() {
  MainFormFixture f;
  f.withCatalogue();
  const std::string locked = f.folder.write("locked", "x");
  const std::string busy = f.folder.write("busy", "y");
  const std::string gone = f.folder.write("gone", "z");
  f.prompts.openFiles.push_back({locked, busy, gone});
  QTest::mouseClick(f.find<QPushButton>("btnAddFiles"), Qt::LeftButton);
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    engine.Failures = {
        {locked, TWipeFailureReason::CannotOpen,
         std::make_error_code(std::errc::permission_denied)},
        {busy, TWipeFailureReason::CannotDelete,
         std::make_error_code(std::errc::operation_not_permitted)},
        // Not a matter of rights: not offered.
        {gone, TWipeFailureReason::CannotOpen, std::make_error_code(std::errc::io_error)},
    };
  }));
  const QString before = SetAdministratorLauncher(
      QString::fromStdString(fakeLauncher(f.folder, ProgressOutcomeLine({}) + "\n", 0)));
  f.prompts.confirmations = {true};
  QTest::mouseClick(f.find<QPushButton>("btnStartShredFiles"), Qt::LeftButton);
  QCOMPARE(f.prompts.messages.size(), std::size_t{3});
  QVERIFY(f.prompts.messages[1].text.contains(QString::fromStdString(locked)));
  QVERIFY(!f.prompts.messages[1].text.contains(QString::fromStdString(gone)));
  QCOMPARE(readFileBytes(f.folder / "asked"),
           CommandLineProgram() + "\n--progress=json\nhand-over\n");
  QVERIFY(f.prompts.messages[1].text.contains(QString::fromStdString(busy)));
  QCOMPARE(f.prompts.lastMessage().text,
           QStringLiteral("The wipe task has been completed successfully!"));
  SetAdministratorLauncher(before);
}

void AdministratorRunTest::whatIsPutInPlaceOfATargetAfterTheQuestionIsNeverWiped() {
  namespace fsys = std::filesystem;
  // Whoever may write the user's folder swaps what the question named, while it is open.
  const std::vector<std::pair<const char*, std::function<void(const TestFolder&)>>> swaps = {
      {"the folder for a link to the administrator's",
       [](const TestFolder& t) {
         fsys::rename(t / "proj", t / "proj.old");
         fsys::create_directory_symlink(t / "secret", t / "proj");
       }},
      {"the folder for another",
       [](const TestFolder& t) {
         fsys::rename(t / "proj", t / "proj.old");
         t.write("proj/precious.db", "planted");
       }},
      {"the file for another",
       [](const TestFolder& t) {
         fsys::rename(t / "proj/precious.db", t / "proj/old.db");
         t.write("proj/precious.db", "planted");
       }},
  };
  for (const auto& [what, swap] : swaps) {
    MainFormFixture f;
    f.withCatalogue();
    const std::string secret = f.folder.write("secret/precious.db", "the administrator's");
    const std::string chosen = f.folder.write("proj/precious.db", "the user's");
    f.setRunner(refusedRun(chosen));
    SetAdministratorLauncher(passingLauncher(f.folder));
    f.prompts.confirmations = {true};
    f.prompts.whileAsking = {[&, swap = swap] { swap(f.folder); }};
    addAndStart(f, chosen);
    QVERIFY2(f.prompts.messages.size() == 3, what);
    QCOMPARE(readFileBytes(secret), std::string("the administrator's"));
    QCOMPARE(readFileBytes(chosen), fsys::is_symlink(f.folder / "proj")
                                        ? std::string("the administrator's")
                                        : std::string("planted"));
    const auto& report = f.prompts.lastMessage();
    QCOMPARE(report.caption, QStringLiteral("Warning"));
    QVERIFY2(report.details.contains(QString::fromStdString(chosen) +
                                     QStringLiteral(": was replaced since it was chosen")),
             qPrintable(report.details));
    QVERIFY(f.prompts.unexpected.empty());
  }
}

void AdministratorRunTest::theUsersMethodSettingsAndNameBytesAreHandedOver() {
  MainFormFixture f;
  // The user's method has 35 passes and the user's settings write no signature; the
  // administrator's own (beside the command line) are others.
  std::string gutmann = "[Method]\nName=Gutmann\nPasses=35\n";
  for (int pass = 1; pass <= 35; ++pass) {
    gutmann += "[Pass" + std::to_string(pass) +
               "]\nWipeWith=0\nBytePatternValue=" + std::to_string(pass) + "\n";
  }
  f.folder.write("program/Methods/zz-gutmann.mtd", gutmann);
  f.withCatalogue();
  f.folder.write("program/Ferrovane.ini",
                 "[Settings]\nConfirmEraseAllFiles=0\n[Engines]\nWipeFiles=zz-gutmann.mtd\n");
  f.catalogue().WriteSignature = false;
  ProgressLog shown;  // the progress the run with administrator rights showed
  QtWipeServices recording([&](TWipeEngine&) { return std::make_unique<FakeWipeProgress>(shown); });
  const ScopedWipeServices installed(recording);

  const std::string odd = f.folder.write("caf\xe9 \xff.db", std::string(8192, 'x'));
  f.setRunner(refusedRun(odd));
  SetAdministratorLauncher(passingLauncher(f.folder));
  f.prompts.confirmations = {true};
  addAndStart(f, odd);
  QCOMPARE(f.prompts.lastMessage().text,
           QStringLiteral("The wipe task has been completed successfully!"));
  QVERIFY(!pathExists(odd));
  // The name's bytes reached the run whole, and every pass of the user's method, no more.
  QCOMPARE(shown.files.front(), odd);
  QVERIFY(!shown.passes.empty());
  QCOMPARE(shown.passes.back(), (std::pair<int, int>(35, 35)));
  QVERIFY(f.prompts.unexpected.empty());
}

void AdministratorRunTest::cancelInTheProgressWindowStopsTheRun() {
  MainFormFixture f;
  std::string slow = "[Method]\nName=Slow\nPasses=200\n";
  for (int pass = 1; pass <= 200; ++pass)
    slow += "[Pass" + std::to_string(pass) + "]\nWipeWith=2\n";
  f.folder.write("program/Methods/slow.mtd", slow);
  f.withCatalogue();
  f.folder.write("program/Ferrovane.ini",
                 "[Settings]\nConfirmEraseAllFiles=0\n[Engines]\nWipeFolders=slow.mtd\n");
  const std::string big = f.folder.write("tree/a-big", std::string(8 << 20, 'b'));
  const std::string after = f.folder.write("tree/b-after", "after");
  const std::string tree = f.folder / "tree";
  // The user's run was refused the folder; the run with administrator rights is cancelled in
  // its progress window once it is wiping the first file.
  f.prompts.folders.push_back(tree);
  QTest::mouseClick(f.find<QPushButton>("btnAddFolder"), Qt::LeftButton);
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    engine.Failures = {
        {tree, TWipeFailureReason::CannotList, std::make_error_code(std::errc::permission_denied)}};
  }));
  SetAdministratorLauncher(passingLauncher(f.folder));
  f.prompts.confirmations = {true};
  bool cancelled = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* progress = qobject_cast<TfProgress*>(window);
      if (cancelled || !progress || !progress->isVisible()) continue;
      if (progress->findChild<QLabel*>(QStringLiteral("lblFile"))->toolTip() !=
          QString::fromStdString(big)) {
        continue;
      }
      QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("btnCancel")),
                        Qt::LeftButton);
      cancelled = true;
    }
  });
  watch.start(5);
  QElapsedTimer took;
  took.start();
  QTest::mouseClick(f.find<QPushButton>("btnStartShredFolders"), Qt::LeftButton);
  watch.stop();
  QVERIFY(cancelled);
  QVERIFY2(took.elapsed() < 20000, "the run went on after Cancel");
  // Stopped in the first file, which keeps its name; the second was not reached.
  QCOMPARE(f.prompts.lastMessage().text, QStringLiteral("The wipe task has been aborted!"));
  QVERIFY(pathExists(big));
  QCOMPARE(readFileBytes(after), std::string("after"));
  QVERIFY(f.prompts.lastMessage().details.contains(QString::fromStdString(big)));
}

QTEST_MAIN(AdministratorRunTest)
#include "AdministratorRunTest.moc"
