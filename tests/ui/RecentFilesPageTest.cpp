// The Clear-recently-used-files page: the known lists and their routines over the registry
// store, the desktop's list, the search for other lists, Add Existing Key, Stop, and a clean
// that writes the store once.

#include <fcntl.h>
#include <unistd.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "MainFormFixture.h"
#include "cleaner/DesktopRecentFiles.h"
#include "ui/TfmAddReg.h"
#include "ui/pages/TRecentFilesPage.h"

namespace {

using platform::kCurrentUser;
using Names = std::vector<std::string>;
const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kWordpad =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List";

void click(MainFormFixture& f, const char* button) {
  QTest::mouseClick(f.find<QPushButton>(button), Qt::LeftButton);
}

void makeKey(MainFormFixture& f, const std::string& key, const Names& values = {}) {
  auto& store = f.registry.store();
  QVERIFY(store.createKey(kCurrentUser, key));
  for (const std::string& name : values) QVERIFY(store.writeString(kCurrentUser, key, name, "x"));
}

Names values(MainFormFixture& f, const std::string& key) {
  return f.registry.store().valueNames(kCurrentUser, key).value_or(Names{"<no key>"});
}

std::vector<bool> enabledRows(MainFormFixture& f) {
  std::vector<bool> enabled;
  auto* list = f.find<QTreeWidget>("lvMRU");
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    enabled.push_back(!list->topLevelItem(i)->isDisabled());
  }
  return enabled;
}

std::vector<std::pair<QString, bool>> otherRows(MainFormFixture& f) {
  std::vector<std::pair<QString, bool>> rows;
  auto* list = f.find<QTreeWidget>("lvOtherMRU");
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    rows.emplace_back(list->topLevelItem(i)->text(0),
                      list->topLevelItem(i)->checkState(0) == Qt::Checked);
  }
  return rows;
}

QString label(MainFormFixture& f) {
  return f.find<QLabel>("lblProgress4")->text();
}

// Answers the next Add Existing Key with the name, by OK or by the window's close box.
void answerAddKey(MainFormFixture& f, const QString& name, bool ok) {
  TfmAddReg* dialog = &f.form().findChild<TRecentFilesPage*>()->AddRegDialog();
  QTimer::singleShot(0, dialog, [dialog, name, ok] {
    dialog->findChild<QLineEdit*>(QStringLiteral("edKeyName"))->setText(name);
    if (ok) {
      QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnOK")), Qt::LeftButton);
    } else {
      dialog->close();
    }
  });
}

}  // namespace

class RecentFilesPageTest : public QObject {
  Q_OBJECT

 private slots:
  void knownListsAreClearedAndRowsWithNothingAreDisabled();
  void searchFindsOneListPerKeyAndReplacesTheRows();
  void addExistingKeyAndRemoveSelected();
  void aCleanOfManyValuesWritesTheStoreOnceAndStopEndsIt();
  void stopEndsASearchOfManyKeys();
  void nothingChangesTheListsWhileACleanRuns();
  void aCleanLooksAtTheListsWhenItStartsAndNamesWhatFilledMeanwhile();
  void cleanAsksNamingTheListsItClears();
  void theOverwriteChoiceOfCleanTracesHoldsForTheDesktopsLists();
  void theKeepListOfCleanTracesHoldsForTheDesktopsLists();
};

