#include "mail/screens/SendMailDialog.h"

#include "mail/AccountStore.h"
#include "mail/MailMessage.h"
#include "mail/MaildirStore.h"
#include "mail/screens/ListChooserDialog.h"
#include "mail/screens/ShareByMail.h"
#include "platform/Registry.h"
#include "resources/ResourceIds.h"
#include "tests/mail/screens/MailScreenTest.h"
#include "ui/device/MessageBox.h"
#include "ui/device/WaitCursor.h"
#include "ui/toolkit/QuestionBox.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

using namespace ids;

class SendMailDialogTest : public CMailScreenTest {
protected:
    // Runs the send screen; `act` drives it once it is up. The captions and headings of the
    // boxes it showed are collected in `boxes`.
    int Run(CSendMailDialog& dialog, const std::function<void(CSendMailDialog&)>& act) {
        WhenScreenOpens(nullptr, [&](CScreen*) { act(dialog); });
        return dialog.DoModal();
    }
    // Closes the next question box, noting its texts.
    void CloseNextBox(CSendMailDialog& dialog) {
        WhenScreenOpens(&dialog, [this](CScreen* top) {
            if (auto* box = dynamic_cast<CQuestionBox*>(top)) {
                boxes << box->Caption() + "/" + box->Heading();
                // What the box says, as assistive tools read it.
                bodies << box->accessibleDescription();
                box->EndDialog(IDOK);
            }
        });
    }
    // Sends the PDF to `address` through the stored accounts; the screen's result code.
    int SendTo(const QString& address) {
        CSendMailDialog dialog(m_settings);
        dialog.SetAttachment(m_pdf);
        dialog.SetAddress(address);
        return Run(dialog, [&](CSendMailDialog& d) {
            CloseNextBox(d);
            d.SendCommand(ID_SEND);
        });
    }
    QString Failure(const QString& address, const QString& program) const {
        return "Could not send file '" + m_pdf + "' to '" + address +
               "'. Please check whether your " + program +
               " is configured and that you are able to send emails and try again.\n\n";
    }
    QStringList Mails(const QString& store, EMailFolder folder) const {
        return CMaildirStore(CMailMessage::DefaultMailFolder(), store).Messages(folder);
    }
    QStringList boxes;
    QStringList bodies;
};

TEST_F(SendMailDialogTest, SendsThePdfAndRemembersTheAddress) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Plain));
    AddAccount(server.Account("Work"));

    CSendMailDialog dialog(m_settings);
    dialog.SetAttachment(m_pdf);
    dialog.SetSubject("Emailing: 20261208_0930.pdf");
    dialog.SetBody("Sent with the copier");
    bool sendEnabledAtStart = true;
    const int result = Run(dialog, [&](CSendMailDialog& d) {
        sendEnabledAtStart = d.IsCommandEnabled(ID_SEND) || d.IsCommandEnabled(IDC_QB_BUTTON_OK);
        d.AddressEdit()->setText("anna@example.org; bert@example.org");
        CloseNextBox(d);
        d.SendCommand(ID_SEND);
    });
    EXPECT_FALSE(sendEnabledAtStart);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(boxes, QStringList({"Success/Email sent"}));
    EXPECT_EQ(m_settings.lastSendToAddress, "anna@example.org; bert@example.org");
    EXPECT_TRUE(ReadBytes(platform::RegistryFilePath()).contains("bert@example.org"));

    ASSERT_TRUE(server.WaitForMessages(1));
    const QJsonObject got = ReadMessage(server.Received().front());
    EXPECT_EQ(got["rcpt"].toString(), "anna@example.org, bert@example.org");
    EXPECT_EQ(got["subject"].toString(), "Emailing: 20261208_0930.pdf");
    EXPECT_EQ(got["body"].toString().trimmed(), "Sent with the copier");
    const QJsonObject a = got["attachments"].toArray()[0].toObject();
    EXPECT_EQ(a["filename"].toString(), "20261208_0930.pdf");
    EXPECT_EQ(QByteArray::fromBase64(a["data"].toString().toLatin1()), ReadBytes(m_pdf));
}

