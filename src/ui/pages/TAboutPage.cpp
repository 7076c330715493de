#include "ui/pages/TAboutPage.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <QUrl>

#include "ui/DesktopShell.h"
#include "ui/ReadmeText.h"
#include "ui/pages/TPageHost.h"
#include "ui_TAboutPage.h"

#ifndef FERROVANE_VERSION
#define FERROVANE_VERSION "0"
#endif

TAboutPage::TAboutPage(TPageHost& host, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TAboutPage>()) {
  ui->setupUi(this);
  // The readme lines up its lists and underlines with blanks and characters.
  ui->readmeMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  ui->lblAboutProgram->setText(ProgramText(host.SettingsFolder(), host.MethodsFolder()));
  connect(ui->websiteValue, &TLinkLabel::clicked, this, &TAboutPage::websiteValueClick);
  connect(ui->emailValue, &TLinkLabel::clicked, this, &TAboutPage::emailValueClick);
}

TAboutPage::~TAboutPage() = default;

QString TAboutPage::ProgramText(const std::string& settingsFolder,
                                const std::string& methodsFolder) {
  const auto path = [](const std::string& folder) { return QString::fromLocal8Bit(folder); };
  QStringList lines;
  lines << QCoreApplication::translate("TAboutPage", "Ferrovane %1")
               .arg(QLatin1String(FERROVANE_VERSION))
        << QCoreApplication::translate(
               "TAboutPage",
               "Licence: distributed by its developers under the terms published at "
               "%1/ (the package's copyright file says the same).")
               .arg(ProductSite())
        << QCoreApplication::translate("TAboutPage",
                                       "Settings (Ferrovane.ini, prefs.dat) are kept in %1")
               .arg(path(settingsFolder))
        << QCoreApplication::translate("TAboutPage", "Wipe methods are kept in %1")
               .arg(path(methodsFolder))
        << QString()
        << QCoreApplication::translate(
               "TAboutPage",
               "Delete with Wiping: the files and folders you list are overwritten "
               "with their method, pass after pass, and deleted.")
        << QCoreApplication::translate(
               "TAboutPage",
               "Wipe free space: the free space of the drives you check is filled and "
               "overwritten, so files deleted earlier cannot be recovered from it.")
        << QCoreApplication::translate(
               "TAboutPage",
               "Wipe special folders: the temporary, browser and trash folders you "
               "check are wiped with the folders' method.")
        << QCoreApplication::translate(
               "TAboutPage",
               "Clear recently used files: the lists of recently used files that the "
               "desktop and programs keep are removed.")
        << QCoreApplication::translate(
               "TAboutPage",
               "Clean traces: traces of use (caches, histories, cookies) are found "
               "and removed; Preview lists them first.")
        << QCoreApplication::translate(
               "TAboutPage",
               "Options: wipe methods are made, looked at and changed, and each kind "
               "of wipe is given its method.");
  return lines.join(QLatin1Char('\n'));
}

void TAboutPage::LoadReadme() {
  if (const auto text = ReadmeText()) ui->readmeMemo->setPlainText(*text);
}

void TAboutPage::websiteValueClick() {
  ShellOpen(QUrl(ProductSite() + QStringLiteral("/ferrovane/")));
}

void TAboutPage::emailValueClick() {
  ShellOpen(QUrl(QStringLiteral("mailto:") + ui->emailValue->text() +
                 QStringLiteral("?subject=Support Question - ") +
                 QGuiApplication::applicationDisplayName()));
}
