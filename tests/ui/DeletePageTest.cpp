// The Delete-with-wiping page: the two lists as views of their engines' jobs, the buttons'
// states, Add, Remove, Start and Stop, and what the user is told after a run.

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <optional>

#include "MainFormFixture.h"
#include "core/RunOutcome.h"
#include "dialogs/QtPromptService.h"
#include "support/FaultyFileSystem.h"
#include "ui/AdministratorRun.h"
#include "ui/SizeFunctions.h"
#include "ui/TfProgress.h"
#include "ui/pages/TDeletePage.h"

namespace {

struct ButtonStates {
  bool remove, start, stop;
};

ButtonStates filesButtons(MainFormFixture& f) {
  return {f.find<QPushButton>("btnRemoveFiles")->isEnabled(),
          f.find<QPushButton>("btnStartShredFiles")->isEnabled(),
          f.find<QPushButton>("btnStopShredFiles")->isEnabled()};
}

void click(MainFormFixture& f, const char* button) {
  QTest::mouseClick(f.find<QPushButton>(button), Qt::LeftButton);
}

// The progress window on the screen, if any.
TfProgress* openProgressWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* progress = qobject_cast<TfProgress*>(window);
    if (progress && progress->isVisible()) return progress;
  }
  return nullptr;
}

}  // namespace

class DeletePageTest : public QObject {
  Q_OBJECT

 private slots:
  void addFilesKeepsPathBytesAndEnablesButtons();
  void removeTakesEverySelectedRowAdjacentOnesToo();
  void addFolderShowsNameAndParentAndDriveRoots();
  void cancelledOrRelativeChoicesAddNothing();
  void jobsAlreadyInTheEnginesAreShownAtStart();
  void startRunsOnlyItsListAndReportsSuccess();
  void stopDuringRunReportsAbortedAndOtherListKeepsRunning();
  void runThatLeftFilesBehindListsThemInsteadOfSuccess();
  void oldBlocksLeftInFreeSpaceAreOfferedAWipeOfThatFreeSpaceDriveByDrive();
  void realRunWipesFilesAndFolders();
  void stopAndCancelDuringARealRunAbortIt();
  void realFailuresAreListedInTheWarning();
  void executableQuestionFollowsTheCheckBox();
  void secondStartAddAndRemoveRefusedWhileRunning();
  void closingDuringRunStopsItFirst();
  void startAsksFirstWhenTheSettingsSaySo();
  void removeKeepsTheKeyboardInTheListAndTheDeleteKeyRemoves();
  void reportAfterARunFollowsWhatWasLeftBehind_data();
  void reportAfterARunFollowsWhatWasLeftBehind();
  void stoppedRunNamesTheFileItWasOverwritingAndTheJobsNotReached();
  void executableQuestionStandsAboveTheProgressWindowAsPlainText();
  void longPathsAreCutInTheMiddleWithTheWholePathAsTooltip();
  void jobsStayListedWhenTheRunLeftSomethingOfThem_data();
  void jobsStayListedWhenTheRunLeftSomethingOfThem();
  void rowsTheUserMayNotChangeOfferAWipeAsAdministrator();
};

void DeletePageTest::addFilesKeepsPathBytesAndEnablesButtons() {
  MainFormFixture f;
  QVERIFY(f.find<QPushButton>("btnAddFiles")->isEnabled());
  QVERIFY(!filesButtons(f).remove && !filesButtons(f).start && !filesButtons(f).stop);

  // A name that is not valid text, and the same file twice: listed once.
  const std::string odd = f.folder.write("caf\xe9 \xff.bin", "x");
  const std::string plain = f.folder.write("docs/report.txt", "y");
  f.prompts.openFiles.push_back({odd, plain, plain});
  click(f, "btnAddFiles");

  QCOMPARE(f.rowPaths("lvFiles"), (std::vector<std::string>{odd, plain}));
  QCOMPARE(MainFormFixture::itemPaths(f.files()), (std::vector<std::string>{odd, plain}));
  QVERIFY(f.folders().Items.empty());
  for (const auto& item : f.files().Items) QCOMPARE(item->Kind, wkFile);
  auto* list = f.find<QTreeWidget>("lvFiles");
  QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("report.txt"));
  QCOMPARE(list->topLevelItem(1)->text(1), QString::fromLocal8Bit(f.folder.path() + "docs/"));
  // Rows with jobs but none selected: Start, not Remove; Stop only while the list runs.
  QVERIFY(!filesButtons(f).remove && filesButtons(f).start && !filesButtons(f).stop);

  list->topLevelItem(0)->setSelected(true);
  QVERIFY(filesButtons(f).remove);
  list->clearSelection();
  QVERIFY(!filesButtons(f).remove);
  QVERIFY(f.prompts.unexpected.empty());
}

void DeletePageTest::removeTakesEverySelectedRowAdjacentOnesToo() {
  MainFormFixture f;
  std::vector<std::string> paths;
  for (int i = 0; i < 6; ++i) paths.push_back(f.folder.write("f" + std::to_string(i), "x"));
  f.prompts.openFiles.push_back(paths);
  click(f, "btnAddFiles");

  auto* list = f.find<QTreeWidget>("lvFiles");
  for (int row : {1, 2, 3, 5}) list->topLevelItem(row)->setSelected(true);
  click(f, "btnRemoveFiles");

  const std::vector<std::string> kept{paths[0], paths[4]};
  QCOMPARE(f.rowPaths("lvFiles"), kept);
  QCOMPARE(MainFormFixture::itemPaths(f.files()), kept);
  // Each remaining row still stands for its own job.
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QCOMPARE(static_cast<TPathRow*>(list->topLevelItem(i))->Item, f.files().Items[i].get());
  }
  // The row now at the first removed place is selected, ready for the next Remove.
  QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem*>{list->topLevelItem(1)});
  QVERIFY(filesButtons(f).remove && filesButtons(f).start);

  list->selectAll();
  click(f, "btnRemoveFiles");
  QCOMPARE(list->topLevelItemCount(), 0);
  QVERIFY(f.files().Items.empty());
  QVERIFY(!filesButtons(f).remove && !filesButtons(f).start && !filesButtons(f).stop);
}

