// Every control of the send screen, the contact picker and the chooser is named for
// assistive tools, and the screens work from the keyboard.

#include "mail/screens/ContactPickerDialog.h"
#include "mail/screens/ListChooserDialog.h"
#include "mail/screens/SendMailDialog.h"
#include "resources/ResourceIds.h"
#include "tests/mail/screens/MailScreenTest.h"
#include "ui/toolkit/AccessibilityAudit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

namespace {

using namespace ids;

using MailAccessibilityTest = CMailScreenTest;

TEST_F(MailAccessibilityTest, EveryControlIsNamed) {
    QDir().mkpath(PathIn("contacts"));
    WriteFile(PathIn("contacts/a.vcf"), "BEGIN:VCARD\nFN:Anna\nEMAIL:a@example.org\nEND:VCARD\n");
    QStringList unnamed;
    CSendMailDialog send(m_settings);
    send.SetAddress("a@example.org");
    WhenScreenOpens(nullptr, [&](CScreen* top) {
        unnamed << FindUnnamedControls(m_device.get());
        top->EndDialog(IDCANCEL);
    });
    send.DoModal();

    CContactPickerDialog picker(PathIn("contacts"));
    WhenScreenOpens(nullptr, [&](CScreen* top) {
        picker.List()->setCurrentItem(picker.List()->topLevelItem(0));
        unnamed << FindUnnamedControls(m_device.get());
        top->EndDialog(IDCANCEL);
    });
    picker.DoModal();

    CListChooserDialog chooser;
    chooser.SetHeader("Email account", "Please choose the email account to use");
    chooser.SetLabel("Available email accounts:");
    chooser.AddItem("Work");
    WhenScreenOpens(nullptr, [&](CScreen* top) {
        unnamed << FindUnnamedControls(m_device.get());
        top->EndDialog(IDCANCEL);
    });
    chooser.DoModal();
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join("\n").toStdString();
}

TEST_F(MailAccessibilityTest, ChooserWorksFromTheKeyboard) {
    CListChooserDialog chooser;
    chooser.SetHeader("Choose contact email", "Please select the email address to use");
    for (const char* item : {"c1@example.org", "c2@example.org", "c3@example.org"})
        chooser.AddItem(item);
    WhenScreenOpens(nullptr, [&](CScreen*) {
        QTest::keyClick(chooser.List(), Qt::Key_Down);
        QTest::keyClick(chooser.List(), Qt::Key_Return);
    });
    EXPECT_EQ(chooser.DoModal(), IDOK);
    EXPECT_EQ(chooser.GetChosenIndex(), 1);

    CListChooserDialog cancelled;
    cancelled.AddItem("x");
    WhenScreenOpens(nullptr, [&](CScreen*) { QTest::keyClick(cancelled.List(), Qt::Key_Escape); });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelled.GetChosenIndex(), -1);
}

TEST_F(MailAccessibilityTest, SendScreenTextsComeFromTheStringTable) {
    CSendMailDialog send(m_settings);
    EXPECT_EQ(send.GetDlgItemText(IDC_MAIL_ADDRESS_LABEL), "email address:");
    EXPECT_EQ(send.GetDlgItemText(IDC_MAIL_SUBJECT_LABEL), "Subject:");
    EXPECT_EQ(send.GetDlgItemText(IDC_MAIL_BODY_LABEL), "Message body:");
    auto* pick = send.ControlAs<QAbstractButton>(IDC_MAIL_PICK_CONTACT);
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(pick->text(), "...");
    EXPECT_EQ(pick->accessibleName(), "Pick contact");
    EXPECT_EQ(send.GetDlgItemText(IDC_QB_BUTTON_OK), "Send");
}

} // namespace
