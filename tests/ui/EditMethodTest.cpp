// The method editor: the copy it works on, the pass list, the fields that write into the current
// pass, the number fields, and what reaches the caller's method.

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <optional>
#include <tuple>

#include "MethodsFixture.h"
#include "core/Helpers.h"
#include "core/TPass.h"
#include "core/TWipeMethod.h"
#include "dialogs/PassSummary.h"
#include "dialogs/TSpinField.h"
#include "dialogs/TSummaryDelegate.h"
#include "dialogs/TfEditMethod.h"
#include "support/TestFolder.h"
#include "ui/ProgramResources.h"

namespace {

auto fieldsOf(const TPass& p) {
  return std::make_tuple(p.Name, p.CheckWipe, p.WipeWith, p.BytePatternValue, p.TextPatternValue,
                         p.RandomBytesValue1, p.RandomBytesValue2, p.RandomCharacterValue1,
                         p.RandomCharacterValue2);
}

// Three passes named pass1..pass3 (so the next new pass is pass4), writing the bytes 1..3; the
// second draws a random character in 20..30.
std::unique_ptr<TWipeMethod> threePasses() {
  auto made = std::make_unique<TWipeMethod>();
  TWipeMethod& method = *made;
  method.Name = "Three";
  method.Description = "First line\r\nSecond line";
  method.FileName = "/nowhere/three.mtd";
  for (std::uint8_t n = 1; n <= 3; ++n) {
    TPass* pass = method.AddPass(method.NewPass());
    pass->BytePatternValue = n;
  }
  method.Passes[1]->WipeWith = wwRandomCharacter;
  method.Passes[1]->RandomCharacterValue1 = 20;
  method.Passes[1]->RandomCharacterValue2 = 30;
  return made;
}

struct Editor {
  Editor() { dialog.setWindowTitle(QStringLiteral("Edit Method")); }

  template <typename T>
  T* get(const char* name) {
    T* control = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QListWidget* list() { return get<QListWidget>("lvPasses"); }
  // What the row says the pass writes.
  QString summary(int row) {
    return list()->item(row)->data(TSummaryDelegate::SummaryRole).toString();
  }
  // Shows the method, with the row given selected (none for -1).
  void open(const TWipeMethod& method, int row = 0) {
    dialog.SetMethod(method);
    dialog.show();
    if (row >= 0) list()->setCurrentRow(row);
  }
  const TPass& pass(int index) { return *dialog.WorkMethod().Passes.at(index); }
  // Types into a field in place of what it shows.
  void type(const char* field, const QString& text) {
    QWidget* widget = get<QWidget>(field);
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) spin->selectAll();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) line->selectAll();
    QTest::keyClicks(widget, text);
  }
  void leave(const char* field) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(get<QWidget>(field), &out);
  }
  QStringList rows() {
    QStringList texts;
    for (int i = 0; i < list()->count(); ++i) texts << list()->item(i)->text();
    return texts;
  }
  bool passGroupOn() {
    return get<QGroupBox>("grpPass")->isEnabled() && get<QToolButton>("btnEditPass")->isEnabled() &&
           get<QToolButton>("btnDeletePass")->isEnabled();
  }

  FakePrompts prompts;
  TfEditMethod dialog;
};

}  // namespace

class EditMethodTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InitProgramResources(); }
  void newMethodShowsItsDefaultsAndNoPass();
  void passesAreNumberedOnFromTheCopy();
  void everyControlWritesIntoTheCurrentPassOnly();
  void kindsKeepEachOthersValues();
  void numbersTypedPastAByte();
  void onlyDigitsCanBeTyped();
  void arrowKeysLoadThePass();
  void renamingAPass();
  void deletingAPassLeavesNoneCurrent();
  void cancelLeavesTheCallersMethodAsItWas();
  void okGivesTheCallerTheEditsAndKeepsItsFile();
  void aMethodWithoutPassesIsKeptOnlyWhenTheUserSaysSo();
  void textsStayWithinWhatTheMethodFileReadsBack();
  void passSummaries_data();
  void passSummaries();
  void rowsFollowWhatTheirPassWrites();
  void aReadOnlyMethodIsLookedAtAndCopiedOnly();
};