void DeletePageTest::addFolderShowsNameAndParentAndDriveRoots() {
  TestFolder scratch;  // mount points for the drive table, known before the window exists
  const std::string disk = scratch.makeFolder("disk");
  const std::string stick = scratch.makeFolder("stick");
  const std::string share = scratch.makeFolder("share");
  const std::string ram = scratch.makeFolder("ram");
  MainFormFixture f(mountLine(30, "8:1", disk, "ext4") + mountLine(31, "8:33", stick, "vfat") +
                    "32 1 0:50 / " + share + " rw - nfs4 server:/export rw\n" + "33 1 0:51 / " +
                    ram + " rw - tmpfs tmpfs rw\n");
  f.folder.write("sys/8:33/removable", "1\n");
  const std::string photos = f.folder.makeFolder("home/photos");
  for (const std::string& folder : {photos, disk, stick, share, ram}) {
    f.prompts.folders.push_back(folder);
    click(f, "btnAddFolder");
  }

  QCOMPARE(f.rowPaths("lvFolders"), (std::vector<std::string>{photos, disk, stick, share, ram}));
  for (const auto& item : f.folders().Items) QCOMPARE(item->Kind, wkFolder);
  auto* list = f.find<QTreeWidget>("lvFolders");
  QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("photos"));
  QCOMPARE(list->topLevelItem(0)->text(1), QString::fromLocal8Bit(f.folder.path() + "home/"));
  // A drive is its mount point with its file system, its device and, unless it is a fixed
  // disk, its kind; nothing that only repeats the file system.
  const std::vector<std::string> captions{
      disk + " (ext4, test30)", stick + " (vfat, test31, removable)",
      share + " (nfs4, server:/export, network)", ram + " (tmpfs)"};
  for (int row = 1; row <= 4; ++row) {
    QCOMPARE(list->topLevelItem(row)->text(0), QString::fromLocal8Bit(captions[row - 1]));
  }
  QVERIFY(f.files().Items.empty());
  QVERIFY(f.find<QPushButton>("btnStartShredFolders")->isEnabled());
}

void DeletePageTest::cancelledOrRelativeChoicesAddNothing() {
  MainFormFixture f;
  f.prompts.openFiles.push_back({});
  f.prompts.openFiles.push_back({"relative/file.txt", ""});
  f.prompts.folders.push_back(std::nullopt);
  f.prompts.folders.push_back(std::string("some/folder"));
  click(f, "btnAddFiles");
  click(f, "btnAddFiles");
  click(f, "btnAddFolder");
  click(f, "btnAddFolder");
  QVERIFY(f.files().Items.empty() && f.folders().Items.empty());
  QCOMPARE(f.find<QTreeWidget>("lvFiles")->topLevelItemCount(), 0);
  QCOMPARE(f.find<QTreeWidget>("lvFolders")->topLevelItemCount(), 0);
  QVERIFY(f.prompts.unexpected.empty());
}

void DeletePageTest::jobsAlreadyInTheEnginesAreShownAtStart() {
  // Jobs that prefs.dat preloads are listed at start-up, and Start wipes what the list shows.
  MainFormFixture f;
  f.withCatalogue();
  const std::string preloaded = f.folder.write("preloaded.txt", "old secret");
  const std::string old = f.folder.makeFolder("old");
  f.folder.write("old/inner.txt", "old secret");
  f.writePrefs("<WipeFiles><Item FileName=\"" + preloaded +
               "\"/></WipeFiles>"
               "<WipeFolders><Item Folder=\"" +
               old + "\"/></WipeFolders>");
  QCOMPARE(f.rowPaths("lvFiles"), std::vector<std::string>{preloaded});
  QCOMPARE(f.rowPaths("lvFolders"), std::vector<std::string>{old});
  QVERIFY(filesButtons(f).start && f.find<QPushButton>("btnStartShredFolders")->isEnabled());

  click(f, "btnStartShredFiles");
  QVERIFY(!pathExists(preloaded));
  QVERIFY(pathExists(old));
  QCOMPARE(f.rowPaths("lvFolders"), std::vector<std::string>{old});
  click(f, "btnStartShredFolders");
  QVERIFY(!pathExists(old));
  QCOMPARE(f.find<QTreeWidget>("lvFolders")->topLevelItemCount(), 0);
}

void DeletePageTest::startRunsOnlyItsListAndReportsSuccess() {
  MainFormFixture f;
  f.prompts.openFiles.push_back({f.folder / "a", f.folder / "b"});
  f.prompts.folders.push_back(f.folder / "keep");
  click(f, "btnAddFiles");
  click(f, "btnAddFolder");

  std::vector<std::string> ran;
  std::vector<std::string> jobs;
  bool warned = false;
  f.setRunner(fakeRun([&](TWipeEngine& engine, const WipeRun& run) {
    ran.push_back(engine.Name);
    warned = run.Settings.WarnOnExecutable;
    jobs = MainFormFixture::itemPaths(engine);
  }));
  f.find<QCheckBox>("chkWipeWarn")->setChecked(true);
  click(f, "btnStartShredFiles");

  QCOMPARE(ran, std::vector<std::string>{"WipeFiles"});
  QCOMPARE(jobs, (std::vector<std::string>{f.folder / "a", f.folder / "b"}));
  QVERIFY(warned);
  QVERIFY(f.files().Items.empty());
  QCOMPARE(f.find<QTreeWidget>("lvFiles")->topLevelItemCount(), 0);
  QCOMPARE(f.rowPaths("lvFolders"), std::vector<std::string>{f.folder / "keep"});
  QCOMPARE(f.folders().Items.size(), std::size_t{1});
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  // With the information icon, as every page's success.
  QCOMPARE(f.prompts.messages[0].caption, QStringLiteral("Information"));
  QCOMPARE(f.prompts.messages[0].text,
           QStringLiteral("The wipe task has been completed successfully!"));

  // Unchecked, the next run does not ask about executables.
  f.find<QCheckBox>("chkWipeWarn")->setChecked(false);
  click(f, "btnStartShredFolders");
  QCOMPARE(ran, (std::vector<std::string>{"WipeFiles", "WipeFolders"}));
  QVERIFY(!warned);
  QVERIFY(f.folders().Items.empty());
}

