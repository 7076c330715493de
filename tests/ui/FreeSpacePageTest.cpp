// The Wipe-free-space page: the drive list built from the drive table, the run over the checked
// drives, and what the user is told afterwards.

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <cstdlib>

#include "MainFormFixture.h"
#include "core/DriveFunctions.h"
#include "core/FreeSpaceLock.h"
#include "core/Helpers.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"
#include "support/FaultyFileSystem.h"
#include "support/ScopedMount.h"
#include "ui/SizeFunctions.h"

namespace {

struct Row {
  QString name, fileSystem, freeSpace, total;
  bool checked;
  std::string root;
};

std::vector<Row> driveRows(MainFormFixture& f) {
  std::vector<Row> rows;
  auto* list = f.find<QTreeWidget>("lvDriveList");
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    auto* row = static_cast<TPathRow*>(list->topLevelItem(i));
    rows.push_back({row->text(0), row->text(1), row->text(2), row->text(3),
                    row->checkState(0) == Qt::Checked, row->Path});
  }
  return rows;
}

// A small tmpfs that the window, made at once, lists as a fixed disk (the table it reads calls
// it ext4), with the method catalogue for real runs and a recording file system confined to the
// test folders. Where nothing can be mounted, mount.mounted() is false and there is no window.
struct SmallDrive {
  explicit SmallDrive(unsigned megabytes)
      : mount(point, ScopedMount::Kind::Tmpfs, megabytes),
        f(mount.mounted() ? std::make_unique<MainFormFixture>(mountLine(20, "8:1", point, "ext4"))
                          : nullptr) {
    if (f) {
      f->withCatalogue();
      f->form();
    }
    disk.confinedTo = TestFolder::prefix();
  }

  TestFolder disks;
  const std::string point = disks.makeFolder("small");
  ScopedMount mount;
  std::unique_ptr<MainFormFixture> f;
  FaultyFileSystem disk;  // installed over the window's own, after it
  platform::ScopedFileSystem recording{disk};
};

}  // namespace

class FreeSpacePageTest : public QObject {
  Q_OBJECT

 private slots:
  void listsFixedDrivesOnlyInPathOrderAllChecked();
  void onlyDrivesTheUserCanWipeAreCheckedTheOthersSayWhy();
  void runWipesCheckedDrivesOnlyAndEmptiesTheEngine();
  void driveLeftUnwipedIsReportedNotSuccess();
  void abortedRunSaysSo();
  void realRunOnAMountedFileSystem();
  void driveUnmountedAfterListingIsNotWipedAndSaysSo();
  void leftoverOfAnInterruptedRunIsOfferedForWipingOnce();
  void leftoverTakenByAFreeSpaceWipeStartedMeanwhileIsLeftToIt();
  void discardOptionShowsAndChangesTheStoredSetting();
  void startAsksNamingEachDriveWithTheSpaceItFills();
  void driveListFollowsTheMountsAndKeepsTheChecks();
};

