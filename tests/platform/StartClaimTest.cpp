#include "platform/StartClaim.h"
#include "common/Eventually.h"
#include "common/OtherThread.h"
#include "common/TestHome.h"
#include "platform/LocalMessage.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <cerrno>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using platform::instance::Claim;
using platform::localmessage::Delivery;
using State = Claim::State;

namespace {

bool locksLikeNfs = false;

// NFS carries a lock out as a lock of a byte range, and an exclusive one needs a descriptor open
// for writing, which a folder cannot have. While one lives, this program's locks fail alike.
struct LocksLikeNfs {
    LocksLikeNfs() { locksLikeNfs = true; }
    ~LocksLikeNfs() { locksLikeNfs = false; }
};

} // namespace

extern "C" int flock(int descriptor, int operation) noexcept {
    static const auto system = reinterpret_cast<int (*)(int, int)>(::dlsym(RTLD_NEXT, "flock"));
    if (locksLikeNfs && (operation & LOCK_EX) && (::fcntl(descriptor, F_GETFL) & O_ACCMODE) == O_RDONLY) {
        errno = EBADF;
        return -1;
    }
    return system(descriptor, operation);
}

namespace {

TEST(StartClaimTest, OneStartHoldsTheDataFolderUntilItLetsGo) {
    testing::TestHome home;
    Claim first = Claim::take();
    EXPECT_EQ(first.state(), State::Held);
    EXPECT_TRUE(QDir(platform::paths::dataDir()).exists()) << "a first start finds no data folder";
    EXPECT_EQ(Claim::take().state(), State::HeldByOther);
    {
        testing::TestHome otherInstallation;
        EXPECT_EQ(Claim::take().state(), State::Held);
    }
    Claim moved = std::move(first);
    EXPECT_EQ(Claim::take().state(), State::HeldByOther) << "a moved claim is still held";
    moved.release();
    EXPECT_EQ(Claim::take().state(), State::Held);
}

TEST(StartClaimTest, TheClaimHoldsWhenItsLockFileIsRemoved) {
    testing::TestHome home;
    const Claim running = Claim::take();
    ASSERT_EQ(running.state(), State::Held);
    ASSERT_TRUE(QFile::remove(QDir(platform::paths::dataDir()).filePath("Runvella.lock")));
    EXPECT_EQ(Claim::take().state(), State::HeldByOther);
}

// A start of an earlier version of the program claims the folder by its lock file alone.
TEST(StartClaimTest, AStartThatLocksOnlyTheLockFileHoldsTheFolder) {
    testing::TestHome home;
    ASSERT_TRUE(QDir().mkpath(platform::paths::dataDir()));
    const QByteArray lockFile = QFile::encodeName(QDir(platform::paths::dataDir()).filePath("Runvella.lock"));
    const int earlier = ::open(lockFile.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(earlier, 0);
    ASSERT_EQ(::flock(earlier, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(Claim::take().state(), State::HeldByOther);
    ::close(earlier);
    EXPECT_EQ(Claim::take().state(), State::Held);
}

TEST(StartClaimTest, WhereTheFolderCannotBeLockedTheLockFileAloneHoldsTheClaim) {
    testing::TestHome home;
    const LocksLikeNfs nfs;
    Claim first = Claim::take();
    EXPECT_EQ(first.state(), State::Held);
    EXPECT_EQ(Claim::take().state(), State::HeldByOther);
    EXPECT_TRUE(Claim::isHeldByAnother());
    first.release();
    EXPECT_FALSE(Claim::isHeldByAnother());
    EXPECT_EQ(Claim::take().state(), State::Held);
}

TEST(StartClaimTest, AFolderThatCannotBeMadeCannotBeClaimed) {
    testing::TestHome home;
    QFile blocking(platform::paths::dataDir()); // a file where the data folder belongs
    ASSERT_TRUE(blocking.open(QIODevice::WriteOnly));
    EXPECT_EQ(Claim::take().state(), State::Unavailable);
}

// A program that the running one starts (a browser for the help, say) may outlive it; it must not
// keep the folder from the next start.
TEST(StartClaimTest, AProgramStartedMeanwhileDoesNotKeepTheClaim) {
    testing::TestHome home;
    Claim claim = Claim::take();
    ASSERT_EQ(claim.state(), State::Held);
    QProcess started;
    started.start("sleep", {"60"});
    ASSERT_TRUE(started.waitForStarted());
    claim.release();
    EXPECT_EQ(Claim::take().state(), State::Held);
    started.kill();
    started.waitForFinished();
}

class HandOverTest : public ::testing::Test {
protected:
    static constexpr const char *kName = "runvella-claim-test";

    testing::TestHome home;
    QStringList received;
    platform::localmessage::Listener listener{[this](const QString &text) { received << text; }};
};

TEST_F(HandOverTest, TheStartThatHoldsTheClaimAndListensGetsTheText) {
    const Claim running = Claim::take();
    ASSERT_TRUE(listener.listen(kName));
    const auto handOver = testing::fromAnotherThread([] {
        return platform::instance::claimOrHandOver(kName, "commandline go", std::chrono::milliseconds(10000));
    });
    EXPECT_EQ(handOver.delivery, Delivery::Taken);
    EXPECT_NE(handOver.claim.state(), State::Held);
    const QDeadlineTimer giveUp(10000);
    while (received.isEmpty() && !giveUp.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(received, QStringList{"commandline go"});
}

TEST_F(HandOverTest, AStartThatEndedBeforeListeningLeavesTheClaimToTheWaitingOne) {
    Claim ended = Claim::take();
    ended.release();
    const auto handOver =
        platform::instance::claimOrHandOver(kName, "commandline", std::chrono::milliseconds(0));
    EXPECT_EQ(handOver.delivery, Delivery::NotTaken);
    EXPECT_EQ(handOver.claim.state(), State::Held);
    EXPECT_EQ(Claim::take().state(), State::HeldByOther);
}

TEST_F(HandOverTest, AStartThatNeverListensIsGivenUpOn) {
    const Claim silent = Claim::take();
    const auto handOver =
        platform::instance::claimOrHandOver(kName, "commandline", std::chrono::milliseconds(0));
    EXPECT_EQ(handOver.delivery, Delivery::NotTaken);
    EXPECT_EQ(handOver.claim.state(), State::HeldByOther);
}

// A start that listens, then stops (a debugger, SIGSTOP) still lets the system take the text,
// but never answers that it did.
TEST_F(HandOverTest, AStartThatStoppedAfterListeningIsGivenUpOn) {
    const Claim stopped = Claim::take();
    ASSERT_TRUE(listener.listen(kName));
    const auto handOver =
        platform::instance::claimOrHandOver(kName, "commandline", std::chrono::milliseconds(300));
    EXPECT_EQ(handOver.delivery, Delivery::NoAnswer);
    EXPECT_EQ(handOver.claim.state(), State::HeldByOther);
}

// Something that is no socket in the socket's place stays there however long a start waits: the
// start says so at once instead of waiting for the running one to end.
TEST_F(HandOverTest, APlaceWhereNoSocketCanBeIsToldAtOnce) {
    Claim running = Claim::take();
    const QString socketPath = platform::localmessage::socketPath(kName);
    ASSERT_TRUE(QDir().mkpath(socketPath));
    auto handOver = testing::startOnAnotherThread(
        [] { return platform::instance::claimOrHandOver(kName, "commandline", std::chrono::hours(24)); });
    const bool told = testing::eventually(
        [&handOver] { return handOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    running.release(); // ends a start that waits for it after all
    const auto result = handOver.get();
    QDir().rmdir(socketPath);
    EXPECT_TRUE(told);
    EXPECT_EQ(result.delivery, Delivery::NoPlace);
    EXPECT_EQ(result.claim.state(), State::HeldByOther);
}

} // namespace