void DeletePageTest::stopDuringRunReportsAbortedAndOtherListKeepsRunning() {
  MainFormFixture f;
  f.prompts.openFiles.push_back({f.folder / "a"});
  f.prompts.folders.push_back(f.folder / "dir");
  click(f, "btnAddFiles");
  click(f, "btnAddFolder");

  bool folderRunStopped = true;
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    if (engine.Name == "WipeFolders") {
      // The other list's Stop does not reach this run; this list's does.
      click(f, "btnStopShredFiles");
      folderRunStopped = engine.Aborted;
      click(f, "btnStopShredFolders");
    }
  }));
  click(f, "btnStartShredFolders");

  QVERIFY(!folderRunStopped);
  // The job the stopped run did not reach stays listed, for a retry.
  QCOMPARE(f.rowPaths("lvFolders"), std::vector<std::string>{f.folder / "dir"});
  QCOMPARE(MainFormFixture::itemPaths(f.folders()), std::vector<std::string>{f.folder / "dir"});
  QCOMPARE(f.rowPaths("lvFiles"), std::vector<std::string>{f.folder / "a"});
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  QCOMPARE(f.prompts.messages[0].caption, QStringLiteral("Warning"));
  QCOMPARE(f.prompts.messages[0].text, QStringLiteral("The wipe task has been aborted!"));
}

void DeletePageTest::runThatLeftFilesBehindListsThemInsteadOfSuccess() {
  MainFormFixture f;
  const std::string locked = f.folder / "locked.db";
  const std::string stuck = f.folder / "stuck \xe9.txt";
  f.prompts.openFiles.push_back({locked, stuck, f.folder / "fine.txt"});
  click(f, "btnAddFiles");
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    engine.Failures.push_back({locked, TWipeFailureReason::CannotOpen});
    engine.Failures.push_back({stuck, TWipeFailureReason::CannotDelete});
  }));
  click(f, "btnStartShredFiles");

  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  const auto& shown = f.prompts.messages[0];
  QCOMPARE(shown.caption, QStringLiteral("Warning"));
  QVERIFY(!shown.text.contains(QStringLiteral("successfully")));
  const QStringList lines = shown.details.split(QLatin1Char('\n'));
  QVERIFY(lines.contains(QString::fromLocal8Bit(locked) + QStringLiteral(": ") +
                         QString::fromStdString(WipeFailureText(TWipeFailureReason::CannotOpen))));
  QVERIFY(
      lines.contains(QString::fromLocal8Bit(stuck) + QStringLiteral(": ") +
                     QString::fromStdString(WipeFailureText(TWipeFailureReason::CannotDelete))));
  QVERIFY(!shown.details.contains(QStringLiteral("fine.txt")));
  // What was left stays listed, so that a retry is one click; what was wiped is gone.
  QCOMPARE(f.rowPaths("lvFiles"), (std::vector<std::string>{locked, stuck}));
  QCOMPARE(MainFormFixture::itemPaths(f.files()), (std::vector<std::string>{locked, stuck}));
}

void DeletePageTest::oldBlocksLeftInFreeSpaceAreOfferedAWipeOfThatFreeSpaceDriveByDrive() {
  MainFormFixture f;
  const std::string home = f.folder.makeFolder("home") + "/";
  const std::string data = f.folder.makeFolder("data") + "/";
  const std::vector<std::pair<std::string, std::string>> deleted{
      {home + "a", home}, {data + "b", data}, {home + "c", home}};
  f.prompts.openFiles.push_back({deleted[0].first, deleted[1].first, deleted[2].first});
  click(f, "btnAddFiles");
  std::vector<std::vector<std::string>> freeSpaceRuns;
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    if (&engine == &f.freeSpace()) {
      freeSpaceRuns.push_back(MainFormFixture::itemPaths(engine));
      return;
    }
    for (const auto& [path, root] : deleted) {
      engine.Failures.push_back({path,
                                 TWipeFailureReason::NotOverwrittenInPlace,
                                 {},
                                 "(btrfs writes elsewhere): wipe the free space to finish",
                                 root});
    }
    engine.Failures.push_back({home + "snapshot", TWipeFailureReason::SharedBlocks});
  }));
  // Yes for the first drive, no for the second: each is asked once.
  f.prompts.confirmations = {true, false};
  click(f, "btnStartShredFiles");

  QCOMPARE(freeSpaceRuns, (std::vector<std::vector<std::string>>{{home}}));
  QVERIFY(f.freeSpace().Items.empty());
  std::vector<QString> questions;
  for (const auto& message : f.prompts.messages) {
    if (message.text.startsWith(QStringLiteral("Wipe the free space of "))) {
      questions.push_back(message.text);
    }
  }
  QCOMPARE(questions.size(), std::size_t{2});
  const QString homeShown = QString::fromLocal8Bit(home.substr(0, home.size() - 1));
  QVERIFY2(questions[0].startsWith(QStringLiteral("Wipe the free space of ") + homeShown +
                                   QStringLiteral(" now (")),
           qPrintable(questions[0]));
  QVERIFY(questions[1].contains(QString::fromLocal8Bit(data.substr(0, data.size() - 1))));
  QVERIFY(f.prompts.confirmations.empty());
}