void RecentFilesPageTest::knownListsAreClearedAndRowsWithNothingAreDisabled() {
  MainFormFixture f;
  makeKey(f, kWordpad, {"File1", "File2", "MRUList"});
  makeKey(f, kExplorer + "\\RecentDocs", {"0", "MRUListEx"});
  makeKey(f, kExplorer + "\\RecentDocs\\.txt\\deeper", {"0"});
  makeKey(f, kExplorer + "\\MountPoints2", {"##server#share", "#single", "a"});
  makeKey(f, kExplorer + "\\MountPoints2\\##server#share");
  f.folder.write("home/.local/share/recently-used.xbel", "<xbel><bookmark href=\"x\"/></xbel>");

  // Only rows whose list holds something here can be cleaned.
  std::vector<bool> expected(17, false);
  for (int row : {1, 8, 14, 16}) expected[row] = true;
  QCOMPARE(enabledRows(f), expected);
  QVERIFY(!f.find<QTreeWidget>("lvMRU")->topLevelItem(0)->toolTip(0).isEmpty());

  const int saves = f.registry.store().saveCount();
  click(f, "btnRecentExecute");
  QCOMPARE(values(f, kWordpad), Names{});
  QCOMPARE(values(f, kExplorer + "\\RecentDocs"), Names{});
  QCOMPARE(f.registry.store().subkeyNames(kCurrentUser, kExplorer + "\\RecentDocs"), Names{});
  // Only "##" names are mount points; the key of the same name stays.
  QCOMPARE(values(f, kExplorer + "\\MountPoints2"), (Names{"#single", "a"}));
  QVERIFY(f.registry.store().keyExists(kCurrentUser, kExplorer + "\\MountPoints2\\##server#share"));
  QCOMPARE(readFileBytes(f.folder.dataFolder() + "recently-used.xbel"),
           std::string(DesktopRecentFiles::kEmptyList));
  QCOMPARE(f.registry.store().saveCount(), saves + 1);
  QCOMPARE(label(f), QStringLiteral("Done."));
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Information"));
  QCOMPARE(f.prompts.lastMessage().text,
           QStringLiteral("The Clear recently used files task has been completed successfully!"));
  QCOMPARE(enabledRows(f), std::vector<bool>(17, false));

  // With nothing left, a clean still ends with its message.
  click(f, "btnRecentExecute");
  QCOMPARE(label(f), QStringLiteral("Done."));
  QCOMPARE(f.prompts.messages.size(), std::size_t{2});
}

void RecentFilesPageTest::searchFindsOneListPerKeyAndReplacesTheRows() {
  MainFormFixture f;
  makeKey(f, "Software\\Editor\\Recent File List", {"File1"});
  makeKey(f, "Software\\Editor\\Recent Files");
  makeKey(f, "Software\\Editor\\Recent File List\\Recent Files");
  makeKey(f, "Software\\Viewer\\Settings\\File Name MRU");
  answerAddKey(f, QStringLiteral("\\Software\\ByHand"), true);
  click(f, "btnAddKey");
  QCOMPARE(otherRows(f).size(), std::size_t{1});

  using Rows = std::vector<std::pair<QString, bool>>;
  for (bool checked : {false, true, true}) {
    f.find<QCheckBox>("chkOtherMRU")->setChecked(checked);
    click(f, "btnRegSearch");
    const Rows expected = {{"\\Software\\Editor\\Recent File List", checked},
                           {"\\Software\\Editor\\Recent File List\\Recent Files", checked},
                           {"\\Software\\Viewer\\Settings\\File Name MRU", checked}};
    QCOMPARE(otherRows(f), expected);
    QCOMPARE(label(f), QString());
  }
  // The checked rows are cleaned: every value of their keys goes.
  f.find<QTreeWidget>("lvOtherMRU")->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
  click(f, "btnRecentExecute");
  QCOMPARE(values(f, "Software\\Editor\\Recent File List"), Names{});
}

