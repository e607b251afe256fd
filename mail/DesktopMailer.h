#pragma once

// Hands a message to the desktop's mail program with xdg-email (recipients, subject, body
// and the attachment), for people whose mail is set up there. $QUILLMARK_MAILER names
// another command taking the same arguments.

#include <QString>
#include <QStringList>

class CDesktopMailer {
public:
    static bool Compose(const QStringList& to, const QStringList& cc, const QString& subject,
                        const QString& body, const QString& attachmentPath, QString* error);
    static QString Command();
};
