#include "ui/device/Opener.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

TEST(OpenerTest, TheReplacementOpenerReceivesThePathOrTheAnchoredUrl) {
    QTemporaryDir dir;
    const QString script = dir.filePath("opener.sh");
    const QString out = dir.filePath("opened.txt");
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(out).toUtf8());
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("QUILLMARK_OPENER", QFile::encodeName(script));

    EXPECT_TRUE(OpenWithPlatform("/tmp/some file.pdf"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(out); }, 5000));
    EXPECT_TRUE(OpenWithPlatform("/tmp/help.htm", "pdf"));
    QByteArray text;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QFile r(out);
            r.open(QIODevice::ReadOnly);
            text = r.readAll();
            return text.count('\n') == 2;
        },
        5000));
    EXPECT_EQ(text, "/tmp/some file.pdf\nfile:///tmp/help.htm#pdf\n");
    EXPECT_TRUE(OpenWithPlatform("www.tessaly.example/quillmark"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QFile r(out);
            r.open(QIODevice::ReadOnly);
            text = r.readAll();
            return text.count('\n') == 3;
        },
        5000));
    EXPECT_TRUE(text.endsWith("http://www.tessaly.example/quillmark\n")) << text.constData();
    qunsetenv("QUILLMARK_OPENER");
}

} // namespace
