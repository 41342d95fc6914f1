// Starts a program and reports how long it took until a top-level window with the given title
// was mapped on the X server, and the program's peak resident memory shortly after.
// Usage: mapwait TITLE PROGRAM [ARGS...]   prints: <milliseconds> <peak kB>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{

std::string windowTitle(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                        xcb_atom_t type)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, property, type, 0, 1024);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (reply == nullptr) {
        return {};
    }
    const std::string title(static_cast<const char *>(xcb_get_property_value(reply)),
                            static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return title;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result =
        reply != nullptr ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

long peakKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: mapwait TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "mapwait: cannot connect to the X server\n");
        return 1;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    const int fd = xcb_get_file_descriptor(connection);
    double elapsedMs = -1;
    while (elapsedMs < 0) {
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, 20000) <= 0) {
            break;
        }
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                const std::string title =
                    windowTitle(connection, map->window, netWmName, utf8) == wanted
                        ? wanted
                        : windowTitle(connection, map->window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
                if (title == wanted && elapsedMs < 0) {
                    elapsedMs = std::chrono::duration<double, std::milli>(
                                    std::chrono::steady_clock::now() - start)
                                    .count();
                }
            }
            std::free(event);
        }
    }
    // Let start-up settle, so the peak covers what the first window needed.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long peak = peakKilobytes(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    if (elapsedMs < 0) {
        std::fprintf(stderr, "mapwait: no window titled '%s' was mapped\n", wanted.c_str());
        return 1;
    }
    std::printf("%.1f %ld\n", elapsedMs, peak);
    return 0;
}
