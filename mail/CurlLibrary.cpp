#include "mail/CurlLibrary.h"

#include "platform/SharedLibrary.h"

namespace {

using CLoaded = platform::CLoadedLibrary<CCurlLibrary>;

CLoaded LoadOnce() {
    platform::CSharedLibrary so("libcurl.so.4", "QM_CURL_LIBRARY");
    CLoaded loaded;
    CCurlLibrary& l = loaded.table;
    struct {
        decltype(&::curl_global_init) curl_global_init = nullptr;
    } start;
    QM_RESOLVE(so, start, curl_global_init);
    QM_RESOLVE(so, l, curl_easy_init);
    QM_RESOLVE(so, l, curl_easy_setopt);
    QM_RESOLVE(so, l, curl_easy_perform);
    QM_RESOLVE(so, l, curl_easy_getinfo);
    QM_RESOLVE(so, l, curl_easy_cleanup);
    QM_RESOLVE(so, l, curl_easy_strerror);
    QM_RESOLVE(so, l, curl_slist_append);
    QM_RESOLVE(so, l, curl_slist_free_all);
    if (so.Error().isEmpty()) {
        const CURLcode started = start.curl_global_init(CURL_GLOBAL_DEFAULT);
        if (started != CURLE_OK)
            so.SetError(QString::fromUtf8(l.curl_easy_strerror(started)));
    }
    loaded.error = so.Error();
    return loaded;
}

} // namespace

const CCurlLibrary* CCurlLibrary::Load(QString* error) {
    static const CLoaded loaded = LoadOnce();
    return loaded.Get(error);
}
