#pragma once
// Tells the user on the desktop when a long run ends while the window is behind others: a
// notification (org.freedesktop.Notifications on the session bus) with the outcome in one line
// and the failures counted; clicking it brings the window to the front. Where no notification
// service runs, nothing is sent.

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>

struct TRunOutcome;

class TRunNotifier : public QObject {
  Q_OBJECT

 public:
  // Milliseconds on a steady clock; tests give their own.
  using TClock = std::function<qint64()>;
  // A run shorter than this ends without a notification: the user is still looking.
  static constexpr qint64 kLongRunMs = 10000;

  explicit TRunNotifier(QDBusConnection bus = QDBusConnection::sessionBus(), TClock clock = {},
                        QObject* parent = nullptr);

  void RunStarted();
  // After the run whose outcome it is; `windowActive`: whether the user has the window in front.
  void RunEnded(const TRunOutcome& outcome, bool windowActive);
  // The one line a notification says of a run.
  static QString Summary(const TRunOutcome& outcome);

 signals:
  // The user clicked the notification of a run.
  void activated();

 private slots:
  void actionInvoked(uint id, const QString& action);

 private:
  QDBusConnection bus_;
  TClock clock_;
  qint64 started_ = -1;
  uint lastId_ = 0;
};
