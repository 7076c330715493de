#include "ui/DesktopShell.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>

namespace {
TShellOpenHandler openHandler;
TShellRunHandler runHandler;
}  // namespace

QString ProductSite() {
  return QStringLiteral("https://ferrovane.example.org");
}

void ShellOpen(const QUrl& target) {
  if (openHandler) {
    openHandler(target);
  } else {
    QDesktopServices::openUrl(target);
  }
}

void ShellRun(const std::string& program) {
  if (runHandler) {
    runHandler(program);
  } else {
    QProcess::startDetached(QFile::decodeName(QByteArray::fromStdString(program)), {});
  }
}

void SetShellHandlers(TShellOpenHandler open, TShellRunHandler run) {
  openHandler = std::move(open);
  runHandler = std::move(run);
}
