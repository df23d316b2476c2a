#include "platform/WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform::windows {
namespace {

// The source of an activation request: 2 is a pager or other tool acting for the user, which
// the window manager's focus-stealing prevention lets through.
constexpr std::uint32_t kRequestedByTheUser = 2;

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name) {
    const ReplyPointer<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_window_t rootOf(xcb_connection_t *connection, xcb_window_t window) {
    const ReplyPointer<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
    return tree ? tree->root : xcb_window_t(XCB_WINDOW_NONE);
}

// The window manager's activation request of the EWMH, sent to the root window.
void askTheWindowManager(QWidget &window) {
    // Qt's offscreen platform answers as an X11 one even without an X server behind it.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_window_t root = rootOf(connection, id);
    const xcb_atom_t activate = internAtom(connection, "_NET_ACTIVE_WINDOW");
    if (root == XCB_WINDOW_NONE || activate == XCB_ATOM_NONE)
        return;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = activate;
    request.data.data32[0] = kRequestedByTheUser;
    request.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);
}

} // namespace

void bringToFront(QWidget &window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    askTheWindowManager(window);
}

} // namespace platform::windows
