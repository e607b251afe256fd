#include "mail/AccountStore.h"

#include "app/AppSettings.h"
#include "mail/MailMessage.h"
#include "platform/RegKey.h"
#include "platform/Registry.h"
#include "text/Catalogue.h"

#include <QRegularExpression>

using namespace platform;

namespace {

const char kAccountsValue[] = "Accounts";
const char kContactsValue[] = "ContactsFolder";

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

CRegKey CAccountStore::MailKey() {
    return SettingsKey(QStringLiteral("MAIL"));
}

CRegKey CAccountStore::AccountKey(const QString& storeId) {
    return MailKey().Sub("Accounts").Sub(storeId);
}

bool CAccountStore::IsValidStoreId(const QString& storeId) {
    // It names a folder under the mail root: no separators, no dots, nothing hidden.
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_-]{0,63}$"));
    return re.match(storeId).hasMatch();
}

QStringList CAccountStore::StoreIds() const {
    const QString text = MailKey().Read<QString>(kAccountsValue, QString());
    QStringList ids;
    for (const QString& part : text.split(';'))
        if (!part.trimmed().isEmpty())
            ids << part.trimmed();
    return ids;
}

QStringList CAccountStore::LiveStoreIds() const {
    QStringList ids;
    for (const QString& id : StoreIds())
        if (!IsStale(id))
            ids << id;
    return ids;
}

bool CAccountStore::IsStale(const QString& storeId) {
    // An id whose key is gone or empty (a removed account, an edit by hand) names no store.
    return AccountKey(storeId).ValueCount() == 0;
}

std::vector<CStoreRow> CAccountStore::ReadRows() const {
    std::vector<CStoreRow> rows;
    for (const QString& id : LiveStoreIds()) {
        const CRegKey key = AccountKey(id);
        CStoreRow row;
        const auto name = key.Read<QString>("Name");
        row.hasName = name.has_value();
        row.name = name.value_or(QString());
        const auto transport = key.Read<QString>("Transport");
        row.hasTransport = transport == "smtp" || transport == "desktop";
        const auto store = key.Read<QString>("Store");
        row.hasStore = store == id && IsValidStoreId(id);
        row.storeId = row.hasStore ? id : QString();
        row.hasValues = row.hasName || key.Has("Store") || key.Has("Transport");
        rows.push_back(row);
    }
    return rows;
}

