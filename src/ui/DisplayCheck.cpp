#include "ui/DisplayCheck.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler passedOn = nullptr;
QStringList heldBack;

void write(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit() + '\n';
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg) {
    ReportNoDisplay();
    std::fflush(stderr);
    std::_Exit(1);
  }
  heldBack << qFormatLogMessage(type, context, message);
}

}  // namespace

bool DisplayNamed() {
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void ReportNoDisplay() {
  write(QCoreApplication::translate(
      "DisplayCheck",
      "ferrovane: no display can be opened; without a window, use ferrovane-cli "
      "(see ferrovane-cli --help)"));
}

TNoDisplayGuard::TNoDisplayGuard() {
  passedOn = qInstallMessageHandler(holdBack);
}

TNoDisplayGuard::~TNoDisplayGuard() {
  qInstallMessageHandler(passedOn);
  const QStringList messages = std::exchange(heldBack, {});
  for (const QString& message : messages) write(message);
}
