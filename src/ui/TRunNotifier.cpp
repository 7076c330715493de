#include "ui/TRunNotifier.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QElapsedTimer>
#include <QVariantMap>

#include "core/RunOutcome.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

qint64 steadyNow() {
  static QElapsedTimer timer;
  if (!timer.isValid()) timer.start();
  return timer.elapsed();
}

}  // namespace

TRunNotifier::TRunNotifier(QDBusConnection bus, TClock clock, QObject* parent)
    : QObject(parent), bus_(std::move(bus)), clock_(clock ? std::move(clock) : TClock(steadyNow)) {
  if (bus_.isConnected()) {
    bus_.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                 SLOT(actionInvoked(uint, QString)));
  }
}

void TRunNotifier::RunStarted() {
  started_ = clock_();
}

QString TRunNotifier::Summary(const TRunOutcome& outcome) {
  const std::size_t left = outcome.failures.size();
  const QString leftBehind =
      left == 1
          ? QCoreApplication::translate("TRunNotifier", "1 item was left behind")
          : QCoreApplication::translate("TRunNotifier", "%1 items were left behind").arg(left);
  if (outcome.aborted) {
    return left == 0
               ? QCoreApplication::translate("TRunNotifier", "The wipe task has been aborted.")
               : QCoreApplication::translate("TRunNotifier", "The wipe task has been aborted; %1.")
                     .arg(leftBehind);
  }
  if (left > 0)
    return QCoreApplication::translate("TRunNotifier", "The wipe task has not been completed: %1.")
        .arg(leftBehind);
  return QCoreApplication::translate("TRunNotifier",
                                     "The wipe task has been completed successfully.");
}

void TRunNotifier::RunEnded(const TRunOutcome& outcome, bool windowActive) {
  const qint64 started = started_;
  started_ = -1;
  if (started < 0 || windowActive || clock_() - started <= kLongRunMs) return;
  if (!bus_.isConnected() || !bus_.interface() ||
      !bus_.interface()->isServiceRegistered(kService).value()) {
    return;  // no notification service in this session
  }
  QDBusMessage notify =
      QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
  const QString body = Summary(outcome);
  notify << QStringLiteral("Ferrovane") << uint(0) << QStringLiteral("ferrovane")
         << QStringLiteral("Ferrovane") << body
         << QStringList{QStringLiteral("default"),
                        QCoreApplication::translate("TRunNotifier", "Show Ferrovane")}
         << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("ferrovane")}} << int(-1);
  // Not waited for: the window goes on with its report while the service answers.
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(notify), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isValid()) lastId_ = reply.value();
    call->deleteLater();
  });
}

void TRunNotifier::actionInvoked(uint id, const QString& action) {
  if (id != 0 && id == lastId_ && action == QStringLiteral("default")) emit activated();
}
