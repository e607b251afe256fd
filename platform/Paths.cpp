#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

#include <climits>

namespace platform {
namespace {

QString EnvPath(const char* name) {
    return QDir::cleanPath(qEnvironmentVariable(name));
}

QString XdgFolder(const char* variable, const char* fallbackBelowHome) {
    QString base = qEnvironmentVariable(variable);
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + "/" + fallbackBelowHome;
    return QDir::cleanPath(base + "/quillmark");
}

} // namespace

QString ExecutablePath() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return QString::fromLocal8Bit(buffer, n);
}

QString ExecutableFolder() {
    const QString path = ExecutablePath();
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return "/";
    return slash == 0 ? QString("/") : path.left(slash);
}

QString HomeOverride() {
    if (qEnvironmentVariableIsEmpty("QUILLMARK_HOME"))
        return {};
    return EnvPath("QUILLMARK_HOME");
}

QString SkinLibraryFolder() {
    QString exeFolder = ExecutableFolder();
    if (QFileInfo::exists(exeFolder + "/Quillmark.vga") ||
        QFileInfo::exists(exeFolder + "/Quillmark.qvga"))
        return exeFolder;
    return QDir::cleanPath(exeFolder + "/" QM_SKIN_FOLDER_FROM_BIN);
}

QString PrivateLibraryPath(const QString& fileName) {
    const QString exeFolder = ExecutableFolder();
    if (QFileInfo::exists(exeFolder + "/" + fileName))
        return exeFolder + "/" + fileName;
    return QDir::cleanPath(exeFolder + "/" QM_SKIN_FOLDER_FROM_BIN "/" + fileName);
}

QString ProgramDataFolder() {
    QString home = HomeOverride();
    if (!home.isEmpty())
        return home;
    return XdgFolder("XDG_DATA_HOME", ".local/share");
}

QString SystemDataFolder() {
    if (!qEnvironmentVariableIsEmpty("QUILLMARK_DATA_DIR"))
        return EnvPath("QUILLMARK_DATA_DIR");
    return QDir::cleanPath(ExecutableFolder() + "/../share/quillmark");
}

QString DocumentsFolder() {
    // xdg-user-dirs exports this name; honour it before asking the desktop's settings file.
    if (!qEnvironmentVariableIsEmpty("XDG_DOCUMENTS_DIR"))
        return EnvPath("XDG_DOCUMENTS_DIR");
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString CacheFolder() {
    return XdgFolder("XDG_CACHE_HOME", ".cache");
}

QString ConfigFolder() {
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

bool EnsureFolder(const QString& folder) {
    return !folder.isEmpty() && QDir().mkpath(folder) && QFileInfo(folder).isDir();
}

} // namespace platform
