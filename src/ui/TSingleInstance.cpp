#include "ui/TSingleInstance.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include "core/HandOverFrames.h"
#include "core/Helpers.h"
#include "platform/Folders.h"
#include "platform/LocalChannel.h"
#include "platform/Processes.h"

namespace {

// A request is one frame (core/HandOverFrames.h); the window answers "ok" once it has taken it.
// Requests larger than this are another program's, not ours.
constexpr std::uint64_t kLargestRequest = 64 * 1024 * 1024;
constexpr int kAnswerWaitMs = 10000;
// How long a channel that is there may take to answer before it counts as left behind.
constexpr int kProbeWaitMs = 1000;
const QByteArray kTaken = QByteArrayLiteral("ok\n");

// Whether the process at the other end of the connection runs as this user.
bool ownUserAt(const QLocalSocket& socket) {
  return platform::peerUserId(socket.socketDescriptor()) == platform::currentUserId();
}

QString channelIn(const std::string& folder, const char* name) {
  return QFile::decodeName(QByteArray::fromStdString(AddTrailingBackslash(folder) + name));
}

}  // namespace

QString TSingleInstance::DefaultChannel() {
  // Never a place where another user could listen first, or put a channel of their own.
  const std::string runtime = qEnvironmentVariable("XDG_RUNTIME_DIR").toStdString();
  if (platform::isAbsolutePath(runtime) && platform::checkPrivateFolder(runtime)) {
    return channelIn(runtime, "ferrovane-window");
  }
  const std::string own = "ferrovane-" + std::to_string(platform::currentUserId());
  for (const std::string& place : {platform::tempFolder(), platform::cacheFolder()}) {
    if (!platform::isAbsolutePath(place)) continue;
    const std::string folder = AddTrailingBackslash(place) + own;
    if (platform::ensurePrivateFolder(folder)) return channelIn(folder, "window");
  }
  return {};
}

bool TSingleInstance::HandOver(const QString& channel, const TWindowRequest& request) {
  if (channel.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(channel);
  if (!socket.waitForConnected(kAnswerWaitMs)) return false;
  // Another user's window (or a program posing as one) is told nothing.
  if (!ownUserAt(socket)) {
    socket.abort();
    return false;
  }
  const std::string frame = FrameOf(request.Encode());
  socket.write(frame.data(), qint64(frame.size()));
  while (socket.bytesToWrite() > 0) {
    if (!socket.waitForBytesWritten(kAnswerWaitMs)) return false;
  }
  QByteArray answer;
  while (answer.size() < kTaken.size()) {
    if (!socket.waitForReadyRead(kAnswerWaitMs)) return false;
    answer += socket.readAll();
  }
  return answer == kTaken;
}

TSingleInstance::TSingleInstance(QString channel, QObject* parent)
    : QObject(parent), channel_(std::move(channel)), server_(new QLocalServer(this)) {
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, &TSingleInstance::takeConnection);
}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::Listen() {
  if (channel_.isEmpty()) return false;
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
    // Only the user's own processes hand requests over; another user's connection is dropped
    // before anything it sends is read.
    if (!ownUserAt(*socket)) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    pending_[socket] = std::make_unique<TFrameReader>(kLargestRequest);
    connect(socket, &QObject::destroyed, this, [this, socket] { pending_.erase(socket); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
    if (socket->bytesAvailable() > 0) readFrom(socket);
  }
}

void TSingleInstance::readFrom(QLocalSocket* socket) {
  const auto reading = pending_.find(socket);
  const QByteArray bytes = socket->readAll();
  // Nothing follows a request that was taken.
  if (reading == pending_.end()) {
    if (!bytes.isEmpty()) socket->abort();
    return;
  }
  TFrameReader& reader = *reading->second;
  reader.Feed(std::string_view(bytes.constData(), std::size_t(bytes.size())));
  std::optional<std::string> frame = reader.Next();
  // Not a request of ours: a length that is none, or bytes after the request.
  if (reader.Broken() || (frame && reader.HasPending())) {
    pending_.erase(reading);
    socket->abort();
    return;
  }
  if (!frame) return;
  pending_.erase(reading);
  const auto request = TWindowRequest::Decode(*frame);
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
