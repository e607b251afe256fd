// `quillmark pdf` killed at random moments while it replaces an existing PDF: the PDF is always
// whole (the old one or the new one) and no temporary file stays behind.

#include "tests/pdf/PdfFile.h"
#include "tests/support/TempHome.h"
#include "tests/support/WaitFor.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>

#include <csignal>

namespace {

class PdfCommandKillTest : public CTempHomeTest {
protected:
    // Bytes the process has written so far (its "wchar"); -1 once it is gone.
    static qint64 BytesWritten(qint64 pid) {
        QFile io(QStringLiteral("/proc/%1/io").arg(pid));
        if (!io.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : io.readAll().split('\n'))
            if (line.startsWith("wchar:"))
                return line.mid(6).trimmed().toLongLong();
        return -1;
    }

    QStringList PdfArguments() const {
        QStringList args{"pdf", "-o", PathIn("work/out.pdf"), "--no-auto-portrait"};
        for (int i = 0; i < kPictures; ++i)
            args << PathIn(QStringLiteral("work/p%1.jpg").arg(i));
        return args;
    }

    // What is left beside the PDF and the pictures, and any unfinished file elsewhere in the
    // home folder (the registry's, say).
    QStringList Strays() const {
        QStringList strays;
        QDirIterator it(Home(), QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString name = it.next().mid(Home().size() + 1);
            const bool ours = name.startsWith("work/p") || name == "work/out.pdf";
            if (name.startsWith("work/") ? !ours : name.endsWith(".part"))
                strays << name;
        }
        return strays;
    }

    static constexpr int kPictures = 6;
};

TEST_F(PdfCommandKillTest, AKilledRunLeavesAWholePdfAndNoTemporaryFile) {
    ASSERT_TRUE(QDir().mkdir(PathIn("work")));
    // Busy pictures, so that the PDF takes some megabytes to write.
    QImage picture(1200, 900, QImage::Format_RGB32);
    for (int i = 0; i < kPictures; ++i) {
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(
                    x, y, qRgb((x * 7 + y * 13 + i * 40) & 255, (x * y + i) & 255, (x ^ y) & 255));
        ASSERT_TRUE(picture.save(PathIn(QStringLiteral("work/p%1.jpg").arg(i)), "JPEG", 95));
    }

    QProcess first;
    first.start(QStringLiteral(QM_QUILLMARK_EXE), PdfArguments());
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    const qint64 size = QFileInfo(PathIn("work/out.pdf")).size();
    ASSERT_GT(size, 500000);

    // Kills spread over the whole run: before the PDF is written, while it is, and after. The
    // writing is a few large copies, so a random moment often misses it: rounds go on until
    // one kill has landed inside it.
    constexpr int kRounds = 10;
    constexpr int kMostRounds = 40;
    int killedWhileWriting = 0;
    for (int round = 0; round < kRounds || (killedWhileWriting == 0 && round < kMostRounds);
         ++round) {
        const qint64 threshold = qint64(QRandomGenerator::global()->bounded(double(size) * 1.1));
        QProcess run;
        run.start(QStringLiteral(QM_QUILLMARK_EXE), PdfArguments());
        ASSERT_TRUE(run.waitForStarted(60000));
        const qint64 pid = run.processId();
        qint64 written = 0;
        bool finished = false;
        // WaitFor runs no event loop, so the process's end is asked for directly: its state
        // alone would never change, and a threshold past the final size waited a minute.
        WaitFor([&] {
            written = BytesWritten(pid);
            finished = finished || run.waitForFinished(0);
            return written < 0 || written >= threshold || finished;
        });
        ::kill(pid_t(pid), SIGKILL);
        ASSERT_TRUE(finished || run.waitForFinished(60000));
        if (written > 0 && written < size)
            ++killedWhileWriting;

        SCOPED_TRACE("round " + std::to_string(round) + ", killed after " +
                     std::to_string(written) + " bytes");
        CPdfFile pdf;
        ASSERT_TRUE(pdf.Load(PathIn("work/out.pdf"))) << pdf.Error().toStdString();
        EXPECT_EQ(pdf.Pages().size(), kPictures);
        EXPECT_EQ(Strays(), QStringList()) << "left behind";
    }
    EXPECT_GT(killedWhileWriting, 0);

    // A run to the end after all that leaves only the PDF.
    QProcess last;
    last.start(QStringLiteral(QM_QUILLMARK_EXE), PdfArguments());
    ASSERT_TRUE(last.waitForFinished(120000));
    EXPECT_EQ(last.exitCode(), 0);
    EXPECT_EQ(Strays(), QStringList());
}

} // namespace
