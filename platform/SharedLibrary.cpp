#include "platform/SharedLibrary.h"

#include <QByteArray>

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

} // namespace platform