void FreeSpacePageTest::listsFixedDrivesOnlyInPathOrderAllChecked() {
  TestFolder disks;
  const std::string data = disks.makeFolder("data disk");
  // The data disk is a small file system of the test's own where one can be mounted, so that
  // no other program changes its free space while the list is compared with it.
  const ScopedMount dataDrive(data, ScopedMount::Kind::Tmpfs, 8);
  const std::string backup = disks.makeFolder("backup");
  const std::string gone = disks / "gone";  // in the table, but not there
  const std::string stick = disks.makeFolder("stick");
  // Not drives of their own: the data disk mounted a second time further down, and a file
  // mounted over a file.
  const std::string again = disks.makeFolder("data disk/again");
  const std::string hostname = disks.write("hostname", "");
  const std::string table =
      mountLine(20, "8:1", data, "ext4") + mountLine(21, "11:0", disks / "cdrom", "iso9660") +
      mountLine(22, "0:40", disks / "ram", "tmpfs") + mountLine(23, "8:17", backup, "xfs") +
      mountLine(24, "0:5", disks / "proc", "proc") + mountLine(25, "8:49", gone, "btrfs") +
      mountLine(26, "8:33", stick, "vfat") + mountLine(27, "0:50", disks / "share", "nfs4") +
      mountLine(28, "8:1", again, "ext4") + mountLine(29, "8:3", hostname, "ext4");
  // Where it is the real disk under the test's folder, whose free space other programs change
  // meanwhile, the figure listed must be one read before the window or just after the list.
  const auto spaceBefore = platform::fs().diskSpace(data);
  MainFormFixture f(table);
  // The stick's disk says it is removable.
  f.folder.write("sys/8:33/removable", "1\n");

  const std::vector<Row> rows = driveRows(f);
  const auto spaceAfter = platform::fs().diskSpace(data);
  QCOMPARE(rows.size(), std::size_t{3});
  QCOMPARE(rows[0].root, backup + "/");
  QCOMPARE(rows[1].root, data + "/");
  QCOMPARE(rows[2].root, gone + "/");
  // Named by their mount points, as the system names them.
  QCOMPARE(rows[0].name, QString::fromLocal8Bit(backup));
  QCOMPARE(rows[1].name, QString::fromLocal8Bit(data));
  QCOMPARE(rows[0].fileSystem, QStringLiteral("xfs"));
  QCOMPARE(rows[1].fileSystem, QStringLiteral("ext4"));
  QVERIFY(rows[0].checked && rows[1].checked);

  QVERIFY(spaceBefore.has_value() && spaceAfter.has_value());
  const QStringList freeFigures{FormatSize(static_cast<std::int64_t>(spaceBefore->available)),
                                FormatSize(static_cast<std::int64_t>(spaceAfter->available))};
  QVERIFY2(freeFigures.contains(rows[1].freeSpace), qPrintable(rows[1].freeSpace));
  QCOMPARE(rows[1].total, FormatSize(static_cast<std::int64_t>(spaceAfter->total)));
  // A drive that cannot be asked is still listed, unchecked, with the reason instead of figures.
  QCOMPARE(rows[2].name, QString::fromLocal8Bit(gone) +
                             QStringLiteral(" (cannot be read: No such file or directory)"));
  QVERIFY(!rows[2].checked);
  QCOMPARE(rows[2].freeSpace, QStringLiteral("unknown"));
  QCOMPARE(rows[2].total, QStringLiteral("unknown"));
}

