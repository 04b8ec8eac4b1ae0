// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/displaycheck.h"

#include "format/echo.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace app {
namespace {

constexpr int connectTimeoutMs = 2000;
constexpr int firstX11Port = 6000;

// Closes the socket it holds when it goes.
class Socket
{
public:
    explicit Socket(int fd = -1) : m_fd(fd) {}
    ~Socket()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(Socket &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Socket &operator=(Socket &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// An X server resets when its last client leaves, and refuses connections
// meanwhile: on a server of its own (a kiosk, xvfb-run) the check's
// connection, closed at once, could make the window's own fail. It is kept
// until the application has connected.
Socket checkedX11Connection;

// Connects without blocking for longer than the timeout.
bool connectsWithin(int fd, const sockaddr *address, socklen_t length)
{
    if (::connect(fd, address, length) == 0)
        return true;
    if (errno != EINPROGRESS)
        return false;
    pollfd waiting{fd, POLLOUT, 0};
    if (::poll(&waiting, 1, connectTimeoutMs) != 1)
        return false;
    int error = 0;
    socklen_t size = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

// A path that starts with '@' names a socket in Linux's abstract namespace.
// The connection, or none.
Socket connectUnix(const std::string &path)
{
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof address.sun_path)
        return Socket();
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    if (path.front() == '@')
        address.sun_path[0] = '\0';
    const auto length =
        socklen_t(offsetof(sockaddr_un, sun_path) + path.size() + (path.front() == '@' ? 0 : 1));
    Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (socket.fd() >= 0 &&
        connectsWithin(socket.fd(), reinterpret_cast<const sockaddr *>(&address), length))
        return socket;
    return Socket();
}

Socket connectTcp(const std::string &host, int port)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return Socket();
    Socket connected;
    for (const addrinfo *entry = found; entry && connected.fd() < 0; entry = entry->ai_next) {
        Socket socket(
            ::socket(entry->ai_family, entry->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        if (socket.fd() >= 0 && connectsWithin(socket.fd(), entry->ai_addr, entry->ai_addrlen))
            connected = std::move(socket);
    }
    ::freeaddrinfo(found);
    return connected;
}

struct X11Display
{
    std::string host; // empty or "unix" for the local socket
    int number = 0;
};

// "[host]:number[.screen]"
std::optional<X11Display> parseX11Display(const std::string &name)
{
    const size_t colon = name.rfind(':');
    if (colon == std::string::npos || colon + 1 >= name.size())
        return std::nullopt;
    const std::string rest = name.substr(colon + 1);
    char *end = nullptr;
    const long number = std::strtol(rest.c_str(), &end, 10);
    if (end == rest.c_str() || (*end != '\0' && *end != '.') || number < 0 || number > 59535)
        return std::nullopt;
    return X11Display{name.substr(0, colon), int(number)};
}

bool x11ServerAnswers(const std::string &name)
{
    const std::optional<X11Display> display = parseX11Display(name);
    if (!display)
        return false;
    Socket connection;
    if (display->host.empty() || display->host == "unix") {
        const std::string path = "/tmp/.X11-unix/X" + std::to_string(display->number);
        connection = connectUnix(path);
        if (connection.fd() < 0)
            connection = connectUnix('@' + path);
    } else {
        connection = connectTcp(display->host, firstX11Port + display->number);
    }
    if (connection.fd() < 0)
        return false;
    checkedX11Connection = std::move(connection);
    return true;
}

bool waylandCompositorAnswers(const Environment &environment)
{
    const std::string name = environment("WAYLAND_DISPLAY");
    if (name.empty())
        return false;
    if (name.front() == '/')
        return connectUnix(name).fd() >= 0;
    const std::string runtimeDir = environment("XDG_RUNTIME_DIR");
    return !runtimeDir.empty() && connectUnix(runtimeDir + '/' + name).fd() >= 0;
}

} // namespace

std::string processEnvironment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : std::string();
}

void releaseCheckedDisplay()
{
    checkedX11Connection = Socket();
}

bool displayUsable(const Environment &environment)
{
    // Qt tries the platforms of a "a;b" list in turn; the first decides here.
    const std::string platforms = environment("QT_QPA_PLATFORM");
    const std::string platform = platforms.substr(0, platforms.find(';'));
    const bool wantsX11 = platform.empty() || platform.starts_with("xcb");
    const bool wantsWayland = platform.empty() || platform.starts_with("wayland");
    if (!wantsX11 && !wantsWayland)
        return true;
    return (wantsX11 && x11ServerAnswers(environment("DISPLAY"))) ||
           (wantsWayland && waylandCompositorAnswers(environment));
}

} // namespace app

namespace app {
namespace {

// Qt takes the first platform of an "a;b" list that starts; a platform's
// options follow a colon.
std::vector<std::string> platformNames(const std::string &list)
{
    std::vector<std::string> names;
    std::stringstream stream(list);
    for (std::string entry; std::getline(stream, entry, ';');)
        if (!entry.empty())
            names.push_back(entry.substr(0, entry.find(':')));
    return names;
}

// A plugin "xcb" is libqxcb.so; "wayland" is served by libqwayland-*.so.
bool pluginInstalled(const std::string &name, const Environment &environment)
{
    std::vector<std::string> folders{QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString() +
                                     "/platforms"};
    if (const std::string extra = environment("QT_QPA_PLATFORM_PLUGIN_PATH"); !extra.empty())
        folders.push_back(extra);
    for (const std::string &folder : folders) {
        std::error_code error;
        for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
            const std::string file = entry.path().filename().string();
            if (file == "libq" + name + ".so" || file.starts_with("libq" + name + '-'))
                return true;
        }
    }
    return false;
}

std::string line(const char *text)
{
    return QCoreApplication::translate("displaycheck", text).toLocal8Bit().toStdString();
}

} // namespace

std::string displayRefusal(const WindowOptions &options, const Environment &environment)
{
    const std::string list =
        options.platform.empty() ? environment("QT_QPA_PLATFORM") : options.platform;
    const auto lookup = [&](const char *name) {
        if (std::string_view(name) == "QT_QPA_PLATFORM")
            return list;
        if (std::string_view(name) == "DISPLAY" && !options.display.empty())
            return options.display;
        return environment(name);
    };
    std::vector<std::string> names = platformNames(list);
    if (names.empty())
        return displayUsable(lookup) ? std::string() : line(noDisplayMessage);
    const bool wayland =
        std::ranges::any_of(names, [](const std::string &n) { return n.starts_with("wayland"); });
    for (const std::string &name : names) {
        if (!pluginInstalled(name, environment))
            continue;
        const auto one = [&](const char *variable) {
            return std::string_view(variable) == "QT_QPA_PLATFORM" ? name : lookup(variable);
        };
        if (displayUsable(one))
            return {};
    }
    if (wayland)
        return line(QT_TRANSLATE_NOOP(
            "displaycheck", "solvetra: nessun compositore Wayland raggiungibile (WAYLAND_DISPLAY "
                            "assente o non raggiungibile); avvia il programma da una sessione "
                            "Wayland.\n"));
    if (std::ranges::none_of(names,
                             [&](const std::string &n) { return pluginInstalled(n, environment); }))
        return line(QT_TRANSLATE_NOOP(
            "displaycheck", "solvetra: la piattaforma grafica richiesta (-platform o "
                            "QT_QPA_PLATFORM) non è installata; toglila per usare quella del "
                            "sistema.\n"));
    return line(noDisplayMessage);
}

std::string dropUnusableScaleFactor()
{
    const char *set = std::getenv("QT_SCALE_FACTOR");
    if (!set || !*set)
        return {};
    const std::string value = set;
    char *end = nullptr;
    const double factor = std::strtod(value.c_str(), &end);
    if (*end == '\0' && std::isfinite(factor) && factor >= minScaleFactor &&
        factor <= maxScaleFactor)
        return {};
    ::unsetenv("QT_SCALE_FACTOR");
    return QCoreApplication::translate("displaycheck",
                                       "solvetra: QT_SCALE_FACTOR=%1 ignorato: vale da %2 a %3; "
                                       "uso 1.\n")
        .arg(format::echoed(QString::fromLocal8Bit(value.c_str())))
        .arg(minScaleFactor)
        .arg(maxScaleFactor)
        .toLocal8Bit()
        .toStdString();
}

} // namespace app
