// The questions before a run: nothing is wiped that the open question did not name (paths
// handed over or dropped meanwhile wait, and a list that changed under the question is asked
// about again), each kind of question has its own setting that the Options page shows and
// brings back, buttons say what happens, and a list counts each path once and refuses what
// lies on a system file system when it is added.

#include <QCheckBox>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "MainFormFixture.h"
#include "ui/TWindowRequest.h"
#include "ui/pages/TDeletePage.h"
#include "ui/pages/TRunQuestion.h"

namespace {

void click(MainFormFixture& f, const char* button) {
  QTest::mouseClick(f.find<QPushButton>(button), Qt::LeftButton);
}

// Drops files on a list, as a file manager would.
void drop(MainFormFixture& f, const char* list, const std::string& path) {
  QWidget* viewport = f.find<QTreeWidget>(list)->viewport();
  QMimeData data;
  data.setData(QStringLiteral("text/uri-list"),
               QByteArrayLiteral("file://") + QByteArray::fromStdString(path) + "\r\n");
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &enter);
  QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &dropped);
  QCoreApplication::processEvents();
}

}  // namespace

class RunQuestionsTest : public QObject {
  Q_OBJECT

 private slots:
  void pathsHandedOverWhileTheQuestionIsOpenWaitAndAreAskedAboutLater();
  void aListThatChangedUnderTheQuestionIsAskedAboutAgain();
  void eachKindOfQuestionHasItsOwnSetting();
  void theOptionsPageShowsEachQuestionAndAsksAgainEverywhere();
  void aPathIsListedOnceAndSystemFileSystemsAreRefusedWhenAdded();
  void rowsThatCannotRunShowNoTick();
};

void RunQuestionsTest::pathsHandedOverWhileTheQuestionIsOpenWaitAndAreAskedAboutLater() {
  // Handed over by a second start, or dropped on a list: both wait for the answer.
  for (const bool dropped : {false, true}) {
    MainFormFixture f;
    f.withCatalogue(true);
    const std::string first = f.folder.write("first.bin", "1");
    const std::string later = f.folder.write("later.bin", "2");
    std::vector<std::vector<std::string>> runs;
    f.setRunner(
        fakeRun([&](TWipeEngine& engine) { runs.push_back(MainFormFixture::itemPaths(engine)); }));
    f.form().TakeRequest(TWindowRequest{{first}, {}, false});

    // The question names one file; while it is open, another comes.
    f.prompts.whileAsking.push_back([&] {
      if (dropped) {
        drop(f, "lvFiles", later);
      } else {
        f.form().TakeRequest(TWindowRequest{{later}, {}, false});
      }
    });
    f.prompts.confirmations = {true};
    click(f, "btnStartShredFiles");
    QCOMPARE(f.prompts.messages[0].text,
             QStringLiteral("Wipe 1 file (first.bin)? This cannot be undone."));
    QCOMPARE(f.prompts.messages[0].action, QStringLiteral("Wipe 1 file"));
    // Only what the question named was run.
    QCOMPARE(runs, std::vector<std::vector<std::string>>{{first}});
    // The waiting path joins the list once the run is over, and its Start asks about it.
    QTRY_COMPARE(f.rowPaths("lvFiles"), std::vector<std::string>{later});
    QVERIFY(!f.find<TDeletePage>("tabDelete")->PathsWaiting());
    f.prompts.confirmations = {false};
    click(f, "btnStartShredFiles");
    QCOMPARE(f.prompts.lastMessage().text,
             QStringLiteral("Wipe 1 file (later.bin)? This cannot be undone."));
    QCOMPARE(runs.size(), std::size_t{1});
    QVERIFY(f.prompts.unexpected.empty());
  }
}

void RunQuestionsTest::aListThatChangedUnderTheQuestionIsAskedAboutAgain() {
  MainFormFixture f;
  f.withCatalogue(true);
  const std::string a = f.folder.write("a", "1");
  const std::string b = f.folder.write("b", "2");
  std::vector<std::vector<std::string>> runs;
  f.setRunner(
      fakeRun([&](TWipeEngine& engine) { runs.push_back(MainFormFixture::itemPaths(engine)); }));
  f.prompts.openFiles.push_back({a});
  click(f, "btnAddFiles");
  // A job that reaches the engine while the question is open, by whatever way.
  f.prompts.whileAsking.push_back([&] {
    f.files().AddItem(std::make_unique<TWipeItem>(wkFile, b));
    f.find<TDeletePage>("tabDelete")->RefreshDeleteLists();
  });
  // The first Yes was for one file: the question comes again, naming both; Cancel runs nothing.
  f.prompts.confirmations = {true, false};
  click(f, "btnStartShredFiles");
  QCOMPARE(f.prompts.messages.size(), std::size_t{2});
  QCOMPARE(f.prompts.messages[1].text,
           QStringLiteral("Wipe 2 files (a and b)? This cannot be undone."));
  QVERIFY(runs.empty());
  // Asked about both and answered: both run.
  f.prompts.confirmations = {true};
  click(f, "btnStartShredFiles");
  QCOMPARE(runs, (std::vector<std::vector<std::string>>{{a, b}}));
  QVERIFY(f.prompts.unexpected.empty());
}

