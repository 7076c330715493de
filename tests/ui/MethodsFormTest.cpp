// The methods dialog and the method list it shares with the Options page: which method it
// opens on, New, Edit, Delete and Close, and what they do when a file cannot be written, a file
// is taken, a kind of wipe uses the method, a run is going on, or a method was not read whole.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <optional>

#include "MethodsFixture.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "dialogs/TfEditMethod.h"
#include "dialogs/TfMethodsForm.h"
#include "platform/FileSystem.h"
#include "support/FaultyFileSystem.h"
#include "ui/ProgramResources.h"

namespace {

const std::vector<std::pair<std::string, std::string>> kFive = {
    {"a-one.mtd", MethodFileText("One", 1)},     {"b-two.mtd", MethodFileText("Two", 2)},
    {"c-three.mtd", MethodFileText("Three", 3)}, {"d-four.mtd", MethodFileText("Four", 4)},
    {"e-five.mtd", MethodFileText("Five", 5)},
};

// The methods dialog for the WipeFolders engine, open (not waiting in its own event loop).
struct Dialog {
  explicit Dialog(MethodsFixture& fixture) : f(fixture) {
    form.Engine = &f.folders;
    form.Engines = f.engines();
    form.show();
  }
  template <typename T>
  T* get(const char* name) {
    T* control = form.findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QTreeWidget* list() { return get<QTreeWidget>("lvMethods"); }
  QStringList rows() {
    QStringList names;
    for (int i = 0; i < list()->topLevelItemCount(); ++i) names << list()->topLevelItem(i)->text(0);
    return names;
  }
  int selectedRow() {
    const auto selected = list()->selectedItems();
    return selected.isEmpty() ? -1 : list()->indexOfTopLevelItem(selected.constFirst());
  }
  void select(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }
  void click(const char* button) { get<QPushButton>(button)->click(); }
  QString description() { return get<QPlainTextEdit>("txtDescription")->toPlainText(); }

  MethodsFixture& f;
  TfEditMethod editor;
  TfMethodsForm form{editor, f.catalogue()};
};

// In the editor that opens next: the name typed, one pass added, then OK.
void NameAndSave(const QString& name) {
  WhenOpen<TfEditMethod>([name](TfEditMethod& editor) {
    QCOMPARE(editor.windowTitle(), QStringLiteral("New Method"));
    // The user writes the description; none is made up.
    QVERIFY(editor.findChild<QPlainTextEdit*>("txtMethodDescription")->toPlainText().isEmpty());
    QVERIFY(!editor.ReadOnly());
    auto* field = editor.findChild<QLineEdit*>("txtMethodName");
    field->selectAll();
    QTest::keyClicks(field, name);
    editor.findChild<QAbstractButton*>("btnAddPass")->click();
    editor.findChild<QPushButton*>("btnOK")->click();
  });
}

// Fails the test, and closes the dialog, if another dialog opens before the next events are
// handled.
void NoDialogOpens() {
  QTimer::singleShot(0, [open = QApplication::activeModalWidget()] {
    QWidget* now = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QDialog*>(now); dialog && now != open) {
      dialog->reject();
      QFAIL("a dialog opened");
    }
  });
}

}  // namespace

class MethodsFormTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InitProgramResources(); }
  void opensOnTheMethodTheEngineUses();
  void newMethodIsSavedInTheMethodsFolder();
  void newMethodCancelledLeavesNothing();
  void editStoresTheMethodAndItsRow();
  void deleteAsksThenRemovesFileAndRow();
  void closeRecordsTheChoiceOtherEndingsDoNot();
  void unwritableFileChangesNothing();
  void newOverAnotherMethodsFileAsksFirst();
  void deletingAMethodKindsOfWipeUseSetsThemBack();
  void methodOfARunningWipeIsNeitherEditedNorDeleted();
  void methodNotReadWholeIsListedButNotChosen();
  void shippedMethodsOpenReadOnlyAndCopyMakesAnEditableOne();
};

