#include "program/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

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

CSingleInstance::~CSingleInstance() {
    if (m_server)
        m_server->close();
}

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
    QLocalSocket socket;
    socket.connectToServer(m_socket);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    QByteArray message;
    {
        QDataStream pack(&message, QIODevice::WriteOnly);
        pack << pictures;
    }
    QDataStream out(&socket);
    out << message;
    socket.flush();
    QByteArray answer;
    QDeadlineTimer deadline(kAnswerMs);
    while (!answer.endsWith('\n') && !deadline.hasExpired()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
        answer += socket.readAll();
    }
    if (answer == kAccepted)
        return true;
    *error = QStringLiteral("the running window did not take the pictures");
    return false;
}

void CSingleInstance::Listen() {
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket left by a killed window is stale.
    QLocalServer::removeServer(m_socket);
    if (!m_server->listen(m_socket)) {
        // The window still works; later starts then wait and report that it does not answer.
        m_server.reset();
        return;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(),
                     [this] { Receive(); });
}

void CSingleInstance::Receive() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto read = [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QByteArray message;
            in >> message;
            if (!in.commitTransaction())
                return; // more to come
            QStringList pictures;
            QDataStream unpack(message);
            unpack >> pictures;
            socket->write(kAccepted);
            socket->flush();
            if (m_receiver)
                m_receiver(pictures);
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, read);
        if (socket->bytesAvailable() > 0)
            read();
    }
}

void CSingleInstance::SetReceiver(std::function<void(const QStringList&)> receiver) {
    m_receiver = std::move(receiver);
}
