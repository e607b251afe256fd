#pragma once

// One e-mail with one attached file, sent through the messaging store: Send lists the
// accounts (an "ActiveSync" store first), lets the chooser pick one when there are several,
// writes the message into that account's Drafts, moves it to Outbox and submits it; a sent
// message ends in Sent, a failed one stays in Outbox, a queue-only store keeps it in Outbox.
// A desktop account hands recipients, texts and the file to the desktop's mail program and
// keeps no copy: that program has its own.

#include "mail/AccountChooser.h"
#include "mail/MailAccount.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Result codes of Send: 0 on success, negative on failure.
inline constexpr int kMailOk = 0;
inline constexpr int kMailFailed = std::int32_t(0x80004005u);

// Why a send failed.
enum class EMailError {
    None,
    NoAccount,           // the store offers no account
    StoreInvalidValues,  // an account entry of the registry holds nothing
    StoreMissingEntryId, // an account entry has no usable store identifier
    AccountNotFound,     // the chosen account vanished between the two readings
    AttachmentMissing,   // nothing was submitted
    NoRecipients,
    BadAddress,    // a recipient that is no plain e-mail address
    StoreUnusable, // its folders or the message file could not be written
    Password,
    SubmitFailed, // the message stays in Outbox
};

// How a message left when Send succeeded.
enum class EMailOutcome {
    None,       // not (yet) sent
    Sent,       // accepted by the SMTP server
    Queued,     // waiting in the Outbox of a queue-only store
    HandedOver, // given to the desktop's mail program, where the user sends it
};

class CMailMessage {
public:
    CMailMessage();

    QString to;
    QString cc;
    QString bcc;
    QString subject;
    QString body;
    QString attachmentPath;
    QStringList accounts; // filled by Send
    // Where the mail stores live; the program's data folder by default.
    QString mailFolder;

    // Sends as described above; `chooser` may be null.
    int Send(IAccountChooser* chooser);

    EMailError LastError() const { return m_error; }
    // A technical description of the failure for the terminal and the log (never a password).
    QString ErrorDetail() const { return m_detail; }
    // The account the message went through and where its file ended up.
    QString ChosenAccount() const { return m_chosen; }
    QString MessagePath() const { return m_messagePath; }
    EMailOutcome Outcome() const { return m_outcome; }
    // The kind of the chosen account, once it was read (also when the send failed after).
    std::optional<EMailTransport> Transport() const { return m_transport; }
    // The SMTP server's refusal when it refused the message ("550 5.1.1 ..."), else empty.
    QString ServerReply() const { return m_serverReply; }

    // The account names Send offers, in its order: an "ActiveSync" store first, then every
    // e-mail account of the table.
    static QStringList AvailableAccounts();
    // Addresses of a recipient field: separated by spaces and ";", empty pieces dropped.
    static QStringList SplitAddresses(const QString& field);
    // A plain address (local@domain) without anything that could break out of a header or
    // an SMTP command.
    static bool IsPlainAddress(const QString& address);
    static QString DefaultMailFolder();

private:
    int Fail(EMailError error, const QString& detail);
    int Deliver(const QString& storeId);

    EMailError m_error = EMailError::None;
    QString m_detail;
    QString m_chosen;
    QString m_messagePath;
    EMailOutcome m_outcome = EMailOutcome::None;
    std::optional<EMailTransport> m_transport;
    QString m_serverReply;
};
