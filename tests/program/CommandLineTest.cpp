#include "commands/CommandLine.h"
#include "program/SingleInstance.h"

#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTest>

#include <atomic>
#include <future>

namespace {

class CommandLineTest : public CTempHomeTest {
protected:
    void SetUp() override {
        CTempHomeTest::SetUp();
        m_oldCwd = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(Home()));
        WriteFile(PathIn("a.jpg"), "x");
        WriteFile(PathIn("pdf"), "x"); // a picture named like a command
        // Sockets go to the runtime folder: this test's own.
        m_hadRuntime = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        m_oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", Home().toLocal8Bit());
    }
    void TearDown() override {
        if (m_hadRuntime)
            qputenv("XDG_RUNTIME_DIR", m_oldRuntime);
        else
            qunsetenv("XDG_RUNTIME_DIR");
        QDir::setCurrent(m_oldCwd);
        CTempHomeTest::TearDown();
    }
    static CCommandLine Parse(const QStringList& args) {
        QString error;
        auto line = ParseCommandLine(args, &error);
        EXPECT_TRUE(line.has_value()) << error.toStdString();
        return line.value_or(CCommandLine{});
    }
    static QString Error(const QStringList& args) {
        QString error;
        EXPECT_FALSE(ParseCommandLine(args, &error).has_value()) << args.join(' ').toStdString();
        return error;
    }
    QString m_oldCwd;
    QByteArray m_oldRuntime;
    bool m_hadRuntime = false;
};

TEST_F(CommandLineTest, PicturesOpenAsPagesAndCommandsKeepTheirNames) {
    CCommandLine line = Parse({"a.jpg", "--landscape", "b.png"});
    EXPECT_EQ(line.pictures, QStringList({"a.jpg", "b.png"})); // b.png missing: import says so
    EXPECT_TRUE(line.landscape);
    EXPECT_TRUE(line.command.isEmpty());

    line = Parse({"pdf", "-o", "x.pdf", "a.jpg"});
    EXPECT_EQ(line.command, "pdf");
    EXPECT_EQ(line.arguments, QStringList({"-o", "x.pdf", "a.jpg"}));
    EXPECT_TRUE(line.pictures.isEmpty());

    // A file named like a command is reached with -- or a path, and -- ends the options.
    line = Parse({"--", "pdf", "--log"});
    EXPECT_EQ(line.pictures, QStringList({"pdf", "--log"}));
    EXPECT_TRUE(line.command.isEmpty());
    EXPECT_EQ(Parse({"./pdf"}).pictures, QStringList({"./pdf"}));
    // After a picture, a command name is a picture too.
    EXPECT_EQ(Parse({"a.jpg", "pdf"}).pictures, QStringList({"a.jpg", "pdf"}));
}

TEST_F(CommandLineTest, AMistypedCommandIsNotOpenedAsAPicture) {
    EXPECT_TRUE(Error({"setings", "list"}).startsWith("unknown command 'setings'"));
    EXPECT_EQ(Error({"--screenshots", Home(), "a.jpg"}), "--screenshots takes no pictures");
    EXPECT_EQ(Error({"--bogus", "a.jpg"}), "unknown option '--bogus'");
}

// A second start in another thread, as another process would do it, while this thread runs
// the first window's event loop. It waits as long as a loaded machine (or a sanitizer build)
// may need; a window that answers ends the wait at once.
CSingleInstance::EStart StartElsewhere(const QString& folder, const QStringList& pictures,
                                       QString* error, int waitMs = 60000) {
    auto result = std::async(std::launch::async, [&] {
        CSingleInstance second(folder, waitMs);
        return second.Start(pictures, error);
    });
    // The first window answers from this thread's event loop.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return result.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; },
        60000));
    return result.get();
}

TEST_F(CommandLineTest, ASecondStartHandsItsPicturesToTheFirstWindow) {
    CSingleInstance first(Home());
    QString error;
    ASSERT_EQ(first.Start({}, &error), CSingleInstance::EStart::kFirst) << error.toStdString();
    std::vector<QStringList> received;
    first.SetReceiver([&](const QStringList& pictures) { received.push_back(pictures); });

    EXPECT_EQ(StartElsewhere(Home(), {"/p/c.jpg", "/p/a b.jpg"}, &error),
              CSingleInstance::EStart::kHandedOver);
    EXPECT_EQ(StartElsewhere(Home(), {}, &error), CSingleInstance::EStart::kHandedOver);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 60000));
    EXPECT_EQ(received[0], QStringList({"/p/c.jpg", "/p/a b.jpg"}));
    EXPECT_TRUE(received[1].isEmpty()); // just come to the front

    // Another data folder is another window.
    QDir(Home()).mkpath("other");
    CSingleInstance other(PathIn("other"));
    EXPECT_EQ(other.Start({}, &error), CSingleInstance::EStart::kFirst);
}

