// The item-properties and included-files dialogs: the mode switches, the pattern rules, the
// results of OK, and the files that a folder and the patterns select.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include "support/FakePrompts.h"
#include "support/TestFolder.h"
#include "ui/TfmItemProps.h"
#include "ui/TfmShowFiles.h"

namespace {

template <typename T>
T* child(QWidget& dialog, const char* name) {
  return dialog.findChild<T*>(QString::fromLatin1(name));
}

void add(TfmItemProps& d, const char* combo, const char* button, const QString& pattern) {
  child<QComboBox>(d, combo)->setCurrentText(pattern);
  QTest::mouseClick(child<QPushButton>(d, button), Qt::LeftButton);
}

QStringList entries(TfmItemProps& d, const char* list) {
  QStringList result;
  auto* view = child<QListWidget>(d, list);
  for (int i = 0; i < view->count(); ++i) result << view->item(i)->text();
  return result;
}

// Shows the dialog as the program does and presses a button once it is up.
void runWith(TfmItemProps& d, const char* button) {
  QTimer::singleShot(0, &d, [&d, button] {
    QTest::mouseClick(child<QPushButton>(d, button), Qt::LeftButton);
    if (d.isVisible()) d.reject();  // a dialog that stayed open is closed by its close box
  });
  d.exec();
}

// Both pattern groups usable: folder content, with exclusion.
void useBothGroups(TfmItemProps& d) {
  child<QRadioButton>(d, "radFolderContent")->click();
  if (!child<QCheckBox>(d, "chkExcludeFiles")->isChecked()) {
    child<QCheckBox>(d, "chkExcludeFiles")->click();
  }
}

}  // namespace

class ItemPropsTest : public QObject {
  Q_OBJECT

 private slots:
  void patternsFollowTheAddRules_data();
  void patternsFollowTheAddRules();
  void okGivesThePatternsOfTheChosenMode();
  void modeSwitchesEnableTheirGroups();
  void showFilesListsWhatThePatternsSelect();
};

void ItemPropsTest::patternsFollowTheAddRules_data() {
  QTest::addColumn<QStringList>("added");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("two patterns") << QStringList{"*.doc", "*.xls"} << QStringList{"*.doc", "*.xls"};
  QTest::newRow("*.* empties the list, then is replaced")
      << QStringList{"*.doc", "*.*", "*.htm"} << QStringList{"*.htm"};
  QTest::newRow("*.* stands alone") << QStringList{"*.doc", "*.doc", "*.*"} << QStringList{"*.*"};
  QTest::newRow("repeats are kept")
      << QStringList{"*.doc", "*.doc"} << QStringList{"*.doc", "*.doc"};
}

void ItemPropsTest::patternsFollowTheAddRules() {
  QFETCH(QStringList, added);
  QFETCH(QStringList, expected);
  TfmItemProps d;
  useBothGroups(d);
  for (const QString& pattern : added) add(d, "cbExcludePattern", "btnAddPattern2", pattern);
  QCOMPARE(entries(d, "lbExcludePattern"), expected);
}

void ItemPropsTest::okGivesThePatternsOfTheChosenMode() {
  FakePrompts prompts;
  TfmItemProps d;
  useBothGroups(d);
  add(d, "cbFolderPattern", "btnAddPattern1", "*.doc");
  add(d, "cbExcludePattern", "btnAddPattern2", "*.txt");
  child<QCheckBox>(d, "chkExcludeFiles")->click();
  child<QRadioButton>(d, "radEntireFolder")->click();
  runWith(d, "btnOK");
  QVERIFY(d.Accepted);
  QCOMPARE(d.IncludePatterns, std::string("<Entire folder>"));
  QCOMPARE(d.ExcludePatterns, std::string());

  child<QRadioButton>(d, "radFolderContent")->click();
  add(d, "cbFolderPattern", "btnAddPattern1", "*.xls");
  runWith(d, "btnOK");
  QCOMPARE(d.IncludePatterns, std::string("*.doc *.xls"));
  QCOMPARE(d.ExcludePatterns, std::string());
  child<QCheckBox>(d, "chkExcludeFiles")->click();
  runWith(d, "btnOK");
  QCOMPARE(d.ExcludePatterns, std::string("*.txt"));

  // An empty include list is refused with a warning; the dialog stays open, and closing it
  // by its close box does not report the earlier OK.
  child<QListWidget>(d, "lbFolderPattern")->clear();
  runWith(d, "btnOK");
  QCOMPARE(prompts.lastMessage().caption, QStringLiteral("Warning"));
  QCOMPARE(prompts.lastMessage().text,
           QStringLiteral("Please add at least a pattern to pattern list"));
  QVERIFY(!d.Accepted);
  runWith(d, "btnCancel");
  QVERIFY(!d.Accepted);
}

