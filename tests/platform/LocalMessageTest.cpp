#include "platform/LocalMessage.h"
#include "common/TestHome.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <gtest/gtest.h>

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

TEST(LocalMessagePath, EachHomeHasItsOwnSocket) {
    testing::TestHome first;
    const QString firstPath = socketPath("runvella-eggconnected");
    testing::TestHome second;
    EXPECT_NE(socketPath("runvella-eggconnected"), firstPath);
    EXPECT_TRUE(firstPath.startsWith(first.path()));
}

} // namespace