void FreeSpacePageTest::onlyDrivesTheUserCanWipeAreCheckedTheOthersSayWhy() {
  TestFolder disks;
  const std::string mine = disks.makeFolder("mine");
  const std::string others = disks.makeFolder("others");
  const std::string closed = disks.makeFolder("closed");
  // As an ordinary user sees them: another user's drive, where neither its top folder nor the
  // home and temporary folders (on the same disk here) may be written, and one that cannot be
  // read at all.
  FaultyFileSystem disk;
  disk.confinedTo = TestFolder::prefix();
  MainFormFixture f(mountLine(20, "8:1", closed, "ext4") + mountLine(21, "8:2", mine, "ext4") +
                    mountLine(22, "8:3", others, "ext4"));
  f.withCatalogue(true);
  disk.notWritable = {others + "/",
                      others,
                      platform::homeFolder(),
                      platform::tempFolder(),
                      RemoveTrailingBackslash(platform::homeFolder()),
                      RemoveTrailingBackslash(platform::tempFolder())};
  disk.failDiskSpace = {closed + "/"};
  disk.readError = std::make_error_code(std::errc::permission_denied);
  platform::ScopedFileSystem seen(disk);
  SetAdministratorLauncher(QStringLiteral("/bin/false"));  // a way to ask for the rights
  std::vector<std::vector<std::string>> runs;
  f.setRunner(
      fakeRun([&](TWipeEngine& engine) { runs.push_back(MainFormFixture::itemPaths(engine)); }));

  const std::vector<Row> rows = driveRows(f);
  QCOMPARE(rows.size(), std::size_t{3});
  QCOMPARE(rows[0].name,
           QString::fromLocal8Bit(closed) + QStringLiteral(" (cannot be read: Permission denied)"));
  QCOMPARE(rows[1].name, QString::fromLocal8Bit(mine));
  QCOMPARE(rows[2].name, QString::fromLocal8Bit(others) +
                             QStringLiteral(" (only the administrator may write there)"));
  QCOMPARE((std::vector<bool>{rows[0].checked, rows[1].checked, rows[2].checked}),
           (std::vector<bool>{false, true, false}));
  // No tick can be set where a run could not wipe.
  auto* list = f.find<QTreeWidget>("lvDriveList");
  QVERIFY(!(list->topLevelItem(2)->flags() & Qt::ItemIsUserCheckable));
  QVERIFY(list->topLevelItem(1)->flags() & Qt::ItemIsUserCheckable);

  // The question names the drive it wipes, with its free space, and so does its button.
  f.prompts.confirmations = {true};
  QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton);
  QCOMPARE(runs, std::vector<std::vector<std::string>>{{mine + "/"}});
  QVERIFY(f.prompts.messages[0].text.startsWith(QStringLiteral("Wipe the free space of ") +
                                                QString::fromLocal8Bit(mine) +
                                                QStringLiteral(" (")));
  QCOMPARE(f.prompts.messages[0].action,
           QStringLiteral("Wipe free space of ") + QString::fromLocal8Bit(mine));

  // The drive only the administrator may fill is offered to a run with those rights, up front.
  f.form().show();
  f.find<QTabWidget>("MainPage")->setCurrentWidget(f.find<QWidget>("tabWipeFree"));
  auto* admin = f.find<QPushButton>("btnFreeAdministrator");
  QTRY_VERIFY(admin->isVisible());
  list->setCurrentItem(list->topLevelItem(1));
  QVERIFY(!admin->isEnabled());
  list->setCurrentItem(list->topLevelItem(2));
  QVERIFY(admin->isEnabled());
  const std::size_t shown = f.prompts.messages.size();
  f.prompts.confirmations = {false};
  QTest::mouseClick(admin, Qt::LeftButton);
  QCOMPARE(f.prompts.messages.size(), shown + 1);
  // Asked every time, naming the drive, with no box to stop asking and a button that says
  // what happens.
  QCOMPARE(f.prompts.lastMessage().action, QStringLiteral("Continue as administrator"));
  QVERIFY2(f.prompts.lastMessage().text.startsWith(QStringLiteral("Wipe the free space of ") +
                                                   QString::fromLocal8Bit(others)),
           qPrintable(f.prompts.lastMessage().text));
  QVERIFY(!f.prompts.lastMessage().offeredBox);
  QCOMPARE(runs.size(), std::size_t{1});
  QVERIFY(f.prompts.unexpected.empty());
}

void FreeSpacePageTest::runWipesCheckedDrivesOnlyAndEmptiesTheEngine() {
  TestFolder disks;
  const std::string one = disks.makeFolder("one");
  const std::string two = disks.makeFolder("two");
  const std::string three = disks.makeFolder("three");
  MainFormFixture f(mountLine(20, "8:1", one, "ext4") + mountLine(21, "8:2", two, "ext4") +
                    mountLine(22, "8:3", three, "ext4"));
  // Drives that prefs.dat put into the engine are not wiped behind the user's back: one that
  // the page does not list, and one it lists (wiped once, as a checked row).
  f.writePrefs("<WipeFreeSpace><Item Drive=\"/elsewhere/\"/><Item Drive=\"" + one +
               "/\"/></WipeFreeSpace>");
  QCOMPARE(MainFormFixture::itemPaths(f.freeSpace()),
           (std::vector<std::string>{"/elsewhere/", one + "/"}));
  auto* list = f.find<QTreeWidget>("lvDriveList");
  list->topLevelItem(2)->setCheckState(0, Qt::Unchecked);  // "two", the last in path order

  std::vector<std::vector<std::string>> runs;
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    for (const auto& item : engine.Items) QCOMPARE(item->Kind, wkFreeSpace);
    runs.push_back(MainFormFixture::itemPaths(engine));
  }));
  QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton);
  QCOMPARE(runs.size(), std::size_t{1});
  QCOMPARE(runs[0], (std::vector<std::string>{one + "/", three + "/"}));
  QVERIFY(f.freeSpace().Items.empty());
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Information"));
  QCOMPARE(f.prompts.lastMessage().text,
           QStringLiteral("The Wipe free space task has been completed successfully!"));

  // Nothing checked: nothing is wiped, not even the drives of the run before.
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    list->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
  }
  QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton);
  QCOMPARE(runs.size(), std::size_t{2});
  QVERIFY(runs[1].empty());
  QCOMPARE(f.prompts.messages.size(), std::size_t{2});
  QVERIFY(f.files().Items.empty() && f.folders().Items.empty());
}

