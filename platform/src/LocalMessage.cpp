#include "platform/LocalMessage.h"

#include "platform/Paths.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

#include <cerrno>
#include <optional>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform::localmessage {
namespace {

constexpr int kConnectTimeoutMs = 2000;
// The listener's answer to a text it took.
constexpr char kTakenAnswer[] = "taken\n";

int holdsAlive = 0;
// The listeners that kept texts while held back, in the order they first kept one.
std::vector<QPointer<Listener>> &listenersHolding() {
    static std::vector<QPointer<Listener>> listeners;
    return listeners;
}
// A message is one line; a peer that sends more than this without a line break is cut off.
constexpr qint64 kMaxMessageBytes = 64 * 1024;
// A Unix socket's path, without its terminating zero, fits in this many bytes; a longer one
// cannot be listened on at all.
constexpr qsizetype kMaxSocketPathBytes = sizeof(sockaddr_un::sun_path) - 1;

// Two installations of one user (another RUNVELLA_HOME) get sockets of their own.
QString installationKey() {
    const QFileInfo dataDir(paths::dataDir());
    QString folder = dataDir.canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(dataDir.absoluteFilePath());
    return QString::fromLatin1(
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
}

// A folder of the user's own in a shared one, where no other user can put a socket of the name
// first. One that exists already is used only when it is a folder (no link), the user's, and
// closed to everyone else.
std::optional<QString> ownFolderIn(const QString &shared) {
    const QString folder = QDir(shared).filePath(QStringLiteral("runvella-%1").arg(getuid()));
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
        (info.st_mode & 077) != 0)
        return std::nullopt;
    return folder;
}

QStringList candidateFolders() {
    QStringList folders;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        folders << runtime;
    for (const QString &shared : {QDir::tempPath(), QStringLiteral("/tmp")})
        if (const auto own = ownFolderIn(shared))
            folders << *own;
    return folders;
}

// A folder or file where the socket belongs keeps every listener away, for good.
bool holdsSomethingElse(const QString &path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISSOCK(info.st_mode);
}

} // namespace

QString socketPath(const QString &name) {
    // The user id keeps two users' sockets apart in a shared folder.
    const QString file = QStringLiteral("%1-%2-%3").arg(name).arg(getuid()).arg(installationKey());
    const QStringList folders = candidateFolders();
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(file);
        if (QFile::encodeName(path).size() <= kMaxSocketPathBytes)
            return path;
    }
    return folders.isEmpty() ? QString() : QDir(folders.last()).filePath(file);
}

Delivery send(const QString &name, const QString &text, std::chrono::milliseconds patience) {
    const QString path = socketPath(name);
    if (path.isEmpty())
        return Delivery::NotTaken;
    const QDeadlineTimer giveUp(patience);
    const auto remainingMs = [&giveUp] { return static_cast<int>(giveUp.remainingTime()); };
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(remainingMs()))
        return holdsSomethingElse(path) ? Delivery::NoPlace : Delivery::NotTaken;
    QByteArray line = text.toUtf8();
    line.replace('\n', ' ');
    line.append('\n');
    socket.write(line);
    // Kernel buffers take the text even from a listener that never reads it: only the answer
    // says that the text was taken.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(remainingMs()))
            return socket.state() == QLocalSocket::ConnectedState ? Delivery::NoAnswer : Delivery::NotTaken;
    }
    return socket.readLine() == kTakenAnswer ? Delivery::Taken : Delivery::NotTaken;
}

Listener::Listener(Handler handler, QObject *parent)
    : QObject(parent), handler_(std::move(handler)), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &Listener::acceptConnections);
}

Listener::~Listener() = default;

bool Listener::listen(const QString &name) {
    const QString path = socketPath(name);
    if (path.isEmpty())
        return false;
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
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readLines(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readLines(socket);
    }
}

// A handler may run a modal window, whose event loop can close and delete the socket: so the
// lines are taken off the socket first and handed over once reading has returned.
void Listener::readLines(QLocalSocket *socket) {
    QStringList lines;
    while (socket->canReadLine())
        lines << QString::fromUtf8(socket->readLine()).chopped(1);
    if (socket->bytesAvailable() > kMaxMessageBytes)
        socket->abort();
    for (const QString &line : lines)
        QMetaObject::invokeMethod(
            this, [this, line, sender = QPointer<QLocalSocket>(socket)] { take(line, sender); },
            Qt::QueuedConnection);
}

// The answer promises that the text will be acted on, so a listener that has closed gives none:
// it hangs up, and the sender knows at once to go another way.
void Listener::take(const QString &text, QLocalSocket *sender) {
    if (!isListening()) {
        if (sender)
            sender->abort();
        return;
    }
    if (sender) {
        sender->write(kTakenAnswer);
        sender->flush(); // the handler may keep the event loop from writing for a long time
    }
    deliver(text);
}

void Listener::deliver(const QString &text) {
    if (holdsAlive > 0) {
        if (held_.isEmpty())
            listenersHolding().emplace_back(this);
        held_ << text;
        return;
    }
    if (isListening())
        handler_(text);
}

void Listener::handOverHeld() {
    for (const QString &text : std::exchange(held_, {}))
        QMetaObject::invokeMethod(
            this, [this, text] { deliver(text); }, Qt::QueuedConnection);
}

HeldBack::HeldBack() {
    ++holdsAlive;
}

HeldBack::~HeldBack() {
    if (--holdsAlive > 0)
        return;
    for (const QPointer<Listener> &listener : std::exchange(listenersHolding(), {}))
        if (listener)
            listener->handOverHeld();
}

} // namespace platform::localmessage
