#pragma once

// Real parts for the mail tests: an SMTP server on loopback (Debian's aiosmtpd, plain or with
// STARTTLS/TLS and a certificate made for the test), what it received, and a PDF made by the
// program's own builder.

#include "mail/MailAccount.h"

#include <QByteArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

class CSmtpTestServer {
public:
    enum class EMode { Plain, StartTls, Tls };

    // `folder` receives the Maildir of what arrives.
    explicit CSmtpTestServer(const QString& folder);
    ~CSmtpTestServer();

    // The server refuses this recipient with a 550 reply (set before Start).
    void RefuseRecipient(const QString& address) { m_refused = address; }
    // Starts the server and waits until it accepts connections. TLS modes need Certificate().
    bool Start(EMode mode, const QString& user = {}, const QString& password = {});
    void Stop();
    int Port() const { return m_port; }

    // Makes a self-signed certificate for 127.0.0.1 in the folder (also the CA file to trust).
    bool MakeCertificate();
    QString CertificatePath() const { return m_folder + "/cert.pem"; }

    // Paths of the received messages.
    QStringList Received() const;
    // Waits (with a generous bound) until `count` messages arrived.
    bool WaitForMessages(int count) const;

    // An SMTP account for this server (not yet stored).
    CMailAccount Account(const QString& name) const;

private:
    QString m_folder;
    int m_port = 0;
    EMode m_mode = EMode::Plain;
    QString m_refused;
    std::unique_ptr<QProcess> m_process;
};

// A loopback port where nothing listens (for an unreachable server).
int UnusedLoopbackPort();

// A one-page PDF of a drawn picture, written with the program's PDF builder.
bool MakeTestPdf(const QString& path);

// The message at `path` as read by Python's e-mail package: rcpt, mailfrom, from, to,
// subject (null when absent), body (null when absent), attachments (filename, type,
// encoding, size, data in base64).
QJsonObject ReadMessage(const QString& path);
QByteArray ReadBytes(const QString& path);
