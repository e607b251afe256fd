#include "mail/SecretLibrary.h"

#include "platform/SharedLibrary.h"

namespace {

using CLoaded = platform::CLoadedLibrary<CSecretLibrary>;

CLoaded LoadOnce() {
    platform::CSharedLibrary so("libsecret-1.so.0", "QM_SECRET_LIBRARY");
    CLoaded loaded;
    QM_RESOLVE(so, loaded.table, secret_password_lookup_sync);
    QM_RESOLVE(so, loaded.table, secret_password_free);
    loaded.error = so.Error();
    return loaded;
}

} // namespace

const CSecretLibrary* CSecretLibrary::Load(QString* error) {
    static const CLoaded loaded = LoadOnce();
    return loaded.Get(error);
}
