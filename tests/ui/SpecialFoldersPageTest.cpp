// The page of special folders: its rows from the registry's shell folders, the Opera rows and
// the trash, rows that cannot be wiped, Select All, and the run of both engines.

#include <sys/stat.h>
#include <unistd.h>

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "MainFormFixture.h"
#include "dialogs/TfMethodsForm.h"
#include "ui/SizeFunctions.h"
#include "ui/pages/TDeletePage.h"
#include "ui/pages/TSpecialFoldersPage.h"

namespace {

namespace fsys = std::filesystem;
const char* const kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

struct Row {
  QString name, location, total;
  bool enabled;
  bool operator==(const Row&) const = default;
};

std::vector<Row> rows(MainFormFixture& f, const char* list) {
  std::vector<Row> result;
  auto* view = f.find<QTreeWidget>(list);
  const int total = view->columnCount() - 1;
  for (int i = 0; i < view->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = view->topLevelItem(i);
    result.push_back({row->text(0), total > 1 ? row->text(1) : QString(), row->text(total),
                      (row->flags() & Qt::ItemIsUserCheckable) != 0});
  }
  return result;
}

void check(MainFormFixture& f, const char* list, int index) {
  f.find<QTreeWidget>(list)->topLevelItem(index)->setCheckState(0, Qt::Checked);
}

QString q(const std::string& text) {
  return QString::fromLocal8Bit(text);
}

// Records what each engine is asked to run, in order.
struct RunLog {
  std::vector<std::pair<std::string, std::vector<std::string>>> runs;
  bool abortFolders = false;
};

void recordRuns(MainFormFixture& f, RunLog& log) {
  TWipeEngine* folders = &f.folders();
  f.setRunner(fakeRun([&log, folders](TWipeEngine& engine) {
    std::vector<std::string> jobs;
    for (const auto& item : engine.Items) {
      jobs.push_back((item->Kind == wkFile ? "file " : "folder ") + item->Path);
    }
    log.runs.push_back({&engine == folders ? "folders" : "files", jobs});
    if (&engine == folders && log.abortFolders) engine.Aborted = true;
  }));
}

}  // namespace

class SpecialFoldersPageTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsComeFromTheShellFoldersAndUnknownPlacesCannotBeChecked();
  void trashFoldersAreListedDepthFirstWithoutFollowingLinks();
  void selectAllChecksEveryRowThatCanBeWiped();
  void runWipesFoldersThenFilesAndOnlyThisPagesJobs();
  void stoppedFoldersRunLeavesTheFilesUnrun();
  void withNothingTickedNothingRunsAndThePageSaysSo();
  void optionsAsksForTheMethodsDialog();
  void theDeleteListsTakeNothingWhileTheRunHoldsTheirEngines();
  void wipeStartAsksWithTheCountAndSizeOfWhatGoes();
  void emptyingTheTrashKeepsItsFilesAndInfoFolders();
  void sizesAndTheTrashAreReadAgainWhenThePageIsShown();
};

void SpecialFoldersPageTest::rowsComeFromTheShellFoldersAndUnknownPlacesCannotBeChecked() {
  MainFormFixture f;
  const std::string local = f.folder.makeFolder("profile/Local Settings");
  f.folder.write("profile/Local Settings/Temporary Internet Files/a.htm", "12345");
  const std::string cookies = f.folder.write("profile/Cookies", "a file, not a folder");
  const std::string favorites = f.folder.makeFolder("profile/Favorites");
  auto& store = f.registry.store();
  QVERIFY(store.createKey(platform::kCurrentUser, kShellFolders));
  QVERIFY(store.writeString(platform::kCurrentUser, kShellFolders, "Local Settings", local));
  QVERIFY(store.writeString(platform::kCurrentUser, kShellFolders, "Cookies", cookies));
  QVERIFY(store.writeString(platform::kCurrentUser, kShellFolders, "Favorites", favorites));

  const QString na = QStringLiteral("not available");
  const std::vector<Row> expected = {
      {"Temporary Internet Files", q(local + "/Temporary Internet Files"), "5 Bytes", true},
      // A missing value is no location at all, never "/History" or "/Temp".
      {"History", "", na, false},
      {"Cookies", q(cookies), na, false},
      {"Favorites", q(favorites), "0 Bytes", true},
      {"Temp", q(local + "/Temp"), na, false},
  };
  QCOMPARE(rows(f, "lvAllItems"), expected);

  // The Opera rows: files and folders, each only where it exists as what it should be.
  const std::string opera = f.folder.makeFolder("opera");
  f.folder.write("opera/global.dat", "123");
  f.folder.makeFolder("opera/cache4");
  fsys::create_directory_symlink(favorites, opera + "/images");
  f.form().findChild<TSpecialFoldersPage*>()->AddOperaRows(opera);
  const auto all = rows(f, "lvAllItems");
  QCOMPARE(all.size(), std::size_t{9});
  const std::vector<Row> operaRows(all.begin() + 5, all.end());
  const std::vector<Row> operaExpected = {
      {"Opera Cookies", q(opera + "/cookies4.dat"), na, false},
      {"Opera Internet Cache", q(opera + "/cache4"), "0 Bytes", true},
      {"Opera History", q(opera + "/global.dat"), "3 Bytes", true},
      {"Opera Images", q(opera + "/images"), na, false},  // a link is not wiped as a folder
  };
  QCOMPARE(operaRows, operaExpected);
}