void DeletePageTest::realRunWipesFilesAndFolders() {
  MainFormFixture f;
  f.withCatalogue();
  FaultyFileSystem disk;  // records the bytes each file held when it was deleted
  disk.confinedTo = TestFolder::prefix();
  platform::ScopedFileSystem recording(disk);
  const std::string a = f.folder.write("data/a.txt", "secret a");
  const std::string b = f.folder.write("data/b.txt", std::string(100000, 's'));
  const std::string tree = f.folder.makeFolder("tree");
  f.folder.write("tree/sub/c.txt", "secret c");
  f.prompts.openFiles.push_back({a, b});
  f.prompts.folders.push_back(tree);
  click(f, "btnAddFiles");
  click(f, "btnAddFolder");

  click(f, "btnStartShredFiles");
  QVERIFY(!pathExists(a) && !pathExists(b));
  QVERIFY(pathExists(tree));  // the other list is not run
  click(f, "btnStartShredFolders");
  QVERIFY(!pathExists(tree));
  // Each report says in numbers what its run wiped.
  QCOMPARE(f.prompts.messages.size(), std::size_t{2});
  const QString done = QStringLiteral("The wipe task has been completed successfully: ");
  QCOMPARE(f.prompts.messages[0].text,
           done + QStringLiteral("2 files, %1 wiped in 1 s.").arg(FormatSize(100008)));
  QCOMPARE(f.prompts.messages[1].text,
           done + QStringLiteral("1 file, %1 wiped in 1 s.").arg(FormatSize(8)));
  // Every file held nothing but the pass's zeros when it went, and under another name.
  QCOMPARE(disk.deleted.size(), std::size_t{3});
  for (const auto& gone : disk.deleted) {
    QVERIFY(gone.path != a && gone.path != b);
    QVERIFY(!gone.contents.empty());
    QCOMPARE(gone.contents.find_first_not_of('\0'), std::string::npos);
  }
  QVERIFY(disk.deleted[1].contents.size() >= 100000);
}

void DeletePageTest::stopAndCancelDuringARealRunAbortIt() {
  MainFormFixture f;
  f.withCatalogue();
  std::vector<std::string> paths;
  for (int i = 0; i < 5; ++i) paths.push_back(f.folder.write("f" + std::to_string(i), "data"));
  f.prompts.openFiles.push_back(paths);
  click(f, "btnAddFiles");

  // Stop of this list, pressed while the run lets events through; the other list's Stop first.
  bool stoppedByOtherList = true;
  QTimer::singleShot(0, [&] {
    click(f, "btnStopShredFolders");
    stoppedByOtherList = f.files().Aborted;
    click(f, "btnStopShredFiles");
  });
  click(f, "btnStartShredFiles");
  QVERIFY(!stoppedByOtherList);
  QVERIFY(pathExists(paths.back()));  // not reached
  // What was not reached stays listed for a retry; what was wiped is gone from the list.
  QVERIFY(!f.files().Items.empty());
  QCOMPARE(f.rowPaths("lvFiles"), MainFormFixture::itemPaths(f.files()));
  for (const std::string& path : f.rowPaths("lvFiles")) QVERIFY(pathExists(path));
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Warning"));
  QCOMPARE(f.prompts.lastMessage().text, QStringLiteral("The wipe task has been aborted!"));
  // In numbers: what the run overwrote before the stop (nothing: it stopped before its first
  // job), and what it did not reach.
  QVERIFY2(f.prompts.lastMessage().informative.contains(
               QStringLiteral("Jobs not reached: 5 of 5.\nOverwritten before the stop: 0 files, "
                              "%1, in 1 s.")
                   .arg(FormatSize(0))),
           qPrintable(f.prompts.lastMessage().informative));

  // Cancel of the progress window that the run shows does the same, on the jobs left.
  bool progressShown = false;
  QTimer::singleShot(0, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* progress = qobject_cast<TfProgress*>(window);
      if (!progress || !progress->isVisible()) continue;
      progressShown = progress->Engine == &f.files();
      QTest::mouseClick(progress->findChild<QPushButton*>(QStringLiteral("btnCancel")),
                        Qt::LeftButton);
    }
  });
  click(f, "btnStartShredFiles");
  QVERIFY(progressShown);
  QVERIFY(pathExists(paths.back()));
  QCOMPARE(f.prompts.lastMessage().text, QStringLiteral("The wipe task has been aborted!"));
  for (QWidget* window : QApplication::topLevelWidgets())
    QVERIFY(!qobject_cast<TfProgress*>(window));
}