TEST_F(SendMailDialogTest, TwoAccountsAskTheChooserAndCancellingUsesTheFirst) {
    CSmtpTestServer first(PathIn("first")), second(PathIn("second"));
    ASSERT_TRUE(first.Start(CSmtpTestServer::EMode::Plain));
    ASSERT_TRUE(second.Start(CSmtpTestServer::EMode::Plain));
    AddAccount(first.Account("Work"));
    AddAccount(second.Account("Home"));

    CSendMailDialog dialog(m_settings);
    dialog.SetAttachment(m_pdf);
    dialog.SetAddress("anna@example.org");
    QString title;
    QStringList items;
    bool busy = false;
    int waitDepth = -1;
    const int result = Run(dialog, [&](CSendMailDialog& d) {
        WhenScreenOpens(&d, [&](CScreen* top) {
            auto* chooser = dynamic_cast<CListChooserDialog*>(top);
            ASSERT_NE(chooser, nullptr);
            title = chooser->Title();
            // The send is under way: its commands are off, and the question has no wait cursor.
            busy = !d.IsCommandEnabled(ID_SEND) && !d.IsCommandEnabled(ID_PLATFORM_CANCEL) &&
                   !d.Control(IDC_QB_BUTTON_OK)->isEnabled() &&
                   !d.Control(IDC_QB_BUTTON_CANCEL)->isEnabled();
            waitDepth = WaitDepth();
            for (int i = 0; i < chooser->List()->count(); ++i)
                items << chooser->List()->itemText(i);
            CloseNextBox(d);
            chooser->SendCommand(ID_PLATFORM_CANCEL);
        });
        d.SendCommand(IDC_QB_BUTTON_OK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(title, "Email account");
    EXPECT_TRUE(busy);
    EXPECT_EQ(waitDepth, 0);
    EXPECT_EQ(WaitDepth(), 0);
    EXPECT_EQ(items, QStringList({"Work", "Home"}));
    EXPECT_TRUE(first.WaitForMessages(1));
    EXPECT_TRUE(second.Received().isEmpty());
}

TEST_F(SendMailDialogTest, UnreachableServerShowsTheFailureAndKeepsTheAddress) {
    CMailAccount account;
    account.name = "Work";
    account.from = "me@example.org";
    account.host = "127.0.0.1";
    account.port = UnusedLoopbackPort();
    account.security = EMailSecurity::None;
    AddAccount(account);

    CSendMailDialog dialog(m_settings);
    dialog.SetAttachment(m_pdf);
    dialog.SetAddress("anna@example.org");
    const int result = Run(dialog, [&](CSendMailDialog& d) {
        CloseNextBox(d);
        d.SendCommand(ID_SEND);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(boxes, QStringList({"Error/Could not send mail"}));
    EXPECT_EQ(m_settings.lastSendToAddress, "anna@example.org");
    EXPECT_EQ(CMaildirStore(CMailMessage::DefaultMailFolder(), "work")
                  .Messages(EMailFolder::Outbox)
                  .size(),
              1);
}

TEST_F(SendMailDialogTest, BrokenAccountTableIsNamedInThePlainBoxFirst) {
    ASSERT_TRUE(CAccountStore::MailKey().Write<QString>("Accounts", "ghost"));
    ASSERT_TRUE(CAccountStore::AccountKey("other").Write<QString>("Name", "x"));
    QStringList plain;
    SetMessageBoxHandler(
        [&](const QString& text, const QString& title) { plain << title + ": " + text; });
    // No account is offered: the send fails before the table is read a second time.
    CSendMailDialog dialog(m_settings);
    dialog.SetAttachment(m_pdf);
    dialog.SetAddress("anna@example.org");
    Run(dialog, [&](CSendMailDialog& d) {
        CloseNextBox(d);
        d.SendCommand(ID_SEND);
    });
    EXPECT_EQ(boxes, QStringList({"Error/Could not send mail"}));

    CMailAccount sync;
    sync.name = kSyncStoreName;
    sync.transport = EMailTransport::Sync;
    AddAccount(sync);
    ASSERT_TRUE(CAccountStore::MailKey().Write<QString>("Accounts", "activesync;ghost"));
    // Listed, with a key that holds none of the table's columns.
    ASSERT_TRUE(CAccountStore::AccountKey("ghost").Write<QString>("From", "g@example.org"));
    CSendMailDialog again(m_settings);
    again.SetAttachment(m_pdf);
    again.SetAddress("anna@example.org");
    boxes.clear();
    Run(again, [&](CSendMailDialog& d) {
        CloseNextBox(d);
        d.SendCommand(ID_SEND);
    });
    SetMessageBoxHandler({});
    EXPECT_EQ(plain, QStringList({"Error: Store - invalid cValues!"}));
    EXPECT_EQ(boxes, QStringList({"Error/Could not send mail"}));
}

TEST_F(SendMailDialogTest, SendNeedsAnAddressAndTheInputPanelWaitsForTheSecondFocus) {
    CSendMailDialog dialog(m_settings);
    dialog.SetAttachment(m_pdf);
    std::vector<bool> enabled;
    int requestsAtStart = -1, requestsLater = -1;
    Run(dialog, [&](CSendMailDialog& d) {
        requestsAtStart = d.InputPanelRequests();
        enabled.push_back(d.IsCommandEnabled(ID_SEND));
        d.AddressEdit()->setText("a");
        enabled.push_back(d.IsCommandEnabled(ID_SEND) && d.IsCommandEnabled(IDC_QB_BUTTON_OK));
        d.AddressEdit()->clear();
        enabled.push_back(d.IsCommandEnabled(IDC_QB_BUTTON_OK));
        d.SubjectEdit()->setFocus();
        QCoreApplication::processEvents();
        requestsLater = d.InputPanelRequests();
        d.SendCommand(ID_SEND); // disabled: nothing happens
        d.SendCommand(ID_PLATFORM_CANCEL);
    });
    EXPECT_EQ(enabled, std::vector<bool>({false, true, false}));
    EXPECT_EQ(requestsAtStart, 0);
    EXPECT_EQ(requestsLater, 1);
    EXPECT_EQ(m_settings.lastSendToAddress, "");
}

TEST_F(SendMailDialogTest, ShareOpensTheScreenPrefilledForTheFile) {
    EXPECT_FALSE(ShareFileByMail(nullptr, PathIn("docs/missing.pdf")));
    AppSettings().lastSendToAddress = "anna@example.org";
    QStringList fields;
    WhenScreenOpens(nullptr, [&](CScreen* top) {
        auto* send = dynamic_cast<CSendMailDialog*>(top);
        ASSERT_NE(send, nullptr);
        fields << send->AddressEdit()->text() << send->SubjectEdit()->text()
               << send->BodyEdit()->toPlainText();
        send->SendCommand(IDC_QB_BUTTON_CANCEL);
    });
    EXPECT_FALSE(ShareFileByMail(nullptr, m_pdf));
    AppSettings().lastSendToAddress = "";
    ASSERT_EQ(fields.size(), 3);
    EXPECT_EQ(fields[0], "anna@example.org");
    EXPECT_EQ(fields[1], "Emailing: 20261208_0930.pdf");
    EXPECT_TRUE(fields[2].contains("Tessaly Quillmark")) << fields[2].toStdString();
}

TEST_F(SendMailDialogTest, TheAttachmentsNameAndSizeShowBetweenBodyAndButtonsOnEveryScreen) {
    // 1536 bytes: "1.50 KB"; a name too long for the line is shortened, the size never.
    const QString shortName = PathIn("docs/minutes.pdf");
    const QString longName = PathIn("docs/" + QString(60, 'x') + "-quarterly-report.pdf");
    for (const QString& path : {shortName, longName}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(1536));
    }
    for (const QSize size : {QSize(240, 320), QSize(320, 240), QSize(480, 640), QSize(640, 480)}) {
        UseScreen(size);
        for (const QString& path : {shortName, longName}) {
            SCOPED_TRACE(QStringLiteral("%1x%2 %3")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(path)
                             .toStdString());
            CSendMailDialog dialog(m_settings);
            dialog.SetAttachment(path);
            QString shown, name, full;
            QRect line, body, button;
            int advance = 0;
            Run(dialog, [&](CSendMailDialog& d) {
                auto* label = d.ControlAs<QLabel>(IDC_MAIL_ATTACHMENT);
                ASSERT_NE(label, nullptr);
                shown = label->text();
                name = label->accessibleName();
                full = d.AttachmentText();
                line = label->geometry();
                body = d.BodyEdit()->geometry();
                button = d.Control(IDC_QB_BUTTON_OK)->geometry();
                advance = label->fontMetrics().horizontalAdvance(shown);
                EXPECT_TRUE(label->isVisible());
                d.SendCommand(ID_PLATFORM_CANCEL);
            });
            EXPECT_EQ(full, "Attachment: " + QFileInfo(path).fileName() + " (1.50 KB)");
            EXPECT_EQ(name, full); // screen readers get the whole name
            EXPECT_TRUE(shown.startsWith("Attachment: ")) << shown.toStdString();
            EXPECT_TRUE(shown.endsWith(" (1.50 KB)")) << shown.toStdString();
            EXPECT_EQ(shown == full, path == shortName);
            EXPECT_LE(advance, line.width());
            EXPECT_GT(line.top(), body.bottom());
            EXPECT_LT(line.bottom(), button.top());
            EXPECT_GT(body.height(), line.height());
        }
    }
}

TEST_F(SendMailDialogTest, EachOutcomeSaysWhatIsTrueOfTheAccountUsed) {
    // No account at all: how to add one.
    EXPECT_EQ(SendTo("anna@example.org"), IDCANCEL);
    EXPECT_EQ(boxes, QStringList({"Error/Could not send mail"}));
    EXPECT_EQ(bodies.value(0),
              Failure("anna@example.org", "mail account") +
                  "No mail account is set up. Add one with 'quillmark account add' (see the "
                  "README).");

    // An SMTP server that takes the message: sent, with nothing left to synchronise.
    CSmtpTestServer server(PathIn("server"));
    server.RefuseRecipient("nobody@example.org");
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Plain));
    AddAccount(server.Account("Work"));
    boxes.clear();
    bodies.clear();
    EXPECT_EQ(SendTo("anna@example.org"), IDOK);
    EXPECT_EQ(boxes, QStringList({"Success/Email sent"}));
    EXPECT_EQ(bodies.value(0),
              "File '" + m_pdf + "' successfully sent to 'anna@example.org' via email.");
    EXPECT_TRUE(server.WaitForMessages(1));

    // The server refuses a recipient: its answer is shown under the failure text.
    boxes.clear();
    bodies.clear();
    EXPECT_EQ(SendTo("nobody@example.org"), IDCANCEL);
    EXPECT_EQ(boxes, QStringList({"Error/Could not send mail"}));
    EXPECT_EQ(bodies.value(0), Failure("nobody@example.org", "mail account") +
                                   "The mail server answered: 550 5.1.1 <nobody@example.org>: "
                                   "Recipient address rejected: User unknown");
    EXPECT_EQ(Mails("work", EMailFolder::Outbox).size(), 1);
}

TEST_F(SendMailDialogTest, AMissingPasswordIsNamed) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Plain));
    CMailAccount account = server.Account("Work");
    account.user = "anna";
    account.passwordFile = PathIn("gone");
    AddAccount(account);
    EXPECT_EQ(SendTo("bert@example.org"), IDCANCEL);
    EXPECT_EQ(bodies.value(0), Failure("bert@example.org", "mail account") +
                                   "The password could not be found: the password file " +
                                   PathIn("gone") + " does not exist");
    EXPECT_TRUE(server.Received().isEmpty());
}

