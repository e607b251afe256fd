#include "platform/AtomicFile.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/MountedFolder.h"
#include "tests/support/PrivateMounts.h"
#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class AtomicFileTest : public CTempHomeTest {
protected:
    QStringList Files() const { return QDir(Home()).entryList(QDir::Files | QDir::Hidden); }
    static mode_t ModeOf(const QString& path) {
        struct stat st {};
        EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
        return st.st_mode & 07777;
    }
};

// Sets the process's umask for the lifetime of the object.
class CUmask {
public:
    explicit CUmask(mode_t mask) : m_old(::umask(mask)) {}
    ~CUmask() { ::umask(m_old); }

private:
    mode_t m_old;
};

TEST_F(AtomicFileTest, ReplacesTheFileAndLeavesNoTemporaryBehind) {
    const QString path = PathIn("f.txt");
    WriteFile(path, "old");
    ASSERT_TRUE(platform::WriteFileAtomically(path, "new contents"));
    EXPECT_EQ(ReadFile(path), QByteArray("new contents"));
    EXPECT_EQ(Files(), QStringList{"f.txt"});
}

TEST_F(AtomicFileTest, FailureKeepsTheOldFileAndSaysWhy) {
    QString error;
    EXPECT_FALSE(platform::WriteFileAtomically(PathIn("missing-folder/f.txt"), "x", &error));
    EXPECT_TRUE(error.contains("missing-folder"));
}

TEST_F(AtomicFileTest, NewFileGetsTheModeOpenWouldGiveAndAReplacedFileKeepsItsMode) {
    {
        CUmask mask(022);
        ASSERT_TRUE(platform::WriteFileAtomically(PathIn("a"), "a"));
        EXPECT_EQ(ModeOf(PathIn("a")), mode_t(0644));
    }
    {
        CUmask mask(002);
        ASSERT_TRUE(platform::WriteFileAtomically(PathIn("b"), "b"));
        EXPECT_EQ(ModeOf(PathIn("b")), mode_t(0664));
        ASSERT_TRUE(platform::CopyFileAtomically(PathIn("a"), PathIn("c")));
        EXPECT_EQ(ModeOf(PathIn("c")), mode_t(0664));
    }
    ASSERT_EQ(::chmod(QFile::encodeName(PathIn("a")).constData(), 0600), 0);
    ASSERT_TRUE(platform::WriteFileAtomically(PathIn("a"), "again"));
    EXPECT_EQ(ModeOf(PathIn("a")), mode_t(0600));
    ASSERT_EQ(::chmod(QFile::encodeName(PathIn("c")).constData(), 0640), 0);
    ASSERT_TRUE(platform::CopyFileAtomically(PathIn("b"), PathIn("c")));
    EXPECT_EQ(ModeOf(PathIn("c")), mode_t(0640));
}

