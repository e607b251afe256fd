#pragma once

// Submits one message file over SMTP with libcurl (loaded on first use, see CurlLibrary.h):
// plain, STARTTLS (required, not opportunistic) or TLS from the first byte; server certificates are
// always verified. Every libcurl failure becomes a false result with a reason here and nowhere
// else. The password is handed to libcurl only and never reported.

#include "mail/MailAccount.h"

#include <QString>
#include <QStringList>

struct CSmtpEnvelope {
    QString from;
    QStringList recipients; // to, cc and bcc together
};

class CSmtpTransport {
public:
    // Sends the message at `messagePath` (LF line ends; sent as CRLF). `password` may be empty
    // for a server without authentication. False with `error` on any failure; when the server
    // refused something, `serverReply` holds its last refusal ("550 5.1.1 ..."), printable
    // characters only.
    static bool Submit(const CMailAccount& account, const QByteArray& password,
                       const CSmtpEnvelope& envelope, const QString& messagePath, QString* error,
                       QString* serverReply = nullptr);
};