void RunQuestionsTest::eachKindOfQuestionHasItsOwnSetting() {
  for (const TQuestionKind ticked : TRunQuestion::kKinds) {
    WipeSettings settings;
    for (const TQuestionKind kind : TRunQuestion::kKinds)
      TRunQuestion::SetAsking(settings, kind, true);
    FakePrompts prompts;
    const auto subject = [] {
      return TRunQuestion::TSubject{QStringLiteral("Wipe it?"), QStringLiteral("Wipe it"),
                                    QStringList(QStringLiteral("/x"))};
    };
    // Cancel with the box ticked changes nothing.
    prompts.confirmations = {false};
    prompts.checkBoxes = {true};
    QVERIFY(!TRunQuestion::Ask(settings, prompts, ticked, subject));
    QVERIFY(TRunQuestion::Asking(settings, ticked));
    // The action with the box ticked turns off this kind's question, and no other.
    prompts.confirmations = {true};
    prompts.checkBoxes = {true};
    QVERIFY(TRunQuestion::Ask(settings, prompts, ticked, subject));
    QVERIFY(prompts.lastMessage().offeredBox);
    for (const TQuestionKind kind : TRunQuestion::kKinds) {
      QCOMPARE(TRunQuestion::Asking(settings, kind), kind != ticked);
    }
    // Not asked any more; asked all the same where it must be, and then without the box.
    const std::size_t shown = prompts.messages.size();
    QVERIFY(TRunQuestion::Ask(settings, prompts, ticked, subject));
    QCOMPARE(prompts.messages.size(), shown);
    prompts.confirmations = {true};
    prompts.checkBoxes = {true};
    QVERIFY(TRunQuestion::Ask(settings, prompts, TRunQuestion::kKinds[0], subject, true));
    QVERIFY(!prompts.lastMessage().offeredBox);
    QCOMPARE(TRunQuestion::Asking(settings, TRunQuestion::kKinds[0]),
             TRunQuestion::kKinds[0] != ticked);
    QVERIFY(prompts.unexpected.empty());
  }
  // The files-and-folders question is the one ConfirmEraseAllFiles keeps.
  WipeSettings settings;
  TRunQuestion::SetAsking(settings, TQuestionKind::FilesAndFolders, true);
  QVERIFY(settings.ConfirmEraseAllFiles);
}

void RunQuestionsTest::theOptionsPageShowsEachQuestionAndAsksAgainEverywhere() {
  MainFormFixture f;
  f.withCatalogue(true);
  // Paths handed over are always asked about, and their question has no box.
  const std::string handed = f.folder.write("handed", "x");
  f.form().TakeRequest(TWindowRequest{{handed}, {}, false});
  f.prompts.confirmations = {false};
  f.prompts.checkBoxes = {true};
  click(f, "btnStartShredFiles");
  QVERIFY(!f.prompts.lastMessage().offeredBox);
  QVERIFY(f.catalogue().ConfirmEraseAllFiles);

  // Turned off by their questions' boxes, as a user may have done.
  f.catalogue().ConfirmWipeFreeSpace = false;
  f.catalogue().ConfirmClearRecentFiles = false;
  f.form().show();
  auto* tabs = f.find<QTabWidget>("MainPage");
  tabs->setCurrentWidget(f.find<QWidget>("tabOptions"));
  const std::vector<std::pair<const char*, bool WipeSettings::*>> boxes{
      {"chkAskFilesAndFolders", &WipeSettings::ConfirmEraseAllFiles},
      {"chkAskFreeSpace", &WipeSettings::ConfirmWipeFreeSpace},
      {"chkAskSpecialFolders", &WipeSettings::ConfirmWipeSpecialFolders},
      {"chkAskTraces", &WipeSettings::ConfirmCleanTraces},
      {"chkAskRecentFiles", &WipeSettings::ConfirmClearRecentFiles}};
  for (const auto& [name, setting] : boxes) {
    QCOMPARE(f.find<QCheckBox>(name)->isChecked(), f.catalogue().*setting);
  }
  QCOMPARE(f.find<QCheckBox>("chkAskFreeSpace")->text(),
           QStringLiteral("Ask before wiping free space"));
  // A box changes its own setting alone.
  f.find<QCheckBox>("chkAskTraces")->click();
  QVERIFY(!f.catalogue().ConfirmCleanTraces);
  QVERIFY(f.catalogue().ConfirmWipeSpecialFolders);
  // "Ask again everywhere" brings every question back, and the boxes show it.
  click(f, "btnAskAgain");
  for (const auto& [name, setting] : boxes) {
    QVERIFY2(f.catalogue().*setting, name);
    QVERIFY2(f.find<QCheckBox>(name)->isChecked(), name);
  }
  // Saved by key, each on its own.
  f.catalogue().ConfirmWipeFreeSpace = false;
  FinishWipeMethodsManager(f.catalogue());
  const std::string saved = readFileBytes(f.folder / "program/Ferrovane.ini");
  QVERIFY(saved.find("ConfirmWipeFreeSpace=0\n") != std::string::npos);
  QVERIFY(saved.find("ConfirmEraseAllFiles=0") == std::string::npos);
}

