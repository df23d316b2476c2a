#include "platform/LocalMessage.h"
#include "common/OtherThread.h"
#include "common/TestHome.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace platform::localmessage;

namespace {

constexpr std::chrono::milliseconds kPatience{10000};

// Sends from another program while this one serves its listeners.
Delivery sendServed(const QString &name, const QString &text) {
    return testing::fromAnotherThread([=] { return send(name, text, kPatience); });
}

class LocalMessageTest : public ::testing::Test {
protected:
    // Lets the listener read what was sent; gives up rather than hang when nothing comes.
    void receive(qsizetype count) {
        QDeadlineTimer giveUp(10000);
        while (received.size() < count && !giveUp.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    static void serveFor(int milliseconds) {
        const QDeadlineTimer over(milliseconds);
        while (!over.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    testing::TestHome home;
    QStringList received;
    Listener listener{[this](const QString &text) { received << text; }};
};

TEST_F(LocalMessageTest, NothingIsDeliveredWhenNobodyListens) {
    EXPECT_EQ(send("runvella-test", "eggconnected", kPatience), Delivery::NotTaken);
}

TEST_F(LocalMessageTest, EachSentLineArrivesWhole) {
    ASSERT_TRUE(listener.listen("runvella-test"));
    EXPECT_EQ(sendServed("runvella-test", "eggconnected"), Delivery::Taken);
    EXPECT_EQ(sendServed("runvella-test", QString::fromUtf8("commandline a\nb é")), Delivery::Taken);
    receive(2);
    EXPECT_EQ(received, (QStringList{"eggconnected", QString::fromUtf8("commandline a b é")}));
}

TEST_F(LocalMessageTest, TextsHeldBackArriveInOrderWhenTheLastHoldEnds) {
    ASSERT_TRUE(listener.listen("runvella-test"));
    {
        const HeldBack outer;
        ASSERT_EQ(sendServed("runvella-test", "first"), Delivery::Taken);
        {
            const HeldBack inner;
            ASSERT_EQ(sendServed("runvella-test", "second"), Delivery::Taken);
            serveFor(200);
        }
        serveFor(200);
        EXPECT_TRUE(received.isEmpty());
    }
    receive(2);
    EXPECT_EQ(received, (QStringList{"first", "second"}));
}

TEST_F(LocalMessageTest, OneListenerPerNameAndNoneAfterClose) {
    ASSERT_TRUE(listener.listen("runvella-test"));
    Listener second([](const QString &) {});
    EXPECT_FALSE(second.listen("runvella-test"));
    listener.close();
    EXPECT_EQ(send("runvella-test", "eggconnected", kPatience), Delivery::NotTaken);
    EXPECT_TRUE(second.listen("runvella-test"));
}

// A program that closes between taking a connection and reading the text on it acts on the text
// no more: it must not answer, so that its sender goes another way.
TEST_F(LocalMessageTest, ATextThatComesAsItsListenerClosesIsRefused) {
    ASSERT_TRUE(listener.listen("runvella-test"));
    auto *server = listener.findChild<QLocalServer *>();
    ASSERT_NE(server, nullptr);
    QObject::connect(server, &QLocalServer::newConnection, &listener, [this] { listener.close(); });
    auto sent =
        testing::startOnAnotherThread([] { return send("runvella-test", "eggconnected", kPatience); });
    EXPECT_EQ(testing::waitServing(sent), Delivery::NotTaken);
    serveFor(200);
    EXPECT_TRUE(received.isEmpty());
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
    EXPECT_EQ(sendServed("runvella-test", "eggconnected"), Delivery::Taken);
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
    ASSERT_EQ(sendServed("runvella-test", "eggconnected"), Delivery::Taken);

    QDeadlineTimer giveUp(10000);
    while (!handled && !giveUp.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(handled);
    // The program goes on listening.
    EXPECT_EQ(sendServed("runvella-test", "eggconnected"), Delivery::Taken);
}

TEST(LocalMessagePath, EachHomeHasItsOwnShortSocket) {
    testing::TestHome first;
    const QString firstPath = socketPath("runvella-eggconnected");
    testing::TestHome second;
    EXPECT_NE(socketPath("runvella-eggconnected"), firstPath);
    EXPECT_LT(QFile::encodeName(firstPath).size(), 108);
}

// Sets an environment variable, or removes it for an empty value, for as long as it lives.
class EnvironmentScope {
public:
    EnvironmentScope(const char *name, const QByteArray &value) : name_(name), previous_(qgetenv(name)) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvironmentScope() {
        if (previous_.isNull())
            qunsetenv(name_);
        else
            qputenv(name_, previous_);
    }

private:
    const char *name_;
    QByteArray previous_;
};

// Without a runtime folder the socket lies in a folder of the user's own, closed to others, that
// it makes itself; a folder of that name that is someone else's, open to others or a link is
// never used.
TEST(LocalMessagePath, WithoutARuntimeFolderTheSocketLiesInAFolderOfTheUsersOwn) {
    const struct {
        const char *found;
        std::function<bool(const QString &own)> make; // false when this system cannot make it
        bool used;
    } cases[] = {
        {"nothing", [](const QString &) { return true; }, true},
        {"the user's own closed folder",
         [](const QString &own) { return ::mkdir(QFile::encodeName(own), 0700) == 0; }, true},
        {"a folder open to others",
         [](const QString &own) {
             return ::mkdir(QFile::encodeName(own), 0700) == 0 && ::chmod(QFile::encodeName(own), 0777) == 0;
         },
         false},
        {"another user's folder",
         [](const QString &own) {
             return ::mkdir(QFile::encodeName(own), 0700) == 0 &&
                    ::chown(QFile::encodeName(own), getuid() + 1000, getgid()) == 0;
         },
         false},
        {"a link to a folder of the user's",
         [](const QString &own) {
             return QDir().mkpath(own + "-elsewhere") &&
                    ::chmod(QFile::encodeName(own + "-elsewhere"), 0700) == 0 &&
                    QFile::link(own + "-elsewhere", own);
         },
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.found);
        testing::TestHome home;
        QTemporaryDir shared;
        const EnvironmentScope noRuntime("XDG_RUNTIME_DIR", {});
        const EnvironmentScope temporary("TMPDIR", QFile::encodeName(shared.path()));
        const QString own = shared.filePath(QStringLiteral("runvella-%1").arg(getuid()));
        if (!c.make(own))
            continue; // only the superuser can give a folder to another user

        const QString path = socketPath("runvella-test");
        EXPECT_EQ(QFileInfo(path).path() == own, c.used) << path.toStdString();
        if (c.used) {
            struct stat made {};
            ASSERT_EQ(::stat(QFile::encodeName(own), &made), 0);
            EXPECT_EQ(made.st_mode & 0777, 0700u);
            Listener listener([](const QString &) {});
            EXPECT_TRUE(listener.listen("runvella-test"));
            EXPECT_EQ(sendServed("runvella-test", "eggconnected"), Delivery::Taken);
        }
    }
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
    EXPECT_EQ(sendServed("runvella-eggconnected", "commandline startdownloadingnow"), Delivery::Taken);
    QDeadlineTimer giveUp(10000);
    while (received.isEmpty() && !giveUp.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(received, QStringList{"commandline startdownloadingnow"});
    first.close();
    qputenv("RUNVELLA_HOME", previous);
}

} // namespace
