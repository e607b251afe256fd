// The account and send commands of the program itself, run as a user runs them.

#include "tests/mail/MailTestSupport.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>

namespace {

struct CRun {
    int status = -1;
    QString out;
    QString err;
};

class CommandLineTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        QDir().mkpath(PathIn("docs"));
        pdf = PathIn("docs/report.pdf");
        ASSERT_TRUE(MakeTestPdf(pdf));
    }
    CRun Run(const QStringList& args) const {
        QProcess p;
        p.start(QStringLiteral(QM_QUILLMARK_BIN), args);
        CRun r;
        if (!p.waitForFinished(120000))
            return r;
        r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    CRun AddPlain(const QString& name, int port) const {
        return Run({"account", "add", name, "--from", "me@example.org", "--host", "127.0.0.1",
                    "--port", QString::number(port), "--security", "none"});
    }
    QString pdf;
};

TEST_F(CommandLineTest, AccountsAreAddedListedAndRemoved) {
    EXPECT_EQ(AddPlain("Work", 2525).status, 0);
    EXPECT_EQ(Run({"account", "add", "ActiveSync", "--sync"}).status, 0);
    EXPECT_EQ(Run({"account", "add", "Desk", "--desktop"}).status, 0);
    const CRun dup = AddPlain("work", 25);
    EXPECT_EQ(dup.status, 2);
    EXPECT_TRUE(dup.err.contains("already exists"));
    const CRun password = Run({"account", "add", "X", "--from", "a@b.c", "--host", "h", "--user",
                               "u", "--password", "hunter2"});
    EXPECT_EQ(password.status, 2);
    EXPECT_TRUE(password.err.contains("never goes on the command line"));
    EXPECT_FALSE(ReadFile(PathIn("registry.reg")).contains("hunter2"));
    EXPECT_EQ(Run({"account", "add", "Y", "--host", "h"}).status, 2); // no sender
    // A folder given for a file is called a folder, not a missing file.
    for (const QString option : {"--password-file", "--ca-file"}) {
        const CRun folder = Run({"account", "add", "Z", "--from", "a@b.c", "--host", "h", "--user",
                                 "u", option, Home()});
        EXPECT_EQ(folder.status, 2);
        EXPECT_TRUE(folder.err.contains(Home() + " is a folder, not a file"))
            << folder.err.toStdString();
    }

    CRun list = Run({"account", "list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "Work\tme@example.org via 127.0.0.1:2525 none\n"
                        "ActiveSync\tqueue only (Outbox)\n"
                        "Desk\tdesktop mail program\n");
    EXPECT_EQ(Run({"account", "remove", "Desk"}).status, 0);
    EXPECT_EQ(Run({"account", "remove", "Desk"}).status, 2);
    list = Run({"account", "list"});
    EXPECT_FALSE(list.out.contains("Desk"));
    EXPECT_EQ(Run({"account"}).status, 2);
}

// What a registry edited by hand holds reaches the terminal escaped; the command refuses line
// breaks in what it stores; a password that would cross the network unencrypted is named.
TEST_F(CommandLineTest, AccountValuesAreSafeForTheTerminalAndCleartextPasswordsAreNamed) {
    const CRun refused =
        Run({"account", "add", "Bad", "--from", "a@b.c", "--host", "h\r\nX-Evil: 1"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.contains("server holds a line break")) << refused.err.toStdString();

    const CRun clear =
        Run({"account", "add", "Plain", "--from", "me@example.org", "--host", "mail.example.org",
             "--security", "none", "--user", "me", "--password-command", "pass show mail"});
    EXPECT_EQ(clear.status, 0) << clear.err.toStdString();
    EXPECT_TRUE(clear.err.contains("warning: with --security none the password of me goes to "
                                   "mail.example.org unencrypted"))
        << clear.err.toStdString();
    const CRun tls = Run({"account", "add", "Safe", "--from", "me@example.org", "--host",
                          "mail.example.org", "--user", "me"});
    EXPECT_EQ(tls.status, 0);
    EXPECT_TRUE(tls.err.isEmpty()) << tls.err.toStdString();

    // A host changed by hand to hold a line break and an escape sequence.
    QByteArray registry = ReadFile(PathIn("registry.reg"));
    registry.replace("\"Host\"=\"mail.example.org\"\n\"Port\"=dword:00000019",
                     "\"Host\"=hex(1):6d,00,0d,00,0a,00,1b,00,5b,00,32,00,4a,00,00,00\n"
                     "\"Port\"=dword:00000019");
    WriteFile(PathIn("registry.reg"), registry);
    const CRun list = Run({"account", "list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "Plain\tme@example.org via m\\r\\n\\u001b[2J:25 none, user me, password "
                        "from command (sent unencrypted)\n"
                        "Safe\tme@example.org via mail.example.org:587 starttls, user me, "
                        "password from secret store\n");
}

TEST_F(CommandLineTest, SendDeliversTheFileThroughTheFirstAccountOrTheNamedOne) {
    CSmtpTestServer first(PathIn("first")), second(PathIn("second"));
    ASSERT_TRUE(first.Start(CSmtpTestServer::EMode::Plain));
    ASSERT_TRUE(second.Start(CSmtpTestServer::EMode::Plain));
    ASSERT_EQ(AddPlain("Work", first.Port()).status, 0);
    ASSERT_EQ(AddPlain("Home", second.Port()).status, 0);

    const CRun sent = Run({"send", "--to", "anna@example.org bert@example.org", "--subject",
                           "Report", "--body", "See attached.", pdf});
    EXPECT_EQ(sent.status, 0) << sent.err.toStdString();
    ASSERT_TRUE(first.WaitForMessages(1));
    const QJsonObject got = ReadMessage(first.Received().front());
    EXPECT_EQ(got["rcpt"].toString(), "anna@example.org, bert@example.org");
    EXPECT_EQ(got["subject"].toString(), "Report");
    EXPECT_EQ(got["body"].toString().trimmed(), "See attached.");
    const QJsonObject a = got["attachments"].toArray()[0].toObject();
    EXPECT_EQ(a["filename"].toString(), "report.pdf");
    EXPECT_EQ(QByteArray::fromBase64(a["data"].toString().toLatin1()), ReadBytes(pdf));

    EXPECT_EQ(Run({"send", "--to", "carl@example.org", "--account", "Home", pdf}).status, 0);
    EXPECT_TRUE(second.WaitForMessages(1));
    EXPECT_EQ(Run({"send", "--to", "carl@example.org", "--account", "Nobody", pdf}).status, 2);
    EXPECT_EQ(Run({"send", pdf}).status, 2);
    EXPECT_EQ(Run({"send", "--to", " ; ", pdf}).status, 2);
}

TEST_F(CommandLineTest, SendFailuresExitWithOne) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.MakeCertificate());
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::StartTls));
    ASSERT_EQ(Run({"account", "add", "Tls", "--from", "me@example.org", "--host", "127.0.0.1",
                   "--port", QString::number(server.Port())})
                  .status,
              0);
    // The server's certificate is trusted by nobody.
    const CRun untrusted = Run({"send", "--to", "anna@example.org", pdf});
    EXPECT_EQ(untrusted.status, 1);
    EXPECT_TRUE(untrusted.err.contains("stays in")) << untrusted.err.toStdString();

    const CRun missing = Run({"send", "--to", "anna@example.org", PathIn("docs/none.pdf")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("does not exist"));
    server.Stop();
    EXPECT_TRUE(server.Received().isEmpty());

    ASSERT_EQ(Run({"account", "remove", "Tls"}).status, 0);
    ASSERT_EQ(AddPlain("Gone", UnusedLoopbackPort()).status, 0);
    const CRun unreachable = Run({"send", "--to", "anna@example.org", pdf});
    EXPECT_EQ(unreachable.status, 1);
    EXPECT_TRUE(unreachable.err.contains("Outbox"));
}

// libcurl, GMime and libsecret are loaded on first use: when one is missing, or is not the
// library it should be, the send fails with the loader's reason and nothing reaches the server.
TEST_F(CommandLineTest, SendWithoutAMailLibraryFailsWithItsReason) {
    CSmtpTestServer server(PathIn("server"));
    ASSERT_TRUE(server.Start(CSmtpTestServer::EMode::Plain));
    ASSERT_EQ(AddPlain("Work", server.Port()).status, 0);
    // An account whose password is in the secret store, with a session bus that is not there.
    ASSERT_EQ(Run({"account", "add", "Keyring", "--from", "me@example.org", "--host", "127.0.0.1",
                   "--port", QString::number(server.Port()), "--security", "none", "--user", "me"})
                  .status,
              0);
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(PathIn("no-bus")));
    const struct {
        const char* variable;
        QByteArray file;
        QString account;
        QString reason;
    } cases[] = {
        {"QM_CURL_LIBRARY", "libcurl-missing.so.4", "Work",
         "the mail library could not start: libcurl-missing.so.4: cannot open shared object file"},
        {"QM_CURL_LIBRARY", "libz.so.1", "Work", "libz.so.1: undefined symbol: curl_global_init"},
        {"QM_GMIME_LIBRARY", "libgmime-missing.so.0", "Work",
         "the mail library could not start: libgmime-missing.so.0: cannot open"},
        {"QM_SECRET_LIBRARY", "libsecret-missing.so.0", "Keyring",
         "the secret store could not be asked: libsecret-missing.so.0: cannot open"},
        // The real libsecret, loaded on first use, reports the absent bus.
        {"QM_SECRET_LIBRARY", "", "Keyring", "the secret store could not be asked: "},
    };
    for (const auto& c : cases) {
        qputenv(c.variable, c.file);
        const CRun failed = Run({"send", "--to", "anna@example.org", "--account", c.account, pdf});
        qunsetenv(c.variable);
        EXPECT_EQ(failed.status, 1) << failed.err.toStdString();
        EXPECT_TRUE(failed.err.contains(c.reason)) << failed.err.toStdString();
    }
    if (bus.isEmpty())
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    else
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);

    EXPECT_EQ(Run({"send", "--to", "anna@example.org", "--account", "Work", pdf}).status, 0);
    ASSERT_TRUE(server.WaitForMessages(1));
    server.Stop();
    EXPECT_EQ(server.Received().size(), 1);
}

TEST_F(CommandLineTest, ADesktopAccountSaysTheMessageWasHandedOverNotSent) {
    WriteFile(PathIn("mailer.sh"), "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(PathIn("mailer.sh"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("QUILLMARK_MAILER", QFile::encodeName(PathIn("mailer.sh")));
    ASSERT_EQ(Run({"account", "add", "Desk", "--desktop"}).status, 0);
    const CRun handed = Run({"send", "--to", "anna@example.org", pdf});
    qunsetenv("QUILLMARK_MAILER");
    EXPECT_EQ(handed.status, 0) << handed.err.toStdString();
    EXPECT_EQ(handed.out, "handed '" + pdf +
                              "' for 'anna@example.org' to the desktop's mail program (not sent "
                              "yet)\n");
}

} // namespace