void MethodsFormTest::shippedMethodsOpenReadOnlyAndCopyMakesAnEditableOne() {
  const std::string gutmann = MethodFileText("Gutmann", 3);
  MethodsFixture f({{"05-gutmann.mtd", gutmann}, {"mine.mtd", MethodFileText("Mine", 1)}});
  Dialog d(f);
  // The user's own method opens for editing as before.
  d.select(1);
  WhenOpen<TfEditMethod>([](TfEditMethod& editor) {
    QVERIFY(!editor.ReadOnly());
    editor.reject();
  });
  d.click("btnEditMethod");

  // A shipped one is shown read-only; closing it changes nothing.
  d.select(0);
  WhenOpen<TfEditMethod>([](TfEditMethod& editor) {
    QVERIFY(editor.ReadOnly());
    editor.reject();
  });
  d.click("btnEditMethod");
  QCOMPARE(d.rows(), (QStringList{"Gutmann", "Mine"}));

  // Copy, then OK in the editor that opens on the copy: a new method under a file of its own,
  // selected; the shipped file stays as it was.
  for (const char* expectedFile : {"05-gutmann-copy.mtd", "05-gutmann-copy-2.mtd"}) {
    d.select(0);
    WhenOpen<TfEditMethod>([](TfEditMethod& editor) {
      // The editor that opens next, on the copy, is an editable one.
      auto* poll = new QTimer;
      poll->setInterval(0);
      QObject::connect(poll, &QTimer::timeout, [poll] {
        auto* copy = qobject_cast<TfEditMethod*>(QApplication::activeModalWidget());
        if (!copy || !copy->isVisible() || copy->ReadOnly()) return;
        poll->stop();
        poll->deleteLater();
        QCOMPARE(copy->windowTitle(), QStringLiteral("Copy of Method"));
        QCOMPARE(copy->WorkMethod().PassCount(), 3);
        copy->findChild<QPushButton*>("btnOK")->click();
      });
      QVERIFY(editor.ReadOnly());
      editor.findChild<QPushButton*>("btnCopy")->click();
      poll->start();
    });
    d.click("btnEditMethod");
    const TWipeMethod& copy = *f.catalogue().Methods.back();
    QCOMPARE(copy.FileName, f.methodPath(expectedFile));
    QCOMPARE(copy.Name, std::string("Gutmann (copy)"));
    QCOMPARE(copy.PassCount(), 3);
    QVERIFY(readFileBytes(copy.FileName).find("Name=Gutmann (copy)") != std::string::npos);
    QCOMPARE(d.selectedRow(), d.rows().size() - 1);
  }
  QCOMPARE(readFileBytes(f.methodPath("05-gutmann.mtd")), gutmann);

  // New onto the shipped file is refused before any editor opens.
  d.select(1);
  f.prompts.saveFiles = {f.methodPath("05-gutmann.mtd")};
  NoDialogOpens();
  d.click("btnNewMethod");
  QTest::qWait(0);
  QVERIFY(f.prompts.lastMessage().text.contains(QStringLiteral("comes with Ferrovane")));
  QCOMPARE(readFileBytes(f.methodPath("05-gutmann.mtd")), gutmann);
  QCOMPARE(d.rows().size(), 4);
}

void MethodsFormTest::opensOnTheMethodTheEngineUses() {
  struct Case {
    const char* what;
    bool methods;
    const char* settings;
    int selected;
  };
  const Case cases[] = {
      {"the engine's own", true, "[Engines]\nWipeFolders=c-three.mtd\n", 2},
      {"written in other letter case", true, "[Engines]\nWipeFolders=C-THREE.MTD\n", 2},
      {"another engine's only", true, "[Engines]\nWipeFiles=d-four.mtd\n", 0},
      {"a file that is gone", true, "[Engines]\nWipeFolders=gone.mtd\n", 0},
      {"an empty catalogue", false, "", -1},
  };
  for (const Case& c : cases) {
    MethodsFixture f(c.methods ? kFive : decltype(kFive){}, c.settings);
    Dialog d(f);
    QVERIFY2(d.selectedRow() == c.selected, c.what);
    const bool any = c.selected >= 0;
    QCOMPARE(d.description(),
             any ? QString::fromStdString("About " + f.catalogue().Methods[c.selected]->Name)
                 : QString());
    QCOMPARE(d.get<QPushButton>("btnEditMethod")->isEnabled(), any);
    QCOMPARE(d.get<QPushButton>("btnDeleteMethod")->isEnabled(), any);
    QCOMPARE(d.form.windowTitle(), QStringLiteral("Wiping Methods"));
  }
}