void EditMethodTest::passSummaries_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<int>("first");
  QTest::addColumn<int>("second");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("check");
  QTest::addColumn<QString>("summary");
  QTest::newRow("byte") << int(wwBytePattern) << 0x55 << 0 << QString() << false << "Bytes 0x55";
  QTest::newRow("zero byte, read back")
      << int(wwBytePattern) << 0 << 0 << QString() << true << "Bytes 0x00, read back";
  QTest::newRow("all random") << int(wwRandomBytes) << 0 << 255 << QString() << false
                              << "Random bytes";
  QTest::newRow("bounds either way")
      << int(wwRandomBytes) << 0x7E << 0x20 << QString() << false << "Random bytes 0x20-0x7E";
  QTest::newRow("one value") << int(wwRandomCharacter) << 0 << 255 << QString() << false
                             << "One random byte value";
  QTest::newRow("one value in a range") << int(wwRandomCharacter) << 0x41 << 0x5A << QString()
                                        << false << "One random byte value in 0x41-0x5A";
  QTest::newRow("text") << int(wwTextPattern) << 0 << 0 << "x" << false << "Text 'x'";
  QTest::newRow("empty text") << int(wwTextPattern) << 0 << 0 << QString() << false
                              << "Text (empty: the pass cannot be written)";
  QTest::newRow("unknown kind") << 9 << 0 << 0 << QString() << false
                                << "Unknown kind 9: writes nothing";
}

void EditMethodTest::passSummaries() {
  QFETCH(int, kind);
  QFETCH(int, first);
  QFETCH(int, second);
  QFETCH(QString, text);
  QFETCH(bool, check);
  QFETCH(QString, summary);
  TPass pass;
  pass.WipeWith = std::uint8_t(kind);
  pass.CheckWipe = check;
  pass.BytePatternValue = std::uint8_t(first);
  pass.RandomBytesValue1 = pass.RandomCharacterValue1 = std::uint8_t(first);
  pass.RandomBytesValue2 = pass.RandomCharacterValue2 = std::uint8_t(second);
  pass.TextPatternValue = text.toStdString();
  QCOMPARE(PassSummary(pass), summary);
}

void EditMethodTest::rowsFollowWhatTheirPassWrites() {
  Editor e;
  e.open(*threePasses(), 1);
  QCOMPARE(e.summary(0), QStringLiteral("Bytes 0x01"));
  QCOMPARE(e.summary(1), QStringLiteral("One random byte value in 0x14-0x1E"));
  // Each change in the pass group shows in the row at once; the other rows stay.
  e.get<QRadioButton>("radTextPattern")->click();
  e.type("txtTextPattern", QStringLiteral("ab"));
  QCOMPARE(e.summary(1), QStringLiteral("Text 'ab'"));
  e.get<QCheckBox>("chkCheckWipe")->click();
  QCOMPARE(e.summary(1), QStringLiteral("Text 'ab', read back"));
  e.get<QRadioButton>("radBytePattern")->click();
  e.type("txtBytePattern", QStringLiteral("170"));
  QCOMPARE(e.summary(1), QStringLiteral("Bytes 0xAA, read back"));
  QCOMPARE(e.summary(0), QStringLiteral("Bytes 0x01"));
  QCOMPARE(e.summary(2), QStringLiteral("Bytes 0x03"));
  QCOMPARE(e.rows(), (QStringList{"pass1", "pass2", "pass3"}));
}