void FreeSpacePageTest::driveLeftUnwipedIsReportedNotSuccess() {
  TestFolder disks;
  const std::string full = disks.makeFolder("full");
  const std::string fine = disks.makeFolder("fine");
  MainFormFixture f(mountLine(20, "8:1", full, "ext4") + mountLine(21, "8:2", fine, "ext4"));
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    engine.Failures.push_back({full + "/", TWipeFailureReason::NoFreeSpace});
  }));
  QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton);

  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  const auto& shown = f.prompts.messages[0];
  QCOMPARE(shown.caption, QStringLiteral("Warning"));
  QVERIFY(!shown.text.contains(QStringLiteral("successfully")));
  QVERIFY(shown.details.split(QLatin1Char('\n'))
              .contains(QString::fromLocal8Bit(full + "/: ") +
                        QString::fromStdString(WipeFailureText(TWipeFailureReason::NoFreeSpace))));
  QVERIFY(!shown.details.contains(QString::fromLocal8Bit(fine)));
  QVERIFY(f.freeSpace().Items.empty());
}

void FreeSpacePageTest::abortedRunSaysSo() {
  TestFolder disks;
  const std::string one = disks.makeFolder("one");
  MainFormFixture f(mountLine(20, "8:1", one, "ext4"));
  f.setRunner(fakeRun([](TWipeEngine& engine) { engine.Aborted = true; }));
  QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton);
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  QCOMPARE(f.prompts.messages[0].caption, QStringLiteral("Warning"));
  QCOMPARE(f.prompts.messages[0].text,
           QStringLiteral("The Wipe free space task has been aborted!"));
  QVERIFY(f.freeSpace().Items.empty());
}

void FreeSpacePageTest::realRunOnAMountedFileSystem() {
  SmallDrive small(2);
  if (!small.mount.mounted()) QSKIP(small.mount.reason().c_str());
  // Never fill a real disk: the run goes ahead only on the small file system.
  const auto space = platform::fs().diskSpace(small.point);
  QVERIFY(space && space->total <= (8u << 20));
  small.disks.write("small/kept.txt", "still here");

  QTest::mouseClick(small.f->find<QPushButton>("btnFreeExecute"), Qt::LeftButton);
  const auto& shown = small.f->prompts.lastMessage();
  QCOMPARE(shown.text, QStringLiteral("The Wipe free space task has been completed successfully!"));
  // A tmpfs has no blocks to discard: said once, beside the success.
  QCOMPARE(shown.informative,
           QString::fromLocal8Bit(small.point + "/: free blocks were not discarded: the file "
                                                "system or its device does not support it"));
  QVERIFY(!pathExists(small.point + "/tem1.tmp"));
  QCOMPARE(readFileBytes(small.point + "/kept.txt"), std::string("still here"));
  QVERIFY(small.f->freeSpace().Items.empty());
  // The free space was filled and overwritten with the pass's zeros before the files went: the
  // fill's file, and a small second one where the first was refused the last clusters.
  QVERIFY(!pathExists(small.point + "/tem2.tmp"));
  QVERIFY(!small.disk.deleted.empty() && small.disk.deleted.size() <= 2);
  std::size_t largest = 0;
  for (const auto& file : small.disk.deleted) {
    QCOMPARE(file.contents.find_first_not_of('\0'), std::string::npos);
    largest = std::max(largest, file.contents.size());
  }
  QVERIFY(largest >= space->available / 2);
}

void FreeSpacePageTest::driveUnmountedAfterListingIsNotWipedAndSaysSo() {
  SmallDrive small(1);
  if (!small.mount.mounted()) QSKIP(small.mount.reason().c_str());
  QVERIFY(small.mount.unmount());  // after the window has read the drive list
  small.disk.bytesLeft = 1 << 20;  // a fill in the folder below would end here

  QTest::mouseClick(small.f->find<QPushButton>("btnFreeExecute"), Qt::LeftButton);
  const auto& shown = small.f->prompts.lastMessage();
  QCOMPARE(shown.caption, QStringLiteral("Warning"));
  QVERIFY(
      shown.details.split(QLatin1Char('\n'))
          .contains(QString::fromLocal8Bit(small.point + "/: ") +
                    QString::fromStdString(WipeFailureText(TWipeFailureReason::NoLongerMounted))));
  QVERIFY(small.disk.writes.empty());
  QVERIFY(!pathExists(small.point + "/tem1.tmp"));
}