void MethodsFormTest::newMethodIsSavedInTheMethodsFolder() {
  struct Case {
    const char* what;
    const char* chosen;  // inside the test folder
    const char* stored;  // in the Methods folder
    bool told;
  };
  const Case cases[] = {
      {"in the Methods folder", "program/Methods/mine.mtd", "mine.mtd", false},
      {"without the extension", "program/Methods/mine", "mine.mtd", false},
      {"with another extension", "program/Methods/notes.txt", "notes.txt.mtd", false},
      {"in another folder", "elsewhere/mine.mtd", "mine.mtd", true},
      {"in a folder named like Methods", "program/methods/mine.mtd", "mine.mtd", true},
  };
  for (const Case& c : cases) {
    MethodsFixture f(kFive);
    Dialog d(f);
    d.select(1);
    f.prompts.saveFiles = {f.folder / c.chosen};
    NameAndSave(QStringLiteral("Mine"));
    d.click("btnNewMethod");
    QCOMPARE(f.prompts.saveFolders, std::vector<std::string>{f.folder.methodsFolder()});
    QVERIFY2(f.prompts.messages.size() == (c.told ? 1u : 0u), c.what);
    if (c.told) {
      QCOMPARE(
          f.prompts.messages[0].text,
          QString::fromStdString("Method files can be saved only in \"" + f.folder.methodsFolder() +
                                 "\".\n\"" + c.stored + "\" will be saved in this folder."));
      QCOMPARE(f.prompts.messages[0].icon, std::optional(TSystemIcon::Information));
      QVERIFY(!pathExists(f.folder / c.chosen));
    }
    // Appended to the catalogue and the list, written and selected, not chosen.
    QCOMPARE(d.rows(), (QStringList{"One", "Two", "Three", "Four", "Five", "Mine"}));
    const TWipeMethod& added = *f.catalogue().Methods.back();
    QVERIFY2(added.FileName == f.methodPath(c.stored), c.what);
    QVERIFY2(readFileBytes(added.FileName).find("Name=Mine") != std::string::npos, c.what);
    QCOMPARE(d.selectedRow(), 5);
    QCOMPARE(f.entry("WipeFolders"), std::string("-"));
  }
}

void MethodsFormTest::newMethodCancelledLeavesNothing() {
  MethodsFixture f(kFive);
  Dialog d(f);
  // The save dialog cancelled: no editor.
  NoDialogOpens();
  d.click("btnNewMethod");
  QTest::qWait(0);
  // The editor cancelled: no file, no row.
  f.prompts.saveFiles = {f.methodPath("mine.mtd")};
  WhenOpen<TfEditMethod>([](TfEditMethod& editor) { editor.reject(); });
  d.click("btnNewMethod");
  QVERIFY(!pathExists(f.methodPath("mine.mtd")));
  QCOMPARE(d.rows().size(), 5);
  QCOMPARE(f.catalogue().Methods.size(), std::size_t{5});
}

void MethodsFormTest::editStoresTheMethodAndItsRow() {
  MethodsFixture f(kFive);
  Dialog d(f);
  d.select(3);
  WhenOpen<TfEditMethod>([](TfEditMethod& editor) {
    QCOMPARE(editor.windowTitle(), QStringLiteral("Edit Method"));
    QCOMPARE(editor.WorkMethod().PassCount(), 4);
    auto* name = editor.findChild<QLineEdit*>("txtMethodName");
    name->setText("Four, edited");
    editor.findChild<QPushButton*>("btnOK")->click();
  });
  d.click("btnEditMethod");
  QCOMPARE(d.rows().at(3), QStringLiteral("Four, edited"));
  QCOMPARE(f.catalogue().Methods[3]->Name, std::string("Four, edited"));
  QVERIFY(readFileBytes(f.methodPath("d-four.mtd")).find("Name=Four, edited") != std::string::npos);
  QCOMPARE(d.description(), QStringLiteral("About Four"));
  // Cancel changes nothing.
  WhenOpen<TfEditMethod>([](TfEditMethod& editor) {
    editor.findChild<QLineEdit*>("txtMethodName")->setText("Never");
    editor.reject();
  });
  d.click("btnEditMethod");
  QCOMPARE(d.rows().at(3), QStringLiteral("Four, edited"));
}

