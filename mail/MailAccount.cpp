#include "mail/MailAccount.h"

int CMailAccount::EffectivePort() const {
    if (port > 0)
        return port;
    switch (security) {
    case EMailSecurity::None: return 25;
    case EMailSecurity::StartTls: return 587;
    case EMailSecurity::Tls: return 465;
    }
    return 587;
}

QString SecurityName(EMailSecurity security) {
    switch (security) {
    case EMailSecurity::None: return QStringLiteral("none");
    case EMailSecurity::StartTls: return QStringLiteral("starttls");
    case EMailSecurity::Tls: return QStringLiteral("tls");
    }
    return {};
}

bool ParseSecurity(const QString& text, EMailSecurity* security) {
    const QString t = text.trimmed().toLower();
    if (t == "none")
        *security = EMailSecurity::None;
    else if (t == "starttls")
        *security = EMailSecurity::StartTls;
    else if (t == "tls")
        *security = EMailSecurity::Tls;
    else
        return false;
    return true;
}

QString TransportName(EMailTransport transport) {
    switch (transport) {
    case EMailTransport::Smtp: return QStringLiteral("smtp");
    case EMailTransport::Desktop: return QStringLiteral("desktop");
    case EMailTransport::Sync: return QStringLiteral("sync");
    }
    return {};
}
