#include "platform/StartClaim.h"

#include "platform/Paths.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform::instance {
namespace {

// How often a waiting start looks again whether the one that holds the claim listens yet.
constexpr unsigned long kLookAgainMs = 50;

QString claimPath() {
    return QDir(paths::dataDir()).filePath(QStringLiteral("Runvella.lock"));
}

// Opens the path and locks it without waiting: its descriptor, or -1 with errno telling why not.
int openLocked(const QString &path, int flags) {
    // Not inherited by the programs this one starts, which would hold the claim after it ended.
    const int descriptor = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return -1;
    int locked;
    do
        locked = ::flock(descriptor, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked == 0)
        return descriptor;
    const int cause = errno;
    ::close(descriptor);
    errno = cause;
    return -1;
}

Claim::State stateAfterFailure(int cause) {
    return cause == EWOULDBLOCK ? Claim::State::HeldByOther : Claim::State::Unavailable;
}

} // namespace

// The folder's lock holds even when its lock file is removed, since a folder that holds the
// database cannot be removed. The lock file is locked as well, for a start of an earlier version
// of the program, which knows only that one, and it alone holds the claim where a folder cannot
// be locked: on NFS an exclusive lock needs a descriptor open for writing, which a folder has not.
Claim Claim::take() {
    if (!QDir().mkpath(paths::dataDir()))
        return Claim(-1, -1, State::Unavailable);
    const int folder = openLocked(paths::dataDir(), O_RDONLY | O_DIRECTORY);
    if (folder < 0 && errno == EWOULDBLOCK)
        return Claim(-1, -1, State::HeldByOther);
    const int file = openLocked(claimPath(), O_RDWR | O_CREAT);
    if (file < 0) {
        const State state = stateAfterFailure(errno);
        if (folder >= 0)
            ::close(folder);
        return Claim(-1, -1, state);
    }
    return Claim(folder, file, State::Held);
}

// A shared lock is refused only while a start holds the exclusive one; it is let go at once.
bool Claim::isHeldByAnother() {
    for (const auto &[path, flags] : {std::pair(paths::dataDir(), O_DIRECTORY), std::pair(claimPath(), 0)}) {
        const int descriptor = ::open(QFile::encodeName(path).constData(), flags | O_RDONLY | O_CLOEXEC);
        if (descriptor < 0)
            continue;
        int locked;
        do
            locked = ::flock(descriptor, LOCK_SH | LOCK_NB);
        while (locked != 0 && errno == EINTR);
        const bool held = locked != 0 && errno == EWOULDBLOCK;
        ::close(descriptor);
        if (held)
            return true;
    }
    return false;
}

Claim::Claim(Claim &&other) noexcept
    : folder_(std::exchange(other.folder_, -1)), file_(std::exchange(other.file_, -1)), state_(other.state_) {
}

Claim &Claim::operator=(Claim &&other) noexcept {
    if (this != &other) {
        release();
        folder_ = std::exchange(other.folder_, -1);
        file_ = std::exchange(other.file_, -1);
        state_ = other.state_;
    }
    return *this;
}

Claim::~Claim() {
    release();
}

// Each lock goes with its last descriptor; the lock file stays, since removing it could let a
// start of an earlier version lock a new file while another still holds the old one.
void Claim::release() {
    for (int *descriptor : {&folder_, &file_})
        if (*descriptor >= 0)
            ::close(std::exchange(*descriptor, -1));
}

HandOver claimOrHandOver(const QString &socketName, const QString &text, std::chrono::milliseconds patience) {
    using localmessage::Delivery;
    const QDeadlineTimer giveUp(patience);
    for (;;) {
        Claim claim = Claim::take();
        if (claim.state() == Claim::State::Held)
            return {Delivery::NotTaken, std::move(claim)};
        const Delivery delivery =
            localmessage::send(socketName, text, std::chrono::milliseconds(giveUp.remainingTime()));
        if (delivery != Delivery::NotTaken || claim.state() == Claim::State::Unavailable ||
            giveUp.hasExpired())
            return {delivery, std::move(claim)};
        QThread::msleep(kLookAgainMs);
    }
}

// Whether to wait is asked after each send: a start that claimed the folder meanwhile is still
// starting, and one that has ended is not worth waiting for.
localmessage::Delivery handOver(const QString &socketName, const QString &text,
                                std::chrono::milliseconds patience) {
    using localmessage::Delivery;
    if (!QFileInfo(paths::dataDir()).isDir())
        return Delivery::NotTaken;
    const QDeadlineTimer giveUp(patience);
    for (;;) {
        const Delivery delivery =
            localmessage::send(socketName, text, std::chrono::milliseconds(giveUp.remainingTime()));
        if (delivery != Delivery::NotTaken || !Claim::isHeldByAnother() || giveUp.hasExpired())
            return delivery;
        QThread::msleep(kLookAgainMs);
    }
}

} // namespace platform::instance