void FreeSpacePageTest::leftoverOfAnInterruptedRunIsOfferedForWipingOnce() {
  for (const bool yes : {true, false}) {
    TestFolder disks;
    const std::string one = disks.makeFolder("one");
    const std::string two = disks.makeFolder("two");
    const std::string leftover = disks.write("one/tem1.tmp", std::string(3000, 'd'));
    disks.write("two/tem2.tmp", "not ours");
    MainFormFixture f(mountLine(20, "8:1", one, "ext4") + mountLine(21, "8:2", two, "ext4"));
    f.withCatalogue();
    f.files().AddItem(std::make_unique<TWipeItem>(wkFile, disks / "listed.txt"));
    f.prompts.confirmations.push_back(yes);
    auto& recorded = f.prompts.messages;
    // Asked once the window is up, and not again when it shows again.
    f.form().show();
    QTRY_VERIFY(!recorded.empty());
    f.form().hide();
    f.form().show();
    QCoreApplication::processEvents();
    QVERIFY(f.prompts.unexpected.empty());
    QCOMPARE(recorded[0].text,
             QStringLiteral("A temporary file of an interrupted free-space wipe was found on "
                            "%1 (%2). Wipe and remove it now?")
                 .arg(QString::fromLocal8Bit(one), FormatSize(3000)));
    if (!yes) {
      QCOMPARE(recorded.size(), std::size_t{1});
      QCOMPARE(readFileBytes(leftover), std::string(3000, 'd'));
      continue;
    }
    // Wiped as a file of its own; the Delete-with-wiping list is left as it was.
    QCOMPARE(recorded.size(), std::size_t{2});
    QCOMPARE(recorded[1].text, QStringLiteral("The wipe task has been completed successfully!"));
    QVERIFY(!pathExists(leftover));
    QCOMPARE(MainFormFixture::itemPaths(f.files()), std::vector<std::string>{disks / "listed.txt"});
    QVERIFY(pathExists(two + "/tem2.tmp"));
  }
}

void FreeSpacePageTest::leftoverTakenByAFreeSpaceWipeStartedMeanwhileIsLeftToIt() {
  TestFolder disks;
  const std::string one = disks.makeFolder("one");
  const std::string leftover = disks.write("one/tem1.tmp", std::string(3000, 'd'));
  MainFormFixture f(mountLine(20, "8:1", one, "ext4"));
  f.withCatalogue();
  // While the question is read, a free-space wipe of the drive starts (in another program).
  platform::FileLock running;
  f.prompts.whileAsking.push_back([&] {
    auto taken = TakeFreeSpaceLock(platform::fs().diskSpace(one)->id.device);
    QVERIFY(taken);
    running = std::move(*taken);
  });
  f.prompts.confirmations.push_back(true);
  f.form().show();
  QTRY_COMPARE(f.prompts.messages.size(), std::size_t{2});
  QCOMPARE(f.prompts.messages[1].text,
           QString::fromLocal8Bit(leftover) +
               QStringLiteral(" was not wiped: a free-space wipe of its drive is running."));
  QCOMPARE(readFileBytes(leftover), std::string(3000, 'd'));
}

void FreeSpacePageTest::discardOptionShowsAndChangesTheStoredSetting() {
  MainFormFixture f;
  f.folder.write("program/Ferrovane.ini", "[Settings]\nDiscardFreeBlocks=0\n");
  f.loadCatalogue();
  auto* box = f.find<QCheckBox>("chkDiscardFreeBlocks");
  QVERIFY(box->isEnabled());
  QVERIFY(!box->isChecked());
  box->click();
  QVERIFY(f.catalogue().DiscardFreeBlocks);
  FinishWipeMethodsManager(f.catalogue());  // saves the settings, as the program does when it ends
  QVERIFY(readFileBytes(f.folder / "program/Ferrovane.ini").find("DiscardFreeBlocks=1\n") !=
          std::string::npos);
}

