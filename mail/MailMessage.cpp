#include "mail/MailMessage.h"

#include "app/Log.h"
#include "mail/AccountStore.h"
#include "mail/DesktopMailer.h"
#include "mail/MaildirStore.h"
#include "mail/MimeWriter.h"
#include "mail/PasswordSource.h"
#include "mail/SmtpTransport.h"
#include "platform/Paths.h"
#include "text/Catalogue.h"

#include <QFileInfo>

CMailMessage::CMailMessage() : mailFolder(DefaultMailFolder()) {}

QString CMailMessage::DefaultMailFolder() {
    return platform::ProgramDataFolder() + "/mail";
}

QStringList CMailMessage::SplitAddresses(const QString& field) {
    QStringList addresses;
    QString current;
    for (QChar c : field) {
        if (c == ' ' || c == ';' || c == '\t' || c == '\r' || c == '\n') {
            if (!current.isEmpty())
                addresses << current;
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        addresses << current;
    return addresses;
}

QStringList CMailMessage::AvailableAccounts() {
    QStringList names;
    bool hasSyncStore = false;
    for (const CStoreRow& row : CAccountStore().ReadRows()) {
        if (row.hasName && row.hasTransport)
            names << row.name;
        else if (row.hasName && row.name == kSyncStoreName)
            hasSyncStore = true;
    }
    if (hasSyncStore)
        names.prepend(kSyncStoreName);
    return names;
}

bool CMailMessage::IsPlainAddress(const QString& address) {
    const qsizetype at = address.lastIndexOf('@');
    if (at <= 0 || at == address.size() - 1 || address.size() > 320)
        return false;
    for (QChar c : address)
        if (c.unicode() < 0x21 || c.unicode() == 0x7F || QStringLiteral("<>,()[]\\\"").contains(c))
            return false;
    return true;
}

int CMailMessage::Fail(EMailError error, const QString& detail) {
    m_error = error;
    m_detail = detail;
    LogRecord(kLogError, "mail: %s", detail.toUtf8().constData());
    return kMailFailed;
}

int CMailMessage::Send(IAccountChooser* chooser) {
    m_error = EMailError::None;
    m_detail.clear();
    m_chosen.clear();
    m_messagePath.clear();
    m_outcome = EMailOutcome::None;
    m_transport.reset();
    m_serverReply.clear();
    accounts.clear();

    accounts = AvailableAccounts();
    if (accounts.isEmpty())
        return Fail(EMailError::NoAccount,
                    TranslateText("MailMessage", "no mail account is set up"));

    int index = -1;
    if (chooser && accounts.size() >= 2)
        index = chooser->ChooseAccount(accounts);
    m_chosen = index >= 0 && index < accounts.size() ? accounts[index] : accounts.front();
    LogRecord(kLogInfo, "mail: sending through account '%s'", m_chosen.toUtf8().constData());

    // The table is read again: the account may have changed while the chooser was open.
    bool found = false;
    int result = kMailOk;
    for (const CStoreRow& row : CAccountStore().ReadRows()) {
        if (!row.hasValues)
            return Fail(
                EMailError::StoreInvalidValues,
                TranslateText("MailMessage", "an account entry of the registry holds no values"));
        if (!row.hasStore)
            return Fail(
                EMailError::StoreMissingEntryId,
                TranslateText("MailMessage", "the account entry '%1' has no usable Store value")
                    .arg(row.name));
        if (!row.hasName || row.name != m_chosen)
            continue;
        found = true;
        result = Deliver(row.storeId);
        if (result != kMailOk)
            return result;
    }
    if (!found)
        return Fail(
            EMailError::AccountNotFound,
            TranslateText("MailMessage", "the account '%1' is no longer set up").arg(m_chosen));
    return result;
}

int CMailMessage::Deliver(const QString& storeId) {
    const auto account = CAccountStore().Load(storeId);
    if (!account)
        return Fail(
            EMailError::StoreMissingEntryId,
            TranslateText("MailMessage", "the account of store '%1' cannot be read").arg(storeId));
    m_transport = account->transport;

    const QFileInfo file(attachmentPath);
    if (attachmentPath.isEmpty() || !file.exists() || !file.isFile() || !file.isReadable())
        return Fail(EMailError::AttachmentMissing,
                    TranslateText("MailMessage", "the file '%1' does not exist or cannot be read")
                        .arg(attachmentPath));

    const QStringList toList = SplitAddresses(to);
    const QStringList ccList = SplitAddresses(cc);
    const QStringList bccList = SplitAddresses(bcc);
    if (toList.isEmpty() && ccList.isEmpty() && bccList.isEmpty())
        return Fail(EMailError::NoRecipients,
                    TranslateText("MailMessage", "the message has no recipient"));
    for (const QString& a : toList + ccList + bccList)
        if (!IsPlainAddress(a))
            return Fail(EMailError::BadAddress,
                        TranslateText("MailMessage", "'%1' is not an e-mail address").arg(a));
    if (!account->from.isEmpty() && !IsPlainAddress(account->from))
        return Fail(EMailError::BadAddress,
                    TranslateText("MailMessage",
                                  "the sender address '%1' of account '%2' is not an e-mail "
                                  "address")
                        .arg(account->from, account->name));

    // The desktop's mail program keeps its own copy; one here would only pile up.
    if (account->transport == EMailTransport::Desktop) {
        QString why;
        if (!CDesktopMailer::Compose(toList, ccList, subject, body, file.absoluteFilePath(), &why))
            return Fail(EMailError::SubmitFailed, why);
        LogRecord(kLogInfo, "mail: handed to the desktop's mail program");
        m_outcome = EMailOutcome::HandedOver;
        return kMailOk;
    }

    CMaildirStore mailStore(mailFolder, storeId);
    QString why;
    if (!mailStore.Create(&why))
        return Fail(EMailError::StoreUnusable, why);

    CMimeContent content;
    content.from = account->from;
    content.to = toList;
    content.cc = ccList;
    content.subject = subject;
    content.body = body;
    content.attachmentPath = file.absoluteFilePath();
    content.attachmentSize = file.size();
    const QString temp = mailStore.TempPathFor(EMailFolder::Drafts);
    if (!CMimeWriter::Write(content, temp, &why))
        return Fail(EMailError::StoreUnusable, why);
    const QString draft = mailStore.Deliver(temp, EMailFolder::Drafts);
    m_messagePath = draft.isEmpty() ? QString() : mailStore.Move(draft, EMailFolder::Outbox);
    if (m_messagePath.isEmpty())
        return Fail(
            EMailError::StoreUnusable,
            TranslateText("MailMessage", "the message could not be put into the Outbox of '%1'")
                .arg(account->name));

    if (account->transport == EMailTransport::Sync) {
        LogRecord(kLogInfo, "mail: queued in the Outbox of '%s'",
                  account->name.toUtf8().constData());
        m_outcome = EMailOutcome::Queued;
        return kMailOk;
    }
    QByteArray password;
    if (!CPasswordSource::Fetch(*account, &password, &why))
        return Fail(EMailError::Password, why);
    const CSmtpEnvelope envelope{account->from, toList + ccList + bccList};
    const bool sent =
        CSmtpTransport::Submit(*account, password, envelope, m_messagePath, &why, &m_serverReply);
    CPasswordSource::Wipe(password);
    if (!sent)
        return Fail(EMailError::SubmitFailed, why);
    m_outcome = EMailOutcome::Sent;
    const QString sentPath = mailStore.Move(m_messagePath, EMailFolder::Sent);
    if (!sentPath.isEmpty())
        m_messagePath = sentPath;
    return kMailOk;
}
