#include "mail/AccountStore.h"

#include "platform/Registry.h"
#include "tests/support/TempHome.h"

#include <QFile>

namespace {

using AccountStoreTest = CTempHomeTest;

CMailAccount Smtp(const QString& name) {
    CMailAccount a;
    a.name = name;
    a.from = "me@example.org";
    a.host = "smtp.example.org";
    a.user = "me";
    a.passwordCommand = "pass show mail/example";
    return a;
}

TEST_F(AccountStoreTest, AccountsKeepTheirOrderAndSurviveARestart) {
    CAccountStore store;
    CMailAccount work = Smtp("Work"), home = Smtp("Home & Family");
    home.security = EMailSecurity::Tls;
    QString error;
    ASSERT_TRUE(store.Add(work, &error));
    ASSERT_TRUE(store.Add(home, &error));
    EXPECT_EQ(work.storeId, "work");
    EXPECT_EQ(home.storeId, "home---family");

    platform::ResetRegistry(); // read back from the file
    const auto accounts = CAccountStore().Accounts();
    ASSERT_EQ(accounts.size(), 2u);
    EXPECT_EQ(accounts[0].name, "Work");
    EXPECT_EQ(accounts[0].EffectivePort(), 587);
    EXPECT_EQ(accounts[0].passwordCommand, "pass show mail/example");
    EXPECT_EQ(accounts[1].name, "Home & Family");
    EXPECT_EQ(accounts[1].security, EMailSecurity::Tls);
    EXPECT_EQ(accounts[1].port, 465);
}

TEST_F(AccountStoreTest, RefusesDuplicatesIncompleteAccountsAndMisnamedSyncStores) {
    CAccountStore store;
    CMailAccount work = Smtp("Work");
    QString error;
    ASSERT_TRUE(store.Add(work, &error));
    CMailAccount again = Smtp("WORK");
    EXPECT_FALSE(store.Add(again, &error));
    EXPECT_TRUE(error.contains("already exists"));
    CMailAccount noHost = Smtp("Other");
    noHost.host.clear();
    EXPECT_FALSE(store.Add(noHost, &error));
    CMailAccount badFrom = Smtp("Other");
    badFrom.from = "nobody";
    EXPECT_FALSE(store.Add(badFrom, &error));
    CMailAccount sync;
    sync.name = "Phone";
    sync.transport = EMailTransport::Sync;
    EXPECT_FALSE(store.Add(sync, &error));
    EXPECT_TRUE(error.contains("ActiveSync"));
    EXPECT_EQ(store.Accounts().size(), 1u);
}

TEST_F(AccountStoreTest, RemoveTakesTheAccountOutOfTheTable) {
    CAccountStore store;
    CMailAccount a = Smtp("Work"), b = Smtp("Home");
    QString error;
    ASSERT_TRUE(store.Add(a, &error));
    ASSERT_TRUE(store.Add(b, &error));
    EXPECT_EQ(store.Remove("work"), 0); // exact names only
    EXPECT_EQ(store.Remove("Work"), 1);
    const auto rows = store.ReadRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "Home");
    // The name is free again.
    CMailAccount c = Smtp("Work");
    EXPECT_TRUE(store.Add(c, &error)) << error.toStdString();
}

TEST_F(AccountStoreTest, ContactsFolderDefaultIsWrittenAndCanBeChanged) {
    CAccountStore store;
    EXPECT_EQ(store.ContactsFolder("/home/x/.local/share/contacts"),
              "/home/x/.local/share/contacts");
    EXPECT_TRUE(ReadFile(platform::RegistryFilePath()).contains("ContactsFolder"));
    ASSERT_TRUE(store.SetContactsFolder(PathIn("book")));
    EXPECT_EQ(store.ContactsFolder("/elsewhere"), PathIn("book"));
}