void MethodsFormTest::deleteAsksThenRemovesFileAndRow() {
  MethodsFixture f(kFive);
  Dialog d(f);
  TWipeMethod* before = f.catalogue().MethodForEngine(f.folders);
  d.select(2);
  f.prompts.confirmations = {false, true};
  d.click("btnDeleteMethod");  // No
  QCOMPARE(f.prompts.messages.at(0).text,
           QStringLiteral("Are you sure you want to delete method \"Three\"?"));
  QCOMPARE(d.rows().size(), 5);
  QVERIFY(pathExists(f.methodPath("c-three.mtd")));
  d.click("btnDeleteMethod");  // Yes
  QCOMPARE(d.rows(), (QStringList{"One", "Two", "Four", "Five"}));
  QCOMPARE(f.methodNames(), (std::vector<std::string>{"One", "Two", "Four", "Five"}));
  QVERIFY(!pathExists(f.methodPath("c-three.mtd")));
  QCOMPARE(d.selectedRow(), -1);
  QVERIFY(!d.get<QPushButton>("btnEditMethod")->isEnabled());
  // Close with no row selected leaves the engine as it was.
  d.click("btnClose");
  QVERIFY(!d.form.isVisible());
  QCOMPARE(f.entry("WipeFolders"), std::string("-"));
  QCOMPARE(f.catalogue().MethodForEngine(f.folders), before);
}

void MethodsFormTest::closeRecordsTheChoiceOtherEndingsDoNot() {
  MethodsFixture f(kFive);
  Dialog d(f);
  // The default method, chosen as it is, is written down.
  d.click("btnClose");
  QCOMPARE(f.entry("WipeFolders"), std::string("a-one.mtd"));
  QCOMPARE(f.catalogue().MethodForEngine(f.folders), f.method("One"));

  const std::function<void(Dialog&)> others[] = {
      [](Dialog& d) { QTest::keyClick(&d.form, Qt::Key_Escape); },
      [](Dialog& d) { d.form.close(); },
  };
  for (const auto& end : others) {
    d.form.show();
    d.select(3);
    end(d);
    QCOMPARE(f.entry("WipeFolders"), std::string("a-one.mtd"));
    QCOMPARE(f.catalogue().MethodForEngine(f.folders), f.method("One"));
  }
  // Escape left it open; the close box closed it.
  QVERIFY(!d.form.isVisible());
  d.form.show();
  QCOMPARE(d.selectedRow(), 0);
  d.select(4);
  QTest::keyClick(d.list(), Qt::Key_Return);  // Close is the default button
  QCOMPARE(f.entry("WipeFolders"), std::string("e-five.mtd"));
  QCOMPARE(f.catalogue().MethodForEngine(f.folders), f.method("Five"));
  QCOMPARE(f.entry("WipeFiles"), std::string("-"));
}

void MethodsFormTest::unwritableFileChangesNothing() {
  MethodsFixture f(kFive);
  FaultyFileSystem disk;
  disk.confinedTo = TestFolder::prefix();
  disk.failAtomicWrite = {f.methodPath("mine.mtd"), f.methodPath("b-two.mtd")};
  const platform::ScopedFileSystem installed(disk);
  Dialog d(f);
  const std::string two = readFileBytes(f.methodPath("b-two.mtd"));

  f.prompts.saveFiles = {f.methodPath("mine.mtd")};
  NameAndSave(QStringLiteral("Mine"));
  d.click("btnNewMethod");
  QCOMPARE(f.prompts.messages.at(0).text,
           QString::fromStdString("Unable to write to " + f.methodPath("mine.mtd") +
                                  " (Permission denied)"));
  QCOMPARE(f.prompts.messages.at(0).icon, std::optional(TSystemIcon::Error));
  QCOMPARE(d.rows().size(), 5);
  QCOMPARE(f.catalogue().Methods.size(), std::size_t{5});

  d.select(1);
  WhenOpen<TfEditMethod>([](TfEditMethod& editor) {
    editor.findChild<QLineEdit*>("txtMethodName")->setText("Renamed");
    editor.findChild<QAbstractButton*>("btnAddPass")->click();
    editor.findChild<QPushButton*>("btnOK")->click();
  });
  d.click("btnEditMethod");
  QCOMPARE(f.prompts.messages.at(1).text,
           QString::fromStdString("Unable to write to " + f.methodPath("b-two.mtd") +
                                  " (Permission denied)"));
  QCOMPARE(d.rows().at(1), QStringLiteral("Two"));
  QCOMPARE(f.catalogue().Methods[1]->Name, std::string("Two"));
  QCOMPARE(f.catalogue().Methods[1]->PassCount(), 2);
  QCOMPARE(readFileBytes(f.methodPath("b-two.mtd")), two);
}