void RecentFilesPageTest::addExistingKeyAndRemoveSelected() {
  MainFormFixture f;
  auto* remove = f.find<QPushButton>("btnRemoveSelected");
  QVERIFY(!remove->isEnabled());
  answerAddKey(f, QString(), true);  // OK with no name adds nothing
  click(f, "btnAddKey");
  answerAddKey(f, QStringLiteral("\\Software\\A"), true);
  click(f, "btnAddKey");
  // Closed by its close box, the dialog does not report the earlier OK.
  answerAddKey(f, QStringLiteral("\\Software\\B"), false);
  click(f, "btnAddKey");
  answerAddKey(f, QStringLiteral("\\Software\\C"), true);
  click(f, "btnAddKey");
  using Rows = std::vector<std::pair<QString, bool>>;
  QCOMPARE(otherRows(f), (Rows{{"\\Software\\A", false}, {"\\Software\\C", false}}));

  f.find<QTreeWidget>("lvOtherMRU")->topLevelItem(0)->setSelected(true);
  QVERIFY(remove->isEnabled());
  click(f, "btnRemoveSelected");
  QCOMPARE(otherRows(f), (Rows{{"\\Software\\C", false}}));
  // The next row is selected, ready for the next Remove; with none left, Remove is disabled.
  QVERIFY(remove->isEnabled());
  click(f, "btnRemoveSelected");
  QVERIFY(otherRows(f).empty());
  QVERIFY(!remove->isEnabled());
}

void RecentFilesPageTest::aCleanOfManyValuesWritesTheStoreOnceAndStopEndsIt() {
  MainFormFixture f;
  const std::string key = "Software\\Big\\Recent File List";
  makeKey(f, key);
  {
    platform::RegistryBatch filling(f.registry.store());
    for (int i = 0; i < 10000; ++i) {
      QVERIFY(f.registry.store().writeString(kCurrentUser, key, "v" + std::to_string(i), "x"));
    }
  }
  answerAddKey(f, QString::fromStdString("\\" + key), true);
  click(f, "btnAddKey");
  f.find<QTreeWidget>("lvOtherMRU")->topLevelItem(0)->setCheckState(0, Qt::Checked);
  f.find<QCheckBox>("chkMRU")->click();  // the known lists are left out

  // Stop, pressed while the clean runs, ends it at the next value.
  auto* page = f.form().findChild<TRecentFilesPage*>();
  int steps = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, page, [&] {
    if (++steps == 5) click(f, "btnRecentClose");
  });
  timer.start(0);
  int saves = f.registry.store().saveCount();
  click(f, "btnRecentExecute");
  timer.stop();
  QCOMPARE(label(f), QStringLiteral("Stopped."));
  const std::size_t left = values(f, key).size();
  QVERIFY(left > 0 && left < 10000);
  QCOMPARE(f.registry.store().saveCount(), saves + 1);

  saves = f.registry.store().saveCount();
  click(f, "btnRecentExecute");
  QCOMPARE(values(f, key), Names{});
  QCOMPARE(f.registry.store().saveCount(), saves + 1);
  QCOMPARE(label(f), QStringLiteral("Done."));
}

void RecentFilesPageTest::stopEndsASearchOfManyKeys() {
  MainFormFixture f;
  makeKey(f, "Software");
  {
    platform::RegistryBatch filling(f.registry.store());
    for (int i = 0; i < 3000; ++i) {
      QVERIFY(f.registry.store().createKey(kCurrentUser,
                                           "Software\\P" + std::to_string(i) + "\\Recent Files"));
    }
  }
  auto* page = f.form().findChild<TRecentFilesPage*>();
  int steps = 0;
  // Stop is pressed once the search has gone some way.
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, page, [&] {
    if (++steps == 1) click(f, "btnRecentClose");
  });
  timer.start(0);
  click(f, "btnRegSearch");
  timer.stop();
  QCOMPARE(label(f), QStringLiteral("Search stopped."));
  QVERIFY(otherRows(f).size() < 3000);
}

