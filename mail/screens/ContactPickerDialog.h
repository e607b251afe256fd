#pragma once

// Picks a contact with an e-mail address from the contact store (a folder of vCard files):
// a list of name and first address; OK is possible only with a row selected.
// GetSelectedContact gives the chosen contact's addresses and name.

#include "mail/Contact.h"
#include "ui/toolkit/Dialog.h"

#include <QStringList>

#include <cstdint>
#include <vector>

class QTreeWidget;

class CContactPickerDialog : public CDialog {
public:
    CContactPickerDialog(const QString& contactsFolder, CScreen* owner = nullptr);
    ~CContactPickerDialog() override;

    // False when nothing valid is selected.
    bool GetSelectedContact(QStringList* addresses, QString* name) const;

    QTreeWidget* List() const;
    int RowCount() const;

protected:
    void OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void OnOK() override;
    void Layout() override;

private:
    void UpdateOkRule();

    QString m_folder;
    std::vector<CContact> m_contacts;
    int m_selected = -1;
    std::int32_t m_picture = 0;
};
