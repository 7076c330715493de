#include "ui/ProgramTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#ifndef FERROVANE_SHIPPED_FROM_PROGRAM
#define FERROVANE_SHIPPED_FROM_PROGRAM "../share/ferrovane"
#endif

namespace {

const QString kCatalogueName = QStringLiteral("ferrovane_");

// The languages there are catalogues for in the first folder that has any.
QStringList AvailableTranslations(const QStringList& folders, QString* folder) {
  for (const QString& candidate : folders) {
    const QStringList files =
        QDir(candidate).entryList({kCatalogueName + QStringLiteral("*.qm")}, QDir::Files);
    if (files.isEmpty()) continue;
    QStringList languages;
    for (const QString& file : files) {
      languages << file.mid(kCatalogueName.size(), file.size() - kCatalogueName.size() - 3);
    }
    *folder = candidate;
    return languages;
  }
  return {};
}

}  // namespace

QStringList ProgramTranslationFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  return {program + QStringLiteral("/translations"),
          QDir::cleanPath(program +
                          QStringLiteral("/" FERROVANE_SHIPPED_FROM_PROGRAM "/translations"))};
}

QString ChooseTranslation(const QStringList& userLanguages, const QStringList& available) {
  for (QString language : userLanguages) {
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString base = language.section(QLatin1Char('_'), 0, 0);
    if (base == QLatin1String("en") || base == QLatin1String("C")) return {};
    if (available.contains(language)) return language;
    // zh_Hans_CN names a script as well: the catalogue is named after the language and region.
    const QString region = language.section(QLatin1Char('_'), -1);
    const QString languageRegion = base + QLatin1Char('_') + region;
    if (available.contains(languageRegion)) return languageRegion;
    if (available.contains(base)) return base;
  }
  return {};
}

QString InstallProgramTranslations(QCoreApplication& application, const QStringList& folders) {
  QString folder;
  const QStringList available = AvailableTranslations(folders, &folder);
  const QString language = ChooseTranslation(QLocale::system().uiLanguages(), available);
  if (language.isEmpty()) return {};
  auto* program = new QTranslator(&application);
  if (!program->load(kCatalogueName + language, folder)) {
    delete program;
    return {};
  }
  QCoreApplication::installTranslator(program);
  // Qt's own texts (Yes, No, Cancel, the file dialog); a missing one leaves them in English.
  auto* qt = new QTranslator(&application);
  if (qt->load(QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      qt->load(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
  }
  return language;
}