// Values are read back whole at any length: the table of many accounts, a long password
// command and a long contacts folder never fall back to nothing or to a default.
TEST_F(AccountStoreTest, LongValuesAndManyAccountsReadBackWhole) {
    CAccountStore store;
    QString error;
    QStringList names;
    for (int i = 0; i < 25; ++i) {
        CMailAccount a = Smtp(QStringLiteral("Account number %1 of the long list of accounts")
                                  .arg(i, 2, 10, QChar(u'0')));
        ASSERT_TRUE(store.Add(a, &error)) << error.toStdString();
        names << a.name;
    }
    CMailAccount more = Smtp("One more");
    more.passwordCommand = "printf %s " + QString(1080, u'p');
    ASSERT_EQ(more.passwordCommand.size(), 1090);
    ASSERT_TRUE(store.Add(more, &error)) << error.toStdString();
    names << more.name;
    const QString folder = PathIn(QString(60, u'd') + "/" + QString(1200, u'c'));
    ASSERT_TRUE(store.SetContactsFolder(folder));

    platform::ResetRegistry();
    const auto accounts = CAccountStore().Accounts();
    QStringList listed;
    for (const CMailAccount& a : accounts)
        listed << a.name;
    EXPECT_EQ(listed, names);
    ASSERT_FALSE(accounts.empty());
    EXPECT_EQ(accounts.back().passwordCommand, more.passwordCommand);
    EXPECT_EQ(CAccountStore().ContactsFolder("/elsewhere"), folder);
}

// A killed earlier writer (or a removal that kept the key) may have left values under the id
// the new account gets: none of them may become part of it, least of all a command that
// would run on send.
TEST_F(AccountStoreTest, AnAccountNeverPicksUpValuesItWasNotGiven) {
    platform::CRegKey left = CAccountStore::AccountKey("work");
    ASSERT_TRUE(left.Write<QString>("User", "olduser"));
    ASSERT_TRUE(left.Write<QString>("PasswordCommand", "rm -rf ~"));
    ASSERT_TRUE(left.Write<QString>("CaFile", "/tmp/evil.pem"));
    CMailAccount work;
    work.name = "Work";
    work.from = "new@example.org";
    work.host = "new.example";
    QString error;
    ASSERT_TRUE(CAccountStore().Add(work, &error)) << error.toStdString();
    EXPECT_EQ(work.storeId, "work");

    platform::ResetRegistry();
    const auto loaded = CAccountStore().Load("work");
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->from, "new@example.org");
    EXPECT_EQ(loaded->user, QString());
    EXPECT_EQ(loaded->passwordCommand, QString());
    EXPECT_EQ(loaded->caFile, QString());
    EXPECT_FALSE(ReadFile(platform::RegistryFilePath()).contains("olduser"));
}

TEST_F(AccountStoreTest, ControlCharactersAreRefusedInEveryValue) {
    CAccountStore store;
    QString error;
    CMailAccount name = Smtp("Work\nX-Evil: yes");
    EXPECT_FALSE(store.Add(name, &error));
    EXPECT_TRUE(error.contains("name holds a line break")) << error.toStdString();
    CMailAccount host = Smtp("Work");
    host.host = "smtp.example.org\r\n";
    EXPECT_FALSE(store.Add(host, &error));
    EXPECT_TRUE(error.contains("server holds")) << error.toStdString();
    CMailAccount user = Smtp("Work");
    user.user = QStringLiteral("me\u2028you");
    EXPECT_FALSE(store.Add(user, &error));
    CMailAccount escape = Smtp("Work");
    escape.passwordCommand = "pass \x1b[2J";
    EXPECT_FALSE(store.Add(escape, &error));
    EXPECT_TRUE(store.Accounts().empty());
    EXPECT_FALSE(QFile::exists(platform::RegistryFilePath()));
    // Spaces and letters of any script are fine.
    CMailAccount fine = Smtp(QString::fromUtf8("Büro Ελλάδα"));
    EXPECT_TRUE(store.Add(fine, &error)) << error.toStdString();
}

TEST_F(AccountStoreTest, RemovingAnAccountDeletesItsKeyAndRepairsTheList) {
    CAccountStore store;
    CMailAccount a = Smtp("Work"), b = Smtp("Home");
    QString error;
    ASSERT_TRUE(store.Add(a, &error));
    ASSERT_TRUE(store.Add(b, &error));
    ASSERT_TRUE(CAccountStore::MailKey().Write<QString>("Accounts", "work;gone;home"));
    EXPECT_EQ(store.Remove("Work"), 1);
    EXPECT_FALSE(CAccountStore::AccountKey("work").Exists());
    EXPECT_EQ(CAccountStore::MailKey().Read<QString>("Accounts"), "home");
    platform::ResetRegistry();
    EXPECT_FALSE(ReadFile(platform::RegistryFilePath()).contains("Accounts\\work]"));
}

} // namespace
