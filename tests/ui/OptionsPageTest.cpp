// The Options page: its method list, rebuilt each time the main window becomes active, the
// method of each kind of wipe recorded with Apply, and the method list's buttons on the page.

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "MainFormFixture.h"
#include "MethodsFixture.h"
#include "core/WipeRun.h"
#include "dialogs/TfEditMethod.h"

namespace {

// The main window with the methods One, Two, Three and the fixture's Zeros, as the catalogue.
struct Page {
  Page() {
    f.folder.write("program/Methods/a-one.mtd", MethodFileText("One", 1));
    f.folder.write("program/Methods/b-two.mtd", MethodFileText("Two", 2));
    f.folder.write("program/Methods/c-three.mtd", MethodFileText("Three", 3));
    f.withCatalogue();
  }
  void setEntry(const char* engine, const char* file) {
    TIniFile(TWipeMethodsManager::SettingsFileName()).WriteString("Engines", engine, file);
  }
  std::string entry(const char* engine) {
    return TIniFile(TWipeMethodsManager::SettingsFileName()).ReadString("Engines", engine, "-");
  }
  void activate() {
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&f.form(), &activation);
  }
  template <typename T>
  T* get(const char* name) {
    T* control = f.find<QWidget>("tabOptions")->findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QTreeWidget* list() { return get<QTreeWidget>("lvMethods"); }
  QString selected() {
    const auto rows = list()->selectedItems();
    return rows.isEmpty() ? QString() : rows.constFirst()->text(0);
  }
  void select(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }
  void chooseType(int index) { get<QComboBox>("cbWipeType")->setCurrentIndex(index); }

  MainFormFixture f;
};

}  // namespace

class OptionsPageTest : public QObject {
  Q_OBJECT

 private slots:
  void listFollowsTheCatalogueAndTheChosenKind();
  void withoutMethodsNothingCanBeEditedOrDeleted();
  void applyRecordsTheMethodOfEachKind();
  void buttonsWorkOnTheCatalogueWithTheWindowsEngines();
};

void OptionsPageTest::listFollowsTheCatalogueAndTheChosenKind() {
  Page p;
  p.setEntry("WipeFiles", "b-two.mtd");
  p.setEntry("WipeFreeSpace", "c-three.mtd");
  QCOMPARE(p.list()->topLevelItemCount(), 0);  // filled when the window becomes active
  p.activate();
  QCOMPARE(p.list()->topLevelItemCount(), 4);
  QCOMPARE(p.get<QComboBox>("cbWipeType")->currentText(), QStringLiteral("Wipe Files"));
  QCOMPARE(p.selected(), QStringLiteral("Two"));
  QCOMPARE(p.get<QPlainTextEdit>("txtDescription")->toPlainText(), QStringLiteral("About Two"));
  QVERIFY(p.get<QPushButton>("btnEditMethod")->isEnabled());
  QVERIFY(p.get<QPushButton>("btnDeleteMethod")->isEnabled());

  // Each kind of wipe shows the method it uses: its own, else the first.
  p.chooseType(2);
  QCOMPARE(p.selected(), QStringLiteral("Three"));
  p.chooseType(1);
  QCOMPARE(p.selected(), QStringLiteral("One"));

  // The user's choice outlives the window losing and getting back the focus; a method made
  // meanwhile is listed.
  p.select(3);
  auto method = std::make_unique<TWipeMethod>();
  method->Name = "Made elsewhere";
  method->FileName = p.f.folder.methodsFolder() + "d-made.mtd";
  p.f.catalogue().AddMethod(std::move(method));
  p.activate();
  QCOMPARE(p.list()->topLevelItemCount(), 5);
  QCOMPARE(p.selected(), QStringLiteral("Zeros"));
  // A choice whose method has gone gives way to the kind's method.
  p.f.catalogue().RemoveMethod(p.f.catalogue().Methods[3].get());
  p.activate();
  QCOMPARE(p.selected(), QStringLiteral("One"));
}

void OptionsPageTest::withoutMethodsNothingCanBeEditedOrDeleted() {
  MainFormFixture f;  // no catalogue at all
  QEvent activation(QEvent::WindowActivate);
  QApplication::sendEvent(&f.form(), &activation);
  QWidget* page = f.find<QWidget>("tabOptions");
  QCOMPARE(page->findChild<QTreeWidget*>("lvMethods")->topLevelItemCount(), 0);
  QVERIFY(!page->findChild<QPushButton*>("btnEditMethod")->isEnabled());
  QVERIFY(!page->findChild<QPushButton*>("btnDeleteMethod")->isEnabled());
  QVERIFY(page->findChild<QPlainTextEdit*>("txtDescription")->toPlainText().isEmpty());
  page->findChild<QPushButton*>("btnClose")->click();  // Apply, with nothing to record
  QVERIFY(f.prompts.messages.empty());
}