TEST_F(CommandLineTest, AStartThatWritesInPiecesOrSaysNothingIsServedInTurn) {
    CSingleInstance first(Home());
    QString error;
    ASSERT_EQ(first.Start({}, &error), CSingleInstance::EStart::kFirst) << error.toStdString();
    std::vector<QStringList> received;
    first.SetReceiver([&](const QStringList& pictures) { received.push_back(pictures); });

    // The wire: the packed list as one QDataStream byte array (a 32-bit length first).
    QByteArray message;
    QDataStream pack(&message, QIODevice::WriteOnly);
    pack << QStringList({"/p/ä.jpg"});
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out << message;

    platform::CLocalSocket silent;
    platform::CLocalSocket halting;
    ASSERT_TRUE(silent.Connect(CSingleInstance::SocketName(Home()), QDeadlineTimer(5000), &error));
    ASSERT_TRUE(halting.Connect(CSingleInstance::SocketName(Home()), QDeadlineTimer(5000), &error));
    ASSERT_TRUE(halting.Write(block.left(3), QDeadlineTimer(5000), &error));
    QTest::qWait(50);
    silent.Close();
    ASSERT_TRUE(halting.Write(block.mid(3), QDeadlineTimer(5000), &error));
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 1; }, 60000));
    EXPECT_EQ(received[0], QStringList({"/p/ä.jpg"}));
    QByteArray answer;
    EXPECT_TRUE(halting.Read(&answer, QDeadlineTimer(5000), &error)) << error.toStdString();
    EXPECT_EQ(answer, "accepted\n");

    EXPECT_EQ(StartElsewhere(Home(), {"/y.jpg"}, &error), CSingleInstance::EStart::kHandedOver);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 60000));
    EXPECT_EQ(received[1], QStringList({"/y.jpg"}));
}

TEST_F(CommandLineTest, AReceiverThatRunsAnEventLoopKeepsServingLaterStarts) {
    CSingleInstance first(Home());
    QString error;
    ASSERT_EQ(first.Start({}, &error), CSingleInstance::EStart::kFirst) << error.toStdString();
    std::vector<QStringList> received;
    std::atomic<bool> firstStartEnded{false};
    first.SetReceiver([&](const QStringList& pictures) {
        received.push_back(pictures);
        // Like a message box: an event loop in which the start that sent these goes away.
        if (received.size() == 1) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return firstStartEnded.load(); }, 60000));
            QTest::qWait(100);
        }
    });
    auto start = std::async(std::launch::async, [&] {
        CSingleInstance second(Home(), 60000);
        QString why;
        const CSingleInstance::EStart result = second.Start({"/a.jpg"}, &why);
        firstStartEnded = true;
        return result;
    });
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return start.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; },
        60000));
    EXPECT_EQ(start.get(), CSingleInstance::EStart::kHandedOver);
    EXPECT_EQ(StartElsewhere(Home(), {"/b.jpg"}, &error), CSingleInstance::EStart::kHandedOver);
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 60000));
    EXPECT_EQ(received, std::vector<QStringList>({{"/a.jpg"}, {"/b.jpg"}}));
}

TEST_F(CommandLineTest, AKilledWindowLeavesNothingThatBlocksTheNextStart) {
    // A window killed with -9: its lock names a process that is gone, its socket file stays.
    QProcess gone;
    gone.start("true");
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    WriteFile(PathIn("quillmark.lock"), QByteArray::number(deadPid) + "\nquillmark\n" +
                                            QSysInfo::machineHostName().toUtf8() + "\n");
    WriteFile(CSingleInstance::SocketName(Home()), "");

    CSingleInstance next(Home());
    QString error;
    EXPECT_EQ(next.Start({}, &error), CSingleInstance::EStart::kFirst) << error.toStdString();
    std::vector<QStringList> received;
    next.SetReceiver([&](const QStringList& pictures) { received.push_back(pictures); });
    EXPECT_EQ(StartElsewhere(Home(), {"/x.jpg"}, &error), CSingleInstance::EStart::kHandedOver);
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == 1; }, 60000));
}

TEST_F(CommandLineTest, AWindowThatDoesNotAnswerIsReportedNotJoined) {
    // Holds the folder without listening, like a window that hangs.
    CSingleInstance stuck(Home());
    QString error;
    ASSERT_EQ(stuck.Start({}, &error, false), CSingleInstance::EStart::kFirst);
    EXPECT_EQ(StartElsewhere(Home(), {"/x.jpg"}, &error, 300), CSingleInstance::EStart::kFailed);
    EXPECT_TRUE(error.contains("does not answer")) << error.toStdString();
    EXPECT_TRUE(error.contains(Home())) << error.toStdString();
}

// The window is a library of its own; the commands start without it. Broken, the program says
// so for a start without a command and runs its commands as before.
TEST_F(CommandLineTest, WithoutItsWindowLibraryTheProgramSaysSoAndStillRunsCommands) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QM_WINDOW_MODULE", "/nonexistent/quillmark-window.so");
    env.insert("LANG", "C.UTF-8");
    env.remove("LANGUAGE");
    QProcess window;
    window.setProcessEnvironment(env);
    window.start(QStringLiteral(QM_QUILLMARK_EXE), {"--screenshots", PathIn("shots")});
    ASSERT_TRUE(window.waitForFinished(60000));
    EXPECT_EQ(window.exitCode(), 1);
    EXPECT_TRUE(window.readAllStandardError().startsWith(
        "quillmark: the window cannot be opened: /nonexistent/quillmark-window.so: cannot open "
        "shared object file"));
    EXPECT_FALSE(QDir(PathIn("shots")).exists() && !QDir(PathIn("shots")).isEmpty());

    QProcess settings;
    settings.setProcessEnvironment(env);
    settings.start(QStringLiteral(QM_QUILLMARK_EXE), {"settings", "list"});
    ASSERT_TRUE(settings.waitForFinished(60000));
    EXPECT_EQ(settings.exitCode(), 0) << settings.readAllStandardError().toStdString();
    EXPECT_TRUE(settings.readAllStandardOutput().contains("SAPPSETTINGS/BackupEditFile="));
}

} // namespace
