// Without libsane the program has no scanners, as when SANE finds none, and every place that
// reports a SANE failure gives the loader's reason. The loader decides once per process, so
// this is a program of its own: it points the loader at a library that does not exist
// (QM_SANE_LIBRARY) before anything looks for a scanner. The program itself, which no longer
// links libsane, is run as well: without it, with a library that is not SANE, and with the
// real one loaded on first use.

#include "app/Log.h"
#include "scanner/Sane.h"
#include "scanner/ScannerDevice.h"
#include "tests/support/SaneTestBackend.h"
#include "tests/support/TempHome.h"

#include <QFile>
#include <QProcess>

namespace {

constexpr char kMissing[] = "libsane-missing.so.1: cannot open shared object file";

using SaneMissingTest = CTempHomeTest;

TEST_F(SaneMissingTest, EveryWayToAScannerFailsWithTheLoadersReasonAndTheLogSaysItOnce) {
    ASSERT_TRUE(qputenv("QM_SANE_LIBRARY", "libsane-missing.so.1"));
    UseSaneTestBackend();
    OpenLog(PathIn("quillmark.log"));
    EnableDiagnosticLog();
    const QString expected = QStringLiteral("SANE could not start: ") + kMissing;

    QString reason;
    EXPECT_FALSE(EnsureSane(&reason));
    EXPECT_TRUE(reason.startsWith(expected)) << reason.toStdString();

    reason.clear();
    EXPECT_TRUE(ListScanners(&reason).empty());
    EXPECT_TRUE(reason.startsWith(expected)) << reason.toStdString();

    const CScannerSearch search = FindScanners();
    EXPECT_TRUE(search.scanners.empty());
    EXPECT_TRUE(search.reason.startsWith(expected)) << search.reason.toStdString();

    // Named or the first one found: neither opens.
    for (const QString& name : {QStringLiteral("test:0"), QString()}) {
        CScannerDevice device;
        reason.clear();
        EXPECT_FALSE(device.Open(name, &reason));
        EXPECT_TRUE(reason.startsWith(expected)) << reason.toStdString();
        EXPECT_TRUE(device.Sources().empty());
        device.Cancel(); // nothing open: nothing to call
    }

    // A status only SANE could give is still put into words without it.
    EXPECT_EQ(SaneStatusText(99), "99");
    CloseLog();

    // Tried once, however often a scanner is looked for.
    const QByteArray log = ReadFile(PathIn("quillmark.log"));
    EXPECT_EQ(log.count(QByteArray("Scanners cannot be used: ") + kMissing), 1)
        << log.toStdString();
}

struct CRun {
    int status = -1;
    QString out;
    QString err;
};

CRun RunQuillmark(const QStringList& args, const QString& library) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SANE_CONFIG_DIR", UseSaneTestBackend());
    if (library.isEmpty())
        env.remove("QM_SANE_LIBRARY");
    else
        env.insert("QM_SANE_LIBRARY", library);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QM_QUILLMARK_EXE, args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
    }
    CRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

TEST_F(SaneMissingTest, TheScanCommandSaysWhySaneIsMissingAndWorksWithTheLibraryLoaded) {
    const struct {
        const char* library;
        const char* reason;
    } cases[] = {
        {"libsane-missing.so.1", "libsane-missing.so.1: cannot open shared object file"},
        // A library that is not SANE lacks its functions (dlerror names it by its full path).
        {"libz.so.1", "libz.so.1: undefined symbol: sane_init"},
    };
    const QString start = QStringLiteral("quillmark scan: SANE could not start: ");
    const QString out = PathIn("out.pdf");
    for (const auto& c : cases) {
        const CRun list = RunQuillmark({"scan", "--list"}, c.library);
        EXPECT_EQ(list.status, 1) << list.err.toStdString();
        EXPECT_TRUE(list.out.isEmpty()) << list.out.toStdString();
        EXPECT_TRUE(list.err.startsWith(start)) << list.err.toStdString();
        EXPECT_TRUE(list.err.section(u'\n', 0, 0).contains(c.reason)) << list.err.toStdString();

        const CRun scan = RunQuillmark(
            {"scan", "-o", out, "--device", "test:0", "--resolution", "50"}, c.library);
        EXPECT_EQ(scan.status, 1) << scan.err.toStdString();
        EXPECT_TRUE(scan.err.startsWith(start)) << scan.err.toStdString();
        EXPECT_TRUE(scan.err.section(u'\n', 0, 0).contains(c.reason)) << scan.err.toStdString();
        EXPECT_TRUE(scan.err.contains("no page was scanned; " + out + " was not written"))
            << scan.err.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }

    // libsane, opened on first use, finds its backends as it did when it was linked.
    const CRun list = RunQuillmark({"scan", "--list"}, QString());
    EXPECT_EQ(list.status, 0) << list.err.toStdString();
    EXPECT_EQ(list.out, "test:0\tNoname frontend-tester (virtual device)\n"
                        "test:1\tNoname frontend-tester (virtual device)\n");
}

} // namespace
