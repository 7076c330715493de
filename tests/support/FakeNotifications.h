#pragma once
// The desktop's notification service, for a test that exports it on a session bus of its own. A
// Qt object: the window test that uses it lists this header among its sources, for moc.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <vector>

// Records what it is asked to show, as a desktop's notification service would show it.
class FakeNotifications : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  struct Shown {
    QString app, summary, body;
    QStringList actions;
  };
  std::vector<Shown> shown;

 public slots:
  uint Notify(const QString& app, uint, const QString&, const QString& summary, const QString& body,
              const QStringList& actions, const QVariantMap&, int) {
    shown.push_back({app, summary, body, actions});
    emit notified();
    return uint(40 + shown.size());
  }

 signals:
  void notified();
};
