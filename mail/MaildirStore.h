#pragma once

// The mail store of one account: Maildir folders Drafts, Outbox and Sent under
// <mail root>/<store identifier>. A message is written to tmp/ and renamed into new/, so a
// reader never sees half a message; moving between folders is a rename.

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class EMailFolder { Drafts, Outbox, Sent };

class CMaildirStore {
public:
    CMaildirStore(const QString& mailRoot, const QString& storeId);

    QString Folder(EMailFolder folder) const;
    // Creates the three folders with their tmp, new and cur parts.
    bool Create(QString* error);
    // A new, unique file name inside `folder`'s tmp/ to write a message into; Deliver moves it
    // to new/. Returns the final path, empty on failure.
    QString TempPathFor(EMailFolder folder) const;
    QString Deliver(const QString& tempPath, EMailFolder folder) const;
    // Moves a message into another folder; its new path, empty on failure.
    QString Move(const QString& path, EMailFolder to) const;
    // The messages of a folder (paths), oldest name first.
    QStringList Messages(EMailFolder folder) const;

    static QString FolderName(EMailFolder folder);

private:
    QString m_root;
};