void DeletePageTest::realFailuresAreListedInTheWarning() {
  MainFormFixture f;
  f.withCatalogue();
  FaultyFileSystem disk;
  disk.confinedTo = TestFolder::prefix();
  platform::ScopedFileSystem faulty(disk);
  const std::string locked = f.folder.write("locked \xe9.db", "secret");
  const std::string fine = f.folder.write("fine.txt", "secret");
  const std::string stuck = f.folder.makeFolder("stuck");
  f.folder.write("stuck/inner.txt", "secret");
  disk.failOpen.insert(locked);
  disk.failRemoveFolder.insert(stuck);
  f.prompts.openFiles.push_back({locked, fine});
  f.prompts.folders.push_back(stuck);
  click(f, "btnAddFiles");
  click(f, "btnAddFolder");

  // Each line names the path, why, and the system's reason.
  auto reportLine = [&](const std::string& path, TWipeFailureReason reason) {
    return QString::fromLocal8Bit(path) + QStringLiteral(": ") +
           QString::fromLocal8Bit(DescribeFailure({path, reason, disk.injectedError}));
  };
  // The report of each run, followed by the note that what the system refused needs
  // administrator rights, which no pkexec is installed to ask for.
  auto report = [&]() -> const FakePrompts::Message& {
    return f.prompts.messages.at(f.prompts.messages.size() - 2);
  };
  click(f, "btnStartShredFiles");
  QVERIFY(pathExists(locked) && !pathExists(fine));
  QCOMPARE(report().caption, QStringLiteral("Warning"));
  QVERIFY(f.prompts.lastMessage().text.contains(QStringLiteral("pkexec")));
  QStringList lines = report().details.split(QLatin1Char('\n'));
  QVERIFY(lines.contains(reportLine(locked, TWipeFailureReason::CannotOpen)));
  QVERIFY(!report().details.contains(QStringLiteral("fine.txt")));

  click(f, "btnStartShredFolders");
  QVERIFY(!pathExists(f.folder / "stuck/inner.txt"));
  lines = report().details.split(QLatin1Char('\n'));
  QVERIFY(lines.contains(reportLine(stuck, TWipeFailureReason::FolderNotRemoved)));
  QCOMPARE(f.prompts.messages.size(), std::size_t{4});
  // What was left stays listed; what was wiped is gone.
  QCOMPARE(MainFormFixture::itemPaths(f.files()), std::vector<std::string>{locked});
  QCOMPARE(MainFormFixture::itemPaths(f.folders()), std::vector<std::string>{stuck});
}

void DeletePageTest::executableQuestionFollowsTheCheckBox() {
  MainFormFixture f;
  f.withCatalogue();
  const std::string kept = f.folder.write("Setup.exe", "program");
  const std::string wiped = f.folder.write("TOOL.EXE", "program");
  f.prompts.openFiles.push_back({kept, wiped});
  click(f, "btnAddFiles");
  f.find<QCheckBox>("chkWipeWarn")->setChecked(true);
  f.prompts.confirmations = {false, true};
  click(f, "btnStartShredFiles");

  QVERIFY(!f.prompts.messages.empty());
  QCOMPARE(f.prompts.messages[0].caption, QStringLiteral("Confirm"));
  QCOMPARE(f.prompts.messages[0].text,
           QString::fromLocal8Bit(kept) +
               QStringLiteral(" is a executable file. Are you sure to wipe it?"));
  QVERIFY(pathExists(kept));
  QVERIFY(!pathExists(wiped));
  // The file the user kept is listed as left behind, not reported as wiped.
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Warning"));
  QVERIFY(f.prompts.lastMessage().details.contains(QString::fromLocal8Bit(kept)));

  // Unchecked: no question.
  f.prompts.messages.clear();
  f.prompts.openFiles.push_back({kept});
  click(f, "btnAddFiles");
  f.find<QCheckBox>("chkWipeWarn")->setChecked(false);
  click(f, "btnStartShredFiles");
  QVERIFY(!pathExists(kept));
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
}

void DeletePageTest::secondStartAddAndRemoveRefusedWhileRunning() {
  MainFormFixture f;
  f.withCatalogue();
  const std::string a = f.folder.write("a.txt", std::string(1 << 20, 'a'));
  f.prompts.openFiles.push_back({a});
  click(f, "btnAddFiles");

  int startsDuringRun = 0;
  // While the run lets events through, the user presses Start, Add and Remove again.
  QTimer::singleShot(0, [&] {
    if (!f.files().Running()) return;
    f.prompts.openFiles.push_back({f.folder / "late.txt"});
    click(f, "btnAddFiles");
    f.find<QTreeWidget>("lvFiles")->selectAll();
    click(f, "btnRemoveFiles");
    click(f, "btnStartShredFiles");
    startsDuringRun = static_cast<int>(f.files().Items.size());
  });
  click(f, "btnStartShredFiles");
  QCOMPARE(startsDuringRun, 1);  // neither added nor removed during the run
  QVERIFY(!pathExists(a));
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
}

void DeletePageTest::closingDuringRunStopsItFirst() {
  MainFormFixture f;
  f.withCatalogue();
  std::vector<std::string> paths;
  for (int i = 0; i < 20; ++i) paths.push_back(f.folder.write("many/" + std::to_string(i), "x"));
  f.prompts.openFiles.push_back(paths);
  click(f, "btnAddFiles");
  f.form().show();
  QTimer::singleShot(0, &f.form(), &QWidget::close);
  click(f, "btnStartShredFiles");

  QVERIFY(f.files().Aborted);
  for (const std::string& path : MainFormFixture::itemPaths(f.files())) QVERIFY(pathExists(path));
  QTRY_VERIFY(!f.form().isVisible());  // closed once the run had returned
  QVERIFY(f.prompts.messages.empty());
  QVERIFY(pathExists(paths.back()));  // the run stopped before the end
}

