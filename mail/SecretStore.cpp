#include "mail/SecretStore.h"

#include "mail/SecretLibrary.h"
#include "text/Catalogue.h"

#include <QFileInfo>

#include <cstring>

namespace {

const SecretSchema* Schema() {
    // Items stored with secret-tool carry another schema name; match on the attributes only.
    static const SecretSchema schema = {"org.tessaly.Quillmark.Mail",
                                        SECRET_SCHEMA_DONT_MATCH_NAME,
                                        {
                                            {"service", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            {"account", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                            {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING},
                                        },
                                        0,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr,
                                        nullptr};
    return &schema;
}

} // namespace

bool CSecretStore::IsAvailable() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + "/bus");
}

bool CSecretStore::Lookup(const QString& service, const QString& account, QByteArray* secret,
                          QString* error) {
    secret->clear();
    if (!IsAvailable()) {
        *error =
            TranslateText("SecretStore", "no secret store is running; give the account a password "
                                         "command or a password file");
        return false;
    }
    QString missing;
    const CSecretLibrary* lib = CSecretLibrary::Load(&missing);
    if (!lib) {
        *error =
            TranslateText("SecretStore", "the secret store could not be asked: %1").arg(missing);
        return false;
    }
    GError* gerror = nullptr;
    const QByteArray s = service.toUtf8();
    const QByteArray a = account.toUtf8();
    gchar* found = lib->secret_password_lookup_sync(
        Schema(), nullptr, &gerror, "service", s.constData(), "account", a.constData(), nullptr);
    if (gerror) {
        *error = TranslateText("SecretStore", "the secret store could not be asked: %1")
                     .arg(QString::fromUtf8(gerror->message));
        g_error_free(gerror);
        if (found)
            lib->secret_password_free(found);
        return false;
    }
    if (!found) {
        *error = TranslateText("SecretStore",
                               "the secret store holds no password for service %1, account %2")
                     .arg(service, account);
        return false;
    }
    *secret = QByteArray(found, qsizetype(std::strlen(found)));
    lib->secret_password_free(found); // clears the memory before freeing it
    return true;
}
