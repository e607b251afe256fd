#include "session/SessionFile.h"

#include "session/BufferedWriter.h"
#include "session/PageList.h"
#include "session/Session.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempHome.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace {

QByteArray Head(std::int32_t current, std::uint32_t count) {
    QByteArray b("\x42\x45\xB5\xA3", 4);
    for (int i = 0; i < 4; ++i)
        b.append(char(std::uint32_t(current) >> (8 * i)));
    for (int i = 0; i < 4; ++i)
        b.append(char(count >> (8 * i)));
    return b;
}

QByteArray Utf16(const QString& s) {
    QByteArray b;
    for (QChar c : s) {
        b.append(char(c.unicode() & 0xFF));
        b.append(char(c.unicode() >> 8));
    }
    return b;
}

// A device that takes `room` bytes and then refuses, like a full storage card.
class CFullDevice : public QIODevice {
public:
    explicit CFullDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (size > m_room)
            return -1;
        m_room -= size;
        written.append(data, size);
        return size;
    }

private:
    qint64 m_room;
};

QStringList EntriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

class SessionFileTest : public CTempHomeTest {};

TEST_F(SessionFileTest, EmptySessionIsTwelveBytes) {
    CPageList pages;
    const CFileError error = SaveSession(pages, -1);
    EXPECT_FALSE(error) << error.Message().toStdString();
    EXPECT_EQ(SessionFilePath(), PathIn("tesphoto.session"));
    EXPECT_EQ(ReadFile(PathIn("tesphoto.session")), Head(-1, 0));
}

TEST_F(SessionFileTest, BlankPageIsFourBytesAndPathsAreUtf16) {
    CPageList pages;
    pages.Append(std::make_unique<CPage>());
    EXPECT_FALSE(SaveSession(pages, 0));
    EXPECT_EQ(ReadFile(SessionFilePath()), Head(0, 1) + QByteArray("\xFF\xFE\xFF\x00", 4));

    const QString path = QString::fromUtf8("/home/u/Bilder/\u00e4.jpg"); // 20 characters
    ASSERT_EQ(path.size(), 20);
    pages.Append(std::make_unique<CPage>(path));
    EXPECT_FALSE(SaveSession(pages, 1));
    EXPECT_EQ(ReadFile(SessionFilePath()), Head(1, 2) + QByteArray("\xFF\xFE\xFF\x00", 4) +
                                               QByteArray("\xFF\xFE\xFF\x14", 4) + Utf16(path));
}

TEST_F(SessionFileTest, TheSessionWritesItsPagesAndTheStripsCurrentIndex) {
    CSession session;
    session.AddPage(std::make_unique<CPage>(QStringLiteral("/a.jpg")));
    session.AddPage(std::make_unique<CPage>());
    session.Listener().StripSelect(0);
    EXPECT_FALSE(session.SaveSession());
    EXPECT_EQ(ReadFile(SessionFilePath()), Head(0, 2) + QByteArray("\xFF\xFE\xFF\x06", 4) +
                                               Utf16("/a.jpg") + QByteArray("\xFF\xFE\xFF\x00", 4));
}

TEST_F(SessionFileTest, LengthFormsAt255And0xFFFE) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CPageList pages;
    const QString p254(254, u'a'), p255(255, u'b'), p65533(0xFFFD, u'c'), p65534(0xFFFE, u'd');
    for (const QString& p : {p254, p255, p65533, p65534})
        pages.Append(std::make_unique<CPage>(p));
    ASSERT_TRUE(WriteSession(buffer, pages, 7));
    QByteArray expected = Head(7, 4);
    expected += QByteArray("\xFF\xFE\xFF\xFE", 4) + Utf16(p254);
    expected += QByteArray("\xFF\xFE\xFF\xFF\xFF\x00", 6) + Utf16(p255);
    expected += QByteArray("\xFF\xFE\xFF\xFF\xFD\xFF", 6) + Utf16(p65533);
    expected += QByteArray("\xFF\xFE\xFF\xFF\xFF\xFF\xFE\xFF\x00\x00", 10) + Utf16(p65534);
    EXPECT_EQ(buffer.data(), expected);
}

TEST_F(SessionFileTest, WritesInBlocksOf4096Bytes) {
    CPageList pages;
    pages.Append(std::make_unique<CPage>(QString(3000, u'x'))); // 6006 bytes + head
    CFullDevice device(1 << 20);
    CBufferedWriter writer(device);
    writer.WriteUInt32(1);
    EXPECT_TRUE(device.written.isEmpty()); // still buffered
    ASSERT_TRUE(WriteSession(device, pages, 0));
    EXPECT_EQ(device.written.size(), 12 + 6 + 6000);
}

TEST_F(SessionFileTest, UncreatableFileIsAccessDeniedWithItsName) {
    // Root may write anywhere; a path below a regular file fails for everyone.
    WriteFile(PathIn("plain"), "x");
    const QString path = PathIn("plain/tesphoto.session");
    CPageList pages;
    const CFileError error = SaveSession(path, pages, -1);
    EXPECT_EQ(error.cause, CFileError::Cause::AccessDenied);
    EXPECT_EQ(error.fileName, path);
    EXPECT_EQ(error.Message(), "Access to " + path + " was denied.");
}

TEST_F(SessionFileTest, AWriteRefusedAfterTheFirstBlockFails) {
    CPageList pages;
    pages.Append(std::make_unique<CPage>(QString(5000, u'y')));
    CFullDevice device(4096);
    EXPECT_FALSE(WriteSession(device, pages, 0));
    EXPECT_EQ(device.written.size(), 4096); // the first block went, the second did not
    EXPECT_EQ(CFileError({CFileError::Cause::DiskFull, "/x/s"}).Message(),
              "Disk full while accessing /x/s.");
}

TEST_F(SessionFileTest, AFailedWriteKeepsTheOldFileWhole) {
    CPageList old;
    old.Append(std::make_unique<CPage>(QStringLiteral("/old/page.jpg")));
    ASSERT_FALSE(SaveSession(old, 0));
    const QByteArray before =
        Head(0, 1) + QByteArray("\xFF\xFE\xFF\x0D", 4) + Utf16("/old/page.jpg");
    ASSERT_EQ(ReadFile(SessionFilePath()), before);
    const QStringList entries = EntriesOf(Home());

    // 10 kB of session on a card with 1 kB left.
    CPageList big;
    big.Append(std::make_unique<CPage>(QString(5000, u'y')));
    CFileError error;
    {
        CFileSizeLimit full(1024);
        ASSERT_TRUE(full.IsSet());
        error = SaveSession(big, 0);
    }
    EXPECT_EQ(error.cause, CFileError::Cause::DiskFull);
    EXPECT_EQ(error.Message().toStdString(),
              ("Disk full while accessing " + SessionFilePath() + ".").toStdString());
    EXPECT_EQ(ReadFile(SessionFilePath()).size(), before.size());
    EXPECT_EQ(ReadFile(SessionFilePath()), before);
    EXPECT_EQ(EntriesOf(Home()), entries); // nothing half written left beside it

    // The next save writes the whole file from the start.
    ASSERT_FALSE(SaveSession(big, 0));
    EXPECT_EQ(ReadFile(SessionFilePath()),
              Head(0, 1) + QByteArray("\xFF\xFE\xFF\xFF\x88\x13", 6) + Utf16(QString(5000, u'y')));
    ASSERT_FALSE(SaveSession(CPageList(), -1));
    EXPECT_EQ(ReadFile(SessionFilePath()), Head(-1, 0));
}

} // namespace
