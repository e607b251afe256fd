#include "mail/screens/ContactPickerDialog.h"

#include "mail/screens/ListChooserDialog.h"
#include "mail/screens/SendMailDialog.h"
#include "resources/ResourceIds.h"
#include "tests/mail/screens/MailScreenTest.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

using namespace ids;

class ContactPickerTest : public CMailScreenTest {
protected:
    void SetUp() override {
        CMailScreenTest::SetUp();
        QDir().mkpath(PathIn("contacts/book"));
        WriteFile(PathIn("contacts/book/1.vcf"),
                  "BEGIN:VCARD\nFN:Anna Berg\nEMAIL:anna@example.org\nEND:VCARD\n");
        WriteFile(PathIn("contacts/book/2.vcf"),
                  "BEGIN:VCARD\nN:Dahl;Carl;;;\nEMAIL:c1@example.org\nEMAIL:c2@example.org\n"
                  "EMAIL:c3@example.org\nEND:VCARD\n");
        WriteFile(PathIn("contacts/book/3.vcf"),
                  "BEGIN:VCARD\nFN:Dora\nEMAIL:\nEMAIL:dora@example.org\nEND:VCARD\n");
        WriteFile(PathIn("contacts/book/4.vcf"), "BEGIN:VCARD\nFN:Eve\nEND:VCARD\n");
    }

    // Opens the send screen, picks the contact in `row` and lets `choose` answer the address
    // chooser if one opens. Returns the address field afterwards and the chooser's items.
    QString Pick(int row, const std::function<void(CListChooserDialog&)>& choose,
                 QStringList* offered = nullptr) {
        CSendMailDialog dialog(m_settings);
        dialog.SetAttachment(m_pdf);
        dialog.SetAddress("old@example.org");
        dialog.SetContactsFolder(PathIn("contacts"));
        QString address;
        WhenScreenOpens(nullptr, [&](CScreen*) {
            WhenScreenOpens(&dialog, [&](CScreen* top) {
                auto* picker = dynamic_cast<CContactPickerDialog*>(top);
                ASSERT_NE(picker, nullptr);
                picker->List()->setCurrentItem(picker->List()->topLevelItem(row));
                WhenScreenOpens(picker, [&](CScreen* next) {
                    if (auto* chooser = dynamic_cast<CListChooserDialog*>(next)) {
                        if (offered)
                            for (int i = 0; i < chooser->List()->count(); ++i)
                                *offered << chooser->List()->itemText(i);
                        choose(*chooser);
                    }
                });
                picker->SendCommand(ID_OK);
            });
            dialog.SendCommand(IDC_MAIL_PICK_CONTACT);
            address = dialog.AddressEdit()->text();
            dialog.SendCommand(ID_PLATFORM_CANCEL);
        });
        dialog.DoModal();
        return address;
    }
};

TEST_F(ContactPickerTest, ListsOnlyContactsWithAnAddress) {
    CContactPickerDialog picker(PathIn("contacts"));
    bool okAtStart = true, okAfterSelection = false;
    WhenScreenOpens(nullptr, [&](CScreen*) {
        okAtStart = picker.IsCommandEnabled(ID_OK) || picker.IsCommandEnabled(IDC_OK);
        picker.List()->setCurrentItem(picker.List()->topLevelItem(0));
        okAfterSelection = picker.IsCommandEnabled(ID_OK) && picker.IsCommandEnabled(IDC_OK);
        picker.SendCommand(ID_PLATFORM_CANCEL);
    });
    EXPECT_EQ(picker.DoModal(), IDCANCEL);
    ASSERT_EQ(picker.RowCount(), 3);
    EXPECT_FALSE(okAtStart);
    EXPECT_TRUE(okAfterSelection);
    QStringList rows;
    for (int i = 0; i < picker.RowCount(); ++i)
        rows << picker.List()->topLevelItem(i)->text(0) + "|" +
                    picker.List()->topLevelItem(i)->text(1);
    // Without a display name: first name part, a space, second name part. Dora has only a
    // second address: her e-mail column is empty.
    EXPECT_EQ(rows,
              QStringList({"Anna Berg|anna@example.org", "Carl Dahl|c1@example.org", "Dora|"}));
    QStringList addresses;
    QString name;
    EXPECT_FALSE(picker.GetSelectedContact(&addresses, &name));
}

TEST_F(ContactPickerTest, OneAddressIsTakenWithoutAsking) {
    bool asked = false;
    EXPECT_EQ(Pick(0,
                   [&](CListChooserDialog& c) {
                       asked = true;
                       c.EndDialog(IDCANCEL);
                   }),
              "anna@example.org");
    EXPECT_FALSE(asked);
    EXPECT_EQ(Pick(2,
                   [&](CListChooserDialog& c) {
                       asked = true;
                       c.EndDialog(IDCANCEL);
                   }),
              "dora@example.org");
    EXPECT_FALSE(asked);
}

TEST_F(ContactPickerTest, SeveralAddressesAskAndCancellingChangesNothing) {
    QStringList offered;
    EXPECT_EQ(Pick(
                  1, [](CListChooserDialog& c) { c.SendCommand(ID_PLATFORM_CANCEL); }, &offered),
              "old@example.org");
    EXPECT_EQ(offered, QStringList({"c1@example.org", "c2@example.org", "c3@example.org"}));
    EXPECT_EQ(Pick(1,
                   [](CListChooserDialog& c) {
                       c.List()->setCurrentIndex(2);
                       c.SendCommand(IDC_QB_BUTTON_OK);
                   }),
              "c3@example.org");
}

} // namespace
