#include "ui/pages/TAboutPage.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QUrl>

#include "core/SettingsFolder.h"
#include "platform/FileSystem.h"
#include "ui/DesktopShell.h"
#include "ui_TAboutPage.h"

namespace {
// readme.txt is a short text; anything larger is not it.
constexpr std::uint64_t kMaxReadmeBytes = 4 << 20;
}  // namespace

TAboutPage::TAboutPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::TAboutPage>()) {
  ui->setupUi(this);
  // The readme lines up its lists and underlines with blanks and characters.
  ui->readmeMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  connect(ui->websiteValue, &TLinkLabel::clicked, this, &TAboutPage::websiteValueClick);
  connect(ui->emailValue, &TLinkLabel::clicked, this, &TAboutPage::emailValueClick);
}

TAboutPage::~TAboutPage() = default;

void TAboutPage::LoadReadme() {
  const auto text = platform::fs().readFile(GetShippedFolder() + "readme.txt", kMaxReadmeBytes);
  if (!text) return;
  QString lines = QString::fromLocal8Bit(*text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  ui->readmeMemo->setPlainText(lines);
}

void TAboutPage::websiteValueClick() {
  ShellOpen(QUrl(ProductSite() + QStringLiteral("/ferrovane/")));
}

void TAboutPage::emailValueClick() {
  ShellOpen(QUrl(QStringLiteral("mailto:") + ui->emailValue->text() +
                 QStringLiteral("?subject=Support Question - ") +
                 QGuiApplication::applicationDisplayName()));
}
