#include "platform/LocalSocket.h"

#include "tests/support/TempHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <functional>
#include <future>
#include <list>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using platform::CLocalServer;
using platform::CLocalSocket;

class LocalSocketTest : public CTempHomeTest {
protected:
    static void SetUpTestSuite() {
        // The listening side runs on an event loop.
        if (!QCoreApplication::instance())
            s_app = new QCoreApplication(s_argc, s_argv);
    }

    // Listens on `path` and keeps every connection, with what it has sent, in `m_accepted`.
    void Serve(CLocalServer* server, const QString& path) {
        QString error;
        ASSERT_TRUE(server->Listen(path, &error)) << error.toStdString();
        server->OnConnection([this](std::unique_ptr<CLocalSocket> socket) {
            CLocalSocket* connection = socket.get();
            m_accepted.push_back({std::move(socket), {}});
            QByteArray* received = &m_accepted.back().received;
            connection->OnReadable([connection, received] {
                QString ignored;
                connection->Read(received, QDeadlineTimer(0), &ignored);
            });
        });
    }

    static bool Connects(const QString& path) {
        CLocalSocket socket;
        QString error;
        return socket.Connect(path, QDeadlineTimer(5000), &error);
    }

    struct CAccepted {
        std::unique_ptr<CLocalSocket> socket;
        QByteArray received;
    };
    std::list<CAccepted> m_accepted;

    static inline int s_argc = 1;
    static inline char s_name[] = "qm_platform_tests";
    static inline char* s_argv[] = {s_name, nullptr};
    static inline QCoreApplication* s_app = nullptr;
};

// Runs the event loop until `ready` holds; a generous bound, so a loaded machine only makes the
// test slower.
bool Until(const std::function<bool()>& ready) {
    const QDeadlineTimer limit(60000);
    while (!ready()) {
        if (limit.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

QByteArray Pattern(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 13 + i / 253) & 0xFF);
    return bytes;
}

// The descriptors of this process that are sockets, and of them those that would survive an
// exec.
std::pair<int, int> SocketsAndInheritable() {
    int sockets = 0;
    int count = 0;
    const QStringList fds = QDir("/proc/self/fd").entryList(QDir::Files | QDir::System);
    for (const QString& fd : fds) {
        const QString target = QFile::symLinkTarget("/proc/self/fd/" + fd);
        if (!QFileInfo(target).fileName().startsWith("socket:"))
            continue;
        ++sockets;
        const int flags = ::fcntl(fd.toInt(), F_GETFD);
        if (flags >= 0 && !(flags & FD_CLOEXEC))
            ++count;
    }
    return {sockets, count};
}

TEST_F(LocalSocketTest, CarriesBytesBothWaysThroughAPrivateSocketFile) {
    const QString path = PathIn("s.socket");
    CLocalServer server;
    Serve(&server, path);
    struct stat file {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &file), 0);
    EXPECT_TRUE(S_ISSOCK(file.st_mode));
    EXPECT_EQ(file.st_mode & 0777, 0700u);

    // More than the socket buffers hold: the writer waits for room while this thread reads.
    const QByteArray sent = Pattern(3 << 20);
    auto client = std::async(std::launch::async, [&] {
        CLocalSocket socket;
        QString error;
        QByteArray answer;
        if (socket.Connect(path, QDeadlineTimer(30000), &error) &&
            socket.Write(sent, QDeadlineTimer(30000), &error))
            while (!answer.endsWith('\n') && socket.Read(&answer, QDeadlineTimer(30000), &error)) {
            }
        return answer.isEmpty() ? error : QString::fromLatin1(answer);
    });
    ASSERT_TRUE(Until(
        [&] { return !m_accepted.empty() && m_accepted.front().received.size() >= sent.size(); }));
    const auto [sockets, inheritable] = SocketsAndInheritable();
    EXPECT_GE(sockets, 3); // listening, accepted, connected
    EXPECT_EQ(inheritable, 0);
    CAccepted& accepted = m_accepted.front();
    EXPECT_TRUE(accepted.received == sent);
    QString error;
    ASSERT_TRUE(accepted.socket->Write("taken\n", QDeadlineTimer(0), &error));
    EXPECT_EQ(client.get(), "taken\n");

    // The client has gone: the server's side reads the end, not an error or a wait.
    ASSERT_TRUE(Until([&] { return accepted.socket->AtEnd(); }));
    server.Close();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(Connects(path));
}