void EditMethodTest::aReadOnlyMethodIsLookedAtAndCopiedOnly() {
  Editor e;
  e.dialog.SetReadOnly(true);
  e.open(*threePasses(), 1);
  // The passes can be looked through; nothing can be changed.
  QCOMPARE(e.dialog.CurrentPass(), &e.pass(1));
  QVERIFY(e.get<QLineEdit>("txtMethodName")->isReadOnly());
  QVERIFY(e.get<QPlainTextEdit>("txtMethodDescription")->isReadOnly());
  for (const char* control : {"grpWipeWith", "chkCheckWipe"}) {
    QVERIFY2(!e.get<QWidget>(control)->isEnabled(), control);
  }
  for (const char* button : {"btnAddPass", "btnEditPass", "btnDeletePass"}) {
    QVERIFY2(!e.get<QToolButton>(button)->isEnabled(), button);
  }
  QVERIFY(!e.get<QPushButton>("btnOK")->isVisible());
  QVERIFY(e.get<QWidget>("lblReadOnly")->isVisible());
  e.get<QToolButton>("btnAddPass")->click();
  QCOMPARE(e.rows().size(), 3);
  // Copy ends the showing with its own result.
  e.get<QPushButton>("btnCopy")->click();
  QCOMPARE(e.dialog.result(), TfEditMethod::CopyRequested);
  QVERIFY(!e.dialog.isVisible());

  // Set back for an edit: every control is open again.
  e.dialog.SetReadOnly(false);
  e.open(*threePasses(), 0);
  QVERIFY(!e.get<QLineEdit>("txtMethodName")->isReadOnly());
  QVERIFY(e.get<QWidget>("grpWipeWith")->isEnabled());
  QVERIFY(e.get<QPushButton>("btnOK")->isVisible());
  QVERIFY(!e.get<QPushButton>("btnCopy")->isVisible());
  QVERIFY(!e.get<QWidget>("lblReadOnly")->isVisible());
}

void EditMethodTest::newMethodShowsItsDefaultsAndNoPass() {
  Editor e;
  e.open(TWipeMethod(), -1);
  QCOMPARE(e.get<QLineEdit>("txtMethodName")->text(), QStringLiteral("New method"));
  QCOMPARE(e.get<QPlainTextEdit>("txtMethodDescription")->toPlainText(),
           QStringLiteral("New method Description"));
  QCOMPARE(e.list()->count(), 0);
  QVERIFY(!e.get<QGroupBox>("grpPass")->isEnabled());
  QVERIFY(!e.get<QToolButton>("btnEditPass")->isEnabled());
  QVERIFY(!e.get<QToolButton>("btnDeletePass")->isEnabled());
  QCOMPARE(e.dialog.CurrentPass(), nullptr);
  // A pass added is the one selected and shown, ready to be set.
  e.get<QToolButton>("btnAddPass")->click();
  QCOMPARE(e.rows(), QStringList{QStringLiteral("pass1")});
  QCOMPARE(e.list()->currentRow(), 0);
  QVERIFY(e.passGroupOn());
  QCOMPARE(e.dialog.CurrentPass(), &e.pass(0));
  // Its random ranges cover every byte value: choosing a random kind writes random data.
  QCOMPARE(e.pass(0).WipeWith, std::uint8_t{wwBytePattern});
  QCOMPARE(e.pass(0).RandomBytesValue1, std::uint8_t{0});
  QCOMPARE(e.pass(0).RandomBytesValue2, std::uint8_t{255});
  QCOMPARE(e.pass(0).RandomCharacterValue1, std::uint8_t{0});
  QCOMPARE(e.pass(0).RandomCharacterValue2, std::uint8_t{255});
  e.get<QRadioButton>("radRandomBytes")->click();
  QCOMPARE(e.get<TSpinField>("txtRandomBytes2")->text(), QStringLiteral("255"));
  QCOMPARE(e.summary(0), QStringLiteral("Random bytes"));
}

void EditMethodTest::passesAreNumberedOnFromTheCopy() {
  Editor e;
  e.prompts.confirmations = {true};
  e.open(*threePasses(), 1);
  // The first pass is shown when the editor opens.
  auto* add = e.get<QToolButton>("btnAddPass");
  add->click();
  QCOMPARE(e.rows(), (QStringList{"pass1", "pass2", "pass3", "pass4"}));
  // The added pass is the one selected and shown.
  QCOMPARE(e.list()->currentRow(), 3);
  QCOMPARE(e.dialog.CurrentPass(), &e.pass(3));
  e.list()->setCurrentRow(1);
  e.get<QToolButton>("btnDeletePass")->click();
  add->click();
  QCOMPARE(e.rows(), (QStringList{"pass1", "pass3", "pass4", "pass5"}));
  // A method loaded again starts its numbering after its passes.
  e.dialog.SetMethod(*threePasses());
  add->click();
  QCOMPARE(e.rows().constLast(), QStringLiteral("pass4"));
}

