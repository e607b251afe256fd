#include "mail/ContactStore.h"

#include "mail/VCardParser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Deeper than any address book's collections; a bound on the walk whatever the tree holds.
constexpr int kMaxDepth = 32;

bool IsCardFileName(const QString& name) {
    return name.endsWith(QLatin1String(".vcf"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".vcard"), Qt::CaseInsensitive);
}

bool IsInside(const QString& canonicalPath, const QString& canonicalRoot) {
    return canonicalPath == canonicalRoot ||
           canonicalPath.startsWith(canonicalRoot.endsWith('/') ? canonicalRoot
                                                                : canonicalRoot + '/');
}

// Collects the card files under `folder`: links to folders are followed only when they lead
// to a folder inside the contact folder, and every folder and file is taken once (no loops,
// no card read twice through two links).
class CCardFileWalk {
public:
    explicit CCardFileWalk(const QString& canonicalRoot) : m_root(canonicalRoot) {
        m_folders.insert(canonicalRoot);
    }

    void Walk(const QString& folder, int depth) {
        if (depth > kMaxDepth)
            return;
        const QFileInfoList entries = QDir(folder).entryInfoList(
            QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
        for (const QFileInfo& entry : entries) {
            const QString canonical = entry.canonicalFilePath();
            if (canonical.isEmpty()) // a dangling link
                continue;
            if (entry.isDir()) {
                if (entry.isSymLink() && !IsInside(canonical, m_root))
                    continue;
                if (m_folders.contains(canonical))
                    continue;
                m_folders.insert(canonical);
                Walk(entry.filePath(), depth + 1);
            } else if (IsCardFileName(entry.fileName()) && !m_files.contains(canonical)) {
                m_files.insert(canonical);
                paths << entry.filePath();
            }
        }
    }

    QStringList paths;

private:
    QString m_root;
    QSet<QString> m_folders;
    QSet<QString> m_files;
};

} // namespace

bool CContactStore::ReadCardFile(const QString& path, QByteArray* data) {
    data->clear();
    const QByteArray name = QFile::encodeName(path);
    // A device or a pipe is never opened: opening alone may block or have effects.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // What was opened is checked again: the name may have been swapped in between.
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    char buffer[64 * 1024];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        // The limit holds for what is read, whatever size the file claims.
        if (data->size() + n > kMaxCardFileBytes)
            ok = false;
        else
            data->append(buffer, n);
    }
    ::close(fd);
    if (!ok)
        data->clear();
    return ok;
}

QString CContactStore::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/contacts";
}

std::vector<CContact> CContactStore::Parse(const QByteArray& text) {
    return CVCardParser::Parse(text);
}

std::vector<CContact> CContactStore::Load() const {
    std::vector<CContact> contacts;
    if (m_folder.isEmpty())
        return contacts;
    const QFileInfo root(m_folder);
    const QString canonicalRoot = root.canonicalFilePath();
    if (canonicalRoot.isEmpty() || !root.isDir())
        return contacts;
    CCardFileWalk walk(canonicalRoot);
    walk.Walk(m_folder, 0);
    std::sort(walk.paths.begin(), walk.paths.end());
    QByteArray data;
    for (const QString& path : walk.paths) {
        if (!ReadCardFile(path, &data))
            continue;
        for (CContact& c : Parse(data))
            contacts.push_back(std::move(c));
    }
    return contacts;
}
