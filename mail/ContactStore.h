#pragma once

// The contact store: a folder of vCard files (*.vcf), as synchronising tools keep an address
// book, with its collections in sub-folders. A file may hold several cards.

#include "mail/Contact.h"

#include <QString>

#include <vector>

class CContactStore {
public:
    explicit CContactStore(const QString& folder) : m_folder(folder) {}

    // Every card of the folder and its sub-folders, files by name; an unreadable file or a
    // missing folder gives no contacts, never an error.
    std::vector<CContact> Load() const;
    // The cards of one vCard text.
    static std::vector<CContact> Parse(const QByteArray& text);

    // $XDG_DATA_HOME/contacts, where vdir synchronising tools usually keep address books.
    static QString DefaultFolder();

private:
    QString m_folder;
};
