#include "browser/FileEntry.h"

#include "browser/FileAttributes.h"
#include "resources/ids/StringIds.h"
#include "session/PictureSearch.h"
#include "text/DateFormat.h"
#include "text/Strings.h"
#include "text/TextFormat.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMimeDatabase>

#include <algorithm>

namespace {

bool Matches(const QString& name, const QStringList& filters) {
    if (filters.isEmpty())
        return true;
    return std::any_of(filters.begin(), filters.end(),
                       [&](const QString& f) { return MatchesMask(name, f); });
}

template <typename T> int Compare(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

QString CFileEntry::ColumnText(int column) const {
    switch (column) {
    case kColumnName: return name;
    case kColumnSize: return FormatFileSize(size, false, true, false);
    case kColumnDate:
        return modified < 0 ? LoadFormatted(ids::IDS_NA) : FormatFileTime(modified, false, true);
    case kColumnAttributes: return AttributesText(attributes);
    case kColumnType: return typeName;
    default: return {};
    }
}

QStringList ListSubfolders(const QString& folder, bool showHidden) {
    QDir::Filters filters = QDir::Dirs | QDir::NoDotAndDotDot;
    if (showHidden)
        filters |= QDir::Hidden;
    QStringList names;
    QDirIterator it(folder, filters);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QString FileTypeName(const QString& path) {
    static const QMimeDatabase database;
    return database.mimeTypeForFile(path, QMimeDatabase::MatchExtension).comment();
}

CFileEntry MakeFileEntry(const QString& path) {
    const QFileInfo info(path);
    CFileEntry entry;
    entry.path = info.absoluteFilePath();
    entry.name = info.fileName();
    entry.isLink = info.isSymLink();
    entry.attributes = FileAttributesOf(info);
    entry.size = info.exists() ? std::uint64_t(info.size()) : 0;
    const QDateTime modified = info.lastModified();
    entry.modified = info.exists() && modified.isValid() ? modified.toSecsSinceEpoch() : -1;
    entry.typeName = FileTypeName(entry.isLink && info.exists() ? info.symLinkTarget() : path);
    return entry;
}

std::vector<CFileEntry> ListFiles(const QString& folder, const QStringList& filters,
                                  bool showHidden) {
    QDir::Filters which = QDir::Files | QDir::System;
    if (showHidden)
        which |= QDir::Hidden;
    std::vector<CFileEntry> entries;
    QDirIterator it(folder, which);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileInfo().isDir() || !Matches(it.fileName(), filters))
            continue;
        entries.push_back(MakeFileEntry(path));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const CFileEntry& a, const CFileEntry& b) {
        return CompareFileEntries(a, b, kColumnName) < 0;
    });
    return entries;
}

int CompareFileEntries(const CFileEntry& a, const CFileEntry& b, int column) {
    switch (column) {
    case kColumnName: return a.name.compare(b.name, Qt::CaseInsensitive);
    case kColumnSize: return Compare(a.size, b.size);
    case kColumnDate: return Compare(a.modified, b.modified);
    case kColumnAttributes:
        return AttributesText(a.attributes).compare(AttributesText(b.attributes));
    case kColumnType: return a.typeName.compare(b.typeName, Qt::CaseInsensitive);
    default: return 0;
    }
}