void DeletePageTest::startAsksFirstWhenTheSettingsSaySo() {
  MainFormFixture f;
  f.withCatalogue(true);
  f.prompts.openFiles.push_back({f.folder / "a", f.folder / "b"});
  f.prompts.folders.push_back(f.folder / "dir");
  click(f, "btnAddFiles");
  click(f, "btnAddFolder");
  // A file job in the folders engine too, as another page may leave there.
  f.folders().AddItem(std::make_unique<TWipeItem>(wkFile, f.folder / "c"));
  f.find<TDeletePage>("tabDelete")->RefreshDeleteLists();
  std::vector<std::string> ran;
  f.setRunner(fakeRun([&](TWipeEngine& engine) { ran.push_back(engine.Name); }));

  // No, with "Do not ask again" ticked: nothing runs, nothing changes.
  f.prompts.confirmations = {false};
  f.prompts.checkBoxes = {true};
  click(f, "btnStartShredFiles");
  QVERIFY(ran.empty());
  QCOMPARE(f.files().Items.size(), std::size_t{2});
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  QCOMPARE(f.prompts.messages[0].caption, QStringLiteral("Ferrovane"));
  QCOMPARE(f.prompts.messages[0].text,
           QStringLiteral("Wipe 2 files (a and b)? This cannot be undone."));
  QCOMPARE(f.prompts.messages[0].action, QStringLiteral("Wipe 2 files"));
  QVERIFY(f.catalogue().ConfirmEraseAllFiles);

  // Yes: the run goes ahead; the box ticked stops the question from then on.
  f.prompts.confirmations = {true};
  f.prompts.checkBoxes = {true};
  click(f, "btnStartShredFolders");
  QCOMPARE(f.prompts.messages[1].text,
           QStringLiteral("Wipe 1 file and 1 folder (dir and c)? This cannot be undone."));
  QCOMPARE(ran, std::vector<std::string>{"WipeFolders"});
  QVERIFY(!f.catalogue().ConfirmEraseAllFiles);
  click(f, "btnStartShredFiles");
  QCOMPARE(ran, (std::vector<std::string>{"WipeFolders", "WipeFiles"}));
  QVERIFY(f.prompts.unexpected.empty());
}

void DeletePageTest::removeKeepsTheKeyboardInTheListAndTheDeleteKeyRemoves() {
  MainFormFixture f;
  std::vector<std::string> paths;
  for (int i = 0; i < 5; ++i) paths.push_back(f.folder / ("f" + std::to_string(i)));
  f.prompts.openFiles.push_back(paths);
  f.prompts.folders.push_back(f.folder / "dir");
  click(f, "btnAddFiles");
  click(f, "btnAddFolder");
  f.form().show();
  auto* list = f.find<QTreeWidget>("lvFiles");
  auto* remove = f.find<QPushButton>("btnRemoveFiles");

  list->topLevelItem(1)->setSelected(true);
  remove->setFocus();
  click(f, "btnRemoveFiles");
  QCOMPARE(f.rowPaths("lvFiles"),
           (std::vector<std::string>{paths[0], paths[2], paths[3], paths[4]}));
  // Not on Start, where the next Space would start a wipe: in the list, where the row was, with
  // the next row selected, so that Delete can be pressed again.
  QCOMPARE(f.form().focusWidget(), list);
  QCOMPARE(list->currentItem(), list->topLevelItem(1));
  QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem*>{list->topLevelItem(1)});
  QTest::keyClick(list, Qt::Key_Delete);
  QCOMPARE(f.rowPaths("lvFiles"), (std::vector<std::string>{paths[0], paths[3], paths[4]}));

  // Delete removes the selected rows of the list it is pressed in, and only there.
  list->clearSelection();
  list->topLevelItem(0)->setSelected(true);
  list->topLevelItem(2)->setSelected(true);
  QTest::keyClick(list, Qt::Key_Delete);
  QCOMPARE(f.rowPaths("lvFiles"), std::vector<std::string>{paths[3]});
  QCOMPARE(MainFormFixture::itemPaths(f.files()), std::vector<std::string>{paths[3]});
  QCOMPARE(f.folders().Items.size(), std::size_t{1});
  // With nothing selected, Delete removes nothing.
  list->clearSelection();
  QTest::keyClick(list, Qt::Key_Delete);
  QCOMPARE(f.files().Items.size(), std::size_t{1});
  auto* folders = f.find<QTreeWidget>("lvFolders");
  folders->selectAll();
  QTest::keyClick(folders, Qt::Key_Delete);
  QVERIFY(f.folders().Items.empty());
  QCOMPARE(f.files().Items.size(), std::size_t{1});
}

void DeletePageTest::reportAfterARunFollowsWhatWasLeftBehind_data() {
  QTest::addColumn<bool>("aborted");
  QTest::addColumn<QList<int>>("reasons");  // one failure per reason, of the paths a, b, ...
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("informative");
  QTest::addColumn<QStringList>("detailLines");
  const int notFound = int(TWipeFailureReason::NotFound);
  const int cannotOpen = int(TWipeFailureReason::CannotOpen);
  const QString done = QStringLiteral("The wipe task has been completed successfully!");
  const QString aborted = QStringLiteral("The wipe task has been aborted!");
  QTest::newRow("all wiped") << false << QList<int>{} << "Information" << done << ""
                             << QStringList{};
  // A path that no longer existed is named, but the run still succeeded.
  QTest::newRow("one not found") << false << QList<int>{notFound} << "Ferrovane" << done
                                 << "Not found when their turn came: 1."
                                 << QStringList{"Not found:", "a: was not found"};
  QTest::newRow("left behind and not found")
      << false << QList<int>{notFound, cannotOpen, cannotOpen} << "Warning"
      << "The wipe task has not been completed. Left behind: 2 files."
      << "Not found when their turn came: 1."
      << QStringList{"Left behind:", "b: could not be opened", "c: could not be opened",
                     "Not found:", "a: was not found"};
  QTest::newRow("a file and a folder left")
      << false << QList<int>{int(TWipeFailureReason::FolderNotRemoved), cannotOpen} << "Warning"
      << "The wipe task has not been completed. Left behind: 1 file and 1 folder."
      << "" << QStringList{"Left behind:", "a: could not be removed", "b: could not be opened"};
  // A stand-in run reaches none of its three jobs.
  QTest::newRow("stopped") << true << QList<int>{} << "Warning" << aborted
                           << "Jobs not reached: 3 of 3."
                           << QStringList{"Not reached:", "a", "b", "c"};
  QTest::newRow("stopped, something left behind")
      << true << QList<int>{cannotOpen} << "Warning" << aborted
      << "Jobs not reached: 3 of 3.\nLeft behind: 1 file."
      << QStringList{"Not reached:", "a", "b", "c", "Left behind:", "a: could not be opened"};
}