void FreeSpacePageTest::startAsksNamingEachDriveWithTheSpaceItFills() {
  TestFolder disks;
  const std::string one = disks.makeFolder("one");
  const std::string two = disks.makeFolder("two");
  MainFormFixture f(mountLine(20, "8:1", one, "ext4") + mountLine(21, "8:2", two, "ext4"));
  f.withCatalogue(true);
  std::vector<std::vector<std::string>> runs;
  f.setRunner(
      fakeRun([&](TWipeEngine& engine) { runs.push_back(MainFormFixture::itemPaths(engine)); }));
  const auto freeOf = [](const std::string& point) {
    const auto space = platform::fs().diskSpace(point);
    return space ? FormatSize(static_cast<std::int64_t>(space->available)) : QString();
  };

  // Cancel, with the box ticked: nothing runs and the question stays.
  f.prompts.confirmations = {false};
  f.prompts.checkBoxes = {true};
  QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton);
  QVERIFY(runs.empty());
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  QCOMPARE(f.prompts.messages[0].text,
           QString::fromLocal8Bit("Wipe the free space of " + one + " (") + freeOf(one) +
               QString::fromLocal8Bit(") and " + two + " (") + freeOf(two) +
               QStringLiteral(")? Other programs cannot write to them until it ends."));
  QCOMPARE(f.prompts.messages[0].action, QStringLiteral("Wipe free space of 2 drives"));
  QVERIFY(f.catalogue().ConfirmWipeFreeSpace);

  // The action for one drive: it runs, and the box ticked ends this question alone.
  f.find<QTreeWidget>("lvDriveList")->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
  f.prompts.confirmations = {true};
  f.prompts.checkBoxes = {true};
  QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton);
  QCOMPARE(f.prompts.messages[1].text,
           QString::fromLocal8Bit("Wipe the free space of " + one + " (") + freeOf(one) +
               QStringLiteral(")? Other programs cannot write to it until it ends."));
  QCOMPARE(runs, (std::vector<std::vector<std::string>>{{one + "/"}}));
  QVERIFY(!f.catalogue().ConfirmWipeFreeSpace);
  QVERIFY(f.catalogue().ConfirmEraseAllFiles);
  QTest::mouseClick(f.find<QPushButton>("btnFreeExecute"), Qt::LeftButton);
  QCOMPARE(runs.size(), std::size_t{2});
  QVERIFY(f.prompts.unexpected.empty());
}

void FreeSpacePageTest::driveListFollowsTheMountsAndKeepsTheChecks() {
  // The window watches the mounts of the namespace the test mounts in.
  std::string why;
  if (!EnterPrivateMountNamespace(&why)) QSKIP(why.c_str());
  TestFolder disks;
  const std::string one = disks.makeFolder("one");
  const std::string two = disks.makeFolder("two");
  const std::string three = disks.makeFolder("three");
  const std::string four = disks.makeFolder("four");
  MainFormFixture f(mountLine(20, "8:1", four, "ext4") + mountLine(21, "8:2", one, "ext4") +
                    mountLine(22, "8:3", two, "ext4"));
  f.find<QTreeWidget>("lvDriveList")->topLevelItem(2)->setCheckState(0, Qt::Unchecked);  // two

  // "four" goes and "three" comes; a mount of the test's own tells the window the table changed.
  f.folder.write("mountinfo", mountLine(21, "8:2", one, "ext4") +
                                  mountLine(22, "8:3", two, "ext4") +
                                  mountLine(23, "8:4", three, "ext4"));
  ScopedMount trigger(disks.makeFolder("trigger"), ScopedMount::Kind::Tmpfs, 1);
  if (!trigger.mounted()) QSKIP(qPrintable(QString::fromStdString(trigger.reason())));
  const auto shown = [&f] {
    std::vector<std::pair<std::string, bool>> rows;
    for (const Row& row : driveRows(f)) rows.emplace_back(row.root, row.checked);
    return rows;
  };
  // Kept as the user left them; the new drive waits for the user's check.
  const std::vector<std::pair<std::string, bool>> expected = {
      {one + "/", true}, {three + "/", false}, {two + "/", false}};
  QTRY_VERIFY(shown() == expected);
}

QTEST_MAIN(FreeSpacePageTest)
#include "FreeSpacePageTest.moc"