void RecentFilesPageTest::nothingChangesTheListsWhileACleanRuns() {
  MainFormFixture f;
  const std::string key = "Software\\Big\\Recent File List";
  makeKey(f, key);
  {
    platform::RegistryBatch filling(f.registry.store());
    for (int i = 0; i < 2000; ++i) {
      QVERIFY(f.registry.store().writeString(kCurrentUser, key, "v" + std::to_string(i), "x"));
    }
  }
  answerAddKey(f, QString::fromStdString("\\" + key), true);
  click(f, "btnAddKey");
  auto* list = f.find<QTreeWidget>("lvOtherMRU");
  list->topLevelItem(0)->setCheckState(0, Qt::Checked);
  auto* page = f.form().findChild<TRecentFilesPage*>();

  // While the clean runs, the user selects the row being cleaned and tries to remove it (by the
  // button and by its handler), to search again and to uncheck it.
  int steps = 0;
  bool removeEnabled = true, searchEnabled = true, rowCheckable = true;
  int rowsDuringClean = -1;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, page, [&] {
    if (++steps != 3) return;
    list->topLevelItem(0)->setSelected(true);
    removeEnabled = f.find<QPushButton>("btnRemoveSelected")->isEnabled();
    searchEnabled = f.find<QPushButton>("btnRegSearch")->isEnabled();
    rowCheckable = (list->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable) != 0;
    QMetaObject::invokeMethod(page, "btnRemoveSelectedClick");
    QMetaObject::invokeMethod(page, "btnRegSearchClick");
    rowsDuringClean = list->topLevelItemCount();
  });
  timer.start(0);
  click(f, "btnRecentExecute");
  timer.stop();
  QVERIFY(steps >= 3);
  QCOMPARE(rowsDuringClean, 1);
  QVERIFY(!removeEnabled);
  QVERIFY(!searchEnabled);
  QVERIFY(!rowCheckable);
  QCOMPARE(values(f, key), Names{});
  QCOMPARE(f.prompts.lastMessage().text,
           QStringLiteral("The Clear recently used files task has been completed successfully!"));
  // Once the clean is over, the row can be removed.
  QVERIFY(f.find<QPushButton>("btnRemoveSelected")->isEnabled());
  click(f, "btnRemoveSelected");
  QCOMPARE(list->topLevelItemCount(), 0);
}

void RecentFilesPageTest::aCleanLooksAtTheListsWhenItStartsAndNamesWhatFilledMeanwhile() {
  MainFormFixture f;
  makeKey(f, kWordpad);
  auto* page = f.form().findChild<TRecentFilesPage*>();
  QVERIFY(!enabledRows(f)[1]);  // empty when the page was filled

  // Filled since: the clean looks again and clears it.
  QVERIFY(f.registry.store().writeString(kCurrentUser, kWordpad, "File1", "x"));
  click(f, "btnRecentExecute");
  QCOMPARE(values(f, kWordpad), Names{});
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Information"));

  // Filled again while a later list is cleaned: the clean does not call itself complete.
  const std::string key = "Software\\Big\\Recent File List";
  makeKey(f, key);
  for (int i = 0; i < 200; ++i) {
    QVERIFY(f.registry.store().writeString(kCurrentUser, key, "v" + std::to_string(i), "x"));
  }
  answerAddKey(f, QString::fromStdString("\\" + key), true);
  click(f, "btnAddKey");
  f.find<QTreeWidget>("lvOtherMRU")->topLevelItem(0)->setCheckState(0, Qt::Checked);
  QVERIFY(f.registry.store().writeString(kCurrentUser, kWordpad, "File1", "x"));
  int steps = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, page, [&] {
    if (++steps == 10) QVERIFY(f.registry.store().writeString(kCurrentUser, kWordpad, "Late", "x"));
  });
  timer.start(0);
  click(f, "btnRecentExecute");
  timer.stop();
  QVERIFY(steps >= 10);
  QCOMPARE(values(f, key), Names{});
  QCOMPARE(values(f, kWordpad), Names{"Late"});
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Warning"));
  QCOMPARE(f.prompts.lastMessage().details,
           QStringLiteral("WordPad (still holds entries after the clean)"));
  QVERIFY(enabledRows(f)[1]);
}

