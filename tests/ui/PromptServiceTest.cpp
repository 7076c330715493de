// The Qt prompts: texts shown as they are (never as markup) in every kind of prompt, the
// details of a report, and prompts raised while a progress window is open standing modal to it
// and above it.

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/TWipeEngine.h"
#include "dialogs/QtPromptService.h"
#include "ui/TfProgress.h"

namespace {

const QString kMarkup = QStringLiteral("/home/user/<b>plan</b>.exe");

// Once the next modal prompt is up: hands it to `inspect`, then closes it as cancelled unless
// `inspect` answered it.
void whenPromptOpens(std::function<void(QDialog&)> inspect) {
  auto* timer = new QTimer;
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    inspect(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  timer->start();
}

// Every label that shows the text shows it as plain text; at least one does.
bool showsAsItIs(const QDialog& dialog, const QString& text) {
  bool shown = false;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) {
    if (!label->text().contains(text)) continue;
    if (label->textFormat() != Qt::PlainText) return false;
    shown = true;
  }
  return shown;
}

}  // namespace

class PromptServiceTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPromptShowsItsTextsAsTheyAre();
  void detailsAreTheWholeListOneEntryPerLine();
  void questionsBeforeARunSayWhatHappensAndCancelByDefault();
  void yesNoQuestionsAnswerNoToEnter();
  void promptsWhileAProgressWindowIsOpenAreModalToItAndAboveIt();
};