void RunQuestionsTest::aPathIsListedOnceAndSystemFileSystemsAreRefusedWhenAdded() {
  MainFormFixture f;
  f.withCatalogue(true);
  const std::string a = f.folder.write("a", "1");
  const std::string b = f.folder.write("b", "2");
  const std::string c = f.folder.write("c", "3");
  const std::string tree = f.folder.makeFolder("tree");
  // The same paths by every way in: the command line twice, the file dialog, a trailing
  // separator on a folder.
  f.form().TakeRequest(TWindowRequest{{a, b, a, tree}, {}, false});
  f.form().TakeRequest(TWindowRequest{{b, c, tree + "/"}, {}, false});
  f.prompts.openFiles.push_back({a, c});
  click(f, "btnAddFiles");
  f.prompts.folders.push_back(tree);
  click(f, "btnAddFolder");
  QCOMPARE(f.rowPaths("lvFiles"), (std::vector<std::string>{a, b, c}));
  QCOMPARE(f.rowPaths("lvFolders"), std::vector<std::string>{tree});
  QVERIFY(f.prompts.messages.empty());
  f.prompts.confirmations = {false};
  click(f, "btnStartShredFiles");
  QCOMPARE(f.prompts.lastMessage().action, QStringLiteral("Wipe 3 files"));

  // A file of the kernel's is refused when it is added, with its reason, by every way in.
  const auto info = platform::fs().info("/proc/cpuinfo");
  if (!info) QSKIP("no /proc here");
  const std::size_t shown = f.prompts.messages.size();
  f.form().TakeRequest(TWindowRequest{{"/proc/cpuinfo", "/proc/self"}, {}, false});
  f.prompts.openFiles.push_back({"/proc/cpuinfo"});
  click(f, "btnAddFiles");
  f.prompts.folders.push_back("/sys");
  click(f, "btnAddFolder");
  QCOMPARE(f.rowPaths("lvFiles"), (std::vector<std::string>{a, b, c}));
  QCOMPARE(f.rowPaths("lvFolders"), std::vector<std::string>{tree});
  QCOMPARE(f.prompts.messages.size(), shown + 3);
  for (std::size_t i = shown; i < f.prompts.messages.size(); ++i) {
    QCOMPARE(f.prompts.messages[i].caption, QStringLiteral("Warning"));
  }
  QVERIFY(f.prompts.messages[shown].details.contains(
      QStringLiteral("/proc/cpuinfo: is on a system file system (proc): not wiped")));
  QVERIFY(f.prompts.messages[shown + 2].details.contains(
      QStringLiteral("/sys: is on a system file system (sysfs): not wiped")));
  QVERIFY(f.prompts.unexpected.empty());
}

void RunQuestionsTest::rowsThatCannotRunShowNoTick() {
  MainFormFixture f;
  f.withCatalogue(true);
  auto* tabs = f.find<QTabWidget>("MainPage");
  f.form().show();
  // The desktop's list of recently used files, empty: greyed, and no tick shown.
  tabs->setCurrentWidget(f.find<QWidget>("tabClearRecent"));
  auto* known = f.find<QTreeWidget>("lvMRU");
  QTreeWidgetItem* desktop = nullptr;
  for (int i = 0; i < known->topLevelItemCount(); ++i) {
    if (known->topLevelItem(i)->text(0).startsWith(QStringLiteral("Recently used files"))) {
      desktop = known->topLevelItem(i);
    }
  }
  QVERIFY(desktop);
  QVERIFY(desktop->isDisabled());
  QCOMPARE(desktop->checkState(0), Qt::Unchecked);
  // With something in it, the row runs again, ticked as the user left it.
  f.folder.write("home/.local/share/recently-used.xbel",
                 "<?xml version=\"1.0\"?>\n<xbel version=\"1.0\"><bookmark "
                 "href=\"file:///tmp/x\"/></xbel>\n");
  tabs->setCurrentWidget(f.find<QWidget>("tabDelete"));
  tabs->setCurrentWidget(f.find<QWidget>("tabClearRecent"));
  QVERIFY(!desktop->isDisabled());
  QCOMPARE(desktop->checkState(0), Qt::Checked);

  // A trace that finds nothing shows no tick either; the choice stays for the schedule.
  tabs->setCurrentWidget(f.find<QWidget>("tabCleanTraces"));
  auto* traces = f.find<QTreeWidget>("tvTraceItems");
  int greyed = 0;
  for (int g = 0; g < traces->topLevelItemCount(); ++g) {
    for (int c = 0; c < traces->topLevelItem(g)->childCount(); ++c) {
      const QTreeWidgetItem* row = traces->topLevelItem(g)->child(c);
      if (!row->isDisabled()) continue;
      ++greyed;
      QVERIFY2(row->checkState(0) == Qt::Unchecked, qPrintable(row->text(0)));
    }
  }
  QVERIFY(greyed > 0);
  QVERIFY(f.prompts.unexpected.empty());
}

QTEST_MAIN(RunQuestionsTest)
#include "RunQuestionsTest.moc"
