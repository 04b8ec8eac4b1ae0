// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/displaycheck.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>
#include <string_view>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A listening socket that accepts nothing: enough for a connect to succeed.
class Listener
{
public:
    ~Listener()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    // '@' first names Linux's abstract namespace.
    bool listenUnix(const std::string &path)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.data(), path.size());
        const bool abstract = path.front() == '@';
        if (abstract)
            address.sun_path[0] = '\0';
        else
            ::unlink(path.c_str());
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const auto length =
            socklen_t(offsetof(sockaddr_un, sun_path) + path.size() + (abstract ? 0 : 1));
        return ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) == 0 &&
               ::listen(m_fd, 1) == 0;
    }
    bool listenTcp(int port)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(quint16(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        return ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
               ::listen(m_fd, 1) == 0;
    }
    // The server's end of a connection already made.
    int accepted() const { return ::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK); }

private:
    int m_fd = -1;
};

std::string x11Path(int display)
{
    return "/tmp/.X11-unix/X" + std::to_string(display);
}

// A display number that no local X server serves: its socket could be taken.
int unservedDisplay()
{
    for (int display = 4700;; ++display) {
        if (QFile::exists(QString::fromStdString(x11Path(display))))
            continue;
        if (Listener().listenUnix('@' + x11Path(display)) && Listener().listenTcp(6000 + display))
            return display;
    }
}

} // namespace

class TestDisplayCheck : public QObject
{
    Q_OBJECT

private slots:
    void displayUsable_data();
    void displayUsable();
    void programSaysSoAndExits_data();
    void programSaysSoAndExits();
    void platformOptionNeedsNoDisplay();
    void checkStaysTheServersClientUntilReleased();

private:
    QTemporaryDir m_runtimeDir;
};

using Variables = std::map<std::string, std::string>;
Q_DECLARE_METATYPE(Variables)

enum class Serve { Nothing, X11Abstract, X11Tcp, Wayland };
Q_DECLARE_METATYPE(Serve)