void EditMethodTest::everyControlWritesIntoTheCurrentPassOnly() {
  struct Case {
    const char* what;
    std::function<void(Editor&)> act;
    std::function<bool(const TPass&)> stored;
  };
  const Case cases[] = {
      {"check box", [](Editor& e) { e.get<QCheckBox>("chkCheckWipe")->click(); },
       [](const TPass& p) { return p.CheckWipe; }},
      {"byte pattern kind", [](Editor& e) { e.get<QRadioButton>("radBytePattern")->click(); },
       [](const TPass& p) { return p.WipeWith == wwBytePattern; }},
      {"text pattern kind", [](Editor& e) { e.get<QRadioButton>("radTextPattern")->click(); },
       [](const TPass& p) { return p.WipeWith == wwTextPattern; }},
      {"random bytes kind", [](Editor& e) { e.get<QRadioButton>("radRandomBytes")->click(); },
       [](const TPass& p) { return p.WipeWith == wwRandomBytes; }},
      {"byte pattern", [](Editor& e) { e.type("txtBytePattern", "77"); },
       [](const TPass& p) { return p.BytePatternValue == 77; }},
      {"lowest random byte", [](Editor& e) { e.type("txtRandomBytes1", "12"); },
       [](const TPass& p) { return p.RandomBytesValue1 == 12; }},
      {"highest random byte", [](Editor& e) { e.type("txtRandomBytes2", "34"); },
       [](const TPass& p) { return p.RandomBytesValue2 == 34; }},
      {"lowest random character", [](Editor& e) { e.type("txtRandomCharacter1", "56"); },
       [](const TPass& p) { return p.RandomCharacterValue1 == 56; }},
      {"highest random character", [](Editor& e) { e.type("txtRandomCharacter2", "78"); },
       [](const TPass& p) { return p.RandomCharacterValue2 == 78; }},
      {"text pattern", [](Editor& e) { e.type("txtTextPattern", "abc"); },
       [](const TPass& p) { return p.TextPatternValue == "abc"; }},
  };
  const auto made = threePasses();
  const TWipeMethod& original = *made;
  for (const Case& c : cases) {
    Editor e;
    e.open(original, 1);
    c.act(e);
    QVERIFY2(c.stored(e.pass(1)), c.what);
    QVERIFY2(fieldsOf(e.pass(0)) == fieldsOf(*original.Passes[0]), c.what);
    QVERIFY2(fieldsOf(e.pass(2)) == fieldsOf(*original.Passes[2]), c.what);
  }
  // The method's own fields, at every keystroke.
  Editor e;
  e.open(original);
  e.type("txtMethodName", "Renamed");
  QCOMPARE(e.dialog.WorkMethod().Name, std::string("Renamed"));
  auto* description = e.get<QPlainTextEdit>("txtMethodDescription");
  description->clear();
  QTest::keyClicks(description, "Top");
  QTest::keyClick(description, Qt::Key_Return);
  QTest::keyClicks(description, "Bottom");
  QCOMPARE(e.dialog.WorkMethod().Description, std::string("Top\r\nBottom"));
  // With no pass current the pass fields write nowhere.
  e.list()->clearSelection();
  QCOMPARE(e.dialog.CurrentPass(), nullptr);
  e.type("txtBytePattern", "99");
  for (int i = 0; i < 3; ++i) QVERIFY(fieldsOf(e.pass(i)) == fieldsOf(*original.Passes[i]));
}

void EditMethodTest::kindsKeepEachOthersValues() {
  TWipeMethod method;
  method.Assign(*threePasses());
  Editor e;
  WhenOpen<TfEditMethod>([&e](TfEditMethod& dialog) {
    e.get<QRadioButton>("radRandomBytes")->click();
    e.type("txtRandomBytes1", "10");
    e.type("txtRandomBytes2", "20");
    e.get<QRadioButton>("radBytePattern")->click();
    dialog.findChild<QPushButton*>("btnOK")->click();
  });
  e.dialog.SetMethod(method);
  QCOMPARE(e.dialog.exec(), int(QDialog::Accepted));
  e.dialog.GetMethod(method);
  const TPass& first = *method.Passes[0];
  QCOMPARE(first.WipeWith, std::uint8_t(wwBytePattern));
  QCOMPARE(first.BytePatternValue, std::uint8_t(1));
  QCOMPARE(first.RandomBytesValue1, std::uint8_t(10));
  QCOMPARE(first.RandomBytesValue2, std::uint8_t(20));
  // Showing a pass of another kind checks that kind, and its values are there.
  e.open(method, 1);
  QVERIFY(e.get<QRadioButton>("radRandomCharacter")->isChecked());
  QCOMPARE(e.get<TSpinField>("txtRandomCharacter1")->text(), QStringLiteral("20"));
  e.list()->setCurrentRow(0);
  QVERIFY(e.get<QRadioButton>("radBytePattern")->isChecked());
  QCOMPARE(e.get<TSpinField>("txtRandomBytes2")->text(), QStringLiteral("20"));
}

