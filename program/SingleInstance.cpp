#include "program/SingleInstance.h"

#include "app/Log.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <vector>

namespace {

// The answer a window gives once it has queued the pictures.
constexpr char kAccepted[] = "accepted\n";
// Bounds for a window that is busy: a start waits this long for it to take the pictures.
constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 5000;

} // namespace

CSingleInstance::CSingleInstance(const QString& dataFolder, int startingWindowMs)
    : m_startingWindowMs(startingWindowMs), m_folder(QDir::cleanPath(dataFolder)),
      m_socket(SocketName(dataFolder)), m_lock(m_folder + "/quillmark.lock") {
    // Only a lock whose process is gone is stale, never one that is merely old.
    m_lock.setStaleLockTime(0);
}

CSingleInstance::~CSingleInstance() = default;

QString CSingleInstance::SocketName(const QString& dataFolder) {
    QString folder = QFileInfo(dataFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir::cleanPath(QDir(dataFolder).absolutePath());
    const QByteArray hash =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return runtime + "/quillmark-" + QString::fromLatin1(hash) + ".socket";
}

CSingleInstance::EStart CSingleInstance::Start(const QStringList& pictures, QString* error,
                                               bool listen) {
    QDeadlineTimer deadline(m_startingWindowMs);
    for (;;) {
        if (listen && HandOver(pictures, error))
            return EStart::kHandedOver;
        if (m_lock.tryLock(0)) {
            if (listen)
                Listen();
            return EStart::kFirst;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            *error = QStringLiteral("cannot lock %1: %2")
                         .arg(m_lock.fileName(), m_lock.error() == QLockFile::PermissionError
                                                     ? QStringLiteral("permission denied")
                                                     : QStringLiteral("unknown error"));
            return EStart::kFailed;
        }
        // Another window holds the folder but does not answer yet: it may be starting.
        if (deadline.hasExpired()) {
            qint64 pid = 0;
            QString host, app;
            m_lock.getLockInfo(&pid, &host, &app);
            *error = QStringLiteral("another Quillmark window (process %1) uses %2 and does not "
                                    "answer")
                         .arg(pid)
                         .arg(m_folder);
            return EStart::kFailed;
        }
        QThread::msleep(100);
    }
}

bool CSingleInstance::HandOver(const QStringList& pictures, QString* error) {
    platform::CLocalSocket socket;
    QString reason;
    if (!socket.Connect(m_socket, QDeadlineTimer(kConnectMs), &reason))
        return false;
    // The pictures, packed, as one length-prefixed block.
    QByteArray message;
    {
        QDataStream pack(&message, QIODevice::WriteOnly);
        pack << pictures;
    }
    QByteArray block;
    {
        QDataStream out(&block, QIODevice::WriteOnly);
        out << message;
    }
    QByteArray answer;
    QDeadlineTimer deadline(kAnswerMs);
    if (socket.Write(block, deadline, &reason)) {
        while (!answer.endsWith('\n') && socket.Read(&answer, deadline, &reason)) {
        }
    }
    if (answer == kAccepted)
        return true;
    *error = QStringLiteral("the running window did not take the pictures");
    return false;
}

void CSingleInstance::Listen() {
    m_server = std::make_unique<platform::CLocalServer>();
    // We hold the lock, so a socket left by a killed window is stale.
    platform::CLocalServer::Remove(m_socket);
    QString error;
    if (!m_server->Listen(m_socket, &error)) {
        // The window still works; later starts then wait and report that it does not answer.
        LogRecord(kLogWarning, "no hand-over socket: %s", qUtf8Printable(error));
        m_server.reset();
        return;
    }
    m_server->OnConnection(
        [this](std::unique_ptr<platform::CLocalSocket> socket) { Accept(std::move(socket)); });
}

void CSingleInstance::Accept(std::unique_ptr<platform::CLocalSocket> socket) {
    platform::CLocalSocket* connection = socket.get();
    m_handOvers.push_back({std::move(socket), {}});
    const auto handOver = std::prev(m_handOvers.end());
    connection->OnReadable([this, handOver] { Receive(handOver); });
}

void CSingleInstance::Receive(std::list<CHandOver>::iterator handOver) {
    QString error;
    handOver->socket->Read(&handOver->received, QDeadlineTimer(0), &error);
    std::vector<QStringList> handedOver;
    for (;;) {
        QDataStream in(handOver->received);
        QByteArray message;
        in >> message;
        if (in.status() != QDataStream::Ok)
            break; // more to come
        handOver->received.remove(0, qsizetype(in.device()->pos()));
        QStringList pictures;
        QDataStream unpack(message);
        unpack >> pictures;
        handedOver.push_back(pictures);
        // A few bytes on a fresh connection: the socket takes them at once.
        handOver->socket->Write(kAccepted, QDeadlineTimer(0), &error);
    }
    if (handOver->socket->AtEnd())
        m_handOvers.erase(handOver);
    // Last, as the receiver may run an event loop (a message box) that comes back here.
    for (const QStringList& pictures : handedOver) {
        if (m_receiver)
            m_receiver(pictures);
    }
}

void CSingleInstance::SetReceiver(std::function<void(const QStringList&)> receiver) {
    m_receiver = std::move(receiver);
}
