#include "ui/TSingleInstance.h"

#include <QByteArray>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include "platform/Processes.h"

namespace {

// A request is its length in decimal, a line break, then its bytes; the window answers "ok"
// once it has taken it. Requests larger than this are another program's, not ours.
constexpr qsizetype kLargestRequest = 64 * 1024 * 1024;
constexpr int kAnswerWaitMs = 10000;
// How long a channel that is there may take to answer before it counts as left behind.
constexpr int kProbeWaitMs = 1000;
const QByteArray kTaken = QByteArrayLiteral("ok\n");

}  // namespace

QString TSingleInstance::DefaultChannel() {
  // $XDG_RUNTIME_DIR, or where it is not set a folder of Qt's own that it makes for the user
  // alone and checks: never a place where another user could listen first.
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (!runtime.isEmpty()) return QDir(runtime).filePath(QStringLiteral("ferrovane-window"));
  return QStringLiteral("ferrovane-window-%1").arg(platform::currentUserId());
}

bool TSingleInstance::HandOver(const QString& channel, const TWindowRequest& request) {
  QLocalSocket socket;
  socket.connectToServer(channel);
  if (!socket.waitForConnected(kAnswerWaitMs)) return false;
  const std::string bytes = request.Encode();
  QByteArray message = QByteArray::number(qsizetype(bytes.size())) + '\n';
  message.append(bytes.data(), qsizetype(bytes.size()));
  socket.write(message);
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(kAnswerWaitMs)) return false;
  }
  QByteArray answer;
  while (answer.size() < kTaken.size()) {
    if (!socket.waitForReadyRead(kAnswerWaitMs)) return false;
    answer += socket.readAll();
  }
  return answer.startsWith(kTaken);
}

TSingleInstance::TSingleInstance(QString channel, QObject* parent)
    : QObject(parent), channel_(std::move(channel)), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &TSingleInstance::takeConnection);
}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::Listen() {
  // A window that started at the same moment may have begun to listen since this start tried to
  // hand over: its channel is never taken from it (Qt would put a new one in its place).
  {
    QLocalSocket probe;
    probe.connectToServer(channel_);
    if (probe.waitForConnected(kProbeWaitMs)) return false;
  }
  if (server_->listen(channel_)) return true;
  if (server_->serverError() != QAbstractSocket::AddressInUseError) return false;
  // Nobody answers on this channel, so it is a window's that ended without removing it.
  QLocalServer::removeServer(channel_);
  return server_->listen(channel_);
}

void TSingleInstance::takeConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
    if (socket->bytesAvailable() > 0) readFrom(socket);
  }
}

void TSingleInstance::readFrom(QLocalSocket* socket) {
  QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
  const qsizetype lineEnd = buffer.indexOf('\n');
  bool lengthRead = false;
  const qsizetype length = lineEnd > 0 ? buffer.left(lineEnd).toLongLong(&lengthRead) : 0;
  if ((lineEnd < 0 && buffer.size() > 20) || (lineEnd >= 0 && !lengthRead) || length < 0 ||
      length > kLargestRequest) {
    socket->abort();  // not a request of ours
    return;
  }
  if (lineEnd < 0 || buffer.size() - lineEnd - 1 < length) {
    socket->setProperty("request", buffer);
    return;
  }
  socket->setProperty("request", QByteArray());
  const auto request =
      TWindowRequest::Decode(std::string(buffer.constData() + lineEnd + 1, std::size_t(length)));
  if (!request) {
    socket->abort();
    return;
  }
  // Answered first: the sender ends at once, while the window may ask the user things.
  socket->write(kTaken);
  socket->flush();
  if (handler_) {
    handler_(*request);
  } else {
    waiting_.push_back(*request);
  }
}

void TSingleInstance::SetHandler(THandler handler) {
  handler_ = std::move(handler);
  std::vector<TWindowRequest> waiting;
  waiting.swap(waiting_);
  if (handler_) {
    for (const TWindowRequest& request : waiting) handler_(request);
  }
}