void EditMethodTest::numbersTypedPastAByte() {
  struct Case {
    const char* field;
    std::uint8_t TPass::*value;
    std::uint8_t afterLeaving;
    const char* shownAfterLeaving;
    std::uint8_t steppedBelowZero;
  };
  // The byte pattern keeps to 0..255; the range fields take any number and keep its low 8 bits.
  const Case cases[] = {
      {"txtBytePattern", &TPass::BytePatternValue, 255, "255", 0},
      {"txtRandomBytes1", &TPass::RandomBytesValue1, 44, "300", 255},
      {"txtRandomBytes2", &TPass::RandomBytesValue2, 44, "300", 255},
      {"txtRandomCharacter1", &TPass::RandomCharacterValue1, 44, "300", 255},
      {"txtRandomCharacter2", &TPass::RandomCharacterValue2, 44, "300", 255},
  };
  TWipeMethod zeros;
  zeros.AddPass(zeros.NewPass());
  for (const Case& c : cases) {
    Editor e;
    e.open(zeros);
    e.type(c.field, "300");
    QVERIFY2(e.pass(0).*c.value == 44, c.field);  // while typing
    e.leave(c.field);
    QVERIFY2(e.pass(0).*c.value == c.afterLeaving, c.field);
    QCOMPARE(e.get<TSpinField>(c.field)->text(), QString::fromLatin1(c.shownAfterLeaving));

    e.get<TSpinField>(c.field)->SetNumber(0);
    e.get<TSpinField>(c.field)->stepDown();
    QVERIFY2(e.pass(0).*c.value == c.steppedBelowZero, c.field);
  }
}

void EditMethodTest::onlyDigitsCanBeTyped() {
  TWipeMethod zeros;
  zeros.AddPass(zeros.NewPass());
  Editor e;
  e.open(zeros);
  for (const char* field : {"txtBytePattern", "txtRandomBytes1", "txtRandomBytes2",
                            "txtRandomCharacter1", "txtRandomCharacter2"}) {
    e.type(field, QStringLiteral("a-1 b2.x"));
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
    QApplication::sendEvent(e.get<TSpinField>(field), &accented);
    QTest::keyClicks(e.get<TSpinField>(field), "3");
    QCOMPARE(e.get<TSpinField>(field)->text(), QStringLiteral("123"));
    QTest::keyClick(e.get<TSpinField>(field), Qt::Key_Backspace);
    QCOMPARE(e.get<TSpinField>(field)->text(), QStringLiteral("12"));
  }
}

void EditMethodTest::arrowKeysLoadThePass() {
  Editor e;
  e.open(*threePasses());
  e.list()->setFocus();
  QTest::keyClick(e.list(), Qt::Key_Down);
  QCOMPARE(e.dialog.CurrentPass(), &e.pass(1));
  QVERIFY(e.get<QRadioButton>("radRandomCharacter")->isChecked());
  QCOMPARE(e.get<TSpinField>("txtBytePattern")->text(), QStringLiteral("2"));
  e.type("txtBytePattern", "9");
  QCOMPARE(e.pass(1).BytePatternValue, std::uint8_t(9));
  QCOMPARE(e.pass(0).BytePatternValue, std::uint8_t(1));
}