TEST_F(SendMailDialogTest, AQueueOnlyStoreAsksForTheSynchronisation) {
    CMailAccount sync;
    sync.name = kSyncStoreName;
    sync.transport = EMailTransport::Sync;
    AddAccount(sync);
    EXPECT_EQ(SendTo("anna@example.org"), IDOK);
    EXPECT_EQ(boxes, QStringList({"Success/Email sent"}));
    EXPECT_EQ(bodies.value(0),
              "File '" + m_pdf +
                  "' successfully sent to 'anna@example.org' via email. Please synchronize your "
                  "queue-only mail store to finalize the delivery to the recepient.");
    EXPECT_EQ(Mails("activesync", EMailFolder::Outbox).size(), 1);
}

TEST_F(SendMailDialogTest, TheDesktopMailProgramGetsTheMessageAndNoCopyIsKept) {
    const QString mailer = PathIn("mailer.sh");
    WriteFile(mailer, "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(mailer, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("QUILLMARK_MAILER", QFile::encodeName(mailer));
    CMailAccount desk;
    desk.name = "Desktop";
    desk.transport = EMailTransport::Desktop;
    AddAccount(desk);
    const int handed = SendTo("anna@example.org");
    WriteFile(mailer, "#!/bin/sh\nexit 3\n");
    const int refused = SendTo("anna@example.org");
    qunsetenv("QUILLMARK_MAILER");

    EXPECT_EQ(handed, IDOK);
    EXPECT_EQ(refused, IDCANCEL);
    EXPECT_EQ(boxes, QStringList({"Success/Email handed over", "Error/Could not send mail"}));
    EXPECT_EQ(bodies.value(0), "File '" + m_pdf +
                                   "' was handed to your desktop's mail program for "
                                   "'anna@example.org'. It is not sent yet: please send it from "
                                   "there.");
    EXPECT_EQ(bodies.value(1), Failure("anna@example.org", "desktop's mail program") +
                                   "The desktop's mail program did not take the message: " +
                                   mailer + " failed (exit status 3)");
    for (EMailFolder folder : {EMailFolder::Drafts, EMailFolder::Outbox, EMailFolder::Sent})
        EXPECT_TRUE(Mails("desktop", folder).isEmpty());
}

} // namespace