std::optional<CMailAccount> CAccountStore::Load(const QString& storeId) const {
    if (!IsValidStoreId(storeId))
        return std::nullopt;
    const CRegKey key = AccountKey(storeId);
    const auto name = key.Read<QString>("Name");
    if (!name)
        return std::nullopt;
    CMailAccount a;
    a.name = *name;
    a.storeId = storeId;
    const QString transport = key.Read<QString>("Transport", QString());
    a.transport = transport == "smtp"      ? EMailTransport::Smtp
                  : transport == "desktop" ? EMailTransport::Desktop
                                           : EMailTransport::Sync;
    a.from = key.Read<QString>("From", QString());
    a.host = key.Read<QString>("Host", QString());
    if (const auto port = key.Read<std::uint32_t>("Port"); port && *port <= 65535)
        a.port = int(*port);
    if (const auto security = key.Read<QString>("Security"))
        ParseSecurity(*security, &a.security);
    a.user = key.Read<QString>("User", QString());
    a.passwordCommand = key.Read<QString>("PasswordCommand", QString());
    a.passwordFile = key.Read<QString>("PasswordFile", QString());
    a.caFile = key.Read<QString>("CaFile", QString());
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

bool CAccountStore::HasControlCharacters(const QString& text) {
    for (QChar c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            return true;
    return false;
}

bool CAccountStore::Add(CMailAccount& account, QString* error, bool* notWritten) {
    if (notWritten)
        *notWritten = false;
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    account.name = account.name.trimmed();
    if (account.name.isEmpty())
        return fail(TranslateText("AccountStore", "an account needs a name"));
    if (account.name.size() > 200)
        return fail(TranslateText("AccountStore", "the account name is too long"));
    // A line break in a value would reach a terminal or a mail header raw.
    const std::pair<const char*, const QString*> texts[] = {
        {QT_TRANSLATE_NOOP("AccountStore", "name"), &account.name},
        {QT_TRANSLATE_NOOP("AccountStore", "sender address"), &account.from},
        {QT_TRANSLATE_NOOP("AccountStore", "server"), &account.host},
        {QT_TRANSLATE_NOOP("AccountStore", "user"), &account.user},
        {QT_TRANSLATE_NOOP("AccountStore", "password command"), &account.passwordCommand},
        {QT_TRANSLATE_NOOP("AccountStore", "password file"), &account.passwordFile},
        {QT_TRANSLATE_NOOP("AccountStore", "certificate file"), &account.caFile}};
    for (const auto& [what, text] : texts)
        if (HasControlCharacters(*text))
            return fail(TranslateText("AccountStore",
                                      "the %1 holds a line break or another control character")
                            .arg(TranslateText("AccountStore", what)));
    if (account.transport == EMailTransport::Sync && account.name != kSyncStoreName)
        return fail(TranslateText("AccountStore",
                                  "a queue-only store is named %1; only that name is offered "
                                  "for sending")
                        .arg(kSyncStoreName));
    if (account.transport == EMailTransport::Smtp) {
        if (!CMailMessage::IsPlainAddress(account.from))
            return fail(
                TranslateText("AccountStore", "the sender address '%1' is not an e-mail address")
                    .arg(account.from));
        if (account.host.trimmed().isEmpty())
            return fail(TranslateText("AccountStore", "an SMTP account needs a server (--host)"));
        if (account.port < 0 || account.port > 65535)
            return fail(TranslateText("AccountStore", "the port must be between 1 and 65535"));
    }

    // The table is read and written under the registry's lock, as the file holds it now, and
    // the account reaches the file in one replacement with the list: another writer's account
    // is never lost, and a killed writer leaves either the whole account or none of it.
    QString refusal;
    const bool written = platform::UpdateRegistry([&] {
        for (const CStoreRow& row : ReadRows())
            if (row.hasName && row.name.compare(account.name, Qt::CaseInsensitive) == 0) {
                refusal = TranslateText("AccountStore", "an account named '%1' already exists")
                              .arg(row.name);
                return false;
            }
        const QStringList ids = LiveStoreIds(); // stale ids go with this write
        account.storeId = StoreIdFor(account.name, ids);
        CRegKey key = AccountKey(account.storeId);
        // What an earlier attempt may have left under this id must not become part of this
        // account.
        bool ok =
            key.RemoveKey() && key.Set("Name", account.name) && key.Set("Store", account.storeId);
        if (ok && account.transport != EMailTransport::Sync)
            ok = key.Set("Transport", TransportName(account.transport));
        if (ok && account.transport == EMailTransport::Smtp) {
            ok = key.Set("From", account.from) && key.Set("Host", account.host) &&
                 key.Set("Port", std::uint32_t(account.EffectivePort())) &&
                 key.Set("Security", SecurityName(account.security));
            const std::pair<const char*, const QString*> optional[] = {
                {"User", &account.user},
                {"PasswordCommand", &account.passwordCommand},
                {"PasswordFile", &account.passwordFile},
                {"CaFile", &account.caFile}};
            for (const auto& [name, text] : optional)
                if (ok && !text->isEmpty())
                    ok = key.Set(name, *text);
        }
        return ok && MailKey().Set(kAccountsValue, (ids + QStringList{account.storeId}).join(';'));
    });
    if (!refusal.isEmpty())
        return fail(refusal);
    if (!written) {
        if (notWritten)
            *notWritten = true;
        return fail(TranslateText("AccountStore", "the registry file %1 could not be written")
                        .arg(RegistryFilePath()));
    }
    return true;
}

int CAccountStore::Remove(const QString& name) {
    int removed = 0;
    const bool written = platform::UpdateRegistry([&] {
        removed = 0;
        QStringList ids = LiveStoreIds();
        for (const CStoreRow& row : ReadRows()) {
            if (!row.hasName || row.name != name || !row.hasStore)
                continue;
            if (!AccountKey(row.storeId).RemoveKey())
                return false;
            ids.removeAll(row.storeId);
            ++removed;
        }
        return removed == 0 || MailKey().Set(kAccountsValue, ids.join(';'));
    });
    return written ? removed : -1;
}

QString CAccountStore::ContactsFolder(const QString& defaultFolder) const {
    CRegKey key = MailKey();
    const QString folder = ReadOrWriteDefault(key, kContactsValue, defaultFolder);
    return folder.isEmpty() ? defaultFolder : folder;
}

bool CAccountStore::SetContactsFolder(const QString& folder) {
    return MailKey().Write(kContactsValue, folder);
}