void RecentFilesPageTest::cleanAsksNamingTheListsItClears() {
  MainFormFixture f;
  f.withCatalogue(true);
  makeKey(f, kWordpad, {"File1"});
  makeKey(f, kExplorer + "\\RunMRU", {"a"});
  answerAddKey(f, QStringLiteral("\\Software\\Editor\\Recent Files"), true);
  click(f, "btnAddKey");
  f.find<QTreeWidget>("lvOtherMRU")->topLevelItem(0)->setCheckState(0, Qt::Checked);

  f.prompts.confirmations = {false};
  click(f, "btnRecentExecute");
  QCOMPARE(f.prompts.messages.size(), std::size_t{1});
  QCOMPARE(f.prompts.messages[0].text,
           QStringLiteral("Clear 3 lists of recently used files (WordPad, Run MRU and "
                          "\\Software\\Editor\\Recent Files)? This cannot be undone."));
  QCOMPARE(values(f, kWordpad), Names{"File1"});
  QCOMPARE(label(f), QString());

  f.prompts.confirmations = {true};
  click(f, "btnRecentExecute");
  QCOMPARE(values(f, kWordpad), Names{});
  QCOMPARE(values(f, kExplorer + "\\RunMRU"), Names{});
  QCOMPARE(f.prompts.lastMessage().caption, QStringLiteral("Information"));
  QVERIFY(f.prompts.unexpected.empty());
}

void RecentFilesPageTest::theOverwriteChoiceOfCleanTracesHoldsForTheDesktopsLists() {
  for (const bool overwrite : {false, true}) {
    MainFormFixture f;
    f.withCatalogue();
    f.folder.write(
        "program/Ferrovane.ini",
        std::string("[Settings]\nConfirmEraseAllFiles=0\n[CleanTraces]\nOverwriteFiles=") +
            (overwrite ? "1" : "0") + "\n");
    const std::string list = f.folder.write("home/.local/share/recently-used.xbel",
                                            "<xbel><bookmark href=\"file:///x\"/></xbel>");
    const std::string entry =
        f.folder.write("home/.local/share/RecentDocuments/x.desktop", "[Desktop Entry]\n");
    f.prompts.confirmations = {true};
    // The earlier bookmark file, as something reading the device would still find it.
    const int earlier = ::open(list.c_str(), O_RDONLY);
    QVERIFY(earlier >= 0);
    click(f, "btnRecentExecute");
    QVERIFY(!pathExists(entry));
    QCOMPARE(readFileBytes(list), std::string(DesktopRecentFiles::kEmptyList));
    // With the choice on, the earlier file is overwritten once replaced: nothing to say.
    char first = 0;
    QCOMPARE(::pread(earlier, &first, 1, 0), ssize_t{1});
    ::close(earlier);
    QCOMPARE(first == '<', !overwrite);
    const auto& message = f.prompts.lastMessage();
    QCOMPARE(message.text,
             QStringLiteral("The Clear recently used files task has been completed successfully!"));
    QVERIFY(!message.details.contains(QStringLiteral("not overwritten")));
  }
}

void RecentFilesPageTest::theKeepListOfCleanTracesHoldsForTheDesktopsLists() {
  MainFormFixture f;
  f.folder.write("program/Ferrovane.ini",
                 "[Settings]\nConfirmEraseAllFiles=0\n[CleanTracesKeep]\nCount=1\n"
                 "Path1=~/.local/share/recently-used.xbel\n");
  const std::string text = "<xbel><bookmark href=\"file:///x\"/></xbel>";
  const std::string list = f.folder.write("home/.local/share/recently-used.xbel", text);
  const std::string entry =
      f.folder.write("home/.local/share/RecentDocuments/x.desktop", "[Desktop Entry]\n");
  f.prompts.confirmations = {true};
  click(f, "btnRecentExecute");
  QVERIFY(!pathExists(entry));
  QCOMPARE(readFileBytes(list), text);
}

QTEST_MAIN(RecentFilesPageTest)
#include "RecentFilesPageTest.moc"
