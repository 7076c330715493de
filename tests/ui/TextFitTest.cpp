// In every language the program speaks, no caption of the window or its dialogs is cut off: at
// the size each opens with, every visible button, check box, option, unwrapped label and group
// title is at least as wide as its text. With FERROVANE_SHOTS naming a folder, each page and
// dialog is also saved there as <language>/<name>.png, for a look by eye.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>
#include <functional>
#include <memory>

#include "MainFormFixture.h"
#include "dialogs/TfEditMethod.h"
#include "dialogs/TfMethodsForm.h"
#include "ui/TfProgress.h"
#include "ui/TfSchedule.h"
#include "ui/TfTracePaths.h"
#include "ui/TfmAddReg.h"
#include "ui/TfmItemProps.h"
#include "ui/TfmShowFiles.h"

namespace {

// The visible controls of the window whose text does not fit their width, one a line.
QStringList CutOff(QWidget* top) {
  QStringList cut;
  QList<QWidget*> widgets = top->findChildren<QWidget*>();
  for (QWidget* widget : widgets) {
    if (!widget->isVisibleTo(top->window())) continue;
    QString text;
    int needed = 0;
    if (auto* tool = qobject_cast<QToolButton*>(widget)) {
      if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly || tool->text().isEmpty()) continue;
      text = tool->text();
      needed = tool->sizeHint().width();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      text = button->text();
      needed = button->sizeHint().width();
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->wordWrap() || label->textFormat() == Qt::RichText) continue;
      text = label->text();
      needed = label->sizeHint().width();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      text = group->title();
      needed = group->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
    }
    if (text.isEmpty() || widget->width() >= needed) continue;
    cut << QStringLiteral("%1 \"%2\": %3 of %4 pixels")
               .arg(widget->objectName(), text)
               .arg(widget->width())
               .arg(needed);
  }
  return cut;
}

void Shoot(QWidget* widget, const QString& language, const QString& name) {
  const QString folder = qEnvironmentVariable("FERROVANE_SHOTS");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder + QLatin1Char('/') + language);
  widget->window()->grab().save(folder + QLatin1Char('/') + language + QLatin1Char('/') + name +
                                QStringLiteral(".png"));
}

}  // namespace

class TextFitTest : public QObject {
  Q_OBJECT

 private slots:
  void everyCaptionFitsInEveryLanguage() {
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(FERROVANE_TRANSLATIONS))
                                   .entryList({QStringLiteral("ferrovane_*.qm")}, QDir::Files)) {
      languages << file.mid(10, file.size() - 13);
    }
    QVERIFY(languages.contains(QStringLiteral("ru")));
    QStringList faults;
    for (const QString& language : languages) {
      QTranslator translator;
      QVERIFY(translator.load(QStringLiteral("ferrovane_") + language,
                              QStringLiteral(FERROVANE_TRANSLATIONS)));
      QCoreApplication::installTranslator(&translator);
      {
        MainFormFixture f;
        f.loadCatalogue();
        f.form().show();
        auto* pages = f.find<QTabWidget>("MainPage");
        for (int page = 0; page < pages->count(); ++page) {
          pages->setCurrentIndex(page);
          QCoreApplication::processEvents();
          const QString name = pages->widget(page)->objectName();
          for (const QString& fault : CutOff(pages->widget(page)))
            faults << language + QStringLiteral(" ") + name + QStringLiteral(": ") + fault;
          Shoot(&f.form(), language, name);
        }
        TfEditMethod editor;
        std::vector<std::pair<QString, std::unique_ptr<QWidget>>> dialogs;
        dialogs.emplace_back("TfmAddReg", std::make_unique<TfmAddReg>());
        dialogs.emplace_back("TfmItemProps", std::make_unique<TfmItemProps>());
        dialogs.emplace_back("TfTracePaths", std::make_unique<TfTracePaths>());
        dialogs.emplace_back("TfSchedule", std::make_unique<TfSchedule>());
        dialogs.emplace_back("TfEditMethod", std::make_unique<TfEditMethod>());
        dialogs.emplace_back("TfMethodsForm",
                             std::make_unique<TfMethodsForm>(editor, f.catalogue()));
        dialogs.emplace_back("TfProgress", std::make_unique<TfProgress>());
        dialogs.emplace_back("TfmShowFiles", std::make_unique<TfmShowFiles>());
        for (const auto& [name, dialog] : dialogs) {
          dialog->show();
          QCoreApplication::processEvents();
          for (const QString& fault : CutOff(dialog.get()))
            faults << language + QStringLiteral(" ") + name + QStringLiteral(": ") + fault;
          Shoot(dialog.get(), language, name);
        }
      }
      QCoreApplication::removeTranslator(&translator);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(TextFitTest)
#include "TextFitTest.moc"