void SpecialFoldersPageTest::trashFoldersAreListedDepthFirstWithoutFollowingLinks() {
  TestFolder disks;
  const std::string top = disks.makeFolder("disk");
  const std::string uid = std::to_string(::getuid());
  MainFormFixture f(mountLine(20, "8:1", top, "ext4"));
  const std::string home = f.folder.dataFolder() + "Trash/";
  f.folder.makeFolder("home/.local/share/Trash/files/A/B");
  f.folder.makeFolder("home/.local/share/Trash/files/C");
  f.folder.write("home/.local/share/Trash/info/A.trashinfo", "[Trash Info]");
  const std::string outside = f.folder.makeFolder("outside/deep");
  fsys::create_directory_symlink(f.folder / "outside", home + "files/link");
  // The drive's shared trash only counts with the sticky bit; its per-user folder always.
  disks.makeFolder("disk/.Trash/" + uid + "/files/S");
  disks.makeFolder("disk/.Trash-" + uid + "/files/T");

  std::vector<QString> names;
  for (const Row& row : rows(f, "lvRecycleBin")) names.push_back(row.name);
  const std::vector<QString> expected = {q(home + "files"),
                                         q(home + "files/A"),
                                         q(home + "files/A/B"),
                                         q(home + "files/C"),
                                         q(home + "info"),
                                         q(top + "/.Trash-" + uid + "/files"),
                                         q(top + "/.Trash-" + uid + "/files/T")};
  QCOMPARE(names, expected);

  ::chmod((top + "/.Trash").c_str(), 01777);
  f.form().findChild<TSpecialFoldersPage*>()->FillRecycleBinFolders();
  names.clear();
  for (const Row& row : rows(f, "lvRecycleBin")) names.push_back(row.name);
  QCOMPARE(names.size(), expected.size() + 2);
  QCOMPARE(names[5], q(top + "/.Trash/" + uid + "/files"));
  QCOMPARE(names[6], q(top + "/.Trash/" + uid + "/files/S"));
}

void SpecialFoldersPageTest::selectAllChecksEveryRowThatCanBeWiped() {
  MainFormFixture f;
  f.folder.makeFolder("home/.local/share/Trash/files/A");
  auto& store = f.registry.store();
  QVERIFY(store.createKey(platform::kCurrentUser, kShellFolders));
  QVERIFY(store.writeString(platform::kCurrentUser, kShellFolders, "History",
                            f.folder.makeFolder("h")));
  auto* selectAll = f.find<QCheckBox>("chkSelectAll");
  auto* recycle = f.find<QCheckBox>("chkRecycleBin");
  for (bool state : {true, false}) {
    QTest::mouseClick(selectAll, Qt::LeftButton);
    QCOMPARE(selectAll->isChecked(), state);
    QCOMPARE(recycle->isChecked(), state);
    const auto* all = f.find<QTreeWidget>("lvAllItems");
    for (int i = 0; i < all->topLevelItemCount(); ++i) {
      // Only History has a place; the others stay unchecked.
      QCOMPARE(all->topLevelItem(i)->checkState(0) == Qt::Checked, state && i == 1);
    }
    const auto* bin = f.find<QTreeWidget>("lvRecycleBin");
    QCOMPARE(bin->topLevelItemCount(), 2);  // files, files/A
    for (int i = 0; i < bin->topLevelItemCount(); ++i) {
      QCOMPARE(bin->topLevelItem(i)->checkState(0) == Qt::Checked, state);
    }
  }
}

