#pragma once

// The contact store: a folder of vCard files (*.vcf, *.vcard), as synchronising tools keep an
// address book, with its collections in sub-folders. A file may hold several cards. Only
// regular files are read, none larger than an address book's card file gets; links to folders
// are followed only inside the contact folder, and nothing is read twice.

#include "mail/Contact.h"

#include <QByteArray>
#include <QString>

#include <vector>

class CContactStore {
public:
    // No address book's card file comes near this; the limit holds for the bytes read.
    static constexpr qsizetype kMaxCardFileBytes = qsizetype(4) * 1024 * 1024;

    explicit CContactStore(const QString& folder) : m_folder(folder) {}

    // Every card of the folder and its sub-folders, files by path; an unreadable file or a
    // missing folder gives no contacts, never an error.
    std::vector<CContact> Load() const;
    // The cards of one vCard text (CVCardParser).
    static std::vector<CContact> Parse(const QByteArray& text);
    // The bytes of a regular file of at most kMaxCardFileBytes; false for anything else (a
    // device, a pipe, a folder, a larger file) without reading more than the limit.
    static bool ReadCardFile(const QString& path, QByteArray* data);

    // $XDG_DATA_HOME/contacts, where vdir synchronising tools usually keep address books.
    static QString DefaultFolder();

private:
    QString m_folder;
};
