// The rows of places only Windows has, on the three pages that list them: hidden until "Show
// Windows items" is ticked, shown when they find something here after all, the choice kept in
// the settings and followed by every page; rows that are mapped say where they reach.

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "MainFormFixture.h"
#include "core/TIniFile.h"
#include "ui/pages/TCleanTracesPage.h"
#include "ui/pages/TRecentFilesPage.h"
#include "ui/pages/TSpecialFoldersPage.h"

namespace {

using platform::kCurrentUser;

struct PageRows {
  const char* box;
  const char* list;
  const char* windowsRow;  // a row of a place only Windows has
  const char* linuxRow;    // a row that applies here (null: none on that page)
};

const PageRows kPages[] = {
    {"chkShowWindowsRecent", "lvMRU", "WordPad", "Recently used files (desktop)"},
    {"chkShowWindowsFolders", "lvAllItems", "Temporary Internet Files", nullptr},
    {"chkShowWindowsTraces", "tvTraceItems", "Internet Explorer Cache", "Netscape/Mozilla Cookies"},
};

QTreeWidgetItem* rowOf(MainFormFixture& f, const char* list, const QString& caption) {
  const auto found =
      f.find<QTreeWidget>(list)->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
  return found.isEmpty() ? nullptr : found.first();
}

bool visible(MainFormFixture& f, const char* list, const QString& caption) {
  QTreeWidgetItem* row = rowOf(f, list, caption);
  if (!row) return false;
  for (; row; row = row->parent()) {
    if (row->isHidden()) return false;
  }
  return true;
}

bool remembered() {
  return TIniFile(TWipeMethodsManager::SettingsFileName())
      .ReadBool("Settings", "ShowWindowsItems", false);
}

void showPage(MainFormFixture& f, const char* list) {
  QWidget* page = f.find<QTreeWidget>(list);
  while (page && !qobject_cast<TRecentFilesPage*>(page) &&
         !qobject_cast<TSpecialFoldersPage*>(page) && !qobject_cast<TCleanTracesPage*>(page)) {
    page = page->parentWidget();
  }
  f.form().show();
  f.find<QTabWidget>("MainPage")->setCurrentWidget(page);
}

}  // namespace

class WindowsRowsTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsRowsAreHiddenUntilTheBoxIsTickedAndEveryPageFollows();
  void aWindowsRowThatFindsSomethingHereIsShown();
  void mappedRowsSayWhereTheyReach();
};

void WindowsRowsTest::windowsRowsAreHiddenUntilTheBoxIsTickedAndEveryPageFollows() {
  for (std::size_t i = 0; i < std::size(kPages); ++i) {
    const PageRows& page = kPages[i];
    const PageRows& other = kPages[(i + 1) % std::size(kPages)];
    MainFormFixture f;
    QCheckBox* box = f.find<QCheckBox>(page.box);
    QVERIFY2(box, page.box);
    QVERIFY(!box->isChecked());
    QVERIFY2(rowOf(f, page.list, page.windowsRow), page.windowsRow);
    QVERIFY2(!visible(f, page.list, page.windowsRow), page.windowsRow);
    if (page.linuxRow) QVERIFY2(visible(f, page.list, page.linuxRow), page.linuxRow);

    box->click();
    QVERIFY2(visible(f, page.list, page.windowsRow), page.windowsRow);
    QVERIFY(remembered());
    // Another page reads the choice when it is shown.
    showPage(f, other.list);
    QVERIFY2(f.find<QCheckBox>(other.box)->isChecked(), other.box);
    QVERIFY2(visible(f, other.list, other.windowsRow), other.windowsRow);

    f.find<QCheckBox>(other.box)->click();
    QVERIFY(!remembered());
    QVERIFY2(!visible(f, other.list, other.windowsRow), other.windowsRow);
    showPage(f, page.list);
    QVERIFY(!box->isChecked());
    QVERIFY2(!visible(f, page.list, page.windowsRow), page.windowsRow);
  }
}

void WindowsRowsTest::aWindowsRowThatFindsSomethingHereIsShown() {
  MainFormFixture f;
  auto& store = f.registry.store();
  const std::string wordpad =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List";
  QVERIFY(store.createKey(kCurrentUser, wordpad));
  QVERIFY(store.writeString(kCurrentUser, wordpad, "File1", "x"));
  const std::string history = f.folder.makeFolder("profile/History");
  const std::string shellFolders =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  QVERIFY(store.createKey(kCurrentUser, shellFolders));
  QVERIFY(store.writeString(kCurrentUser, shellFolders, "History", history));
  showPage(f, "lvAllItems");
  showPage(f, "lvMRU");
  QVERIFY(visible(f, "lvMRU", "WordPad"));
  QVERIFY(!visible(f, "lvMRU", "Microsoft Paint"));
  QVERIFY(visible(f, "lvAllItems", "History"));
  QVERIFY(!visible(f, "lvAllItems", "Cookies"));

  // Emptied by a clean, the list is out of sight again.
  f.find<QTreeWidget>("lvMRU")->topLevelItem(16)->setCheckState(0, Qt::Unchecked);
  QTest::mouseClick(f.find<QPushButton>("btnRecentExecute"), Qt::LeftButton);
  QCOMPARE(store.valueNames(kCurrentUser, wordpad).value_or(std::vector<std::string>{"?"}),
           std::vector<std::string>{});
  QVERIFY(!visible(f, "lvMRU", "WordPad"));
}

void WindowsRowsTest::mappedRowsSayWhereTheyReach() {
  MainFormFixture f;
  QTreeWidgetItem* desktop = rowOf(f, "lvMRU", "Recently used files (desktop)");
  QVERIFY(desktop);
  QCOMPARE(desktop->text(1),
           QStringLiteral("~/.local/share/recently-used.xbel and ~/.local/share/RecentDocuments"));
  QTreeWidgetItem* bin = rowOf(f, "tvTraceItems", "Trash");
  QVERIFY(bin);
  QVERIFY2(bin->toolTip(0).contains(
               QStringLiteral("~/.local/share/Trash and .Trash-<uid> of each drive")),
           qPrintable(bin->toolTip(0)));
  showPage(f, "tvTraceItems");
  QVERIFY2(rowOf(f, "tvTraceItems", "Trash")->toolTip(0).contains(QStringLiteral(".Trash-<uid>")),
           "the place stays after the items are looked at again");
  // The Linux items and the groups that apply keep their captions and stay in sight.
  QVERIFY(visible(f, "tvTraceItems", "Chromium-family Cookies"));
  QVERIFY(!visible(f, "tvTraceItems", "Internet Explorer"));
  QVERIFY(!visible(f, "tvTraceItems", "AOL"));
}

QTEST_MAIN(WindowsRowsTest)
#include "WindowsRowsTest.moc"