void SpecialFoldersPageTest::runWipesFoldersThenFilesAndOnlyThisPagesJobs() {
  MainFormFixture f;
  const std::string trash = f.folder.dataFolder() + "Trash/";
  f.folder.makeFolder("home/.local/share/Trash/files/A/B");
  f.folder.write("home/.local/share/Trash/info/A.trashinfo", "[Trash Info]");
  const std::string favorites = f.folder.makeFolder("fav");
  auto& store = f.registry.store();
  QVERIFY(store.createKey(platform::kCurrentUser, kShellFolders));
  QVERIFY(store.writeString(platform::kCurrentUser, kShellFolders, "Favorites", favorites));
  const std::string opera = f.folder.makeFolder("opera");
  f.folder.write("opera/global.dat", "x");
  f.form().findChild<TSpecialFoldersPage*>()->AddOperaRows(opera);
  // A job the user queued on the Delete-with-wiping page, not started there.
  const std::string queued = f.folder.write("queued.txt", "keep");
  f.prompts.openFiles.push_back({queued});
  QTest::mouseClick(f.find<QPushButton>("btnAddFiles"), Qt::LeftButton);
  RunLog log;
  recordRuns(f, log);

  check(f, "lvAllItems", 3);    // Favorites
  check(f, "lvAllItems", 7);    // Opera History
  check(f, "lvRecycleBin", 1);  // files/A, with its description
  check(f, "lvRecycleBin", 2);  // files/A/B
  QTest::mouseClick(f.find<QPushButton>("btnSpecialExecute"), Qt::LeftButton);

  using Runs = decltype(log.runs);
  const Runs expected = {
      {"folders",
       {"folder " + favorites, "folder " + trash + "files/A", "folder " + trash + "files/A/B"}},
      {"files", {"file " + opera + "/global.dat", "file " + trash + "info/A.trashinfo"}}};
  QCOMPARE(log.runs, expected);
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Information"));
  QCOMPARE(f.prompts.lastMessage().text,
           QStringLiteral("The Wipe special folders task has been completed successfully!"));
  // The queued job is still there and still listed; this run's jobs are gone.
  QCOMPARE(MainFormFixture::itemPaths(f.files()), std::vector<std::string>{queued});
  QCOMPARE(f.rowPaths("lvFiles"), std::vector<std::string>{queued});
  QVERIFY(f.folders().Items.empty());
}

void SpecialFoldersPageTest::stoppedFoldersRunLeavesTheFilesUnrun() {
  MainFormFixture f;
  const std::string opera = f.folder.makeFolder("opera");
  f.folder.write("opera/global.dat", "x");
  f.folder.makeFolder("opera/cache4");
  f.form().findChild<TSpecialFoldersPage*>()->AddOperaRows(opera);
  RunLog log;
  log.abortFolders = true;
  recordRuns(f, log);
  check(f, "lvAllItems", 6);
  check(f, "lvAllItems", 7);
  QTest::mouseClick(f.find<QPushButton>("btnSpecialExecute"), Qt::LeftButton);
  QCOMPARE(log.runs.size(), std::size_t{1});
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Warning"));
  QCOMPARE(f.prompts.lastMessage().text,
           QStringLiteral("The Wipe special folders task has been aborted!"));
  QVERIFY(f.files().Items.empty());
}

void SpecialFoldersPageTest::withNothingTickedNothingRunsAndThePageSaysSo() {
  MainFormFixture f;
  const std::string opera = f.folder.makeFolder("opera");
  f.folder.write("opera/global.dat", "x");
  f.form().findChild<TSpecialFoldersPage*>()->AddOperaRows(opera);
  RunLog log;
  recordRuns(f, log);
  QTest::mouseClick(f.find<QPushButton>("btnSpecialExecute"), Qt::LeftButton);
  QVERIFY(log.runs.empty());
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Information"));
  QCOMPARE(f.prompts.lastMessage().text,
           QStringLiteral("No row is ticked: tick the folders to wipe first."));
  // One ticked row is enough to run both engines.
  check(f, "lvAllItems", 7);
  QTest::mouseClick(f.find<QPushButton>("btnSpecialExecute"), Qt::LeftButton);
  QCOMPARE(log.runs.size(), std::size_t{2});
}

