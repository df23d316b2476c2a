#include "platform/StartClaim.h"

#include "platform/LocalMessage.h"
#include "platform/Paths.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
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

} // namespace

Claim Claim::take() {
    if (!QDir().mkpath(paths::dataDir()))
        return Claim(-1, State::Unavailable);
    // Not inherited by the programs this one starts, which would hold the claim after it ended.
    const int descriptor =
        ::open(QFile::encodeName(claimPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return Claim(-1, State::Unavailable);
    int locked;
    do
        locked = ::flock(descriptor, LOCK_EX | LOCK_NB);
    while (locked != 0 && errno == EINTR);
    if (locked == 0)
        return Claim(descriptor, State::Held);
    const State state = errno == EWOULDBLOCK ? State::HeldByOther : State::Unavailable;
    ::close(descriptor);
    return Claim(-1, state);
}

Claim::Claim(Claim &&other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), state_(other.state_) {}

Claim &Claim::operator=(Claim &&other) noexcept {
    if (this != &other) {
        release();
        descriptor_ = std::exchange(other.descriptor_, -1);
        state_ = other.state_;
    }
    return *this;
}

Claim::~Claim() {
    release();
}

// The lock goes with the file's last descriptor; the file stays, since removing it could let a
// later start lock a new file while another still holds the old one.
void Claim::release() {
    if (descriptor_ >= 0)
        ::close(std::exchange(descriptor_, -1));
}

HandOver claimOrHandOver(const QString &socketName, const QString &text, std::chrono::milliseconds patience) {
    const QDeadlineTimer giveUp(patience);
    for (;;) {
        Claim claim = Claim::take();
        if (claim.state() == Claim::State::Held)
            return {false, std::move(claim)};
        if (localmessage::send(socketName, text))
            return {true, std::move(claim)};
        if (claim.state() == Claim::State::Unavailable || giveUp.hasExpired())
            return {false, std::move(claim)};
        QThread::msleep(kLookAgainMs);
    }
}

} // namespace platform::instance