TEST_F(LocalSocketTest, AReaderWaitsUntilItsDeadlineAndAWriterToAClosedPeerFailsQuietly) {
    const QString path = PathIn("s.socket");
    CLocalServer server;
    Serve(&server, path);
    CLocalSocket socket;
    QString error;
    ASSERT_TRUE(socket.Connect(path, QDeadlineTimer(5000), &error)) << error.toStdString();
    ASSERT_TRUE(Until([&] { return !m_accepted.empty(); }));

    QByteArray data;
    EXPECT_FALSE(socket.Read(&data, QDeadlineTimer(50), &error));
    EXPECT_FALSE(socket.AtEnd());
    EXPECT_EQ(error, "timed out");

    m_accepted.clear();
    EXPECT_FALSE(socket.Read(&data, QDeadlineTimer(5000), &error));
    EXPECT_TRUE(socket.AtEnd());
    // Without MSG_NOSIGNAL this would end the test process with SIGPIPE.
    EXPECT_FALSE(socket.Write(Pattern(1 << 20), QDeadlineTimer(5000), &error));
    EXPECT_TRUE(error.startsWith("send: ")) << error.toStdString();
}

TEST_F(LocalSocketTest, ASecondServerIsRefusedAndLeavesTheFirstOneItsFile) {
    const QString path = PathIn("s.socket");
    CLocalServer first;
    Serve(&first, path);
    {
        CLocalServer second;
        QString error;
        EXPECT_FALSE(second.Listen(path, &error));
        EXPECT_FALSE(second.IsListening());
        EXPECT_TRUE(error.contains("in use")) << error.toStdString();
    }
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(Connects(path));
    EXPECT_TRUE(Until([&] { return m_accepted.size() == 1; }));

    // Once its file was removed and another server took the name, the first one's Close
    // leaves the newcomer's file alone.
    ASSERT_TRUE(CLocalServer::Remove(path));
    CLocalServer third;
    Serve(&third, path);
    first.Close();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(Connects(path));
}

TEST_F(LocalSocketTest, AFileLeftByAServerThatIsGoneRefusesAtOnceUntilRemoved) {
    // What a killed server leaves: a socket file nobody listens on.
    const QString path = PathIn("s.socket");
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int dead = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_EQ(::bind(dead, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(dead);

    CLocalSocket socket;
    QString error;
    EXPECT_FALSE(socket.Connect(path, QDeadlineTimer(QDeadlineTimer::Forever), &error));
    EXPECT_TRUE(error.contains("refused")) << error.toStdString();
    CLocalServer server;
    EXPECT_FALSE(server.Listen(path, &error));

    ASSERT_TRUE(CLocalServer::Remove(path));
    EXPECT_TRUE(CLocalServer::Remove(path)); // nothing there is no failure
    Serve(&server, path);
    EXPECT_TRUE(Connects(path));

    EXPECT_FALSE(socket.Connect(PathIn("none.socket"), QDeadlineTimer(5000), &error));
    EXPECT_TRUE(error.contains("No such file")) << error.toStdString();
}

TEST_F(LocalSocketTest, APathLongerThanASocketAddressHoldsIsRefusedWithItsLength) {
    // 107 bytes and the terminating zero fill a socket address exactly.
    const QString folder = Home() + "/";
    ASSERT_LT(folder.size(), 100);
    const QString longest = folder + QString(107 - folder.size(), 'a');
    CLocalServer server;
    Serve(&server, longest);
    EXPECT_TRUE(Connects(longest));

    const QString tooLong = longest + "b";
    CLocalServer refused;
    QString error;
    EXPECT_FALSE(refused.Listen(tooLong, &error));
    EXPECT_EQ(error, "the socket path " + tooLong + " is too long (108 bytes, at most 107)");
    CLocalSocket socket;
    error.clear();
    EXPECT_FALSE(socket.Connect(tooLong, QDeadlineTimer(5000), &error));
    EXPECT_TRUE(error.contains("too long"));
    EXPECT_FALSE(QFile::exists(tooLong));
    EXPECT_FALSE(refused.Listen(QString(), &error));
}

} // namespace