void SpecialFoldersPageTest::optionsAsksForTheMethodsDialog() {
  MainFormFixture f;
  // Another engine was shown last: Options shows the folders engine's method.
  f.form().MethodsForm().Engine = &f.files();
  TfMethodsForm* shown = nullptr;
  TWipeEngine* engine = nullptr;
  QTimer::singleShot(0, [&] {
    shown = qobject_cast<TfMethodsForm*>(QApplication::activeModalWidget());
    if (shown) {
      engine = shown->Engine;
      shown->reject();
    }
  });
  QTest::mouseClick(f.find<QPushButton>("btnSpecialClose"), Qt::LeftButton);
  QVERIFY(shown != nullptr);
  QCOMPARE(engine, &f.folders());
}

void SpecialFoldersPageTest::theDeleteListsTakeNothingWhileTheRunHoldsTheirEngines() {
  MainFormFixture f;
  const std::string opera = f.folder.makeFolder("opera");
  f.folder.write("opera/global.dat", "x");
  f.folder.makeFolder("opera/cache4");
  f.form().findChild<TSpecialFoldersPage*>()->AddOperaRows(opera);
  const std::string late = f.folder.write("late.txt", "keep");
  auto* deletePage = f.find<TDeletePage>("tabDelete");
  RunLog log;
  TWipeEngine* folders = &f.folders();
  std::vector<bool> enabledDuringRun;
  // While the folders step runs (the files step still to come), the user adds a file on the
  // Delete page, by its button and by its handler, and starts that list.
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    std::vector<std::string> jobs;
    for (const auto& item : engine.Items) jobs.push_back(item->Path);
    log.runs.push_back({&engine == folders ? "folders" : "files", jobs});
    if (&engine != folders) return;
    for (const char* button : {"btnAddFiles", "btnStartShredFiles", "btnAddFolder"}) {
      enabledDuringRun.push_back(f.find<QPushButton>(button)->isEnabled());
    }
    f.prompts.openFiles.push_back({late});
    QTest::mouseClick(f.find<QPushButton>("btnAddFiles"), Qt::LeftButton);
    QMetaObject::invokeMethod(deletePage, "btnAddFilesClick");
    QMetaObject::invokeMethod(deletePage, "btnStartShredFilesClick");
  }));
  check(f, "lvAllItems", 6);  // Opera Internet Cache
  check(f, "lvAllItems", 7);  // Opera History
  QTest::mouseClick(f.find<QPushButton>("btnSpecialExecute"), Qt::LeftButton);

  using Runs = decltype(log.runs);
  const Runs expected = {{"folders", {opera + "/cache4"}}, {"files", {opera + "/global.dat"}}};
  QCOMPARE(log.runs, expected);
  QCOMPARE(enabledDuringRun, (std::vector<bool>{false, false, false}));
  QVERIFY(f.files().Items.empty());
  QCOMPARE(f.rowPaths("lvFiles"), std::vector<std::string>{});
  QVERIFY(f.find<QPushButton>("btnAddFiles")->isEnabled());
}

