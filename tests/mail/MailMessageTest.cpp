#include "tests/mail/MailTestFixture.h"

#include "app/AppSettings.h"
#include "app/Log.h"
#include "mail/MaildirStore.h"
#include "platform/Registry.h"

#include <QFile>
#include <QJsonArray>

namespace {

using MailMessageTest = CMailTest;

TEST(MailAddressesTest, SplitOnSpacesAndSemicolons) {
    EXPECT_EQ(CMailMessage::SplitAddresses("a@x.org; b@y.org"),
              QStringList({"a@x.org", "b@y.org"}));
    EXPECT_EQ(CMailMessage::SplitAddresses("a@x.org b@y.org"), QStringList({"a@x.org", "b@y.org"}));
    EXPECT_EQ(CMailMessage::SplitAddresses("  a@x.org;"), QStringList({"a@x.org"}));
    EXPECT_TRUE(CMailMessage::SplitAddresses(" ; ;").isEmpty());
}

TEST_F(MailMessageTest, PlainSmtpDeliversRecipientsSubjectBodyAndTheWholeAttachment) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Plain));
    CMailAccount account = server.Account("Work");
    AddAccount(account);

    CMailMessage m = Message("anna@example.org; bert@example.org");
    m.subject = QString::fromUtf8("Rechnung für März");
    m.body = QString::fromUtf8("Grüße,\nanbei die Seiten.");
    ASSERT_EQ(m.Send(nullptr), kMailOk) << m.ErrorDetail().toStdString();
    EXPECT_EQ(m.accounts, QStringList({"Work"}));

    ASSERT_TRUE(server.WaitForMessages(1));
    const QJsonObject got = ReadMessage(server.Received().front());
    EXPECT_EQ(got["rcpt"].toString(), "anna@example.org, bert@example.org");
    EXPECT_EQ(got["mailfrom"].toString(), "sender@example.org");
    EXPECT_EQ(got["subject"].toString(), QString::fromUtf8("Rechnung für März"));
    EXPECT_EQ(got["body"].toString().trimmed(), QString::fromUtf8("Grüße,\nanbei die Seiten."));
    const QJsonArray attachments = got["attachments"].toArray();
    ASSERT_EQ(attachments.size(), 1);
    const QJsonObject a = attachments[0].toObject();
    // The recipient sees the file's name, never the sender's folders.
    EXPECT_EQ(a["filename"].toString(), "20261208_1015.pdf");
    EXPECT_EQ(a["type"].toString(), "application/pdf");
    EXPECT_EQ(a["encoding"].toString(), "base64");
    EXPECT_EQ(a["size"].toString(), QString::number(QFile(pdf).size()));
    EXPECT_EQ(QByteArray::fromBase64(a["data"].toString().toLatin1()), ReadBytes(pdf));

    EXPECT_EQ(Folder(account, EMailFolder::Sent).size(), 1);
    EXPECT_TRUE(Folder(account, EMailFolder::Outbox).isEmpty());
    EXPECT_TRUE(Folder(account, EMailFolder::Drafts).isEmpty());
}

TEST_F(MailMessageTest, EmptySubjectAndBodyAreLeftOut) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Plain));
    CMailAccount account = server.Account("Work");
    AddAccount(account);
    CMailMessage m = Message();
    m.subject.clear();
    m.body.clear();
    ASSERT_EQ(m.Send(nullptr), kMailOk) << m.ErrorDetail().toStdString();
    ASSERT_TRUE(server.WaitForMessages(1));
    const QJsonObject got = ReadMessage(server.Received().front());
    EXPECT_TRUE(got["subject"].isNull());
    EXPECT_TRUE(got["body"].isNull());
    EXPECT_EQ(got["attachments"].toArray().size(), 1);
}

TEST_F(MailMessageTest, StartTlsWithAPasswordNeverLeaksThePassword) {
    const QString secret = "Pa55-word-9f3e";
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.MakeCertificate());
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::StartTls, "anna", secret));
    CMailAccount account = server.Account("Work");
    account.user = "anna";
    account.passwordCommand = "printf '%s\\n' " + secret;
    account.caFile = server.CertificatePath();
    AddAccount(account);

    OpenLog(PathIn("Quillmark.log"));
    ProcessLog()->facilityMask = 0xFFFFFFFFu;
    ProcessLog()->levelMask = 0xFFFFFFFFu;
    CMailMessage m = Message();
    const int result = m.Send(nullptr);
    CloseLog();
    ASSERT_EQ(result, kMailOk) << m.ErrorDetail().toStdString();
    ASSERT_TRUE(server.WaitForMessages(1));

    const QByteArray log = ReadFile(PathIn("Quillmark.log"));
    EXPECT_TRUE(log.contains("mail: submitted"));
    for (const QByteArray& form : {secret.toUtf8(), secret.toUtf8().toBase64(),
                                   QByteArray("\0anna\0", 6).append(secret.toUtf8()).toBase64()})
        EXPECT_FALSE(log.contains(form)) << form.constData();
    platform::RegFlushKey(platform::HKEY_LOCAL_MACHINE);
    const QByteArray registry = ReadFile(platform::RegistryFilePath());
    EXPECT_TRUE(registry.contains("anna"));
    EXPECT_FALSE(registry.contains(QByteArray("\"") + secret.toUtf8() + "\""));
}

