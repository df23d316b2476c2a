#include "platform/LocalMessage.h"
#include "common/TestHome.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace platform::localmessage;

namespace {

class LocalMessageTest : public ::testing::Test {
protected:
    // Lets the listener read what was sent; gives up rather than hang when nothing comes.
    void receive(qsizetype count) {
        QDeadlineTimer giveUp(10000);
        while (received.size() < count && !giveUp.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    testing::TestHome home;
    QStringList received;
    Listener listener{[this](const QString &text) { received << text; }};
};

TEST_F(LocalMessageTest, NothingIsDeliveredWhenNobodyListens) {
    EXPECT_FALSE(send("runvella-test", "eggconnected"));
}

TEST_F(LocalMessageTest, EachSentLineArrivesWhole) {
    ASSERT_TRUE(listener.listen("runvella-test"));
    EXPECT_TRUE(send("runvella-test", "eggconnected"));
    EXPECT_TRUE(send("runvella-test", QString::fromUtf8("commandline a\nb é")));
    receive(2);
    EXPECT_EQ(received, (QStringList{"eggconnected", QString::fromUtf8("commandline a b é")}));
}

TEST_F(LocalMessageTest, OneListenerPerNameAndNoneAfterClose) {
    ASSERT_TRUE(listener.listen("runvella-test"));
    Listener second([](const QString &) {});
    EXPECT_FALSE(second.listen("runvella-test"));
    listener.close();
    EXPECT_FALSE(send("runvella-test", "eggconnected"));
    EXPECT_TRUE(second.listen("runvella-test"));
}

TEST_F(LocalMessageTest, SocketLeftByAnEndedProcessIsTakenOver) {
    const QByteArray path = QFile::encodeName(socketPath("runvella-test"));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(std::size_t(path.size()), sizeof(address.sun_path));
    std::copy(path.begin(), path.end(), address.sun_path);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd); // the socket file stays, with nobody behind it

    ASSERT_TRUE(listener.listen("runvella-test"));
    EXPECT_TRUE(send("runvella-test", "eggconnected"));
    receive(1);
    EXPECT_EQ(received, QStringList{"eggconnected"});
}

TEST_F(LocalMessageTest, AHandlerThatRunsAModalWindowOutlivesTheSocketItCameFrom) {
    bool handled = false;
    Listener *modal = nullptr;
    Listener listening([&](const QString &) {
        // Like a message box answered later: its own event loop runs until the sender's
        // connection has closed, and whatever that loop deletes stays deleted.
        QList<QPointer<QLocalSocket>> sockets;
        for (QLocalSocket *socket : modal->findChildren<QLocalSocket *>())
            sockets << socket;
        const auto allClosed = [&] {
            return std::all_of(sockets.begin(), sockets.end(), [](const QPointer<QLocalSocket> &socket) {
                return !socket || socket->state() == QLocalSocket::UnconnectedState;
            });
        };
        QEventLoop loop;
        QTimer poll;
        const QDeadlineTimer giveUp(10000);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (allClosed() || giveUp.hasExpired())
                loop.quit();
        });
        poll.start(5);
        loop.exec();
        EXPECT_TRUE(allClosed());
        handled = true;
    });
    modal = &listening;
    ASSERT_TRUE(listening.listen("runvella-test"));
    ASSERT_TRUE(send("runvella-test", "eggconnected"));

    QDeadlineTimer giveUp(10000);
    while (!handled && !giveUp.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(handled);
    // The program goes on listening.
    EXPECT_TRUE(send("runvella-test", "eggconnected"));
}

TEST(LocalMessagePath, EachHomeHasItsOwnShortSocket) {
    testing::TestHome first;
    const QString firstPath = socketPath("runvella-eggconnected");
    testing::TestHome second;
    EXPECT_NE(socketPath("runvella-eggconnected"), firstPath);
    EXPECT_LT(QFile::encodeName(firstPath).size(), 108);
}

TEST(LocalMessagePath, AHomeTooDeepForASocketPathStillMeetsItsSecondStart) {
    testing::TestHome home;
    const QString deep = home.path() + "/" + QString(90, 'd') + "/" + QString(90, 'e');
    ASSERT_TRUE(QDir().mkpath(deep));
    const QByteArray previous = qgetenv("RUNVELLA_HOME");
    qputenv("RUNVELLA_HOME", deep.toUtf8());

    QStringList received;
    Listener first([&](const QString &text) { received << text; });
    EXPECT_TRUE(first.listen("runvella-eggconnected"));
    EXPECT_TRUE(send("runvella-eggconnected", "commandline startdownloadingnow"));
    QDeadlineTimer giveUp(10000);
    while (received.isEmpty() && !giveUp.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(received, QStringList{"commandline startdownloadingnow"});
    first.close();
    qputenv("RUNVELLA_HOME", previous);
}

} // namespace