void OptionsPageTest::applyRecordsTheMethodOfEachKind() {
  struct Case {
    int type;
    const char* engine;
    int row;
    const char* file;
    const char* said;  // what Apply tells the user it recorded
  };
  const Case cases[] = {
      {0, "WipeFiles", 2, "c-three.mtd", "Files will be wiped with \"Three\"."},
      {1, "WipeFolders", 1, "b-two.mtd", "Folders will be wiped with \"Two\"."},
      {2, "WipeFreeSpace", 3, "zeros.mtd",
       "The free space of drives will be wiped with \"Zeros\"."},
  };
  Page p;
  p.activate();
  for (const Case& c : cases) {
    p.chooseType(c.type);
    p.select(c.row);
    const std::size_t before = p.f.prompts.messages.size();
    p.get<QPushButton>("btnClose")->click();
    QCOMPARE(p.entry(c.engine), std::string(c.file));
    QCOMPARE(p.f.prompts.messages.size(), before + 1);
    QCOMPARE(p.f.prompts.lastMessage().text, QString::fromLatin1(c.said));
    QCOMPARE(p.f.prompts.lastMessage().caption, QStringLiteral("Information"));
  }
  QCOMPARE(p.f.catalogue().MethodForEngine(p.f.files())->Name, std::string("Three"));
  QCOMPARE(p.f.catalogue().MethodForEngine(p.f.folders())->Name, std::string("Two"));
  QCOMPARE(p.f.catalogue().MethodForEngine(p.f.freeSpace())->Name, std::string("Zeros"));
  // Enter presses Apply.
  p.chooseType(0);
  p.select(0);
  QTest::keyClick(p.list(), Qt::Key_Return);
  QCOMPARE(p.entry("WipeFiles"), std::string("a-one.mtd"));
  QCOMPARE(p.entry("WipeFreeSpace"), std::string("zeros.mtd"));
}

void OptionsPageTest::buttonsWorkOnTheCatalogueWithTheWindowsEngines() {
  Page p;
  p.setEntry("WipeFiles", "b-two.mtd");
  p.activate();
  // New, in another folder: saved in the Methods folder, appended.
  p.f.prompts.saveFiles = {p.f.folder / "elsewhere/mine.mtd"};
  WhenOpen<TfEditMethod>([](TfEditMethod& editor) {
    QCOMPARE(editor.windowTitle(), QStringLiteral("New Method"));
    editor.findChild<QLineEdit*>("txtMethodName")->setText("Mine");
    editor.findChild<QAbstractButton*>("btnAddPass")->click();
    editor.findChild<QPushButton*>("btnOK")->click();
  });
  p.get<QPushButton>("btnNewMethod")->click();
  QCOMPARE(p.f.prompts.messages.size(), std::size_t{1});
  QVERIFY(pathExists(p.f.folder.methodsFolder() + "mine.mtd"));
  QCOMPARE(p.list()->topLevelItem(4)->text(0), QStringLiteral("Mine"));

  // While WipeFiles runs, its method is kept; the page knows the window's engines.
  const std::string file = p.f.folder.write("victim", std::string(5000, 'v'));
  p.f.files().AddItem(std::make_unique<TWipeItem>(wkFile, file));
  FakeWipeServices during;
  const ScopedWipeServices installed(during);
  during.processOnce([&p] {
    p.select(1);
    p.get<QPushButton>("btnDeleteMethod")->click();
  });
  WipeRun run = WipeRun::For(p.f.files(), p.f.catalogue(), WipeServices());
  p.f.files().Execute(run);
  QCOMPARE(p.f.prompts.messages.size(), std::size_t{2});
  QVERIFY(p.f.prompts.messages[1].text.contains(QStringLiteral("Wipe Files is running with it")));
  QCOMPARE(p.list()->topLevelItemCount(), 5);

  // Afterwards it can go; Wipe Files goes back to the first method.
  p.f.prompts.confirmations = {true};
  p.select(1);
  p.get<QPushButton>("btnDeleteMethod")->click();
  QVERIFY(!pathExists(p.f.folder.methodsFolder() + "b-two.mtd"));
  QCOMPARE(p.entry("WipeFiles"), std::string());
  QCOMPARE(p.f.catalogue().MethodForEngine(p.f.files())->Name, std::string("One"));
}

QTEST_MAIN(OptionsPageTest)
#include "OptionsPageTest.moc"
