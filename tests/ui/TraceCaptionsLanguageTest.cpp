// The captions of the trace items come from the messages catalogue of the Qt-free layers: a
// German user reads them in German in the lists of the Clean traces and Clear recent files
// pages, in the question before a clean and in the schedule's list.

#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "MainFormFixture.h"
#include "ui/TfSchedule.h"

namespace {

namespace fsys = std::filesystem;

// Every text of the first column of a tree, at every depth.
QStringList Texts(QTreeWidget* tree) {
  QStringList texts;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) texts << (*it)->text(0) << (*it)->text(1);
  return texts;
}

}  // namespace

class TraceCaptionsLanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void aGermanUserReadsTheTraceItemsInGerman() {
    MainFormFixture f;
    // The German messages of the build beside the test's program, before the first lookup.
    const std::string folder = f.folder.programFolder() + "locale/de/LC_MESSAGES/";
    fsys::create_directories(folder);
    fsys::copy_file(FERROVANE_LOCALE "/de/LC_MESSAGES/ferrovane.mo", folder + "ferrovane.mo");
    f.form().show();
    auto* tabs = f.find<QTabWidget>("MainPage");

    tabs->setCurrentWidget(f.find<QWidget>("tabCleanTraces"));
    const QStringList traces = Texts(f.find<QTreeWidget>("tvTraceItems"));
    QVERIFY2(traces.contains(QStringLiteral("Papierkorb")), qPrintable(traces.join('|')));
    QVERIFY(traces.contains(QStringLiteral("Liste zuletzt verwendeter Dokumente")));
    QVERIFY(!traces.contains(QStringLiteral("Trash")));
    QVERIFY(!traces.contains(QStringLiteral("Recent Document List")));

    tabs->setCurrentWidget(f.find<QWidget>("tabClearRecent"));
    const QStringList lists = Texts(f.find<QTreeWidget>("lvMRU"));
    QVERIFY2(lists.contains(QStringLiteral("Zuletzt verwendete Dateien (Desktop)")),
             qPrintable(lists.join('|')));
    QVERIFY(lists.contains(
        QStringLiteral("~/.local/share/recently-used.xbel und ~/.local/share/RecentDocuments")));
    QVERIFY(!lists.contains(QStringLiteral("Recently used files (desktop)")));

    // The schedule offers the same items by the same names.
    tabs->setCurrentWidget(f.find<QWidget>("tabCleanTraces"));
    QTimer::singleShot(0, [] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<TfSchedule*>(top); dialog && dialog->isVisible()) {
          QStringList shown;
          for (QTreeWidget* tree : dialog->findChildren<QTreeWidget*>()) shown << Texts(tree);
          for (QListWidget* list : dialog->findChildren<QListWidget*>()) {
            for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
          }
          scheduleShowed = shown;
          dialog->reject();
        }
      }
    });
    f.find<QPushButton>("btnSchedule")->click();
    QVERIFY2(scheduleShowed.contains(QStringLiteral("Papierkorb")),
             qPrintable(scheduleShowed.join('|')));
    QVERIFY(!scheduleShowed.contains(QStringLiteral("Trash")));
  }

 private:
  static inline QStringList scheduleShowed;
};

int main(int argc, char** argv) {
  qputenv("LANG", "de_DE.UTF-8");
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
  QApplication application(argc, argv);
  TraceCaptionsLanguageTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "TraceCaptionsLanguageTest.moc"
