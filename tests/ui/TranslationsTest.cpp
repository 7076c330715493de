// The window in the user's language: the catalogue is chosen from the user's list of languages,
// a German user (LANG=de_DE.UTF-8) finds German captions on every page, and in every language the
// program has a catalogue for, no two controls of a page or dialog share a mnemonic.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QTabWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "MainFormFixture.h"
#include "dialogs/TfEditMethod.h"
#include "dialogs/TfMethodsForm.h"
#include "ui/ProgramTranslations.h"
#include "ui/TfSchedule.h"
#include "ui/TfTracePaths.h"
#include "ui/TfmAddReg.h"
#include "ui/TfmItemProps.h"

namespace {

// The English texts whose German differs, from the German catalogue, with their German.
QHash<QString, QString> GermanOfEnglish() {
  QFile file(QStringLiteral(FERROVANE_SOURCE_DIR "/translations/ferrovane_de.ts"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QHash<QString, QString> german;
  QXmlStreamReader xml(&file);
  QString source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("source")) source = xml.readElementText();
    if (xml.name() == QLatin1String("translation")) {
      // A text that counts keeps its forms in child elements: passed over here.
      const QString translation = xml.readElementText(QXmlStreamReader::SkipChildElements);
      if (!translation.isEmpty() && translation != source) german.insert(source, translation);
    }
  }
  return german;
}

// The captions a user reads on the widget and the visible widgets in it.
QStringList Captions(QWidget* top) {
  QStringList texts;
  QList<QWidget*> widgets = top->findChildren<QWidget*>();
  widgets.prepend(top);
  for (QWidget* widget : widgets) {
    if (!widget->isVisibleTo(top->window())) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) texts << group->title();
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    }
  }
  texts.removeAll(QString());
  return texts;
}

// The mnemonic letter of a caption ("&Open" gives 'o'), or a null character for none.
QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

// The captions of the window's visible controls that share a mnemonic, one a line.
QString SharedMnemonics(QWidget* top) {
  QHash<QChar, QString> seen;
  QStringList shared;
  for (const QString& text : Captions(top)) {
    const QChar key = Mnemonic(text);
    if (key.isNull()) continue;
    if (seen.contains(key)) shared << seen[key] + QStringLiteral(" / ") + text;
    seen.insert(key, text);
  }
  return shared.join(QLatin1Char('\n'));
}

const QString kTranslations = QStringLiteral(FERROVANE_TRANSLATIONS);

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void theFirstOfTheUsersLanguagesWithACatalogueIsChosen_data() {
    QTest::addColumn<QStringList>("user");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("language and region") << QStringList{"de-DE"} << "de";
    QTest::newRow("English first") << QStringList{"en-GB", "de-DE"} << "";
    QTest::newRow("the C locale") << QStringList{"C"} << "";
    QTest::newRow("none at all") << QStringList{} << "";
    QTest::newRow("a catalogue further down") << QStringList{"fi-FI", "fr-CA", "de"} << "fr";
    QTest::newRow("a regional catalogue") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("not another region's") << QStringList{"pt-PT"} << "";
    QTest::newRow("a script in between") << QStringList{"zh-Hans-CN"} << "zh_CN";
  }
  void theFirstOfTheUsersLanguagesWithACatalogueIsChosen() {
    QFETCH(QStringList, user);
    QFETCH(QString, chosen);
    QCOMPARE(ChooseTranslation(user, {"de", "fr", "pt_BR", "zh_CN"}), chosen);
  }

  // Started under LANG=de_DE.UTF-8 (the test's environment), the window's tabs, pages and
  // controls show the German texts of the catalogue, none of the English ones.
  void aGermanUserFindsGermanCaptionsOnEveryPage() {
    const QHash<QString, QString> german = GermanOfEnglish();
    QVERIFY(german.size() > 100);
    QCOMPARE(InstallProgramTranslations(*QCoreApplication::instance(), {kTranslations}),
             QStringLiteral("de"));
    MainFormFixture f;
    f.form().show();
    auto* pages = f.find<QTabWidget>("MainPage");
    QSet<QString> translations;
    for (const QString& text : german) translations.insert(text);
    for (int page = 0; page < pages->count(); ++page) {
      pages->setCurrentIndex(page);
      const QStringList captions = Captions(pages->widget(page));
      QStringList shownGerman;
      for (const QString& caption : captions) {
        QVERIFY2(!german.contains(caption), qPrintable(caption + " is shown in English"));
        if (translations.contains(caption)) shownGerman << caption;
      }
      QVERIFY2(!shownGerman.isEmpty(), qPrintable(pages->tabText(page)));
      // A tab with a caption (the About page has its picture only) shows it in German.
      QVERIFY2(pages->tabText(page).isEmpty() || translations.contains(pages->tabText(page)),
               qPrintable(pages->tabText(page)));
    }
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
  }

  // Every page of the window and every dialog has a mnemonic only once, in English and in every
  // language with a catalogue.
  void mnemonicsAreUniqueInEveryLanguage() {
    QStringList languages{QString()};
    for (const QString& file :
         QDir(kTranslations).entryList({QStringLiteral("ferrovane_*.qm")}, QDir::Files)) {
      languages << file.mid(10, file.size() - 13);
    }
    QVERIFY(languages.contains(QStringLiteral("de")));
    for (const QString& language : languages) {
      QTranslator translator;
      if (!language.isEmpty()) {
        QVERIFY(translator.load(QStringLiteral("ferrovane_") + language, kTranslations));
        QCoreApplication::installTranslator(&translator);
      }
      {
        MainFormFixture f;
        f.form().show();
        auto* pages = f.find<QTabWidget>("MainPage");
        for (int page = 0; page < pages->count(); ++page) {
          pages->setCurrentIndex(page);
          const QString shared = SharedMnemonics(&f.form());
          QVERIFY2(shared.isEmpty(), qPrintable(language + ": " + shared));
        }
      }
      // The methods dialogs over the test's own catalogue of methods.
      MainFormFixture methods;
      methods.loadCatalogue();
      TfEditMethod editor;
      std::vector<std::unique_ptr<QWidget>> dialogs;
      dialogs.push_back(std::make_unique<TfEditMethod>());
      dialogs.push_back(std::make_unique<TfMethodsForm>(editor, methods.catalogue()));
      dialogs.push_back(std::make_unique<TfmAddReg>());
      dialogs.push_back(std::make_unique<TfmItemProps>());
      dialogs.push_back(std::make_unique<TfTracePaths>());
      dialogs.push_back(std::make_unique<TfSchedule>());
      for (const auto& dialog : dialogs) {
        dialog->show();
        const QString shared = SharedMnemonics(dialog.get());
        QVERIFY2(shared.isEmpty(), qPrintable(language + ": " + shared));
      }
      QCoreApplication::removeTranslator(&translator);
    }
  }
};

int main(int argc, char** argv) {
  // The user's language as a German desktop sets it; the C library needs no such locale for the
  // window's catalogues.
  qputenv("LANG", "de_DE.UTF-8");
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) qunsetenv(name);
  QApplication application(argc, argv);
  TranslationsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "TranslationsTest.moc"
