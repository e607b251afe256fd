#pragma once

// A local (AF_UNIX stream) socket and the server listening on one, for the few hundred bytes a
// later start of the program hands to the running window. The connecting side blocks with a
// deadline; only the listening side runs on the event loop. Plain POSIX sockets rather than Qt
// Network, which would cost every start of the program to load. Descriptors are
// close-on-exec, writes never raise SIGPIPE, and interrupted calls are resumed.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <sys/types.h>

#include <functional>
#include <memory>

class QSocketNotifier;

namespace platform {

class CLocalSocket {
public:
    CLocalSocket();
    // Takes an accepted, non-blocking connection.
    explicit CLocalSocket(int descriptor);
    ~CLocalSocket();
    CLocalSocket(const CLocalSocket&) = delete;
    CLocalSocket& operator=(const CLocalSocket&) = delete;

    // Connects to the server listening on `path`, retrying until `deadline` while its queue of
    // connections is full. Fails at once, with `error`, when nothing listens there: no file, a
    // file left by a server that is gone, a path longer than a socket address holds.
    bool Connect(const QString& path, QDeadlineTimer deadline, QString* error);

    // Writes all of `data`, waiting for room until `deadline`.
    bool Write(const QByteArray& data, QDeadlineTimer deadline, QString* error);

    // Appends to `data` what has arrived, waiting until something does or until `deadline`
    // (an expired deadline only takes what is there). False when nothing was appended: the
    // peer closed the connection (AtEnd), the deadline passed, or an error (`error`).
    bool Read(QByteArray* data, QDeadlineTimer deadline, QString* error);

    // True once nothing more can be read: the peer closed its side and everything it sent has
    // been read, or the connection failed.
    bool AtEnd() const { return m_atEnd; }
    bool IsOpen() const { return m_fd >= 0; }

    // Calls `readable` on the event loop whenever data or the end of the stream can be read.
    // It may destroy this socket.
    void OnReadable(std::function<void()> readable);

    void Close();

private:
    int m_fd = -1;
    bool m_atEnd = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

class CLocalServer {
public:
    CLocalServer();
    ~CLocalServer();
    CLocalServer(const CLocalServer&) = delete;
    CLocalServer& operator=(const CLocalServer&) = delete;

    // Listens on `path`, a socket file only this user may use. Refused, with `error`, when a
    // file is already there (another server, or one that is gone: see Remove) and when the path
    // is longer than a socket address holds.
    bool Listen(const QString& path, QString* error);

    // Calls `accepted` on the event loop with each new connection.
    void OnConnection(std::function<void(std::unique_ptr<CLocalSocket>)> accepted);

    // Stops listening and removes the socket file, unless another server has replaced it.
    void Close();
    bool IsListening() const { return m_fd >= 0; }

    // Removes the file at `path` so that a server can listen there again: for a caller that
    // knows (from a lock, say) that the server which made it is gone.
    static bool Remove(const QString& path);

private:
    int m_fd = -1;
    QByteArray m_path;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace platform