void MethodsFormTest::newOverAnotherMethodsFileAsksFirst() {
  MethodsFixture f(kFive);
  Dialog d(f);
  f.prompts.saveFiles = {f.methodPath("b-two.mtd"), f.methodPath("B-TWO.MTD")};
  f.prompts.confirmations = {false, true};
  NoDialogOpens();
  d.click("btnNewMethod");  // No: no editor, nothing changes
  QTest::qWait(0);
  QCOMPARE(f.prompts.messages.at(0).text,
           QString::fromStdString("\"" + f.methodPath("b-two.mtd") +
                                  "\" is the file of the method \"Two\".\nReplace that method "
                                  "with the new one?"));
  QCOMPARE(f.method("Two")->PassCount(), 2);

  NameAndSave(QStringLiteral("Successor"));
  d.click("btnNewMethod");  // Yes: the new method takes the place of Two
  QCOMPARE(d.rows(), (QStringList{"One", "Successor", "Three", "Four", "Five"}));
  QCOMPARE(f.catalogue().Methods.size(), std::size_t{5});
  QCOMPARE(f.catalogue().Methods[1]->PassCount(), 1);
  QCOMPARE(f.catalogue().Methods[1]->FileName, f.methodPath("b-two.mtd"));
  QVERIFY(readFileBytes(f.methodPath("b-two.mtd")).find("Name=Successor") != std::string::npos);
}

void MethodsFormTest::deletingAMethodKindsOfWipeUseSetsThemBack() {
  struct Case {
    const char* what;
    std::vector<std::pair<std::string, std::string>> files;
    const char* settings;
    int row;
    const char* told;  // after the question's first line
    const char* fallback;
    int setBack;  // kinds of wipe whose entries are emptied
  };
  const Case cases[] = {
      {"two kinds", kFive,
       "[Engines]\nWipeFiles=c-three.mtd\nWipeFolders=a-one.mtd\nWipeFreeSpace=c-three.mtd\n", 2,
       "Wipe Files and Wipe Free Space are set to use it, and will use \"One\" instead.", "One", 2},
      {"the default method itself", kFive, "[Engines]\nWipeFolders=a-one.mtd\n", 0,
       "Wipe Folders is set to use it, and will use \"Two\" instead.", "Two", 1},
      {"the last method",
       {{"only.mtd", MethodFileText("Only", 1)}},
       "[Engines]\nWipeFiles=only.mtd\n",
       0,
       "Wipe Files is set to use it, and will have no method, and wipe nothing, until another is "
       "chosen.",
       nullptr,
       1},
  };
  for (const Case& c : cases) {
    MethodsFixture f(c.files, c.settings);
    Dialog d(f);
    d.select(c.row);
    const std::string name = f.catalogue().Methods[c.row]->Name;
    const void* deleted = f.catalogue().Methods[c.row].get();
    f.prompts.confirmations = {true};
    d.click("btnDeleteMethod");
    QCOMPARE(f.prompts.messages.at(0).text,
             QString::fromStdString("Are you sure you want to delete method \"" + name + "\"?\n\n" +
                                    c.told));
    TWipeMethod* fallback = c.fallback ? f.method(c.fallback) : nullptr;
    int setBack = 0;
    for (TWipeEngine* engine : f.engines()) {
      // No engine uses the deleted method; the ones set to it are set back, and their next run
      // wipes with the fallback, or has no method and leaves its file.
      QVERIFY2(f.catalogue().MethodForEngine(*engine) != deleted, c.what);
      if (!f.entry(engine->Name).empty()) continue;
      ++setBack;
      QCOMPARE(f.catalogue().MethodForEngine(*engine), fallback);
      if (engine->Name == "WipeFreeSpace") continue;
      const bool folderJob = engine->Name == "WipeFolders";
      const std::string victim =
          f.folder.write(folderJob ? "victims/file" : "victim", std::string(3000, 'v'));
      engine->AddItem(std::make_unique<TWipeItem>(folderJob ? wkFolder : wkFile,
                                                  folderJob ? f.folder / "victims" : victim));
      FakeWipeServices services;
      WipeRun run = WipeRun::For(*engine, f.catalogue(), services);
      QCOMPARE(run.Method ? run.Method->Name : std::string(),
               std::string(c.fallback ? c.fallback : ""));
      engine->Execute(run);
      QVERIFY2(pathExists(victim) == (fallback == nullptr), c.what);
      engine->Items.clear();
    }
    QVERIFY2(setBack == c.setBack, c.what);
    QVERIFY2(f.method(name) == nullptr, c.what);
  }
}

