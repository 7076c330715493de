#include "ui/DesktopShell.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <utility>

namespace {
TShellHandlers installed;
}  // namespace

QString ProductSite() {
  return QStringLiteral("https://ferrovane.example.org");
}

bool ShellOpen(const QUrl& target) {
  if (!installed.Open) return QDesktopServices::openUrl(target);
  installed.Open(target);
  return !installed.Opened || installed.Opened(target);
}

void ShellRun(const std::string& program) {
  if (installed.Run) {
    installed.Run(program);
  } else {
    QProcess::startDetached(QFile::decodeName(QByteArray::fromStdString(program)), {});
  }
}

TShellHandlers SetShellHandlers(TShellHandlers handlers) {
  return std::exchange(installed, std::move(handlers));
}
