// The desktop notification at the end of a long run while the window is behind others, sent to
// a stand-in notification service on a private session bus that the test starts.

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include "MainFormFixture.h"
#include "core/RunOutcome.h"
#include "support/FakeNotifications.h"
#include "ui/TRunNotifier.h"

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

}  // namespace

class RunNotifierTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase();
  void summaryCountsWhatWasLeftBehind();
  void onlyLongRunsEndingBehindOtherWindowsAreTold();

 private:
  QProcess bus_;
  QString address_;
};

void RunNotifierTest::initTestCase() {
  if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty()) {
    QSKIP("dbus-daemon is not installed: no private session bus for the notification service");
  }
  bus_.start(
      QStringLiteral("dbus-daemon"),
      {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
  QVERIFY(bus_.waitForStarted());
  while (!bus_.canReadLine()) QVERIFY(bus_.waitForReadyRead());
  address_ = QString::fromUtf8(bus_.readLine()).trimmed();
  QVERIFY(!address_.isEmpty());
}

void RunNotifierTest::cleanupTestCase() {
  bus_.kill();
  bus_.waitForFinished();
}

void RunNotifierTest::summaryCountsWhatWasLeftBehind() {
  TRunOutcome outcome;
  QCOMPARE(TRunNotifier::Summary(outcome),
           QStringLiteral("The wipe task has been completed successfully."));
  outcome.failures.push_back({"/a", TWipeFailureReason::CannotOpen});
  QCOMPARE(TRunNotifier::Summary(outcome),
           QStringLiteral("The wipe task has not been completed: 1 item was left behind."));
  outcome.failures.push_back({"/b", TWipeFailureReason::CannotDelete});
  outcome.aborted = true;
  QCOMPARE(TRunNotifier::Summary(outcome),
           QStringLiteral("The wipe task has been aborted; 2 items were left behind."));
}

void RunNotifierTest::onlyLongRunsEndingBehindOtherWindowsAreTold() {
  QDBusConnection serviceBus = QDBusConnection::connectToBus(address_, QStringLiteral("service"));
  QDBusConnection windowBus = QDBusConnection::connectToBus(address_, QStringLiteral("window"));
  QVERIFY(serviceBus.isConnected() && windowBus.isConnected());
  FakeNotifications service;
  QVERIFY(serviceBus.registerObject(kPath, &service, QDBusConnection::ExportAllSlots));

  // The notifier outlives the window it is given to.
  qint64 now = 0;
  TRunNotifier notifier(windowBus, [&now] { return now; });
  MainFormFixture f;
  f.setNotifier(&notifier);
  const std::string file = f.folder.write("a", "x");
  qint64 runLength = 0;
  bool fails = false;
  f.setRunner(fakeRun([&](TWipeEngine& engine) {
    now += runLength;
    if (fails) engine.Failures.push_back({file, TWipeFailureReason::CannotOpen});
  }));
  auto run = [&](qint64 length, bool failing) {
    runLength = length;
    fails = failing;
    f.prompts.openFiles.push_back({file});
    QTest::mouseClick(f.find<QPushButton>("btnAddFiles"), Qt::LeftButton);
    QTest::mouseClick(f.find<QPushButton>("btnStartShredFiles"), Qt::LeftButton);
  };
  QSignalSpy notified(&service, &FakeNotifications::notified);

  // No notification service on the bus: a long run tells nothing.
  run(TRunNotifier::kLongRunMs + 1, false);
  QVERIFY(serviceBus.registerService(kService));
  // Ten seconds exactly is not long; nor is a long run that ends with the window in front.
  run(TRunNotifier::kLongRunMs, false);
  notifier.RunStarted();
  now += TRunNotifier::kLongRunMs * 2;
  notifier.RunEnded(TRunOutcome{}, true);
  // A long one behind other windows is told, with what was left behind counted.
  run(TRunNotifier::kLongRunMs + 1, true);
  QVERIFY(notified.wait());
  QCOMPARE(service.shown.size(), std::size_t{1});  // the earlier runs sent nothing before it
  QCOMPARE(service.shown[0].app, QStringLiteral("Ferrovane"));
  QCOMPARE(service.shown[0].body,
           QStringLiteral("The wipe task has not been completed: 1 item was left behind."));
  QVERIFY(service.shown[0].actions.contains(QStringLiteral("default")));

  // Clicking it (the service's "default" action of that notification) brings the window up;
  // another notification's click does not.
  QSignalSpy activated(&notifier, &TRunNotifier::activated);
  for (uint id : {uint(7), uint(41)}) {
    QDBusMessage click =
        QDBusMessage::createSignal(kPath, kService, QStringLiteral("ActionInvoked"));
    click << id << QStringLiteral("default");
    QVERIFY(serviceBus.send(click));
  }
  QVERIFY(activated.wait());
  QCOMPARE(activated.size(), 1);
  serviceBus.unregisterService(kService);
  serviceBus.unregisterObject(kPath);
}

QTEST_MAIN(RunNotifierTest)
#include "RunNotifierTest.moc"