TEST_F(MailMessageTest, ImplicitTlsWithAPasswordFile) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.MakeCertificate());
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Tls, "anna", "s3cret"));
    WriteFile(PathIn("password"), "s3cret\nignored second line\n");
    QFile::setPermissions(PathIn("password"), QFile::ReadOwner | QFile::WriteOwner);
    CMailAccount account = server.Account("Work");
    account.user = "anna";
    account.passwordFile = PathIn("password");
    account.caFile = server.CertificatePath();
    AddAccount(account);
    CMailMessage m = Message();
    ASSERT_EQ(m.Send(nullptr), kMailOk) << m.ErrorDetail().toStdString();
    EXPECT_TRUE(server.WaitForMessages(1));
}

TEST_F(MailMessageTest, LineBreaksAndOddAddressesCannotAddHeadersOrRecipients) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Plain));
    CMailAccount account = server.Account("Work");
    AddAccount(account);

    CMailMessage bad = Message("anna@example.org>\r\nRCPT TO:<evil@example.org>");
    EXPECT_EQ(bad.Send(nullptr), kMailFailed);
    EXPECT_EQ(bad.LastError(), EMailError::BadAddress);

    CMailMessage m = Message();
    m.subject = "Scans\r\nBcc: evil@example.org";
    ASSERT_EQ(m.Send(nullptr), kMailOk) << m.ErrorDetail().toStdString();
    ASSERT_TRUE(server.WaitForMessages(1));
    const QJsonObject got = ReadMessage(server.Received().front());
    EXPECT_EQ(got["rcpt"].toString(), "anna@example.org");
    EXPECT_EQ(got["subject"].toString(), "Scans  Bcc: evil@example.org");
    EXPECT_FALSE(ReadBytes(server.Received().front()).contains("\nBcc:"));
}

TEST_F(MailMessageTest, UntrustedCertificateIsRefusedAndTheMessageStaysInOutbox) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.MakeCertificate());
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::StartTls));
    CMailAccount account = server.Account("Work"); // no CA file: the system's trust only
    AddAccount(account);
    CMailMessage m = Message();
    EXPECT_LT(m.Send(nullptr), 0);
    EXPECT_EQ(m.LastError(), EMailError::SubmitFailed);
    EXPECT_EQ(Folder(account, EMailFolder::Outbox).size(), 1);
    EXPECT_TRUE(Folder(account, EMailFolder::Sent).isEmpty());
    server.Stop();
    EXPECT_TRUE(server.Received().isEmpty());
}

TEST_F(MailMessageTest, UnreachableServerFailsAndKeepsTheMessageInOutbox) {
    CMailAccount account;
    account.name = "Work";
    account.from = "sender@example.org";
    account.host = "127.0.0.1";
    account.port = UnusedLoopbackPort();
    account.security = EMailSecurity::None;
    AddAccount(account);
    CMailMessage m = Message();
    EXPECT_LT(m.Send(nullptr), 0);
    EXPECT_EQ(m.LastError(), EMailError::SubmitFailed);
    const QStringList outbox = Folder(account, EMailFolder::Outbox);
    ASSERT_EQ(outbox.size(), 1);
    EXPECT_EQ(m.MessagePath(), outbox.front());
    EXPECT_TRUE(ReadBytes(outbox.front()).contains("filename=20261208_1015.pdf"));
}

TEST_F(MailMessageTest, MissingAttachmentFailsAndNothingIsSubmittedOrStored) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Plain));
    CMailAccount account = server.Account("Work");
    AddAccount(account);
    CMailMessage m = Message();
    m.attachmentPath = PathIn("scans/gone.pdf");
    EXPECT_EQ(m.Send(nullptr), kMailFailed);
    EXPECT_EQ(m.LastError(), EMailError::AttachmentMissing);
    for (EMailFolder f : {EMailFolder::Drafts, EMailFolder::Outbox, EMailFolder::Sent})
        EXPECT_TRUE(Folder(account, f).isEmpty());
    server.Stop();
    EXPECT_TRUE(server.Received().isEmpty());
}

