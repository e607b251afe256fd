#pragma once

// One window per data folder. The window holds a lock file in the data folder, so no two
// windows ever write the same session file, and listens on a local socket; a later start
// hands its pictures to it over that socket and ends. Commands (pdf, settings, ...) take no
// part: they run beside a window as before.

#include "platform/LocalSocket.h"

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <QStringList>

#include <functional>
#include <list>
#include <memory>

class CSingleInstance {
public:
    enum class EStart {
        kFirst,      // this process is the window for the folder
        kHandedOver, // the running window took the pictures; this process ends
        kFailed,     // another window holds the folder and does not answer (see error)
    };

    // `startingWindowMs`: how long a start waits for a window that holds the folder but does
    // not answer yet (it may be starting) before it gives up.
    explicit CSingleInstance(const QString& dataFolder, int startingWindowMs = 5000);
    ~CSingleInstance();
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // Becomes the window for the folder, or hands `pictures` (absolute paths) to the window
    // that has it. With `listen` false (the headless tour) only the lock is taken.
    EStart Start(const QStringList& pictures, QString* error, bool listen = true);

    // Called on the event loop with the pictures of each later start (possibly none: the
    // window should then just come to the front).
    void SetReceiver(std::function<void(const QStringList&)> receiver);

    // The socket a window for `dataFolder` listens on (in the user's runtime folder).
    static QString SocketName(const QString& dataFolder);

private:
    bool HandOver(const QStringList& pictures, QString* error);
    void Listen();
    void Accept(std::unique_ptr<platform::CLocalSocket> socket);

    // A later start talking to this window, and what it has sent that is not yet read.
    struct CHandOver {
        std::unique_ptr<platform::CLocalSocket> socket;
        QByteArray received;
    };
    void Receive(std::list<CHandOver>::iterator handOver);

    int m_startingWindowMs;
    QString m_folder;
    QString m_socket;
    QLockFile m_lock;
    std::unique_ptr<platform::CLocalServer> m_server;
    std::list<CHandOver> m_handOvers;
    std::function<void(const QStringList&)> m_receiver;
};
