#pragma once
// The window's texts in the user's language: the program's own catalogue
// (translations/ferrovane_<language>.qm) and Qt's (qtbase_<language>.qm, the texts of standard
// buttons and dialogs), for the first of the user's languages the program has a catalogue for.
// English comes first when the user puts it first, and a language without a catalogue leaves
// every text in English, without a warning.

#include <QString>
#include <QStringList>

class QCoreApplication;

// The folders the program's .qm files are looked for in, in order: translations/ beside the
// program (a build), then the shipped files' folder of an installed program.
QStringList ProgramTranslationFolders();

// The language of the user's list (QLocale::uiLanguages spelling: "de-DE", "pt-BR") whose
// catalogue is among those available ("de", "pt_BR"), or empty for English: the first of the
// list that is English, or has a catalogue, decides. A region falls back to its language.
QString ChooseTranslation(const QStringList& userLanguages, const QStringList& available);

// Installs the translators for the user's languages (QLocale::system(), which honours
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG) into the application, from the first of the folders
// that holds catalogues; returns the language chosen, empty for English.
QString InstallProgramTranslations(QCoreApplication& application,
                                   const QStringList& folders = ProgramTranslationFolders());
