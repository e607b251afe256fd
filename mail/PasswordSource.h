#pragma once

// Where an account's password comes from; it is never stored by the program. In order:
// the account's password command (its first output line), else its password file (first
// line; the file must be readable by its owner only), else the desktop's secret store
// (libsecret) when one runs, under the attributes service "quillmark-mail" and account NAME.

#include "mail/MailAccount.h"

#include <QByteArray>
#include <QString>

class CPasswordSource {
public:
    // The password for `account`. An account without a user needs none: true with an empty
    // password. False with a reason (never the password) when none could be had.
    static bool Fetch(const CMailAccount& account, QByteArray* password, QString* error);

    // Whether a password file is safe to read: a regular file of this user, no rights for
    // group or others.
    static bool IsPrivateFile(const QString& path, QString* error);

    // Overwrites a password before its memory is given back.
    static void Wipe(QByteArray& password);

    static constexpr char kSecretService[] = "quillmark-mail";
};
