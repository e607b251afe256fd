#pragma once

// Real write failures that hold for root too, where file modes do not stop a write: a folder
// made read-only by a read-only bind mount over itself, or a small tmpfs that fills up. Only
// in a test that runs with private mounts (RerunWithPrivateMounts), so nothing is mounted on
// the host. The mount goes away with the object.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>
#include <memory>
#include <sys/mount.h>

class CMountedFolder {
public:
    ~CMountedFolder() { ::umount2(m_path.constData(), MNT_DETACH); }
    CMountedFolder(const CMountedFolder&) = delete;
    CMountedFolder& operator=(const CMountedFolder&) = delete;

    // The folder and everything in it become read-only, also for root; null with the reason
    // in `why` when it cannot be mounted.
    static std::unique_ptr<CMountedFolder> ReadOnly(const QString& folder, QString* why) {
        const QByteArray path = QFile::encodeName(folder);
        if (::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0)
            return Fail(why, "bind mount");
        std::unique_ptr<CMountedFolder> mounted(new CMountedFolder(path));
        if (::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                    nullptr) != 0)
            return Fail(why, "read-only remount");
        return mounted;
    }

    // An empty tmpfs of `bytes` (rounded up to whole pages; 0 leaves the size to tmpfs)
    // mounted on the folder, or null with the reason in `why`.
    static std::unique_ptr<CMountedFolder> SmallDisk(const QString& folder, qint64 bytes,
                                                     QString* why) {
        const QByteArray path = QFile::encodeName(folder);
        const QByteArray options = bytes > 0 ? "size=" + QByteArray::number(bytes) : "";
        if (::mount("tmpfs", path.constData(), "tmpfs", 0, options.constData()) != 0)
            return Fail(why, "tmpfs mount");
        return std::unique_ptr<CMountedFolder>(new CMountedFolder(path));
    }

    // Writes a filler file until the disk is full.
    static void FillUp(const QString& folder) {
        QFile filler(folder + "/filler");
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }

private:
    explicit CMountedFolder(QByteArray path) : m_path(std::move(path)) {}
    static std::unique_ptr<CMountedFolder> Fail(QString* why, const char* what) {
        if (why)
            *why = QString("%1 failed: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
        return nullptr;
    }

    QByteArray m_path;
};