void PromptServiceTest::everyPromptShowsItsTextsAsTheyAre() {
  QtPromptService prompts;
  bool ticked = false;
  const std::vector<std::pair<const char*, std::function<void()>>> cases{
      {"warning", [&] { prompts.MessageDialog(TMessageKind::Warning, kMarkup); }},
      {"information", [&] { prompts.MessageDialog(TMessageKind::Information, kMarkup); }},
      {"plain", [&] { prompts.PlainMessage(kMarkup); }},
      {"question", [&] { prompts.SystemMessage(TSystemIcon::Question, kMarkup); }},
      {"error", [&] { prompts.SystemMessage(TSystemIcon::Error, kMarkup); }},
      {"confirm", [&] { prompts.Confirm(kMarkup); }},
      {"before a run",
       [&] {
         prompts.AskBeforeRun(kMarkup, QStringLiteral("Wipe"), QStringLiteral("<i>x</i>"), ticked);
       }},
      {"report text",
       [&] {
         prompts.DetailedMessage(TReportKind::Warning, kMarkup, QString(), QStringLiteral("-"));
       }},
      {"report lines",
       [&] {
         prompts.DetailedMessage(TReportKind::Plain, QStringLiteral("Done"), kMarkup, QString());
       }},
      {"input", [&] { prompts.InputText(QStringLiteral("Pass name"), kMarkup, QString()); }},
  };
  for (const auto& [name, show] : cases) {
    bool asItIs = false;
    bool above = true;
    whenPromptOpens([&](QDialog& dialog) {
      asItIs = showsAsItIs(dialog, kMarkup);
      // Without a progress window there is nothing to stay above.
      above = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
    show();
    QVERIFY2(asItIs, name);
    QVERIFY2(!above, name);
  }
}

void PromptServiceTest::detailsAreTheWholeListOneEntryPerLine() {
  QtPromptService prompts;
  QString details = QStringLiteral("Left behind:");
  for (int i = 0; i < 200; ++i) {
    details += QStringLiteral("\n/data/<b>%1</b>/file.bin: could not be opened (Permission denied)")
                   .arg(i);
  }
  QString shown;
  bool readOnly = false;
  bool wraps = false;
  bool resized = false;
  QString informative;
  whenPromptOpens([&](QDialog& dialog) {
    auto* field = dialog.findChild<QTextEdit*>();
    QVERIFY(field);
    shown = field->toPlainText();
    readOnly = field->isReadOnly();
    wraps = field->lineWrapMode() == QTextEdit::WidgetWidth;
    informative =
        showsAsItIs(dialog, QStringLiteral("<i>two</i>")) ? QStringLiteral("plain") : QString();
    // The user can make the box larger to read the list, the list growing with it.
    dialog.findChild<QPushButton*>("btnShowDetails")->click();
    QVERIFY(field->isVisible());
    const QSize before = field->size();
    dialog.resize(dialog.size() + QSize(300, 200));
    QCoreApplication::processEvents();
    resized = dialog.isSizeGripEnabled() && field->width() > before.width() &&
              field->height() > before.height();
  });
  prompts.DetailedMessage(TReportKind::Warning, QStringLiteral("The wipe task has been aborted!"),
                          QStringLiteral("Jobs not reached: <i>two</i>."), details);
  QCOMPARE(shown, details);  // every entry, none cut off
  QVERIFY(readOnly);
  QVERIFY(wraps);  // a long path and its reason stay in view
  QVERIFY(resized);
  QCOMPARE(informative, QStringLiteral("plain"));

  // A report that all went well has the information icon, as a plain success has.
  for (const auto kind : {TReportKind::Plain, TReportKind::Warning}) {
    QImage icon;
    whenPromptOpens(
        [&](QDialog& dialog) { icon = dialog.findChild<QLabel*>("lblIcon")->pixmap().toImage(); });
    prompts.DetailedMessage(kind, QStringLiteral("Done"), QStringLiteral("1 note"), QString());
    const QStyle::StandardPixmap expected = kind == TReportKind::Plain
                                                ? QStyle::SP_MessageBoxInformation
                                                : QStyle::SP_MessageBoxWarning;
    const int side = QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon, QApplication::style()->standardIcon(expected).pixmap(side, side).toImage());
  }
}

void PromptServiceTest::questionsBeforeARunSayWhatHappensAndCancelByDefault() {
  QtPromptService prompts;
  // How the question is answered: the action's button, Cancel, Enter, Escape.
  enum class Answer { Action, Cancel, Enter, Escape };
  struct Case {
    const char* name;
    Answer answer;
    bool box;
    bool expected;
  };
  for (const Case& one :
       {Case{"action", Answer::Action, true, true}, Case{"cancel", Answer::Cancel, true, false},
        Case{"enter", Answer::Enter, false, false}, Case{"escape", Answer::Escape, true, false}}) {
    QStringList buttons;
    QString defaultButton;
    bool boxShown = false;
    whenPromptOpens([&](QDialog& dialog) {
      auto& box = static_cast<QMessageBox&>(dialog);
      for (const QAbstractButton* button : box.buttons()) buttons << button->text();
      defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString();
      if (auto* tick = dialog.findChild<QCheckBox*>()) {
        boxShown = tick->isVisible() || !tick->isHidden();
        QCOMPARE(tick->text(), QStringLiteral("Do not ask again"));
        tick->setChecked(true);
      }
      switch (one.answer) {
        case Answer::Action:
          dialog.findChild<QPushButton*>(QStringLiteral("btnProceed"))->click();
          break;
        case Answer::Cancel:
          box.button(QMessageBox::Cancel)->click();
          break;
        case Answer::Enter:
          QTest::keyClick(&dialog, Qt::Key_Return);
          break;
        case Answer::Escape:
          QTest::keyClick(&dialog, Qt::Key_Escape);
          break;
      }
    });
    bool ticked = false;
    const bool answer = prompts.AskBeforeRun(
        QStringLiteral("Wipe 2 files (a and b)?"), QStringLiteral("Wipe 2 files"),
        one.box ? QStringLiteral("Do not ask again") : QString(), ticked);
    QCOMPARE(answer, one.expected);
    QVERIFY2(buttons.contains(QStringLiteral("Wipe 2 files")), one.name);
    QVERIFY2(!buttons.contains(QStringLiteral("&Yes")) && !buttons.contains(QStringLiteral("Yes")),
             one.name);
    QCOMPARE(defaultButton, QStringLiteral("Cancel"));
    QCOMPARE(boxShown, one.box);
    QCOMPARE(ticked, one.box);
  }
}

void PromptServiceTest::yesNoQuestionsAnswerNoToEnter() {
  QtPromptService prompts;
  const std::vector<std::pair<const char*, std::function<bool()>>> questions{
      {"confirm", [&] { return prompts.Confirm(QStringLiteral("Delete method?")); }},
      {"system question",
       [&] { return prompts.SystemMessage(TSystemIcon::Question, QStringLiteral("Replace?")); }},
  };
  for (const auto& [name, ask] : questions) {
    whenPromptOpens([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    QVERIFY2(!ask(), name);
  }
}

void PromptServiceTest::promptsWhileAProgressWindowIsOpenAreModalToItAndAboveIt() {
  QtPromptService prompts;
  TWipeEngine first("WipeFiles");
  TWipeEngine second("WipeFolders");
  std::unique_ptr<TfProgress> outer = TfProgress::Open(first);
  QWidget* parent = nullptr;
  bool above = false;
  Qt::WindowModality modality = Qt::NonModal;
  const auto inspect = [&](QDialog& dialog) {
    parent = dialog.parentWidget();
    above = dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    modality = dialog.windowModality();
  };
  whenPromptOpens(inspect);
  prompts.Confirm(kMarkup);
  QCOMPARE(parent, outer.get());
  QVERIFY(above);
  QCOMPARE(modality, Qt::ApplicationModal);

  // A run inside the run (another list's Start): its window is the one in front.
  {
    std::unique_ptr<TfProgress> inner = TfProgress::Open(second);
    whenPromptOpens(inspect);
    prompts.MessageDialog(TMessageKind::Warning, kMarkup);
    QCOMPARE(parent, inner.get());
  }
  whenPromptOpens(inspect);
  prompts.PlainMessage(kMarkup);
  QCOMPARE(parent, outer.get());

  // With the windows gone, the prompts no longer look for them.
  outer.reset();
  QCOMPARE(PromptOwner(), QApplication::activeWindow());
}

QTEST_MAIN(PromptServiceTest)
#include "PromptServiceTest.moc"