void ItemPropsTest::modeSwitchesEnableTheirGroups() {
  TfmItemProps d;
  auto enabled = [&d](const char* name) { return child<QWidget>(d, name)->isEnabled(); };
  QVERIFY(enabled("grbEntireFolder") && !enabled("grbFolderContent") &&
          !enabled("chkExcludeFiles"));
  child<QRadioButton>(d, "radFolderContent")->click();
  QVERIFY(!enabled("grbEntireFolder") && enabled("grbFolderContent") && !enabled("grbExclude"));
  child<QCheckBox>(d, "chkExcludeFiles")->click();
  QVERIFY(enabled("grbExclude"));
  child<QRadioButton>(d, "radEntireFolder")->click();
  QVERIFY(!enabled("grbExclude") && !enabled("chkExcludeFiles"));
  // Back to the folder's content, the exclude group keeps the box's state.
  child<QRadioButton>(d, "radFolderContent")->click();
  QVERIFY(enabled("grbExclude"));

  // Remove follows the selection.
  add(d, "cbFolderPattern", "btnAddPattern1", "*.doc");
  auto* remove = child<QPushButton>(d, "btnRemoveItem1");
  QVERIFY(!remove->isEnabled());
  child<QListWidget>(d, "lbFolderPattern")->setCurrentRow(0);
  QVERIFY(remove->isEnabled());
  QTest::mouseClick(remove, Qt::LeftButton);
  QCOMPARE(entries(d, "lbFolderPattern"), QStringList{});
  QVERIFY(!remove->isEnabled());
}

void ItemPropsTest::showFilesListsWhatThePatternsSelect() {
  TestFolder t;
  const std::string folder = t.makeFolder("docs");
  t.write("docs/a.doc", "x");
  t.write("docs/B.DOC", "x");
  t.write("docs/c.txt", "x");
  t.makeFolder("docs/d.doc");  // a folder is never listed
  TfmShowFiles show;
  auto names = [&show] {
    QStringList result;
    for (int i = 0; i < show.IncludedFiles()->topLevelItemCount(); ++i) {
      result << show.IncludedFiles()->topLevelItem(i)->text(0);
    }
    return result;
  };
  // Without a final separator one is put between the folder and the pattern; rows accumulate.
  show.ListMatchingFiles(folder, "*.doc");
  show.ListMatchingFiles(folder + "/", "*.*");
  QCOMPARE(names(), (QStringList{"B.DOC", "a.doc", "B.DOC", "a.doc", "c.txt"}));
  show.IncludedFiles()->clear();
  show.ListMatchingFiles(folder, "*.none");
  show.ListMatchingFiles(t / "missing", "*.*");
  QCOMPARE(names(), QStringList{});

  // The exclude group's Show lists only with entries and a folder.
  FakePrompts prompts;
  TfmItemProps d;
  auto* shown = &d.ShowFilesDialog();
  int opened = 0;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, shown, [&] {
    if (shown->isVisible()) {
      ++opened;
      shown->reject();
    }
  });
  watcher.start(10);
  useBothGroups(d);
  QTest::mouseClick(child<QPushButton>(d, "btnShowFiles2"), Qt::LeftButton);
  QCOMPARE(opened, 0);
  child<QLineEdit>(d, "edFolderPath")->setText(QString::fromStdString(folder));
  add(d, "cbExcludePattern", "btnAddPattern2", "*.txt");
  QTest::mouseClick(child<QPushButton>(d, "btnShowFiles2"), Qt::LeftButton);
  QCOMPARE(opened, 1);
  QCOMPARE(shown->IncludedFiles()->topLevelItemCount(), 1);
  QCOMPARE(shown->IncludedFiles()->topLevelItem(0)->text(0), QStringLiteral("c.txt"));
}

QTEST_MAIN(ItemPropsTest)
#include "ItemPropsTest.moc"