void DeletePageTest::reportAfterARunFollowsWhatWasLeftBehind() {
  QFETCH(bool, aborted);
  QFETCH(QList<int>, reasons);
  MainFormFixture f;
  const std::vector<std::string> paths{f.folder / "a", f.folder / "b", f.folder / "c"};
  f.prompts.openFiles.push_back(paths);
  click(f, "btnAddFiles");
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    for (int i = 0; i < reasons.size(); ++i) {
      engine.Failures.push_back({paths[i], TWipeFailureReason(reasons[i])});
    }
    engine.Aborted = aborted;
  }));
  click(f, "btnStartShredFiles");

  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  const auto& shown = f.prompts.messages[0];
  QTEST(shown.caption, "caption");
  QTEST(shown.text, "text");
  QTEST(shown.informative, "informative");
  // The paths of the test folder left out, for short rows.
  QString details = shown.details;
  details.replace(QString::fromLocal8Bit(f.folder.path()), QString());
  QStringList lines = details.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  QTEST(lines, "detailLines");
}

void DeletePageTest::stoppedRunNamesTheFileItWasOverwritingAndTheJobsNotReached() {
  MainFormFixture f;
  f.withCatalogue();
  // Big enough for the run to let events through several times while it overwrites it.
  const std::string big = f.folder.write("docs/big <i>report.bin", std::string(4 << 20, 's'));
  const std::string second = f.folder.write("second.txt", "secret");
  const std::string third = f.folder.write("third.txt", "secret");
  f.prompts.openFiles.push_back({big, second, third});
  click(f, "btnAddFiles");

  // Stop, pressed once the run has begun the first job.
  QTimer stopper;
  stopper.setInterval(0);
  connect(&stopper, &QTimer::timeout, [&] {
    if (f.files().ItemsReached() < 1) return;
    stopper.stop();
    click(f, "btnStopShredFiles");
  });
  stopper.start();
  click(f, "btnStartShredFiles");

  // Left under its own name, its beginning overwritten and its end not yet.
  const std::string left = readFileBytes(big);
  QCOMPARE(left.size(), std::size_t{4 << 20});
  QCOMPARE(left.front(), '\0');
  QCOMPARE(left.back(), 's');
  QVERIFY(pathExists(second) && pathExists(third));
  const auto& shown = f.prompts.lastMessage();
  QCOMPARE(shown.caption, QStringLiteral("Warning"));
  QCOMPARE(shown.text, QStringLiteral("The wipe task has been aborted!"));
  QCOMPARE(shown.informative,
           QStringLiteral("It stopped while overwriting \"big <i>report.bin\": that file is "
                          "left under its own name, not completely overwritten.\n"
                          "Jobs not reached: 2 of 3.\n"
                          "Overwritten before the stop: 0 files, %1, in 1 s.")
               .arg(FormatSize(0)));
  QCOMPARE(shown.details, QStringLiteral("Left partly overwritten when the run stopped:\n") +
                              QString::fromLocal8Bit(big) + QStringLiteral("\n\nNot reached:\n") +
                              QString::fromLocal8Bit(second + "\n" + third));
  // All three are still there, and still listed.
  QCOMPARE(f.rowPaths("lvFiles"), (std::vector<std::string>{big, second, third}));
}

void DeletePageTest::executableQuestionStandsAboveTheProgressWindowAsPlainText() {
  MainFormFixture f;
  f.withCatalogue();
  // A path that reads as markup: a folder "<b>plan<" holding "b>.exe".
  const std::string program = f.folder.write("<b>plan</b>.exe", "program");
  f.prompts.openFiles.push_back({program});
  click(f, "btnAddFiles");
  f.find<QCheckBox>("chkWipeWarn")->setChecked(true);

  // The question of the run goes to the Qt prompts; what follows the run to the test's again.
  QtPromptService qtPrompts;
  std::optional<ScopedPromptService> runPrompts;
  runPrompts.emplace(qtPrompts);
  QWidget* parent = nullptr;
  QWidget* progress = nullptr;
  bool above = false;
  bool modal = false;
  QString label;
  QTimer watcher;
  watcher.setInterval(0);
  connect(&watcher, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    watcher.stop();
    parent = box->parentWidget();
    progress = openProgressWindow();
    above = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    modal = box->isModal();
    for (const QLabel* shown : box->findChildren<QLabel*>()) {
      if (shown->textFormat() == Qt::PlainText && shown->text().contains("plan")) {
        label = shown->text();
      }
    }
    runPrompts.reset();
    box->button(QMessageBox::No)->click();
  });
  watcher.start();
  click(f, "btnStartShredFiles");
  runPrompts.reset();

  QVERIFY(progress);
  QCOMPARE(parent, progress);
  QVERIFY(above && modal);
  QCOMPARE(label, QString::fromLocal8Bit(program) +
                      QStringLiteral(" is a executable file. Are you sure to wipe it?"));
  QVERIFY(pathExists(program));
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Warning"));
}

void DeletePageTest::longPathsAreCutInTheMiddleWithTheWholePathAsTooltip() {
  MainFormFixture f;
  std::string deep = f.folder.path();
  for (int i = 0; i < 30; ++i) deep += "folder" + std::to_string(i) + "/";
  f.prompts.openFiles.push_back({deep + "report.pdf"});
  f.prompts.folders.push_back(deep + "photos");
  click(f, "btnAddFiles");
  click(f, "btnAddFolder");
  for (const auto& [name, path] :
       {std::pair{"lvFiles", deep + "report.pdf"}, std::pair{"lvFolders", deep + "photos"}}) {
    auto* list = f.find<QTreeWidget>(name);
    QCOMPARE(list->textElideMode(), Qt::ElideMiddle);
    QCOMPARE(list->topLevelItem(0)->text(1), QString::fromLocal8Bit(deep));
    for (int column : {0, 1}) {
      QCOMPARE(list->topLevelItem(0)->toolTip(column), QString::fromLocal8Bit(path));
    }
  }
}

