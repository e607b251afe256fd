#include "app/Log.h"

#include "platform/Diagnostics.h"
#include "tests/support/TempHome.h"

#include <QFile>

namespace {

class LogTest : public CTempHomeTest {
protected:
    void TearDown() override {
        CloseLog();
        CTempHomeTest::TearDown();
    }
    QString LogPath() const { return PathIn("Quillmark.log"); }
};

TEST(LogFormatTest, RecordLineHasTagTimeAndMessage) {
    EXPECT_EQ(FormatLogRecord(32, 2026, 12, 7, 4, 5, 6, "x=5"),
              "[note @ 2026-12-07 04:05:06]: x=5");
    EXPECT_STREQ(LogLevelTag(3), "????");
    EXPECT_STREQ(LogLevelTag(8), "err!");
    EXPECT_STREQ(LogLevelTag(0), "????");
}

TEST_F(LogTest, MasksAreClosedAfterOpenSoNothingIsWritten) {
    OpenLog(LogPath());
    ProcessLog()->Log(32, "x=%d", 5);
    EXPECT_FALSE(QFile::exists(LogPath()));
}

TEST_F(LogTest, RecordPassesWhenFacilityAndOneLevelBitMatch) {
    OpenLog(LogPath());
    ProcessLog()->facilityMask = 1;
    ProcessLog()->levelMask = 32;
    ProcessLog()->Log(32, "x=%d", 5);
    ProcessLog()->Log(3, "two bits, none set");
    ProcessLog()->Log(64, "filtered");
    ProcessLog()->levelMask = 33;
    ProcessLog()->Log(3, "two bits");
    const QByteArray text = ReadFile(LogPath());
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), 3) << text.toStdString();
    EXPECT_TRUE(lines[0].startsWith("[note @ "));
    EXPECT_TRUE(lines[0].endsWith("]: x=5\r"));
    EXPECT_TRUE(lines[1].startsWith("[???? @ "));
    EXPECT_TRUE(lines[1].endsWith("]: two bits\r"));
    EXPECT_TRUE(lines[2].isEmpty());
}

TEST_F(LogTest, ReopenClearsMasksAndCloseStopsWriting) {
    OpenLog(LogPath());
    EnableDiagnosticLog();
    LogRecord(kLogInfo, "first");
    OpenLog(LogPath());
    LogRecord(kLogInfo, "masked");
    EnableDiagnosticLog();
    CloseLog();
    LogRecord(kLogInfo, "closed");
    const QByteArray text = ReadFile(LogPath());
    EXPECT_TRUE(text.contains("]: first\r\n"));
    EXPECT_FALSE(text.contains("masked"));
    EXPECT_FALSE(text.contains("closed"));
}

TEST_F(LogTest, LongMessagesAreCutAndTextIsUtf8) {
    OpenLog(LogPath());
    EnableDiagnosticLog();
    const std::string big(5000, 'a');
    LogRecord(kLogNote, "%s", big.c_str());
    LogRecord(kLogNote, "%s", "Zoë");
    const QList<QByteArray> lines = ReadFile(LogPath()).split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0].size() - lines[0].indexOf("]: ") - 3 - 1, 2047); // minus "\r"
    EXPECT_TRUE(lines[1].endsWith("]: Zo\xc3\xab\r"));
}

TEST_F(LogTest, UnwritableFileIsSilentAndPlatformReportsReachTheLog) {
    OpenLog(PathIn("no/such/folder/Quillmark.log"));
    EnableDiagnosticLog();
    LogRecord(kLogError, "nowhere"); // must not crash or throw
    OpenLog(LogPath());
    EnableDiagnosticLog();
    platform::ReportDiagnostic(kLogNote, "from the platform");
    EXPECT_TRUE(ReadFile(LogPath()).contains("[note @ "));
    EXPECT_TRUE(ReadFile(LogPath()).contains("]: from the platform\r\n"));
}

} // namespace