void SpecialFoldersPageTest::wipeStartAsksWithTheCountAndSizeOfWhatGoes() {
  MainFormFixture f;
  f.withCatalogue(true);
  const std::string opera = f.folder.makeFolder("opera");
  f.folder.write("opera/global.dat", std::string(1000, 'g'));
  f.folder.write("opera/cache4/a", std::string(3000, 'a'));
  f.folder.write("opera/cache4/sub/b", std::string(500, 'b'));
  f.form().findChild<TSpecialFoldersPage*>()->AddOperaRows(opera);
  RunLog log;
  recordRuns(f, log);
  check(f, "lvAllItems", 6);  // Opera Internet Cache
  check(f, "lvAllItems", 7);  // Opera History

  f.prompts.confirmations = {false, true};
  QTest::mouseClick(f.find<QPushButton>("btnSpecialExecute"), Qt::LeftButton);
  QVERIFY(log.runs.empty());
  QCOMPARE(f.prompts.lastMessage().text,
           QStringLiteral("Wipe 1 folder and 1 file (%1)? This cannot be undone.")
               .arg(FormatSize(4500)));
  // The jobs of the declined run are not left in the engines.
  QVERIFY(f.files().Items.empty() && f.folders().Items.empty());

  QTest::mouseClick(f.find<QPushButton>("btnSpecialExecute"), Qt::LeftButton);
  QCOMPARE(log.runs.size(), std::size_t{2});
  QCOMPARE(f.prompts.messages.size(), std::size_t{3});  // two questions, then the outcome
  QVERIFY(f.prompts.unexpected.empty());
}

void SpecialFoldersPageTest::emptyingTheTrashKeepsItsFilesAndInfoFolders() {
  MainFormFixture f;
  f.withCatalogue();
  const std::string trash = f.folder.dataFolder() + "Trash/";
  f.folder.write("home/.local/share/Trash/files/A/inside.txt", "a");
  f.folder.write("home/.local/share/Trash/files/loose.txt", "b");
  f.folder.write("home/.local/share/Trash/info/A.trashinfo", "[Trash Info]");
  f.folder.write("home/.local/share/Trash/info/loose.txt.trashinfo", "[Trash Info]");
  f.form().findChild<TSpecialFoldersPage*>()->FillRecycleBinFolders();
  const std::vector<std::string> listed = f.rowPaths("lvRecycleBin");
  const auto filesRow = std::find(listed.begin(), listed.end(), trash + "files");
  QVERIFY(filesRow != listed.end());
  check(f, "lvRecycleBin", static_cast<int>(filesRow - listed.begin()));
  QTest::mouseClick(f.find<QPushButton>("btnSpecialExecute"), Qt::LeftButton);

  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Information"));
  for (const char* kept : {"files", "info"}) {
    const std::string folder = trash + kept;
    QVERIFY2(fsys::is_directory(folder), kept);
    QVERIFY2(fsys::is_empty(folder), kept);
  }
}

void SpecialFoldersPageTest::sizesAndTheTrashAreReadAgainWhenThePageIsShown() {
  MainFormFixture f;
  const std::string trash = f.folder.dataFolder() + "Trash/";
  f.folder.makeFolder("home/.local/share/Trash/files/A");
  const std::string favorites = f.folder.makeFolder("fav");
  f.folder.write("fav/one", std::string(100, 'x'));
  auto& store = f.registry.store();
  QVERIFY(store.createKey(platform::kCurrentUser, kShellFolders));
  QVERIFY(store.writeString(platform::kCurrentUser, kShellFolders, "Favorites", favorites));
  auto* page = f.form().findChild<TSpecialFoldersPage*>();
  QCOMPARE(rows(f, "lvAllItems")[3].total, FormatSize(100));
  const auto rowOf = [&](const std::string& path) {
    const std::vector<std::string> paths = f.rowPaths("lvRecycleBin");
    const auto found = std::find(paths.begin(), paths.end(), path);
    return found == paths.end() ? -1 : static_cast<int>(found - paths.begin());
  };
  check(f, "lvRecycleBin", rowOf(trash + "files/A"));

  // Meanwhile the favourites grow and something else is trashed.
  f.folder.write("fav/two", std::string(900, 'y'));
  f.folder.makeFolder("home/.local/share/Trash/files/B");
  f.form().show();
  f.find<QTabWidget>("MainPage")->setCurrentWidget(page);
  QCOMPARE(rows(f, "lvAllItems")[3].total, FormatSize(1000));
  QVERIFY(rowOf(trash + "files/B") >= 0);
  // The check mark of a folder still there stays.
  auto* bin = f.find<QTreeWidget>("lvRecycleBin");
  QCOMPARE(bin->topLevelItem(rowOf(trash + "files/A"))->checkState(0), Qt::Checked);
  QCOMPARE(bin->topLevelItem(rowOf(trash + "files/B"))->checkState(0), Qt::Unchecked);
}

QTEST_MAIN(SpecialFoldersPageTest)
#include "SpecialFoldersPageTest.moc"