TEST_F(MailMessageTest, TwoAccountsAskTheChooserAndCancellingUsesTheFirst) {
    CSmtpTestServer first(PathIn("first")), second(PathIn("second"));
    ASSERT_TRUE(first.Start(CSmtpTestServer::EMode::Plain));
    ASSERT_TRUE(second.Start(CSmtpTestServer::EMode::Plain));
    CMailAccount a = first.Account("Work"), b = second.Account("Home");
    AddAccount(a);
    AddAccount(b);

    CRecordingChooser cancel(-1);
    CMailMessage m = Message();
    ASSERT_EQ(m.Send(&cancel), kMailOk);
    EXPECT_EQ(cancel.calls, 1);
    EXPECT_EQ(cancel.offered, QStringList({"Work", "Home"}));
    EXPECT_TRUE(first.WaitForMessages(1));

    CRecordingChooser pickSecond(1);
    CMailMessage n = Message();
    ASSERT_EQ(n.Send(&pickSecond), kMailOk);
    EXPECT_EQ(n.ChosenAccount(), "Home");
    EXPECT_TRUE(second.WaitForMessages(1));
    EXPECT_EQ(first.Received().size(), 1);
}

TEST_F(MailMessageTest, ActiveSyncStoreComesFirstAndOnlyQueues) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Plain));
    CMailAccount work = server.Account("Work");
    AddAccount(work);
    CMailAccount sync;
    sync.name = kSyncStoreName;
    sync.transport = EMailTransport::Sync;
    AddAccount(sync);

    CRecordingChooser cancel(-1);
    CMailMessage m = Message();
    ASSERT_EQ(m.Send(&cancel), kMailOk);
    EXPECT_EQ(cancel.offered, QStringList({"ActiveSync", "Work"}));
    EXPECT_EQ(m.ChosenAccount(), "ActiveSync");
    EXPECT_EQ(m.Outcome(), EMailOutcome::Queued);
    EXPECT_EQ(Folder(sync, EMailFolder::Outbox).size(), 1);
    server.Stop();
    EXPECT_TRUE(server.Received().isEmpty());
}

TEST_F(MailMessageTest, OnlyAnActiveSyncStoreNeedsNoChooser) {
    CMailAccount sync;
    sync.name = kSyncStoreName;
    sync.transport = EMailTransport::Sync;
    AddAccount(sync);
    CRecordingChooser chooser(0);
    CMailMessage m = Message();
    ASSERT_EQ(m.Send(&chooser), kMailOk);
    EXPECT_EQ(chooser.calls, 0);
    EXPECT_EQ(Folder(sync, EMailFolder::Outbox).size(), 1);
}

TEST_F(MailMessageTest, NoAccountFails) {
    CMailMessage m = Message();
    EXPECT_EQ(m.Send(nullptr), kMailFailed);
    EXPECT_EQ(m.LastError(), EMailError::NoAccount);
}

TEST_F(MailMessageTest, BrokenStoreEntriesFailWithTheirReason) {
    CMailAccount sync;
    sync.name = kSyncStoreName;
    sync.transport = EMailTransport::Sync;
    AddAccount(sync);
    // An account listed whose key holds none of the table's columns.
    ASSERT_TRUE(CAccountStore::MailKey().Write("Accounts", sync.storeId + ";ghost"));
    platform::CRegKey ghost = CAccountStore::AccountKey("ghost");
    ASSERT_TRUE(ghost.Write<QString>("From", "ghost@example.org"));
    CMailMessage m = Message();
    EXPECT_EQ(m.Send(nullptr), kMailFailed);
    EXPECT_EQ(m.LastError(), EMailError::StoreInvalidValues);

    // An account whose store identifier is missing or points outside the mail folder.
    ASSERT_TRUE(ghost.Write<QString>("Name", "Ghost"));
    ASSERT_TRUE(ghost.Write<QString>("Store", "../../etc"));
    CMailMessage n = Message();
    EXPECT_EQ(n.Send(nullptr), kMailFailed);
    EXPECT_EQ(n.LastError(), EMailError::StoreMissingEntryId);
}

