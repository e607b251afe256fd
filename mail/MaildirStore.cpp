#include "mail/MaildirStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>

#include <unistd.h>

CMaildirStore::CMaildirStore(const QString& mailRoot, const QString& storeId)
    : m_root(mailRoot + "/" + storeId) {}

QString CMaildirStore::FolderName(EMailFolder folder) {
    switch (folder) {
    case EMailFolder::Drafts: return QStringLiteral("Drafts");
    case EMailFolder::Outbox: return QStringLiteral("Outbox");
    case EMailFolder::Sent: return QStringLiteral("Sent");
    }
    return {};
}

QString CMaildirStore::Folder(EMailFolder folder) const {
    return m_root + "/" + FolderName(folder);
}

bool CMaildirStore::Create(QString* error) {
    for (EMailFolder f : {EMailFolder::Drafts, EMailFolder::Outbox, EMailFolder::Sent}) {
        for (const char* part : {"tmp", "new", "cur"}) {
            const QString path = Folder(f) + "/" + part;
            if (!QDir().mkpath(path)) {
                if (error)
                    *error = QStringLiteral("cannot create the mail folder %1").arg(path);
                return false;
            }
        }
        QFile::setPermissions(Folder(f), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
    }
    return true;
}

QString CMaildirStore::TempPathFor(EMailFolder folder) const {
    const QString unique = QStringLiteral("%1.M%2P%3R%4.%5")
                               .arg(QDateTime::currentSecsSinceEpoch())
                               .arg(QDateTime::currentMSecsSinceEpoch() % 1000 * 1000)
                               .arg(::getpid())
                               .arg(QRandomGenerator::global()->generate(), 8, 16, QChar('0'))
                               .arg(QSysInfo::machineHostName().replace('/', "\\057"));
    return Folder(folder) + "/tmp/" + unique;
}

QString CMaildirStore::Deliver(const QString& tempPath, EMailFolder folder) const {
    const QString target = Folder(folder) + "/new/" + QFileInfo(tempPath).fileName();
    return QFile::rename(tempPath, target) ? target : QString();
}

QString CMaildirStore::Move(const QString& path, EMailFolder to) const {
    const QString target = Folder(to) + "/new/" + QFileInfo(path).fileName();
    return QFile::rename(path, target) ? target : QString();
}

QStringList CMaildirStore::Messages(EMailFolder folder) const {
    QStringList paths;
    for (const char* part : {"new", "cur"}) {
        QDir dir(Folder(folder) + "/" + part);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
            paths << dir.filePath(name);
    }
    return paths;
}
