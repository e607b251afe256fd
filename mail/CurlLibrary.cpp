#include "mail/CurlLibrary.h"

#include <QByteArray>

#include <dlfcn.h>

namespace {

struct CLoaded {
    CCurlLibrary library;
    QString error; // empty when loaded
};

template <typename F> bool Resolve(void* handle, const char* name, F* entry, QString* error) {
    dlerror();
    void* symbol = dlsym(handle, name);
    if (!symbol) {
        const char* why = dlerror();
        *error = why ? QString::fromLocal8Bit(why) : QStringLiteral("%1 is missing").arg(name);
        return false;
    }
    *entry = reinterpret_cast<F>(symbol);
    return true;
}

CLoaded LoadOnce() {
    CLoaded loaded;
    QByteArray name = qgetenv("QM_CURL_LIBRARY");
    if (name.isEmpty())
        name = "libcurl.so.4";
    void* handle = dlopen(name.constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        loaded.error = why ? QString::fromLocal8Bit(why)
                           : QStringLiteral("%1 cannot be loaded").arg(QString::fromUtf8(name));
        return loaded;
    }
    CCurlLibrary& l = loaded.library;
    decltype(&curl_global_init) globalInit = nullptr;
    QString& e = loaded.error;
    if (!Resolve(handle, "curl_global_init", &globalInit, &e) ||
        !Resolve(handle, "curl_easy_init", &l.easyInit, &e) ||
        !Resolve(handle, "curl_easy_setopt", &l.easySetopt, &e) ||
        !Resolve(handle, "curl_easy_perform", &l.easyPerform, &e) ||
        !Resolve(handle, "curl_easy_getinfo", &l.easyGetinfo, &e) ||
        !Resolve(handle, "curl_easy_cleanup", &l.easyCleanup, &e) ||
        !Resolve(handle, "curl_easy_strerror", &l.easyStrerror, &e) ||
        !Resolve(handle, "curl_slist_append", &l.slistAppend, &e) ||
        !Resolve(handle, "curl_slist_free_all", &l.slistFreeAll, &e))
        return loaded; // the handle stays open: unloading is never safe to assume
    const CURLcode started = globalInit(CURL_GLOBAL_DEFAULT);
    if (started != CURLE_OK)
        e = QString::fromUtf8(l.easyStrerror(started));
    return loaded;
}

} // namespace

const CCurlLibrary* CCurlLibrary::Load(QString* error) {
    static const CLoaded loaded = LoadOnce();
    if (!loaded.error.isEmpty()) {
        if (error)
            *error = loaded.error;
        return nullptr;
    }
    return &loaded.library;
}
