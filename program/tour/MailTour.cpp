#include "program/tour/TourContext.h"

#include "app/AppSettings.h"
#include "mail/screens/ContactPickerDialog.h"
#include "mail/screens/ListChooserDialog.h"
#include "mail/screens/SendMailDialog.h"
#include "resources/ResourceIds.h"
#include "screens/MainDlg.h"
#include "text/ProductInfo.h"
#include "text/Strings.h"
#include "ui/toolkit/QuestionBox.h"

#include <QDir>
#include <QFile>
#include <QTreeWidget>

namespace {

// A small address book as a synchronising tool keeps it: one card per file.
QString WriteContacts(const QString& scratch) {
    const QString folder = scratch + "/contacts/personal";
    QDir().mkpath(folder);
    const char* cards[] = {
        "BEGIN:VCARD\nVERSION:3.0\nFN:Anna Berg\nN:Berg;Anna;;;\nEMAIL:anna.berg@example.org\n"
        "END:VCARD\n",
        "BEGIN:VCARD\nVERSION:3.0\nN:Dahl;Carl;;;\nEMAIL:carl@dahl.example\n"
        "EMAIL:c.dahl@work.example\nEMAIL:carl.dahl@mail.example\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:3.0\nFN:Dora Ek\nEMAIL:\nEMAIL:dora@ek.example\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:3.0\nFN:Erik Fors\nEMAIL:erik.fors@example.net\nEND:VCARD\n",
        "BEGIN:VCARD\nVERSION:3.0\nFN:Print shop\nEMAIL:orders@printshop.example\nEND:VCARD\n",
    };
    int n = 0;
    for (const char* card : cards) {
        QFile file(QStringLiteral("%1/%2.vcf").arg(folder).arg(++n));
        if (file.open(QIODevice::WriteOnly))
            file.write(card);
    }
    return scratch + "/contacts";
}

} // namespace

void RunMailTour(CTourContext& tour) {
    CMainDlg* main = tour.Main();
    const QString contacts = WriteContacts(tour.ScratchFolder());
    const QString pdf = tour.ScratchFolder() + "/20261208_0930.pdf";
    CAppSettings settings = AppSettings();

    CSendMailDialog send(settings, main);
    send.SetAttachment(pdf);
    send.SetAddress(QStringLiteral("anna.berg@example.org"));
    send.SetSubject(LoadFormatted(ids::IDS_EMAILING, QStringLiteral("20261208_0930.pdf")));
    send.SetBody(LoadFormatted(ids::IDS_SENT_POCKET_DOCUMENT_COPIER, ProductName()));
    send.SetContactsFolder(contacts);
    // The tour waits in a loop of its own while these screens come up; a repaint makes sure
    // their first paint is not left waiting behind it.
    auto painted = [](CScreen* top) {
        if (!top->HasPainted())
            top->repaint();
        return true;
    };
    tour.ShootModal(
        "70-send", [&] { send.DoModal(); },
        [&](CScreen* top) { return top == &send && painted(top); });
    CContactPickerDialog picker(contacts, main);
    tour.ShootModal(
        "71-contact-picker", [&] { picker.DoModal(); },
        [&](CScreen* top) {
            if (top != &picker || picker.RowCount() < 2)
                return false;
            if (picker.List()->selectedItems().isEmpty())
                picker.List()->setCurrentItem(picker.List()->topLevelItem(1));
            return painted(top);
        });

    // The chooser the send screen shows when the store has several accounts.
    CSendMailDialog asking(settings, main);
    tour.ShootModal(
        "72-account-chooser",
        [&] {
            asking.ChooseAccount(
                {QStringLiteral("ActiveSync"), QStringLiteral("Work"), QStringLiteral("Home")});
        },
        [&](CScreen* top) {
            return dynamic_cast<CListChooserDialog*>(top) != nullptr && painted(top);
        });

    // What the send screen reports: a failure with its reason under it (the longest text it
    // shows) and a message handed to the desktop's mail program. Built from the same texts,
    // so that the tour never sends anything.
    const QString address = QStringLiteral("anna.berg@example.org");
    const struct {
        const char* name;
        std::uint16_t caption, heading;
        QString body;
        std::uint32_t picture;
    } outcomes[] = {
        {"73-send-failed", ids::IDS_ERROR_1175, ids::IDS_SEND_MAIL,
         LoadFormatted(ids::IDS_SEND_FILE_CHECK_WHETHER, pdf, address) + "\n\n" +
             LoadFormatted(ids::IDS_MAIL_WHY_NO_ACCOUNT),
         ids::IDB_MSG_ATTENTION},
        {"74-send-handed-over", ids::IDS_SUCCESS_1178, ids::IDS_MAIL_HANDED_OVER,
         LoadFormatted(ids::IDS_MAIL_HANDED_OVER_BODY, pdf, address), ids::IDB_MSG_SUCCESS},
    };
    for (const auto& outcome : outcomes) {
        CQuestionBox box(main);
        box.SetKind(CQuestionBox::kClose);
        box.SetTitles(LoadFormatted(outcome.caption), LoadFormatted(outcome.heading));
        box.SetBody(outcome.body);
        box.SetPictures(outcome.picture);
        tour.ShootModal(
            outcome.name, [&] { box.Show(); },
            [&](CScreen* top) { return top == &box && painted(top); });
    }
}
