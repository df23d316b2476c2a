#include "platform/LocalMessage.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace platform::localmessage {
namespace {

constexpr int kConnectTimeoutMs = 2000;
// A message is one line; a peer that sends more than this without a line break is cut off.
constexpr qint64 kMaxMessageBytes = 64 * 1024;

QString socketFolder() {
    const QString home = qEnvironmentVariable("RUNVELLA_HOME");
    if (!home.isEmpty())
        return home;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return runtime;
    return QDir::tempPath();
}

void readLines(QLocalSocket *socket, const Listener::Handler &handler) {
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine();
        handler(QString::fromUtf8(line).chopped(1));
    }
    if (socket->bytesAvailable() > kMaxMessageBytes)
        socket->abort();
}

} // namespace

QString socketPath(const QString &name) {
    // Outside a folder of the user's own, the user id keeps two users' sockets apart.
    const QString folder = socketFolder();
    const QString file = folder == QDir::tempPath() ? QStringLiteral("%1-%2").arg(name).arg(getuid()) : name;
    return QDir(folder).filePath(file);
}

bool send(const QString &name, const QString &text) {
    QLocalSocket socket;
    socket.connectToServer(socketPath(name));
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    QByteArray line = text.toUtf8();
    line.replace('\n', ' ');
    line.append('\n');
    socket.write(line);
    const bool written = socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return written;
}

Listener::Listener(Handler handler, QObject *parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &Listener::acceptConnections);
}

Listener::~Listener() = default;

bool Listener::listen(const QString &name) {
    const QString path = socketPath(name);
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(kConnectTimeoutMs))
        return false;
    QLocalServer::removeServer(path);
    return server_->listen(path);
}

void Listener::close() {
    server_->close();
}

bool Listener::isListening() const {
    return server_->isListening();
}

void Listener::acceptConnections() {
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readLines(socket, handler_); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readLines(socket, handler_);
    }
}

} // namespace platform::localmessage