void TestDisplayCheck::displayUsable_data()
{
    QTest::addColumn<Variables>("environment");
    QTest::addColumn<Serve>("serve");
    QTest::addColumn<bool>("usable");

    const std::string free = ':' + std::to_string(unservedDisplay());
    const std::string runtime = m_runtimeDir.path().toStdString();
    QTest::newRow("nothing set") << Variables{} << Serve::Nothing << false;
    QTest::newRow("DISPLAY empty") << Variables{{"DISPLAY", ""}} << Serve::Nothing << false;
    QTest::newRow("DISPLAY not served") << Variables{{"DISPLAY", free}} << Serve::Nothing << false;
    QTest::newRow("DISPLAY with screen, not served")
        << Variables{{"DISPLAY", free + ".0"}} << Serve::Nothing << false;
    QTest::newRow("DISPLAY on a host, not served")
        << Variables{{"DISPLAY", "127.0.0.1" + free}} << Serve::Nothing << false;
    QTest::newRow("DISPLAY garbage")
        << Variables{{"DISPLAY", "nonsense"}} << Serve::Nothing << false;
    QTest::newRow("WAYLAND_DISPLAY without compositor")
        << Variables{{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", runtime}}
        << Serve::Nothing << false;
    QTest::newRow("WAYLAND_DISPLAY without runtime dir")
        << Variables{{"WAYLAND_DISPLAY", "wayland-0"}} << Serve::Wayland << false;
    QTest::newRow("QT_QPA_PLATFORM=xcb, DISPLAY not served")
        << Variables{{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", free}} << Serve::Nothing << false;
    QTest::newRow("QT_QPA_PLATFORM empty, DISPLAY not served")
        << Variables{{"QT_QPA_PLATFORM", ""}, {"DISPLAY", free}} << Serve::Nothing << false;

    QTest::newRow("DISPLAY served") << Variables{{"DISPLAY", free}} << Serve::X11Abstract << true;
    QTest::newRow("DISPLAY with screen, served")
        << Variables{{"DISPLAY", free + ".0"}} << Serve::X11Abstract << true;
    QTest::newRow("DISPLAY on a host, served")
        << Variables{{"DISPLAY", "127.0.0.1" + free}} << Serve::X11Tcp << true;
    QTest::newRow("WAYLAND_DISPLAY served")
        << Variables{{"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_RUNTIME_DIR", runtime}}
        << Serve::Wayland << true;
    QTest::newRow("DISPLAY empty, WAYLAND_DISPLAY served")
        << Variables{{"DISPLAY", ""},
                     {"WAYLAND_DISPLAY", "wayland-0"},
                     {"XDG_RUNTIME_DIR", runtime}}
        << Serve::Wayland << true;
    QTest::newRow("QT_QPA_PLATFORM=offscreen")
        << Variables{{"QT_QPA_PLATFORM", "offscreen"}} << Serve::Nothing << true;
    QTest::newRow("QT_QPA_PLATFORM=wayland, only X served")
        << Variables{{"QT_QPA_PLATFORM", "wayland"}, {"DISPLAY", free}} << Serve::X11Abstract
        << false;
}

void TestDisplayCheck::displayUsable()
{
    QFETCH(Variables, environment);
    QFETCH(Serve, serve);
    QFETCH(bool, usable);

    const auto displayNumber = [&environment] {
        const std::string name = environment.at("DISPLAY");
        return std::stoi(name.substr(name.rfind(':') + 1));
    };
    Listener listener;
    switch (serve) {
    case Serve::Nothing:
        break;
    case Serve::X11Abstract:
        QVERIFY(listener.listenUnix('@' + x11Path(displayNumber())));
        break;
    case Serve::X11Tcp:
        QVERIFY(listener.listenTcp(6000 + displayNumber()));
        break;
    case Serve::Wayland:
        QVERIFY(
            listener.listenUnix(m_runtimeDir.filePath(QStringLiteral("wayland-0")).toStdString()));
        break;
    }
    const auto lookup = [&environment](const char *name) {
        const auto found = environment.find(name);
        return found == environment.end() ? std::string() : found->second;
    };
    QCOMPARE(app::displayUsable(lookup), usable);
}

void TestDisplayCheck::programSaysSoAndExits_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    const QString free = QStringLiteral(":%1").arg(unservedDisplay());
    QTest::newRow("nothing set") << QString() << QString();
    QTest::newRow("DISPLAY empty") << QStringLiteral("") << QString();
    QTest::newRow("DISPLAY not served") << free << QString();
    QTest::newRow("WAYLAND_DISPLAY without compositor") << QString() << QStringLiteral("wayland-0");
}

// The program itself, as a pupil's desktop would start it.
void TestDisplayCheck::programSaysSoAndExits()
{
    QFETCH(QString, display);
    QFETCH(QString, wayland);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());
    if (!display.isNull())
        environment.insert(QStringLiteral("DISPLAY"), display);
    if (!wayland.isNull())
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland);

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SOLVETRA_PROGRAM), {});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
             QString::fromUtf8(app::noDisplayMessage));
}

// Qt's -platform outranks the environment, so the check must follow it too.
void TestDisplayCheck::platformOptionNeedsNoDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SOLVETRA_PROGRAM),
                  {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    // Refused, it would end at once; accepted, the window runs until stopped.
    const bool ended = program.waitForFinished(3000);
    program.kill();
    program.waitForFinished(5000);
    QVERIFY2(!ended, program.readAllStandardError().constData());
}

// An X server resets when its last client leaves and refuses connections
// meanwhile: the check stays its client until the application has connected.
void TestDisplayCheck::checkStaysTheServersClientUntilReleased()
{
    const std::string display = std::to_string(unservedDisplay());
    Listener server;
    QVERIFY(server.listenUnix('@' + x11Path(std::stoi(display))));
    QVERIFY(app::displayUsable([&display](const char *name) {
        return std::string_view(name) == "DISPLAY" ? ':' + display : std::string();
    }));
    const int client = server.accepted();
    QVERIFY(client >= 0);
    char byte = 0;
    QCOMPARE(::recv(client, &byte, 1, MSG_DONTWAIT), ssize_t(-1)); // open, silent
    app::releaseCheckedDisplay();
    QCOMPARE(::recv(client, &byte, 1, MSG_DONTWAIT), ssize_t(0)); // closed
    ::close(client);
}

QTEST_GUILESS_MAIN(TestDisplayCheck)
#include "tst_displaycheck.moc"
