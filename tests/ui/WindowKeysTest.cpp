// The main window by keyboard: every page's mnemonics are its own (no Alt key reaches two
// controls), the keyboard starts on the page and goes through it before the strip of picture
// buttons, and a list reached by Tab takes its first row, so that Delete acts on it.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <map>

#include "MainFormFixture.h"
#include "ui/widgets/TRolloverImage.h"

namespace {

// The mnemonic of a caption ("C&lean" gives 'l'); none for "&&" or no '&'.
QChar mnemonicOf(const QString& text) {
  for (qsizetype at = 0; at + 1 < text.size(); ++at) {
    if (text[at] != QLatin1Char('&')) continue;
    if (text[at + 1] == QLatin1Char('&')) {
      ++at;
      continue;
    }
    return text[at + 1].toLower();
  }
  return {};
}

// Every mnemonic the window answers to while the page is shown, with what carries it.
std::multimap<QChar, QString> mnemonics(TMainForm& form, QTabWidget& tabs) {
  std::multimap<QChar, QString> found;
  const auto note = [&found](const QString& text, const QString& owner) {
    if (const QChar key = mnemonicOf(text); !key.isNull()) found.emplace(key, owner);
  };
  for (int index = 0; index < tabs.count(); ++index) {
    if (tabs.isTabVisible(index))
      note(tabs.tabText(index), QStringLiteral("tab ") + tabs.tabText(index));
  }
  for (QWidget* widget : form.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&form)) continue;
    // The pages that are not shown answer to nothing.
    if (tabs.currentWidget() != widget && !tabs.currentWidget()->isAncestorOf(widget) &&
        tabs.isAncestorOf(widget) && !qobject_cast<QTabBar*>(widget)) {
      continue;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      note(button->text(), button->objectName());
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      note(group->title(), group->objectName());
    } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy()) {
      note(label->text(), label->objectName());
    }
  }
  return found;
}

}  // namespace

class WindowKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPageHasMnemonicsOfItsOwn();
  void theKeyboardStartsOnThePageAndReachesTheStripLast();
  void aListReachedByTabTakesItsFirstRow();
};

void WindowKeysTest::everyPageHasMnemonicsOfItsOwn() {
  MainFormFixture f;
  f.form().show();
  auto* tabs = f.find<QTabWidget>("MainPage");
  for (int index = 0; index < tabs->count(); ++index) {
    tabs->setCurrentIndex(index);
    QCoreApplication::processEvents();
    const auto found = mnemonics(f.form(), *tabs);
    QStringList clashes;
    for (auto it = found.begin(); it != found.end(); it = found.upper_bound(it->first)) {
      if (found.count(it->first) < 2) continue;
      QStringList owners;
      const auto [from, to] = found.equal_range(it->first);
      for (auto owner = from; owner != to; ++owner) owners << owner->second;
      clashes << QStringLiteral("Alt+%1: %2").arg(it->first, owners.join(QStringLiteral(", ")));
    }
    QVERIFY2(clashes.isEmpty(),
             qPrintable(tabs->widget(index)->objectName() + QStringLiteral(": ") +
                        clashes.join(QStringLiteral("; "))));
  }
}

void WindowKeysTest::theKeyboardStartsOnThePageAndReachesTheStripLast() {
  MainFormFixture f;
  f.form().show();
  QVERIFY(QTest::qWaitForWindowActive(&f.form()));
  auto* page = f.find<QWidget>("tabDelete");
  QTRY_VERIFY(f.form().focusWidget() && page->isAncestorOf(f.form().focusWidget()));
  // Tab goes through the page's controls; the strip's buttons come after all of them.
  bool strip = false;
  QStringList order;
  QWidget* const start = QApplication::focusWidget();
  for (int step = 0; step < 40; ++step) {
    QWidget* now = QApplication::focusWidget();
    if (!now || (step > 0 && now == start)) break;  // round once
    order << now->objectName();
    if (qobject_cast<TRolloverImage*>(now)) {
      strip = true;
    } else if (page->isAncestorOf(now)) {
      QVERIFY2(!strip, qPrintable(order.join(QStringLiteral(" > "))));
    }
    QTest::keyClick(now, Qt::Key_Tab);
  }
  QVERIFY2(strip, qPrintable(order.join(QStringLiteral(" > "))));
}

void WindowKeysTest::aListReachedByTabTakesItsFirstRow() {
  MainFormFixture f;
  f.prompts.openFiles.push_back({f.folder / "a", f.folder / "b"});
  QTest::mouseClick(f.find<QPushButton>("btnAddFiles"), Qt::LeftButton);
  f.form().show();
  QVERIFY(QTest::qWaitForWindowActive(&f.form()));
  auto* list = f.find<QTreeWidget>("lvFiles");
  list->setCurrentItem(nullptr);
  list->clearSelection();
  // From the control before the list, Tab reaches it.
  f.find<QTabWidget>("MainPage")->tabBar()->setFocus();
  for (int step = 0; step < 10 && QApplication::focusWidget() != list; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QCOMPARE(QApplication::focusWidget(), list);
  QCOMPARE(list->currentItem(), list->topLevelItem(0));
  QVERIFY(list->topLevelItem(0)->isSelected());
  QTest::keyClick(list, Qt::Key_Delete);
  QCOMPARE(f.rowPaths("lvFiles"), std::vector<std::string>{f.folder / "b"});
}

QTEST_MAIN(WindowKeysTest)
#include "WindowKeysTest.moc"
