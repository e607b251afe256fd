#include "platform/SharedLibrary.h"

#include "platform/Paths.h"

#include <QByteArray>
#include <QFile>

#include <dlfcn.h>

namespace platform {

CSharedLibrary::CSharedLibrary(const char* soname, const char* override) {
    QByteArray file = qgetenv(override);
    if (file.isEmpty())
        file = soname;
    m_handle = dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle) {
        const char* why = dlerror();
        m_error = why ? QString::fromLocal8Bit(why)
                      : QStringLiteral("%1 cannot be loaded").arg(QString::fromLocal8Bit(file));
    }
}

void* CSharedLibrary::Symbol(const char* name, bool required) {
    if (!m_error.isEmpty())
        return nullptr;
    dlerror();
    void* symbol = dlsym(m_handle, name);
    if (!symbol && required) {
        const char* why = dlerror();
        m_error = why ? QString::fromLocal8Bit(why) : QStringLiteral("%1 is missing").arg(name);
    }
    return symbol;
}

const void* OpenProgramModule(const QString& fileName, const char* override, const char* entry,
                              const char* version, QString* error) {
    const QByteArray file = QFile::encodeName(PrivateLibraryPath(fileName));
    CSharedLibrary library(file.constData(), override);
    const void* (*table)(const char*) = nullptr;
    library.Resolve(entry, &table);
    const void* answer = table ? table(version) : nullptr;
    if (table && !answer) {
        const QByteArray named = qgetenv(override);
        library.SetError(QStringLiteral("%1 is of another version than the program (%2)")
                             .arg(QString::fromLocal8Bit(named.isEmpty() ? file : named),
                                  QString::fromLatin1(version)));
    }
    *error = library.Error();
    return error->isEmpty() ? answer : nullptr;
}

} // namespace platform
