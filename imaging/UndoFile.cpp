#include "imaging/UndoFile.h"

#include "platform/AtomicFile.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

QString UndoFilePath() {
    const QString home = platform::HomeOverride();
    if (!home.isEmpty())
        return QDir(home).filePath(QStringLiteral("tmpimage.jpg"));
    return QDir(platform::CacheFolder()).filePath(QStringLiteral("tmpimage.jpg"));
}

bool MoveFileReplacing(const QString& from, const QString& to, QString* error) {
    if (!QFile::exists(from)) {
        if (error)
            *error = QStringLiteral("%1 does not exist").arg(from);
        return false;
    }
    // rename() replaces the target in one step on the same file system.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    if (errno != EXDEV) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        if (error)
            *error = source.errorString();
        return false;
    }
    const QByteArray data = source.readAll();
    source.close();
    if (!platform::WriteFileAtomically(to, data, error))
        return false;
    QFile::remove(from);
    return true;
}