void EditMethodTest::renamingAPass() {
  struct Case {
    const char* what;
    std::optional<QString> answer;
    const char* name;
  };
  const Case cases[] = {
      {"renamed", QStringLiteral("Zeros"), "Zeros"},
      {"cancelled", std::nullopt, "pass2"},
      {"emptied", QString(), ""},
      {"pasted over two lines", QStringLiteral("two\nlines"), "twolines"},
  };
  for (const Case& c : cases) {
    Editor e;
    e.prompts.inputTexts = {c.answer};
    e.open(*threePasses(), 1);
    e.get<QToolButton>("btnEditPass")->click();
    QCOMPARE(e.prompts.inputs.size(), std::size_t{1});
    QCOMPARE(e.prompts.inputs[0].caption, QStringLiteral("Edit pass name"));
    QCOMPARE(e.prompts.inputs[0].prompt, QStringLiteral("Pass name"));
    QCOMPARE(e.prompts.inputs[0].value, QStringLiteral("pass2"));
    QVERIFY2(e.pass(1).Name == c.name, c.what);
    QCOMPARE(e.rows().at(1), QString::fromLatin1(c.name));
  }
}

void EditMethodTest::deletingAPassLeavesNoneCurrent() {
  Editor e;
  e.prompts.confirmations = {false, true};
  e.open(*threePasses(), 1);
  auto* remove = e.get<QToolButton>("btnDeletePass");
  remove->click();  // No
  QCOMPARE(e.rows().size(), 3);
  QCOMPARE(e.prompts.messages.at(0).text,
           QStringLiteral("Are you sure you want to delete pass \"pass2\"?"));
  QCOMPARE(e.prompts.messages.at(0).icon, std::optional(TSystemIcon::Question));
  QVERIFY(e.passGroupOn());
  remove->click();  // Yes
  QCOMPARE(e.rows(), (QStringList{"pass1", "pass3"}));
  QCOMPARE(e.dialog.WorkMethod().PassCount(), 2);
  QCOMPARE(e.dialog.CurrentPass(), nullptr);
  QVERIFY(e.list()->selectedItems().isEmpty());
  QVERIFY(!e.get<QGroupBox>("grpPass")->isEnabled());
  QVERIFY(!e.get<QToolButton>("btnEditPass")->isEnabled());
  QVERIFY(!e.get<QToolButton>("btnDeletePass")->isEnabled());
}

void EditMethodTest::cancelLeavesTheCallersMethodAsItWas() {
  const std::function<void(TfEditMethod&)> endings[] = {
      [](TfEditMethod& d) { d.findChild<QPushButton*>("btnCancel")->click(); },
      [](TfEditMethod& d) { QTest::keyClick(&d, Qt::Key_Escape); },
      [](TfEditMethod& d) { d.close(); },
  };
  for (const auto& end : endings) {
    const auto made = threePasses();
    TWipeMethod& method = *made;
    const auto before = [&method] {
      std::vector<decltype(fieldsOf(TPass()))> passes;
      for (const auto& p : method.Passes) passes.push_back(fieldsOf(*p));
      return std::make_tuple(method.Name, method.Description, method.FileName,
                             method.NextPassNumber, passes);
    };
    const auto original = before();
    Editor e;
    e.prompts.confirmations = {true};
    WhenOpen<TfEditMethod>([&e, end](TfEditMethod& dialog) {
      e.type("txtMethodName", "Changed");
      e.type("txtBytePattern", "200");
      e.get<QCheckBox>("chkCheckWipe")->click();
      e.get<QToolButton>("btnAddPass")->click();
      e.get<QToolButton>("btnDeletePass")->click();
      end(dialog);
    });
    e.dialog.SetMethod(method);
    QCOMPARE(e.dialog.exec(), int(QDialog::Rejected));
    QVERIFY(before() == original);
  }
}

void EditMethodTest::okGivesTheCallerTheEditsAndKeepsItsFile() {
  const auto made = threePasses();
  TWipeMethod& method = *made;
  Editor e;
  WhenOpen<TfEditMethod>([&e](TfEditMethod& dialog) {
    e.type("txtMethodName", "Changed");
    e.list()->setCurrentRow(2);
    e.type("txtTextPattern", "xyz");
    e.get<QRadioButton>("radTextPattern")->click();
    e.get<QToolButton>("btnAddPass")->click();
    QTest::keyClick(&dialog, Qt::Key_Return);  // OK is the default button
  });
  e.dialog.SetMethod(method);
  QCOMPARE(e.dialog.exec(), int(QDialog::Accepted));
  e.dialog.GetMethod(method);
  QCOMPARE(method.Name, std::string("Changed"));
  QCOMPARE(method.FileName, std::string("/nowhere/three.mtd"));
  QCOMPARE(method.PassCount(), 4);
  QCOMPARE(method.Passes[2]->WipeWith, std::uint8_t(wwTextPattern));
  QCOMPARE(method.Passes[2]->TextPatternValue, std::string("xyz"));
  QCOMPARE(method.Passes[3]->Name, std::string("pass4"));
  QCOMPARE(method.NextPassNumber, 5);
}

