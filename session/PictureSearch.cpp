#include "session/PictureSearch.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <set>

#include <dirent.h>

namespace {

std::int64_t Msecs(const QDateTime& time) {
    return time.isValid() ? time.toMSecsSinceEpoch() : 0;
}

// Iterative glob match on folded text: each '*' remembers where to retry.
bool Glob(QStringView name, QStringView mask) {
    qsizetype n = 0, m = 0, starM = -1, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == u'?' || mask[m] == name[n])) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == u'*') {
            starM = m++;
            starN = n;
        } else if (starM >= 0) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

// Whether the folder can be listed; errno says why not.
bool CanList(const QString& folder) {
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return false;
    ::closedir(dir);
    return true;
}

bool SearchIn(const QString& root, const QString& relative, const QString& mask,
              const CFoundCollector& collector, bool recursive, std::set<QString>& visited,
              const CUnreadableCollector& unreadable) {
    const QString folder = relative.isEmpty()    ? root
                           : root.endsWith(u'/') ? root + relative
                                                 : root + u'/' + relative;
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || !visited.insert(canonical).second)
        return true;
    if (!CanList(folder)) {
        // Without a word, an empty result would look like a folder without pictures.
        if (unreadable)
            unreadable({folder, errno});
        return true;
    }

    const QString prefix = relative.isEmpty() ? QString() : relative + u'/';
    QStringList subfolders;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString name = info.fileName();
        if (name.startsWith(u'.'))
            continue;
        if (info.isDir()) {
            if (recursive)
                subfolders.append(name);
            continue;
        }
        if (!info.isFile() || !MatchesMask(name, mask))
            continue;
        CFoundFile file;
        file.name = prefix + name;
        file.created = Msecs(info.birthTime());
        file.lastAccess = Msecs(info.lastRead());
        file.lastWrite = Msecs(info.lastModified());
        file.size = std::uint32_t(quint64(info.size()) & 0xFFFFFFFFu);
        if (!collector(file))
            return false;
    }
    for (const QString& sub : subfolders)
        if (!SearchIn(root, prefix + sub, mask, collector, recursive, visited, unreadable))
            return false;
    return true;
}

} // namespace

bool MatchesMask(const QString& name, const QString& mask) {
    if (mask == QLatin1String("*.*") || mask == QLatin1String("*"))
        return true;
    return Glob(name.toCaseFolded(), mask.toCaseFolded());
}

bool SearchFolder(const QString& folder, const QString& mask, const CFoundCollector& collector,
                  bool recursive, const CUnreadableCollector& unreadable) {
    std::set<QString> visited;
    QString root = folder;
    while (root.size() > 1 && root.endsWith(u'/'))
        root.chop(1);
    return SearchIn(root, QString(), mask, collector, recursive, visited, unreadable);
}

std::vector<CFoundFile> FindPictures(const QString& folder, bool recursive,
                                     const std::function<void(int count)>& found,
                                     std::vector<CUnreadableFolder>* unreadable) {
    std::vector<CFoundFile> files;
    std::set<QString> told; // each mask searches again: each folder is named once
    const CUnreadableCollector tell = [&](const CUnreadableFolder& problem) {
        if (unreadable && told.insert(problem.path).second)
            unreadable->push_back(problem);
    };
    for (const char* mask : kPictureMasks) {
        SearchFolder(
            folder, QString::fromLatin1(mask),
            [&](const CFoundFile& file) {
                files.push_back(file);
                if (found)
                    found(int(files.size()));
                return true;
            },
            recursive, tell);
    }
    return files;
}

QString FoundFilePath(const QString& folder, const CFoundFile& file) {
    if (folder.endsWith(u'/'))
        return folder + file.name;
    return folder + u'/' + file.name;
}
