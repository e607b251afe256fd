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
#include <QJsonArray>
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
                box->EndDialog(IDOK);
            }
        });
    }
    QStringList boxes;
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

} // namespace
