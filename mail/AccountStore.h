#pragma once

// The accounts of the messaging store, kept in the registry below the profile's "MAIL" group:
// "Accounts" lists the store identifiers in order, and each account has a key
// MAIL\Accounts\<store> with its values. The store table of the messaging system is this list
// read row by row; a row is what one account key holds. An id whose key is missing or empty
// is stale: it is no row, and the next change of the table drops it from the list.

#include "mail/MailAccount.h"
#include "platform/RegKey.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One row of the store table as the registry holds it, without judging it.
struct CStoreRow {
    bool hasValues = false; // false: the key is missing or holds none of the three columns
    bool hasName = false;
    QString name;
    bool hasTransport = false; // e-mail accounts carry it; a queue-only store does not
    bool hasStore = false;     // a usable store identifier (the row's entry identifier)
    QString storeId;
};

class CAccountStore {
public:
    // The rows in table order.
    std::vector<CStoreRow> ReadRows() const;
    // The account of a row's store identifier, or nothing when its key is gone.
    std::optional<CMailAccount> Load(const QString& storeId) const;
    // Every complete account in table order (for listing); broken rows are left out.
    std::vector<CMailAccount> Accounts() const;

    // Adds an account at the end of the table and gives it a store identifier, written in one
    // step with the list (a key left under that identifier is cleared first). False, with a
    // reason, for a name already in use (any case), an incomplete account, a control character
    // (a line break) in any of its texts or a registry that cannot be written (then
    // `notWritten` is set: the account itself was fine).
    bool Add(CMailAccount& account, QString* error, bool* notWritten = nullptr);
    // Removes every account named exactly `name` from the table; their stored mail stays on
    // disk. The number removed; -1 when the registry could not be written.
    int Remove(const QString& name);

    // The folder of vCard files the contact picker reads: the "ContactsFolder" value,
    // written with `defaultFolder` when missing.
    QString ContactsFolder(const QString& defaultFolder) const;
    bool SetContactsFolder(const QString& folder);

    static platform::CRegKey MailKey();
    static platform::CRegKey AccountKey(const QString& storeId);
    static bool IsValidStoreId(const QString& storeId);
    // Control characters and line or paragraph separators: refused in every account value.
    static bool HasControlCharacters(const QString& text);

private:
    QStringList StoreIds() const;
    QStringList LiveStoreIds() const;
    static bool IsStale(const QString& storeId);
};