// An id left in the list without its key (removed by hand, or by an older version that kept
// empty keys) names no store: it must not block sending through the accounts that exist, and
// the next change of the table drops it.
TEST_F(MailMessageTest, StaleIdsInTheListAreSkippedAndRepairedByTheNextWrite) {
    CMailAccount sync;
    sync.name = kSyncStoreName;
    sync.transport = EMailTransport::Sync;
    AddAccount(sync);
    ASSERT_TRUE(CAccountStore::MailKey().Write("Accounts", "gone;" + sync.storeId + ";empty"));
    // A key without values is as stale as a missing one.
    platform::HKEY empty = 0;
    ASSERT_EQ(platform::RegCreateKeyEx(platform::HKEY_LOCAL_MACHINE,
                                       CAccountStore::AccountKey("empty").Path(), &empty),
              platform::ERROR_SUCCESS);
    platform::RegCloseKey(empty);
    ASSERT_TRUE(CAccountStore::MailKey().Flush());

    CMailMessage m = Message();
    EXPECT_EQ(m.Send(nullptr), kMailOk) << m.ErrorDetail().toStdString();
    EXPECT_EQ(Folder(sync, EMailFolder::Outbox).size(), 1);

    CMailAccount desk;
    desk.name = "Desk";
    desk.transport = EMailTransport::Desktop;
    AddAccount(desk);
    EXPECT_EQ(CAccountStore::MailKey().Read<QString>("Accounts"), sync.storeId + ";desk");
}

TEST_F(MailMessageTest, AccountRemovedWhileChoosingIsAFailureNotASilentSuccess) {
    CMailAccount a, b;
    a.name = kSyncStoreName;
    a.transport = EMailTransport::Sync;
    b.name = "Desk";
    b.transport = EMailTransport::Desktop;
    AddAccount(a);
    AddAccount(b);
    CRecordingChooser chooser(1);
    chooser.onChoose = [] { CAccountStore().Remove("Desk"); };
    CMailMessage m = Message();
    EXPECT_EQ(m.Send(&chooser), kMailFailed);
    EXPECT_EQ(m.LastError(), EMailError::AccountNotFound);
    EXPECT_TRUE(Folder(a, EMailFolder::Outbox).isEmpty());
}

TEST_F(MailMessageTest, DesktopAccountHandsTheFileToTheMailProgram) {
    const QString record = PathIn("mailer-args");
    WriteFile(PathIn("mailer.sh"),
              "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record.toUtf8() +
                  "'\n");
    QFile::setPermissions(PathIn("mailer.sh"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("QUILLMARK_MAILER", QFile::encodeName(PathIn("mailer.sh")));
    CMailAccount desk;
    desk.name = "Desktop mail";
    desk.transport = EMailTransport::Desktop;
    AddAccount(desk);
    CMailMessage m = Message("anna@example.org;bert@example.org");
    const int result = m.Send(nullptr);
    qunsetenv("QUILLMARK_MAILER");
    ASSERT_EQ(result, kMailOk) << m.ErrorDetail().toStdString();
    EXPECT_EQ(QString::fromUtf8(ReadBytes(record)).split('\n', Qt::SkipEmptyParts),
              QStringList({"--subject", "Scans", "--body", "Here they are.", "--attach", pdf,
                           "anna@example.org", "bert@example.org"}));
    EXPECT_EQ(m.Outcome(), EMailOutcome::HandedOver);
    // The desktop's mail program keeps its own copy; none piles up here.
    for (EMailFolder folder : {EMailFolder::Drafts, EMailFolder::Outbox, EMailFolder::Sent})
        EXPECT_TRUE(Folder(desk, folder).isEmpty());
}

TEST_F(MailMessageTest, ARefusedRecipientFailsWithTheServersAnswer) {
    CSmtpTestServer server(PathIn("server"));
    server.RefuseRecipient("nobody@example.org");
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Plain));
    CMailAccount account = server.Account("Work");
    AddAccount(account);
    CMailMessage m = Message("anna@example.org nobody@example.org");
    EXPECT_EQ(m.Send(nullptr), kMailFailed);
    EXPECT_EQ(m.LastError(), EMailError::SubmitFailed);
    EXPECT_EQ(m.Outcome(), EMailOutcome::None);
    EXPECT_EQ(m.Transport(), EMailTransport::Smtp);
    EXPECT_EQ(m.ServerReply(),
              "550 5.1.1 <nobody@example.org>: Recipient address rejected: User unknown");
    EXPECT_TRUE(m.ErrorDetail().contains("550 5.1.1")) << m.ErrorDetail().toStdString();
    EXPECT_EQ(Folder(account, EMailFolder::Outbox).size(), 1);

    CMailMessage ok = Message("anna@example.org");
    ASSERT_EQ(ok.Send(nullptr), kMailOk) << ok.ErrorDetail().toStdString();
    EXPECT_EQ(ok.Outcome(), EMailOutcome::Sent);
    EXPECT_TRUE(ok.ServerReply().isEmpty());
}

} // namespace