void EditMethodTest::aMethodWithoutPassesIsKeptOnlyWhenTheUserSaysSo() {
  Editor e;
  e.prompts.confirmations = {false, true};
  e.open(TWipeMethod(), -1);
  auto* ok = e.get<QPushButton>("btnOK");
  ok->click();  // No: the editor stays open
  QVERIFY(e.dialog.isVisible());
  QCOMPARE(e.dialog.result(), int(QDialog::Rejected));
  QCOMPARE(e.prompts.messages.size(), std::size_t{1});
  QVERIFY(e.prompts.messages[0].text.contains(QStringLiteral("only deleted")));
  ok->click();  // Yes
  QVERIFY(!e.dialog.isVisible());
  QCOMPARE(e.dialog.result(), int(QDialog::Accepted));
  // A method with passes is not asked about.
  e.open(*threePasses());
  ok->click();
  QCOMPARE(e.prompts.messages.size(), std::size_t{2});
  QCOMPARE(e.dialog.result(), int(QDialog::Accepted));
}

void EditMethodTest::textsStayWithinWhatTheMethodFileReadsBack() {
  const std::size_t limit = TWipeMethod::kMaxTextLength;
  const QString eAcute = QStringLiteral("\u00e9");  // two bytes stored
  struct Case {
    const char* what;
    std::function<void(Editor&)> enter;
    std::function<bool(const TWipeMethod&)> stored;
  };
  const Case cases[] = {
      {"long name",
       [](Editor& e) { e.get<QLineEdit>("txtMethodName")->setText(QString(3000, 'n')); },
       [limit](const TWipeMethod& m) { return m.Name == std::string(limit, 'n'); }},
      {"name of two-byte characters",
       [eAcute](Editor& e) { e.get<QLineEdit>("txtMethodName")->setText(eAcute.repeated(1500)); },
       [limit](const TWipeMethod& m) { return m.Name.size() == limit - 1; }},
      {"name with a line break",
       [](Editor& e) { e.get<QLineEdit>("txtMethodName")->setText("one\r\ntwo"); },
       [](const TWipeMethod& m) { return m.Name == "onetwo"; }},
      {"text pattern with a line break",
       [](Editor& e) { e.get<QLineEdit>("txtTextPattern")->setText("ab\ncd\n[Pass9]"); },
       [](const TWipeMethod& m) { return m.Passes[0]->TextPatternValue == "abcd[Pass9]"; }},
      {"description of many short lines",
       [](Editor& e) {
         e.get<QPlainTextEdit>("txtMethodDescription")
             ->setPlainText(QString("ab\n").repeated(1000));
       },
       [limit](const TWipeMethod& m) {
         return EscapeLineBreaks(m.Description).size() <= limit &&
                EscapeLineBreaks(m.Description).size() > limit - 8;
       }},
  };
  TestFolder folder;
  for (const Case& c : cases) {
    Editor e;
    e.open(*threePasses());
    c.enter(e);
    TWipeMethod edited;
    edited.FileName = folder / "edited.mtd";
    e.dialog.GetMethod(edited);
    QVERIFY2(c.stored(edited), c.what);
    // What the field shows is what is stored.
    QCOMPARE(e.get<QLineEdit>("txtMethodName")->text().toLocal8Bit().toStdString(), edited.Name);
    // Stored and read again, the method is whole and the same.
    edited.SaveToFile();
    TWipeMethod read;
    read.FileName = edited.FileName;
    read.LoadFromFile();
    QVERIFY2(read.ReadWhole, c.what);
    QVERIFY2(read.Name == edited.Name && read.Description == edited.Description, c.what);
    QVERIFY2(read.Passes[0]->TextPatternValue == edited.Passes[0]->TextPatternValue, c.what);
  }
}

QTEST_MAIN(EditMethodTest)
#include "EditMethodTest.moc"
