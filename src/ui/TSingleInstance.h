#pragma once
// One window per user session. The first start listens on a local channel; a later start hands
// its request (the paths of its command line) to that window and ends, and the window queues
// them and comes to the front. The channel lies in a folder only the user may enter, and is made
// for the user alone; each end also asks the system who is at the other (the window takes
// requests of its own user only, and a later start hands its request only to a window of its
// own user, and otherwise opens its own).

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/TWindowRequest.h"

class QLocalServer;
class QLocalSocket;
class TFrameReader;

class TSingleInstance : public QObject {
  Q_OBJECT

 public:
  using THandler = std::function<void(const TWindowRequest&)>;

  // The channel of the user's session: "ferrovane-window" in the user's runtime folder
  // ($XDG_RUNTIME_DIR) when it is the user's alone, else "window" in a folder of the user's own
  // that only the user may enter ("ferrovane-<uid>" in the temporary folder, else in the cache
  // folder). Empty when there is none: each start then opens a window of its own.
  static QString DefaultChannel();
  // Gives the request to the window listening on the channel and waits for it to take it; false
  // when no window listens there (or it did not answer), and, before anything is sent, when the
  // one listening is not of this user.
  static bool HandOver(const QString& channel, const TWindowRequest& request);

  explicit TSingleInstance(QString channel, QObject* parent = nullptr);
  ~TSingleInstance() override;
  TSingleInstance(const TSingleInstance&) = delete;
  TSingleInstance& operator=(const TSingleInstance&) = delete;

  // Starts listening, replacing a channel left behind by a window that has ended. False when the
  // channel cannot be made, or when another window listens on it (a start at the same moment):
  // its channel is left to it.
  bool Listen();
  // What is done with each request that arrives; requests taken before there was one (while the
  // window was being made) are handed to it at once, in their order.
  void SetHandler(THandler handler);

 private:
  void takeConnection();
  void readFrom(QLocalSocket* socket);

  QString channel_;
  QLocalServer* server_ = nullptr;
  // What each connection has sent so far, until its request is whole.
  std::map<const QLocalSocket*, std::unique_ptr<TFrameReader>> pending_;
  THandler handler_;
  std::vector<TWindowRequest> waiting_;
};
