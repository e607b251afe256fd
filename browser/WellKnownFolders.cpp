#include "browser/WellKnownFolders.h"

#include "platform/RegKey.h"
#include "resources/ids/StringIds.h"
#include "text/Strings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <dlfcn.h>
#include <stdio.h>

namespace {

QString Location(QStandardPaths::StandardLocation location) {
    const QString path = QStandardPaths::writableLocation(location);
    // The desktop answers with the home folder for a folder it does not have; that is no
    // well-known folder of its own.
    if (path.isEmpty() || QDir(path) == QDir::home())
        return {};
    return QDir::cleanPath(path);
}

QString CoreLibraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&fopen), &info) && info.dli_fname)
        return QFileInfo(QFile::decodeName(info.dli_fname)).canonicalPath();
    return {};
}

QString Trimmed(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    return p;
}

} // namespace

QString DeviceName() {
    const platform::CRegKey ident(platform::HKEY_LOCAL_MACHINE, QStringLiteral("Ident"));
    const QString name = ident.Read<QString>(QStringLiteral("Name"), QString()).trimmed();
    return name.isEmpty() ? LoadFormatted(ids::IDS_BROWSER_MY_DEVICE) : name;
}

CWellKnownFolders::CWellKnownFolders() {
    m_paths[kProgramFiles] = QStringLiteral("/usr/bin");
    m_paths[kWindows] = CoreLibraryFolder();
    m_paths[kMyMusic] = Location(QStandardPaths::MusicLocation);
    m_paths[kAppData] = Location(QStandardPaths::GenericDataLocation);
    m_paths[kMyDocuments] = Location(QStandardPaths::DocumentsLocation);
    m_paths[kMyPictures] = Location(QStandardPaths::PicturesLocation);
    m_paths[kMyVideos] = Location(QStandardPaths::MoviesLocation);
    m_paths[kTemplates] = Location(QStandardPaths::TemplatesLocation);
}

bool CWellKnownFolders::SamePath(const QString& a, const QString& b) {
    return Trimmed(a).compare(Trimmed(b), Qt::CaseInsensitive) == 0;
}

int CWellKnownFolders::Find(const QString& path) const {
    for (int i = 0; i < kCount; ++i)
        if (!m_paths[i].isEmpty() && SamePath(m_paths[i], path))
            return i;
    return -1;
}
