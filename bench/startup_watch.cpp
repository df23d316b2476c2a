// Starts a program under an X server and tells how long, from its start, its first window and then
// its first ordinary window of a given title took to be mapped, in milliseconds:
//   startup_watch <title pattern> <program> [arguments...]
// prints "first_window_ms=<t> window_ms=<t>" and ends the program. A splash screen counts as a first
// window, never as the window looked for. Exits 1 when the window is not mapped within 60 s.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <poll.h>
#include <regex>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t *x, const char *name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::string(name).size()), name),
                              nullptr),
        &free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<char> property(xcb_connection_t *x, xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, name, type, 0, 1024), nullptr), &free);
    if (!reply)
        return {};
    const auto *bytes = static_cast<const char *>(xcb_get_property_value(reply.get()));
    return {bytes, bytes + xcb_get_property_value_length(reply.get())};
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_watch <title pattern> <program> [arguments...]\n");
        return 2;
    }
    const std::regex wanted(argv[1]);
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup_watch: no X server\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &events);
    const xcb_atom_t netName = atom(x, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(x, "UTF8_STRING");
    const xcb_atom_t windowType = atom(x, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t splashType = atom(x, "_NET_WM_WINDOW_TYPE_SPLASH");
    xcb_flush(x);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    std::optional<double> firstWindow;
    std::optional<double> window;
    pollfd connection{xcb_get_file_descriptor(x), POLLIN, 0};
    while (!window && millisecondsSince(start) < 60000) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            poll(&connection, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const double at = millisecondsSince(start);
            const xcb_window_t mapped = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
            if (!firstWindow)
                firstWindow = at;
            std::vector<char> title = property(x, mapped, netName, utf8);
            if (title.empty())
                title = property(x, mapped, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
            const std::vector<char> types = property(x, mapped, windowType, XCB_ATOM_ATOM);
            bool splash = false;
            for (std::size_t i = 0; i + sizeof(xcb_atom_t) <= types.size(); i += sizeof(xcb_atom_t))
                splash = splash || *reinterpret_cast<const xcb_atom_t *>(types.data() + i) == splashType;
            if (!splash && std::regex_search(std::string(title.begin(), title.end()), wanted))
                window = at;
        }
        free(event);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    if (!window) {
        std::fprintf(stderr, "startup_watch: no window matching \"%s\"\n", argv[1]);
        return 1;
    }
    std::printf("first_window_ms=%.1f window_ms=%.1f\n", *firstWindow, *window);
    return 0;
}
