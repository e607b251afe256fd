#include "mail/AccountStore.h"

#include "app/AppSettings.h"
#include "mail/MailMessage.h"
#include "platform/Registry.h"

#include <QRegularExpression>

using namespace platform;

namespace {

const char kAccountsValue[] = "Accounts";
const char kContactsValue[] = "ContactsFolder";
const QStringList kAccountValues = {
    "Name",     "Transport", "Store",           "From",         "Host",  "Port",
    "Security", "User",      "PasswordCommand", "PasswordFile", "CaFile"};

bool HasValue(const QString& path, const QString& name) {
    HKEY key = 0;
    if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, path, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    std::uint32_t type = REG_NONE;
    std::uint32_t size = 0;
    const bool found = RegQueryValueEx(key, name, &type, nullptr, &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

QString StoreIdFor(const QString& name, const QStringList& taken) {
    QString base;
    for (QChar c : name.toLower())
        base += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QChar('-');
    base = base.left(40);
    if (base.isEmpty() || base.startsWith('-'))
        base.prepend("account");
    QString id = base;
    for (int n = 2; taken.contains(id, Qt::CaseInsensitive); ++n)
        id = base + "-" + QString::number(n);
    return id;
}

} // namespace

QString CAccountStore::MailKeyPath() {
    return SettingsKeyPath(QStringLiteral("MAIL"));
}

QString CAccountStore::AccountKeyPath(const QString& storeId) {
    return MailKeyPath() + "\\Accounts\\" + storeId;
}

bool CAccountStore::IsValidStoreId(const QString& storeId) {
    // It names a folder under the mail root: no separators, no dots, nothing hidden.
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_-]{0,63}$"));
    return re.match(storeId).hasMatch();
}

QStringList CAccountStore::StoreIds() const {
    QString text;
    ReadText(MailKeyPath(), kAccountsValue, text);
    QStringList ids;
    for (const QString& part : text.split(';'))
        if (!part.trimmed().isEmpty())
            ids << part.trimmed();
    return ids;
}

bool CAccountStore::WriteStoreIds(const QStringList& ids) {
    return WriteText(MailKeyPath(), kAccountsValue, ids.join(';'));
}

std::vector<CStoreRow> CAccountStore::ReadRows() const {
    std::vector<CStoreRow> rows;
    for (const QString& id : StoreIds()) {
        const QString path = AccountKeyPath(id);
        CStoreRow row;
        row.hasName = ReadText(path, "Name", row.name);
        QString transport;
        row.hasTransport = ReadText(path, "Transport", transport) &&
                           (transport == "smtp" || transport == "desktop");
        QString store;
        const bool storePresent = HasValue(path, "Store");
        row.hasStore = ReadText(path, "Store", store) && store == id && IsValidStoreId(store);
        row.storeId = row.hasStore ? store : QString();
        row.hasValues = row.hasName || storePresent || HasValue(path, "Transport");
        rows.push_back(row);
    }
    return rows;
}

std::optional<CMailAccount> CAccountStore::Load(const QString& storeId) const {
    if (!IsValidStoreId(storeId))
        return std::nullopt;
    const QString path = AccountKeyPath(storeId);
    CMailAccount a;
    if (!ReadText(path, "Name", a.name))
        return std::nullopt;
    a.storeId = storeId;
    QString transport;
    ReadText(path, "Transport", transport);
    a.transport = transport == "smtp"      ? EMailTransport::Smtp
                  : transport == "desktop" ? EMailTransport::Desktop
                                           : EMailTransport::Sync;
    ReadText(path, "From", a.from);
    ReadText(path, "Host", a.host);
    std::uint32_t port = 0;
    if (ReadNumber(path, "Port", port) && port <= 65535)
        a.port = int(port);
    QString security;
    if (ReadText(path, "Security", security))
        ParseSecurity(security, &a.security);
    ReadText(path, "User", a.user);
    ReadText(path, "PasswordCommand", a.passwordCommand);
    ReadText(path, "PasswordFile", a.passwordFile);
    ReadText(path, "CaFile", a.caFile);
    return a;
}

std::vector<CMailAccount> CAccountStore::Accounts() const {
    std::vector<CMailAccount> accounts;
    for (const CStoreRow& row : ReadRows())
        if (row.hasName && row.hasStore)
            if (auto a = Load(row.storeId))
                accounts.push_back(*a);
    return accounts;
}

bool CAccountStore::Add(CMailAccount& account, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    account.name = account.name.trimmed();
    if (account.name.isEmpty())
        return fail(QStringLiteral("an account needs a name"));
    if (account.name.size() > 200)
        return fail(QStringLiteral("the account name is too long"));
    if (account.transport == EMailTransport::Sync && account.name != kSyncStoreName)
        return fail(QStringLiteral("a queue-only store is named %1; only that name is offered "
                                   "for sending")
                        .arg(kSyncStoreName));
    if (account.transport == EMailTransport::Smtp) {
        if (!CMailMessage::IsPlainAddress(account.from))
            return fail(QStringLiteral("the sender address '%1' is not an e-mail address")
                            .arg(account.from));
        if (account.host.trimmed().isEmpty())
            return fail(QStringLiteral("an SMTP account needs a server (--host)"));
        if (account.port < 0 || account.port > 65535)
            return fail(QStringLiteral("the port must be between 1 and 65535"));
    }
    const QStringList ids = StoreIds();
    for (const CStoreRow& row : ReadRows())
        if (row.hasName && row.name.compare(account.name, Qt::CaseInsensitive) == 0)
            return fail(QStringLiteral("an account named '%1' already exists").arg(row.name));

    account.storeId = StoreIdFor(account.name, ids);
    const QString path = AccountKeyPath(account.storeId);
    bool ok = WriteText(path, "Name", account.name) && WriteText(path, "Store", account.storeId);
    if (ok && account.transport != EMailTransport::Sync)
        ok = WriteText(path, "Transport", TransportName(account.transport));
    if (ok && account.transport == EMailTransport::Smtp) {
        ok = WriteText(path, "From", account.from) && WriteText(path, "Host", account.host) &&
             WriteNumber(path, "Port", std::uint32_t(account.EffectivePort())) &&
             WriteText(path, "Security", SecurityName(account.security));
        if (ok && !account.user.isEmpty())
            ok = WriteText(path, "User", account.user);
        if (ok && !account.passwordCommand.isEmpty())
            ok = WriteText(path, "PasswordCommand", account.passwordCommand);
        if (ok && !account.passwordFile.isEmpty())
            ok = WriteText(path, "PasswordFile", account.passwordFile);
        if (ok && !account.caFile.isEmpty())
            ok = WriteText(path, "CaFile", account.caFile);
    }
    if (ok)
        ok = WriteStoreIds(ids + QStringList{account.storeId});
    if (!ok)
        return fail(
            QStringLiteral("the registry file %1 could not be written").arg(RegistryFilePath()));
    return true;
}

int CAccountStore::Remove(const QString& name) {
    QStringList ids = StoreIds();
    int removed = 0;
    for (const CStoreRow& row : ReadRows()) {
        if (!row.hasName || row.name != name)
            continue;
        const QString id = row.hasStore ? row.storeId : QString();
        if (id.isEmpty())
            continue;
        HKEY key = 0;
        if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, AccountKeyPath(id), KEY_ALL_ACCESS, &key) ==
            ERROR_SUCCESS) {
            for (const QString& value : kAccountValues)
                RegDeleteValue(key, value);
            RegCloseKey(key);
        }
        ids.removeAll(id);
        ++removed;
    }
    if (removed > 0 && !WriteStoreIds(ids))
        return -1;
    return removed;
}

QString CAccountStore::ContactsFolder(const QString& defaultFolder) const {
    QString folder;
    ReadTextOrDefault(QStringLiteral("MAIL"), kContactsValue, defaultFolder, folder);
    return folder.isEmpty() ? defaultFolder : folder;
}

bool CAccountStore::SetContactsFolder(const QString& folder) {
    return WriteText(MailKeyPath(), kContactsValue, folder);
}