void DeletePageTest::jobsStayListedWhenTheRunLeftSomethingOfThem_data() {
  QTest::addColumn<bool>("folder");
  QTest::addColumn<QString>("left");
  QTest::addColumn<int>("reason");
  QTest::addColumn<bool>("stays");
  const int cannotDelete = static_cast<int>(TWipeFailureReason::CannotDelete);
  QTest::newRow("file left") << false << "/d/a" << cannotDelete << true;
  QTest::newRow("folder job, a file inside left") << true << "/d/a/x/y" << cannotDelete << true;
  QTest::newRow("folder job, named with separator") << true << "/d/a/" << cannotDelete << true;
  QTest::newRow("file job, a name that only begins alike")
      << false << "/d/ab" << cannotDelete << false;
  QTest::newRow("folder job, a sibling left") << true << "/d/ab/x" << cannotDelete << false;
  QTest::newRow("file job, a path below it") << false << "/d/a/x" << cannotDelete << false;
  QTest::newRow("gone before its turn")
      << false << "/d/a" << static_cast<int>(TWipeFailureReason::NotFound) << false;
  QTest::newRow("deleted without passes")
      << true << "/d/a/x" << static_cast<int>(TWipeFailureReason::DeletedUnwiped) << false;
}

void DeletePageTest::jobsStayListedWhenTheRunLeftSomethingOfThem() {
  QFETCH(bool, folder);
  QFETCH(QString, left);
  QFETCH(int, reason);
  QFETCH(bool, stays);
  const TWipeItem item(folder ? wkFolder : wkFile, "/d/a");
  TRunOutcome outcome;
  outcome.failures.push_back({left.toStdString(), static_cast<TWipeFailureReason>(reason)});
  QCOMPARE(TDeletePage::LeftByRun(item, outcome), stays);
  // Not reached by a stopped run: it stays whatever else happened.
  TRunOutcome stopped;
  stopped.aborted = true;
  stopped.notReached = {"/d/a"};
  QVERIFY(TDeletePage::LeftByRun(item, stopped));
}

void DeletePageTest::rowsTheUserMayNotChangeOfferAWipeAsAdministrator() {
  MainFormFixture f;
  f.withCatalogue();
  const std::string mine = f.folder.write("mine/a.txt", "a");
  const std::string locked = f.folder.write("locked/b.txt", "b");
  // As an ordinary user sees another user's folder: nothing in it may be renamed or deleted.
  FaultyFileSystem disk;
  disk.confinedTo = TestFolder::prefix();
  disk.notWritable = {f.folder / "locked", f.folder / "locked/"};
  platform::ScopedFileSystem seen(disk);
  SetAdministratorLauncher(QStringLiteral("/bin/false"));
  f.prompts.openFiles.push_back({mine, locked});
  click(f, "btnAddFiles");
  f.form().show();
  auto* list = f.find<QTreeWidget>("lvFiles");
  // Known before any run: the row says so, and the button that asks for the rights is there.
  QVERIFY(list->topLevelItem(1)->toolTip(0).contains(QStringLiteral("administrator rights")));
  QVERIFY(!list->topLevelItem(0)->toolTip(0).contains(QStringLiteral("administrator rights")));
  auto* admin = f.find<QPushButton>("btnAdminFiles");
  QVERIFY(admin->isVisible() && admin->isEnabled());
  QVERIFY(!f.find<QPushButton>("btnAdminFolders")->isVisible());
  // It asks every time, naming what it takes, with no box; Cancel changes nothing.
  f.prompts.confirmations = {false};
  f.prompts.checkBoxes = {true};
  click(f, "btnAdminFiles");
  QCOMPARE(f.prompts.lastMessage().action, QStringLiteral("Wipe 1 file as administrator"));
  QVERIFY(f.prompts.lastMessage().text.contains(QString::fromLocal8Bit(locked)));
  QVERIFY(!f.prompts.lastMessage().offeredBox);
  QCOMPARE(f.rowPaths("lvFiles"), (std::vector<std::string>{mine, locked}));
  QVERIFY(pathExists(locked));
  // Continue hands the entry over as a job on the run's input, never as a path the
  // administrator's process would look up again. (The input stays open while the run goes on:
  // the stand-in reads one block of it.)
  const std::string launcher =
      f.folder.write("launcher", "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + f.folder.path() +
                                     "asked'\ntimeout 5 dd bs=1M count=1 status=none of='" +
                                     f.folder.path() + "job'\n");
  std::filesystem::permissions(launcher, std::filesystem::perms::owner_all);
  SetAdministratorLauncher(QString::fromStdString(launcher));
  f.prompts.confirmations = {true};
  click(f, "btnAdminFiles");
  QCOMPARE(readFileBytes(f.folder / "asked"),
           CommandLineProgram() + "\n--progress=json\nhand-over\n");
  QVERIFY(readFileBytes(f.folder / "job").find(locked) != std::string::npos);
  QVERIFY(pathExists(locked));  // the launcher wiped nothing
  // Without a way to ask for the rights, nothing is offered.
  SetAdministratorLauncher(QString());
  f.find<TDeletePage>("tabDelete")->RefreshDeleteLists();
  QVERIFY(!admin->isVisible());
  QVERIFY(f.prompts.unexpected.empty());
}

QTEST_MAIN(DeletePageTest)
#include "DeletePageTest.moc"
