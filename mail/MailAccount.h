#pragma once

// One mail account of the messaging store as the registry keeps it. The password itself is
// never part of it: only where it comes from.

#include <QString>

#include <cstdint>

enum class EMailTransport {
    Smtp,    // submitted over SMTP
    Desktop, // handed to the desktop's mail program
    Sync,    // only queued in Outbox, for a synchronising tool to pick up
};

enum class EMailSecurity { None, StartTls, Tls };

struct CMailAccount {
    QString name;
    QString storeId; // folder of its mail store, also its key in the registry
    EMailTransport transport = EMailTransport::Smtp;
    QString from;
    QString host;
    int port = 0; // 0: the usual port of the security mode
    EMailSecurity security = EMailSecurity::StartTls;
    QString user;
    QString passwordCommand; // first output line is the password
    QString passwordFile;    // first line, the file readable by its owner only
    QString caFile;          // certificates to trust instead of the system's

    int EffectivePort() const;
};

// The store of the "sync" kind is listed under this name, first of all accounts.
inline constexpr char kSyncStoreName[] = "ActiveSync";

// "none", "starttls", "tls" and back; false for an unknown text.
QString SecurityName(EMailSecurity security);
bool ParseSecurity(const QString& text, EMailSecurity* security);
QString TransportName(EMailTransport transport);
