// Drives that only the administrator may fill: after the free-space run the window offers a run
// with administrator rights (where a launcher such as pkexec is installed), starts the command
// line through it with the drives, shows its progress and reports its outcome like its own.

#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "MainFormFixture.h"
#include "core/ProgressStream.h"
#include "ui/AdministratorRun.h"

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

}  // namespace

class AdministratorRunTest : public QObject {
  Q_OBJECT

 private slots:
  void offeredOnlyForDrivesThatNeedItAndOnlyWithALauncher();
  void aRunWithoutAnOutcomeIsReportedAsSuch();
  void wipesRefusedByTheSystemAreOfferedToo();
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

  // No launcher installed: the report only.
  const QString before = SetAdministratorLauncher(QString());
  failures = {{system + "/", TWipeFailureReason::NeedsAdministrator}};
  start();
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  // A launcher, but nothing that needs the administrator: the report only.
  SetAdministratorLauncher(launcher);
  failures = {{own + "/", TWipeFailureReason::NoFreeSpace}};
  start();
  QCOMPARE(f.prompts.messages.size(), std::size_t{2});

  // A drive that needs the administrator: the question names it; No runs nothing.
  failures = {{system + "/", TWipeFailureReason::NeedsAdministrator},
              {own + "/", TWipeFailureReason::NoFreeSpace}};
  f.prompts.confirmations = {false};
  start();
  QCOMPARE(f.prompts.messages.size(), std::size_t{4});
  QCOMPARE(f.prompts.messages[3].caption, QStringLiteral("Confirm"));
  QVERIFY(f.prompts.messages[3].text.contains(QString::fromStdString(system)));
  QVERIFY(!f.prompts.messages[3].text.contains(QString::fromStdString(own)));
  QVERIFY(!pathExists(f.folder / "asked"));

  // Yes: the command line runs through the launcher for that drive only, and its outcome is
  // reported as the window reports its own runs.
  f.prompts.confirmations = {true};
  start();
  QCOMPARE(readFileBytes(f.folder / "asked"),
           CommandLineProgram() + "\n--progress=json\nfree-space\n--\n" + system + "/\n");
  QCOMPARE(f.prompts.messages.size(), std::size_t{7});
  const auto& report = f.prompts.messages[6];
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
  QVERIFY(f.prompts.lastMessage().text.contains(QStringLiteral("without an outcome")));
  QVERIFY(f.prompts.lastMessage().text.contains(QStringLiteral("126")));
  SetAdministratorLauncher(before);
}

void AdministratorRunTest::wipesRefusedByTheSystemAreOfferedToo() {
  MainFormFixture f;
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
  QCOMPARE(
      readFileBytes(f.folder / "asked"),
      CommandLineProgram() + "\n--progress=json\nwipe\n-r\n--\n" + locked + "\n" + busy + "\n");
  QCOMPARE(f.prompts.lastMessage().text,
           QStringLiteral("The wipe task has been completed successfully!"));
  SetAdministratorLauncher(before);
}

QTEST_MAIN(AdministratorRunTest)
#include "AdministratorRunTest.moc"
