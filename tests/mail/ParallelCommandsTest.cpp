// The program's own commands run at the same time on one registry, as scripts and a user in
// two terminals run them: every change that reported success is kept, and a killed writer
// leaves either its whole account or none of it.

#include "mail/AccountStore.h"
#include "platform/Registry.h"
#include "tests/support/TempHome.h"
#include "tests/support/WaitFor.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>

#include <memory>
#include <vector>

namespace {

class ParallelCommandsTest : public CTempHomeTest {
protected:
    // Starts the program with `args`; the caller waits.
    static std::unique_ptr<QProcess> Start(const QStringList& args) {
        auto p = std::make_unique<QProcess>();
        p->start(QStringLiteral(QM_QUILLMARK_BIN), args);
        return p;
    }
    // Waits for every process; true when each ran to its end with status 0.
    static bool AllSucceed(std::vector<std::unique_ptr<QProcess>>& processes, QString* errors) {
        bool all = true;
        for (auto& p : processes) {
            const bool ok = p->waitForFinished(120000) && p->exitStatus() == QProcess::NormalExit &&
                            p->exitCode() == 0;
            if (!ok)
                *errors += QString::fromUtf8(p->readAllStandardError());
            all = ok && all;
        }
        return all;
    }
    static std::unique_ptr<QProcess> AddAccount(const QString& name) {
        return Start({"account", "add", name, "--from", "me@example.org", "--host",
                      "smtp.example.org", "--user", "u-" + name, "--password-command",
                      "pass show " + name});
    }
    static QStringList AccountNames() {
        platform::ResetRegistry();
        QStringList names;
        for (const CMailAccount& a : CAccountStore().Accounts())
            names << a.name;
        return names;
    }
};

// Each round runs two settings commands at once, each changing a different value; both values
// must be in the file afterwards.
TEST_F(ParallelCommandsTest, ParallelSettingsChangesAreAllKept) {
    constexpr int kRounds = 12;
    int lost = 0;
    QString errors;
    for (int round = 0; round < kRounds; ++round) {
        const int page = round % 12, portrait = round % 2;
        std::vector<std::unique_ptr<QProcess>> pair;
        pair.push_back(Start({"settings", "set", "PageSize", QString::number(page)}));
        pair.push_back(Start({"settings", "set", "AutoPortrait", QString::number(portrait)}));
        ASSERT_TRUE(AllSucceed(pair, &errors)) << errors.toStdString();
        const QByteArray file = ReadFile(platform::RegistryFilePath());
        lost += !file.contains(
            QStringLiteral("\"PageSize\"=dword:%1").arg(page, 8, 16, QChar(u'0')).toLatin1());
        lost += !file.contains(QStringLiteral("\"AutoPortrait\"=dword:%1")
                                   .arg(portrait, 8, 16, QChar(u'0'))
                                   .toLatin1());
    }
    EXPECT_EQ(lost, 0) << "of " << 2 * kRounds << " changes";
}

TEST_F(ParallelCommandsTest, ParallelAccountAddsAreAllKept) {
    constexpr int kRounds = 6;
    QStringList expected;
    QString errors;
    int failed = 0;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<std::unique_ptr<QProcess>> pair;
        for (const char* side : {"Left", "Right"}) {
            const QString name = QStringLiteral("%1 %2").arg(QLatin1String(side)).arg(round);
            pair.push_back(AddAccount(name));
            expected << name;
        }
        failed += !AllSucceed(pair, &errors);
    }
    EXPECT_EQ(failed, 0) << errors.toStdString();
    QStringList names = AccountNames();
    names.sort();
    expected.sort();
    EXPECT_EQ(names, expected);
}

// Adds killed at random moments leave a registry that reads, with every listed account whole;
// a later account under a name tried before gets only its own values.
TEST_F(ParallelCommandsTest, AKilledAddLeavesTheWholeAccountOrNothing) {
    constexpr int kRounds = 12;
    for (int round = 0; round < kRounds; ++round) {
        auto p = AddAccount(QStringLiteral("Work %1").arg(round));
        ASSERT_TRUE(p->waitForStarted(60000));
        // Anywhere from before the registry is touched to after it is written.
        const int delayMs = QRandomGenerator::global()->bounded(120);
        WaitFor([&] { return p->state() == QProcess::NotRunning; },
                std::chrono::milliseconds(delayMs));
        p->kill();
        ASSERT_TRUE(p->waitForFinished(60000));
    }
    platform::ResetRegistry();
    for (const CMailAccount& a : CAccountStore().Accounts()) {
        EXPECT_EQ(a.from, "me@example.org") << a.name.toStdString();
        EXPECT_EQ(a.user, "u-" + a.name);
        EXPECT_EQ(a.passwordCommand, "pass show " + a.name);
    }
    // The file was never torn: a damaged one would have been set aside.
    EXPECT_TRUE(QDir(Home()).entryList({"registry.reg.damaged-*"}).isEmpty());

    // The same names again, without a user: nothing of a killed attempt shows through.
    for (int round = 0; round < kRounds; ++round) {
        const QString name = QStringLiteral("Work %1").arg(round);
        if (AccountNames().contains(name))
            continue;
        auto p =
            Start({"account", "add", name, "--from", "new@example.org", "--host", "new.example"});
        ASSERT_TRUE(p->waitForFinished(120000));
        ASSERT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    platform::ResetRegistry();
    EXPECT_EQ(CAccountStore().Accounts().size(), std::size_t(kRounds));
    for (const CMailAccount& a : CAccountStore().Accounts()) {
        if (a.from == "new@example.org") {
            EXPECT_TRUE(a.user.isEmpty() && a.passwordCommand.isEmpty()) << a.name.toStdString();
        }
    }
}

} // namespace