void MethodsFormTest::methodOfARunningWipeIsNeitherEditedNorDeleted() {
  MethodsFixture f(kFive, "[Engines]\nWipeFolders=b-two.mtd\n");
  Dialog d(f);
  const std::string folder = f.folder.makeFolder("wipe me");
  f.folder.write("wipe me/file", std::string(10000, 'x'));
  f.folders.AddItem(std::make_unique<TWipeItem>(wkFolder, folder));
  bool ran = false;
  FakeWipeServices during;
  const ScopedWipeServices installed(during);
  during.processOnce([&] {
    ran = true;
    d.select(1);
    NoDialogOpens();
    d.click("btnEditMethod");
    d.click("btnDeleteMethod");
    QTest::qWait(0);
    // Another method may go.
    f.prompts.confirmations = {true};
    d.select(3);
    d.click("btnDeleteMethod");
  });
  WipeRun run = WipeRun::For(f.folders, f.catalogue(), WipeServices());
  f.folders.Execute(run);
  QVERIFY(ran);
  const QString refused = QStringLiteral(
      "The method \"Two\" cannot be %1 now: Wipe Folders is running with it.\nTry again once the "
      "wipe has ended.");
  QCOMPARE(f.prompts.messages.size(), std::size_t{3});
  QCOMPARE(f.prompts.messages[0].text, refused.arg("edited"));
  QCOMPARE(f.prompts.messages[1].text, refused.arg("deleted"));
  QCOMPARE(f.methodNames(), (std::vector<std::string>{"One", "Two", "Three", "Five"}));
  QVERIFY(!pathExists(folder));
}

void MethodsFormTest::methodNotReadWholeIsListedButNotChosen() {
  auto files = kFive;
  files.push_back({"f-huge.mtd", MethodFileText("Huge", 1001)});
  MethodsFixture f(files);
  Dialog d(f);
  QCOMPARE(d.rows().at(5), QStringLiteral("Huge"));
  d.select(5);
  QVERIFY(!d.list()->topLevelItem(5)->toolTip(0).isEmpty());
  QVERIFY(d.description().contains(QStringLiteral("could not be read whole")));
  d.click("btnClose");  // refused: the dialog stays open
  QVERIFY(d.form.isVisible());
  QVERIFY(f.prompts.messages.at(0).text.contains(QStringLiteral("cannot be used")));
  QCOMPARE(f.entry("WipeFolders"), std::string("-"));

  // Stored through the editor it is whole again, and can be chosen.
  WhenOpen<TfEditMethod>([](TfEditMethod& editor) {
    QCOMPARE(editor.WorkMethod().PassCount(), 1000);
    editor.findChild<QPushButton*>("btnOK")->click();
  });
  d.click("btnEditMethod");
  QVERIFY(f.method("Huge")->ReadWhole);
  QVERIFY(d.list()->topLevelItem(5)->toolTip(0).isEmpty());
  d.click("btnClose");
  QVERIFY(!d.form.isVisible());
  QCOMPARE(f.entry("WipeFolders"), std::string("f-huge.mtd"));
}

QTEST_MAIN(MethodsFormTest)
#include "MethodsFormTest.moc"
