#include "common/Eventually.h"
#include "common/TestHome.h"
#include "core/modInstance.h"
#include "platform/LocalMessage.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using testing::eventually;
using testing::kOtherProgramPatienceMs;

// The program on an X server of its own (Xvfb), where the test sees its windows and what it asks
// of a window manager, as a window manager would.
class OnAnXServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (!QFileInfo::exists(program) || xvfb.isEmpty())
            GTEST_SKIP() << "needs the program beside the tests and Xvfb";
        server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        ASSERT_TRUE(server.waitForStarted());
        QByteArray number;
        const QDeadlineTimer giveUp(kOtherProgramPatienceMs);
        // A loaded machine may take Xvfb several seconds to name its display.
        while (!number.contains('\n') && !giveUp.hasExpired() && server.state() == QProcess::Running) {
            server.waitForReadyRead(1000);
            number += server.readAllStandardOutput();
        }
        ASSERT_TRUE(number.contains('\n')) << "Xvfb named no display";
        const QByteArray display = ':' + number.trimmed();

        x = xcb_connect(display.constData(), nullptr);
        ASSERT_EQ(xcb_connection_has_error(x), 0);
        root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
        const std::uint32_t watched = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &watched);
        xcb_flush(x);

        // Started as after its first start, without the first-run wizard.
        ASSERT_TRUE(
            platform::settings::writeEntry(platform::settings::rootFile(platform::settings::kProgramRoot),
                                           platform::settings::kProgramKey, "ShowPrefs", "No"));
        environment.insert("RUNVELLA_HOME", home.path());
        environment.insert("DISPLAY", QString::fromLatin1(display));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        running.setProcessEnvironment(environment);
        running.start(program, {});
        ASSERT_TRUE(running.waitForStarted());
    }

    void TearDown() override {
        for (QProcess *process : {&running, &server}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }
        if (x)
            xcb_disconnect(x);
    }

    static bool listening() {
        QLocalSocket probe;
        probe.connectToServer(platform::localmessage::socketPath(modInstance::kSocketName));
        return probe.waitForConnected(1000);
    }

    xcb_atom_t atom(const char *name) {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    QByteArray property(xcb_window_t window, const char *name) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(x, xcb_get_property(x, 0, window, atom(name), XCB_ATOM_ANY, 0, 1024),
                                   nullptr),
            &std::free);
        if (!reply)
            return {};
        return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    }

    // The program's shown windows of ordinary kind (not its splash), by their titles.
    QList<std::pair<xcb_window_t, QString>> shownNormalWindows() {
        QList<std::pair<xcb_window_t, QString>> shown;
        std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
            xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr), &std::free);
        if (!tree)
            return shown;
        const xcb_window_t *children = xcb_query_tree_children(tree.get());
        const xcb_atom_t normalType = atom("_NET_WM_WINDOW_TYPE_NORMAL");
        const QByteArray normal(reinterpret_cast<const char *>(&normalType), sizeof normalType);
        for (int index = 0; index < xcb_query_tree_children_length(tree.get()); ++index) {
            std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
                xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, children[index]), nullptr),
                &std::free);
            if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
                continue;
            // The first of the kinds is the one meant; later ones are fallbacks.
            if (!property(children[index], "_NET_WM_WINDOW_TYPE").startsWith(normal))
                continue;
            shown.append({children[index], QString::fromUtf8(property(children[index], "_NET_WM_NAME"))});
        }
        return shown;
    }

    testing::TestHome home;
    const QString program = QCoreApplication::applicationDirPath() + "/Runvella";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess server;
    QProcess running;
    xcb_connection_t *x = nullptr;
    xcb_window_t root = XCB_WINDOW_NONE;
};

TEST_F(OnAnXServerTest, TheMainWindowsTitleNamesTheProgramOnce) {
    QList<std::pair<xcb_window_t, QString>> shown;
    ASSERT_TRUE(eventually([&] { return !(shown = shownNormalWindows()).isEmpty(); }))
        << "the main window never showed";
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].second.trimmed(), "Runvella");
}

TEST_F(OnAnXServerTest, ASecondStartBringsTheRunningWindowForward) {
    ASSERT_TRUE(eventually(listening)) << "the running program never listened";
    QList<std::pair<xcb_window_t, QString>> shown;
    ASSERT_TRUE(eventually([&] { return !(shown = shownNormalWindows()).isEmpty(); }));

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(kOtherProgramPatienceMs));
    EXPECT_EQ(second.exitCode(), 0);

    // Asked of the window manager as the user's own tools ask, which it grants.
    const xcb_atom_t activate = atom("_NET_ACTIVE_WINDOW");
    bool asked = false;

    eventually([&] {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
                const auto *message = reinterpret_cast<xcb_client_message_event_t *>(event);
                if (message->type == activate && message->window == shown[0].first &&
                    message->data.data32[0] == 2)
                    asked = true;
            }
            std::free(event);
        }
        return asked;
    });
    EXPECT_TRUE(asked);
}

} // namespace