TEST_F(AtomicFileTest, StreamingWriterThatGivesUpKeepsTheOldFile) {
    const QString path = PathIn("page.jpg");
    WriteFile(path, "the old page");
    QString error;
    EXPECT_FALSE(platform::ReplaceFileAtomically(
        path,
        [](int fd) {
            EXPECT_EQ(::write(fd, "half", 4), 4);
            return false;
        },
        &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(ReadFile(path), QByteArray("the old page"));
    EXPECT_EQ(Files(), QStringList{"page.jpg"});

    ASSERT_TRUE(platform::ReplaceFileAtomically(
        path, [](int fd) { return ::write(fd, "whole", 5) == 5; }, &error));
    EXPECT_EQ(ReadFile(path), QByteArray("whole"));
}

TEST_F(AtomicFileTest, TheNewContentsHaveNoNameUntilTheyReplaceTheTarget) {
    const QString path = PathIn("out.pdf");
    WriteFile(path, "old");
    QStringList during;
    ASSERT_TRUE(platform::ReplaceFileAtomically(path, [&](int fd) {
        during = Files();
        return ::write(fd, "new", 3) == 3;
    }));
    EXPECT_EQ(during, QStringList{"out.pdf"});
    EXPECT_EQ(ReadFile(path), QByteArray("new"));
    EXPECT_EQ(Files(), QStringList{"out.pdf"});
}

TEST_F(AtomicFileTest, WithoutUnnamedFilesTheContentsGoToALockedPartFile) {
    const QString path = PathIn("out.pdf");
    WriteFile(path, "old");
    QStringList during;
    bool locked = false;
    ASSERT_TRUE(platform::ReplaceFileAtomically(
        path,
        [&](int fd) {
            during = Files();
            // Another open file of the same file cannot take the writer's lock.
            const int other = ::open(QFile::encodeName(PathIn(during.value(1))).constData(),
                                     O_RDONLY | O_CLOEXEC);
            locked = other >= 0 && ::flock(other, LOCK_EX | LOCK_NB) != 0;
            if (other >= 0)
                ::close(other);
            return ::write(fd, "new", 3) == 3;
        },
        nullptr, platform::ETemporaryFile::Named));
    ASSERT_EQ(during.size(), 2) << during.join(' ').toStdString();
    EXPECT_EQ(during[0], "out.pdf");
    EXPECT_TRUE(QRegularExpression("^out\\.pdf\\.quillmark-[A-Za-z0-9]{6}\\.part$")
                    .match(during[1])
                    .hasMatch())
        << during[1].toStdString();
    EXPECT_TRUE(locked);
    EXPECT_EQ(ReadFile(path), QByteArray("new"));
    EXPECT_EQ(Files(), QStringList{"out.pdf"});

    // A writer that gives up leaves nothing either.
    EXPECT_FALSE(platform::ReplaceFileAtomically(
        path, [](int fd) { return ::write(fd, "half", 4) < 0; }, nullptr,
        platform::ETemporaryFile::Named));
    EXPECT_EQ(ReadFile(path), QByteArray("new"));
    EXPECT_EQ(Files(), QStringList{"out.pdf"});
}

TEST_F(AtomicFileTest, AReplacementRemovesWhatKilledWritersLeftInTheFolder) {
    // Left by writers that are gone: nobody holds them locked.
    WriteFile(PathIn("a.pdf.quillmark-Ab12Cd.part"), "killed while writing a.pdf");
    WriteFile(PathIn("registry.reg.quillmark-zzzzzz.part"), "killed while writing the registry");
    WriteFile(PathIn("out.pdf.X1y2Z3.part"), "left by an earlier version for out.pdf");
    // A writer that is still at work holds its file locked.
    WriteFile(PathIn("b.pdf.quillmark-Live01.part"), "still being written");
    const int live = ::open(QFile::encodeName(PathIn("b.pdf.quillmark-Live01.part")).constData(),
                            O_RDONLY | O_CLOEXEC);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    // Names that only look alike are the user's.
    for (const char* name : {"report.backup.part", "other.pdf.X1y2Z3.part", "quillmark-abcdef.part",
                             "a.pdf.quillmark-Ab12C.part", "a.pdf.quillmark-Ab12Cd.parts"})
        WriteFile(PathIn(name), "the user's");
    ASSERT_TRUE(QDir().mkdir(PathIn("c.pdf.quillmark-Folder.part")));
    ASSERT_TRUE(QFile::link(PathIn("report.backup.part"), PathIn("d.pdf.quillmark-Link01.part")));

    ASSERT_TRUE(platform::WriteFileAtomically(PathIn("out.pdf"), "new"));
    EXPECT_EQ(Files(), (QStringList{"a.pdf.quillmark-Ab12C.part", "a.pdf.quillmark-Ab12Cd.parts",
                                    "b.pdf.quillmark-Live01.part", "d.pdf.quillmark-Link01.part",
                                    "other.pdf.X1y2Z3.part", "out.pdf", "quillmark-abcdef.part",
                                    "report.backup.part"}));
    EXPECT_TRUE(QFileInfo(PathIn("c.pdf.quillmark-Folder.part")).isDir());
    ::close(live);
    // Its writer gone, the next replacement takes it.
    ASSERT_TRUE(platform::WriteFileAtomically(PathIn("out.pdf"), "newer"));
    EXPECT_FALSE(QFile::exists(PathIn("b.pdf.quillmark-Live01.part")));
}

// A writer killed in the middle, in a process of its own: with an unnamed file nothing stays;
// with a named one, the next replacement in the folder removes it. The old file stays whole.
TEST_F(AtomicFileTest, AKilledWriterLeavesNothingBehind) {
    for (const auto kind : {platform::ETemporaryFile::Unnamed, platform::ETemporaryFile::Named}) {
        SCOPED_TRACE(kind == platform::ETemporaryFile::Named ? "named" : "unnamed");
        const QString path = PathIn("out.pdf");
        WriteFile(path, "old contents");
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            platform::ReplaceFileAtomically(
                path,
                [&](int fd) {
                    const QByteArray half(qsizetype(64) * 1024, 'n');
                    const bool written =
                        ::write(fd, half.constData(), std::size_t(half.size())) == half.size();
                    // Tells the test it is halfway, then waits to be killed.
                    if (written && ::write(ready[1], "w", 1) == 1)
                        ::pause();
                    return false;
                },
                nullptr, kind);
            ::_exit(1);
        }
        ::close(ready[1]);
        char c = 0;
        const bool halfway = ::read(ready[0], &c, 1) == 1;
        ::close(ready[0]);
        const QStringList during = Files();
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(halfway);
        EXPECT_EQ(ReadFile(path), QByteArray("old contents"));
        if (kind == platform::ETemporaryFile::Unnamed) {
            EXPECT_EQ(during, QStringList{"out.pdf"});
            EXPECT_EQ(Files(), QStringList{"out.pdf"});
        } else {
            EXPECT_EQ(during.size(), 2);
            EXPECT_EQ(Files().size(), 2);
        }
        ASSERT_TRUE(platform::WriteFileAtomically(PathIn("other.txt"), "x", nullptr));
        EXPECT_EQ(Files(), (QStringList{"other.txt", "out.pdf"}));
        QFile::remove(PathIn("other.txt"));
    }
}

TEST_F(AtomicFileTest, CopyReplacesTheTargetAndKeepsTheSource) {
    QByteArray big(3 * 1024 * 1024 + 17, '\0');
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = char(i * 7 + i / 4096);
    WriteFile(PathIn("undo.jpg"), big);
    WriteFile(PathIn("page.jpg"), "edited page");
    ASSERT_TRUE(platform::CopyFileAtomically(PathIn("undo.jpg"), PathIn("page.jpg")));
    EXPECT_EQ(ReadFile(PathIn("page.jpg")), big);
    EXPECT_EQ(ReadFile(PathIn("undo.jpg")), big);
    EXPECT_EQ(Files(), (QStringList{"page.jpg", "undo.jpg"}));
}

TEST_F(AtomicFileTest, FailedCopyKeepsTheOldTargetWhole) {
    WriteFile(PathIn("undo.jpg"), QByteArray(qsizetype(256) * 1024, 'u'));
    WriteFile(PathIn("page.jpg"), "the page as it was");
    QString error;

    // A source that is not there.
    EXPECT_FALSE(platform::CopyFileAtomically(PathIn("gone.jpg"), PathIn("page.jpg"), &error));
    EXPECT_TRUE(error.contains("gone.jpg")) << error.toStdString();
    EXPECT_EQ(ReadFile(PathIn("page.jpg")), QByteArray("the page as it was"));

    // The file system refuses more than 64 KB halfway through the copy.
    {
        CFileSizeLimit limit(rlim_t(64) * 1024);
        ASSERT_TRUE(limit.IsSet());
        EXPECT_FALSE(platform::CopyFileAtomically(PathIn("undo.jpg"), PathIn("page.jpg"), &error));
    }
    EXPECT_TRUE(error.contains("page.jpg")) << error.toStdString();
    EXPECT_EQ(ReadFile(PathIn("page.jpg")), QByteArray("the page as it was"));
    EXPECT_EQ(Files(), (QStringList{"page.jpg", "undo.jpg"}));

    // A file where the target's folder should be.
    WriteFile(PathIn("not-a-folder"), "a file");
    EXPECT_FALSE(
        platform::CopyFileAtomically(PathIn("undo.jpg"), PathIn("not-a-folder/page.jpg"), &error));
    EXPECT_TRUE(error.contains("page.jpg")) << error.toStdString();
    EXPECT_EQ(ReadFile(PathIn("not-a-folder")), QByteArray("a file"));
    EXPECT_EQ(Files(), (QStringList{"not-a-folder", "page.jpg", "undo.jpg"}));
}

TEST_F(AtomicFileTest, ACopyIntoAReadOnlyFolderKeepsTheTarget) {
    if (RerunWithPrivateMounts())
        return;
    WriteFile(PathIn("undo.jpg"), QByteArray(qsizetype(256) * 1024, 'u'));
    ASSERT_TRUE(QDir().mkdir(PathIn("ro")));
    WriteFile(PathIn("ro/page.jpg"), "kept");
    QString why;
    auto readOnly = CMountedFolder::ReadOnly(PathIn("ro"), &why);
    ASSERT_TRUE(readOnly) << why.toStdString();
    QString error;
    EXPECT_FALSE(platform::CopyFileAtomically(PathIn("undo.jpg"), PathIn("ro/page.jpg"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadFile(PathIn("ro/page.jpg")), QByteArray("kept"));
    EXPECT_EQ(QDir(PathIn("ro")).entryList(QDir::Files | QDir::Hidden), QStringList{"page.jpg"});
}

TEST_F(AtomicFileTest, ReplacingAFolderFailsAndLeavesNoTemporary) {
    ASSERT_TRUE(QDir().mkdir(PathIn("folder")));
    WriteFile(PathIn("folder/inside"), "x");
    QString error;
    EXPECT_FALSE(platform::WriteFileAtomically(PathIn("folder"), "data", &error));
    EXPECT_TRUE(error.contains("folder")) << error.toStdString();
    EXPECT_TRUE(QFileInfo(PathIn("folder")).isDir());
    EXPECT_EQ(Files(), QStringList{});
}

} // namespace
