#include "platform/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QThread>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

QString UserKey() {
#if defined(Q_OS_UNIX)
  return QString::number(getuid());
#else
  return qEnvironmentVariable("USERNAME", QStringLiteral("user"));
#endif
}

// Tells the first copy to come to the front. It may still be starting, so
// the connection is tried a few times.
void AskFirstCopy(const QString& name) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (socket.waitForConnected(250)) {
      socket.write("front\n");
      socket.waitForBytesWritten(1000);
      socket.disconnectFromServer();
      return;
    }
    QThread::msleep(100);
  }
}

}  // namespace

SingleInstance::SingleInstance(const QString& programName)
    : name_(QStringLiteral("%1-single-copy-%2").arg(programName, UserKey())) {
  lock_ =
      std::make_unique<QLockFile>(QDir(QDir::tempPath()).filePath(name_ + QStringLiteral(".lock")));
  lock_->setStaleLockTime(0);  // a lock whose process is gone is stale at once
  first_ = lock_->tryLock(0);
  if (!first_) {
    AskFirstCopy(name_);
    return;
  }
  // Holding the lock, this copy owns the name: a socket left behind by a
  // copy that crashed can go.
  QLocalServer::removeServer(name_);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name_)) return;
  QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      if (bringToFront_) bringToFront_();
    }
  });
}

SingleInstance::~SingleInstance() {
  if (server_) server_->close();
}

void SingleInstance::OnOtherStart(std::function<void()> bringToFront) {
  bringToFront_ = std::move(bringToFront);
}
