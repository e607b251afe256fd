#include "platform/FileCopy.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempHome.h"

#include <QFile>

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using FileCopyTest = CTempHomeTest;

// Bytes that differ from position to position, so that a piece out of place shows.
QByteArray Pattern(int size) {
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

int OpenRead(const QString& path) {
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
}

int OpenWrite(const QString& path) {
    return ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                  0644);
}

TEST_F(FileCopyTest, AppendsTheRangeAfterWhatTheOutputHoldsAndLeavesTheSourcePositionAlone) {
    const QByteArray source = Pattern(3 << 20);
    WriteFile(PathIn("in"), source);
    const int in = OpenRead(PathIn("in"));
    const int out = OpenWrite(PathIn("out"));
    ASSERT_GE(in, 0);
    ASSERT_GE(out, 0);
    ASSERT_EQ(::write(out, "head", 4), 4);
    ASSERT_EQ(::lseek(in, 5, SEEK_SET), 5);
    std::vector<char> buffer(4096);
    const platform::CFileCopy copy =
        platform::CopyFileBytes(in, 1000, (2 << 20) + 17, out, buffer.data(), buffer.size());
    EXPECT_EQ(copy.error, 0);
    EXPECT_EQ(copy.copied, (2 << 20) + 17);
    EXPECT_EQ(::lseek(in, 0, SEEK_CUR), 5);
    EXPECT_EQ(::lseek(out, 0, SEEK_CUR), 4 + (2 << 20) + 17);
    ::close(in);
    ::close(out);
    EXPECT_EQ(ReadFile(PathIn("out")), "head" + source.mid(1000, (2 << 20) + 17));
}

TEST_F(FileCopyTest, ASourceShorterThanAskedStopsWithoutAnError) {
    WriteFile(PathIn("in"), Pattern(1000));
    const int in = OpenRead(PathIn("in"));
    const int out = OpenWrite(PathIn("out"));
    std::vector<char> buffer(64);
    const platform::CFileCopy copy =
        platform::CopyFileBytes(in, 100, 5000, out, buffer.data(), buffer.size());
    ::close(in);
    ::close(out);
    EXPECT_EQ(copy.error, 0);
    EXPECT_EQ(copy.copied, 900);
    EXPECT_EQ(ReadFile(PathIn("out")), Pattern(1000).mid(100));
}

// A pipe is no file the kernel copies into: the bytes go through the buffer, in pieces of its
// size.
TEST_F(FileCopyTest, WhereTheKernelCannotCopyTheBufferCarriesTheBytes) {
    const QByteArray source = Pattern(20000);
    WriteFile(PathIn("in"), source);
    const int in = OpenRead(PathIn("in"));
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    std::vector<char> buffer(7);
    const platform::CFileCopy copy =
        platform::CopyFileBytes(in, 3, 10000, pipe[1], buffer.data(), buffer.size());
    ::close(pipe[1]);
    EXPECT_EQ(copy.error, 0);
    EXPECT_EQ(copy.copied, 10000);
    QByteArray got;
    char chunk[4096];
    for (ssize_t n; (n = ::read(pipe[0], chunk, sizeof chunk)) > 0;)
        got.append(chunk, n);
    ::close(pipe[0]);
    ::close(in);
    EXPECT_EQ(got, source.mid(3, 10000));
}

TEST_F(FileCopyTest, AWriteThatFailsGivesItsReason) {
    WriteFile(PathIn("in"), Pattern(300000));
    const int in = OpenRead(PathIn("in"));
    std::vector<char> buffer(4096);
    {
        const int out = OpenWrite(PathIn("out"));
        CFileSizeLimit limit(100000);
        ASSERT_TRUE(limit.IsSet());
        const platform::CFileCopy copy =
            platform::CopyFileBytes(in, 0, 300000, out, buffer.data(), buffer.size());
        ::close(out);
        EXPECT_EQ(copy.error, EFBIG);
        EXPECT_LE(copy.copied, 100000);
    }
    if (QFile::exists("/dev/full")) {
        const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        const platform::CFileCopy copy =
            platform::CopyFileBytes(in, 0, 300000, full, buffer.data(), buffer.size());
        ::close(full);
        EXPECT_EQ(copy.error, ENOSPC);
        EXPECT_EQ(copy.copied, 0);
    }
    ::close(in);
}

} // namespace
