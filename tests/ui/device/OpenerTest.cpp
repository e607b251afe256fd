#include "ui/device/Opener.h"

#include "ui/device/WaitCursor.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <signal.h>

namespace {

// Long enough that only an opener that really keeps running reaches it.
constexpr int kPatient = 60000;

class OpenerTest : public ::testing::Test {
protected:
    void TearDown() override {
        qunsetenv("QUILLMARK_OPENER");
        // A viewer left running by a test goes with it.
        const QByteArray pid = Read("viewer.pid").trimmed();
        if (!pid.isEmpty())
            ::kill(pid.toInt(), SIGTERM);
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QByteArray Read(const QString& name) const {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // An opener script with that body, set as $QUILLMARK_OPENER.
    void UseOpener(const QString& body) {
        const QString script = Path("opener.sh");
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(("#!/bin/sh\n" + body + "\n").toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("QUILLMARK_OPENER", QFile::encodeName(script));
    }

    QTemporaryDir m_dir;
};

TEST_F(OpenerTest, TheReplacementOpenerReceivesThePathOrTheAnchoredUrl) {
    UseOpener(QStringLiteral("echo \"$1\" >> '%1'").arg(Path("opened.txt")));
    EXPECT_TRUE(OpenWithPlatform("/tmp/some file.pdf", {}, kPatient));
    EXPECT_TRUE(OpenWithPlatform("/tmp/help.htm", "pdf", kPatient));
    EXPECT_TRUE(OpenWithPlatform("www.tessaly.example/quillmark", {}, kPatient));
    // Each open waited for its opener, so everything is written by now.
    EXPECT_EQ(Read("opened.txt"), "/tmp/some file.pdf\nfile:///tmp/help.htm#pdf\n"
                                  "http://www.tessaly.example/quillmark\n");
}

TEST_F(OpenerTest, AnOpenerThatFailsOrCannotStartIsAFailure) {
    // xdg-open's status when no program takes the file.
    UseOpener(QStringLiteral("exit 3"));
    EXPECT_FALSE(OpenWithPlatform("/tmp/report.pdf", {}, kPatient));
    UseOpener(QStringLiteral("kill -KILL $$"));
    EXPECT_FALSE(OpenWithPlatform("/tmp/report.pdf", {}, kPatient));
    qputenv("QUILLMARK_OPENER", QFile::encodeName(Path("no-such-opener")));
    EXPECT_FALSE(OpenWithPlatform("/tmp/report.pdf", {}, kPatient));
    UseOpener(QStringLiteral("exit 0"));
    EXPECT_TRUE(OpenWithPlatform("/tmp/report.pdf", {}, kPatient));
    EXPECT_EQ(WaitDepth(), 0);
}

TEST_F(OpenerTest, TheScreenKeepsRunningWhileTheOpenerDecides) {
    // Slow to fail: timers keep firing meanwhile, and the wait cursor shows.
    UseOpener(QStringLiteral("sleep 0.3; exit 3"));
    int ticks = 0;
    int deepest = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        deepest = std::max(deepest, WaitDepth());
    });
    timer.start(10);
    EXPECT_FALSE(OpenWithPlatform("/tmp/report.pdf", {}, kPatient));
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(WaitDepth(), 0);
}

TEST_F(OpenerTest, AnOpenerStillRunningAfterTheSettleTimeIsTheViewerAndKeepsRunning) {
    UseOpener(QStringLiteral("echo $$ > '%1'; exec sleep 60").arg(Path("viewer.pid")));
    EXPECT_TRUE(OpenWithPlatform("/tmp/report.pdf", {}, 200));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Read("viewer.pid").endsWith('\n'); }, 60000));
    const int pid = Read("viewer.pid").trimmed().toInt();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, 0), 0); // not killed when the open returned
}

} // namespace
