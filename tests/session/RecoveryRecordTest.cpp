#include "session/RecoveryRecord.h"

#include "tests/support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <sys/wait.h>
#include <unistd.h>

namespace {

CRecoveryState SampleState() {
    CRecoveryState state;
    state.owner = {4242, 987654321, "5b1e0c9a-7d1f-4c55-9a0e-2f3b8d6c1e77"};
    state.writtenMs = 1765300000123;
    state.currentIndex = 2;
    state.scanCounter = 7;
    state.pages = {
        {"/home/anna/Pictures/Camera/IMG_20261209_101500.jpg", kImageTypeJpeg, false, false},
        {QString(), kImageTypeJpeg, false, false}, // a blank page
        {"/home/anna/Scans/page 3.gif.tesimg", kImageTypeJpeg, true, false},
        {QString::fromUtf8("/home/anna/Bilder/Grüße ✓ 😀.png"), kImageTypePng, false, true},
        {"/tmp/" + QString(300, u'x') + ".bmp", kImageTypeBmp, false, false},
    };
    return state;
}

std::uint32_t Field(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
}

// A record whose payload was changed after writing, with a checksum that fits again: only the
// contents checks can refuse it.
QByteArray Resealed(QByteArray record) {
    const QByteArray payload = record.mid(16);
    qToLittleEndian<std::uint32_t>(RecoveryChecksum(payload), record.data() + 12);
    return record;
}

// The offset of the page count in the payload of SampleState's record.
int CountOffset(const CRecoveryState& state) {
    return 16 + 4 + 8 + 1 + int(state.owner.bootId.size()) + 8 + 4 + 4;
}

} // namespace

TEST(RecoveryRecordTest, EveryFieldSurvivesTheRoundTrip) {
    const CRecoveryState state = SampleState();
    const CRecordRead read = DecodeRecoveryRecord(EncodeRecoveryRecord(state));
    ASSERT_EQ(read.status, ERecordStatus::kOk);
    EXPECT_EQ(read.state, state);

    const CRecordRead empty = DecodeRecoveryRecord(EncodeRecoveryRecord({}));
    ASSERT_EQ(empty.status, ERecordStatus::kOk);
    EXPECT_TRUE(empty.state.pages.empty());
}

TEST(RecoveryRecordTest, HeaderNamesMagicVersionLengthAndChecksum) {
    const QByteArray record = EncodeRecoveryRecord(SampleState());
    EXPECT_EQ(record.left(4), QByteArray("QMRC"));
    EXPECT_EQ(Field(record, 4), 1u);
    EXPECT_EQ(Field(record, 8), std::uint32_t(record.size() - 16));
    EXPECT_EQ(Field(record, 12), RecoveryChecksum(record.mid(16)));
    // The checksum is the common CRC-32, so other tools can check a record too.
    EXPECT_EQ(RecoveryChecksum("123456789"), 0xCBF43926u);
}

TEST(RecoveryRecordTest, EveryShortenedRecordIsRefused) {
    const QByteArray record = EncodeRecoveryRecord(SampleState());
    for (int size = 0; size < record.size(); ++size) {
        const CRecordRead read = DecodeRecoveryRecord(record.left(size));
        ASSERT_NE(read.status, ERecordStatus::kOk) << size;
        if (size >= 16 || size == 0) {
            EXPECT_EQ(read.status, ERecordStatus::kTruncated) << size;
        }
        EXPECT_TRUE(read.state.pages.empty()) << size;
    }
}

TEST(RecoveryRecordTest, EveryFlippedBitOfThePayloadIsCaught) {
    const QByteArray record = EncodeRecoveryRecord(SampleState());
    for (int i = 16; i < record.size(); ++i) {
        for (int bit = 0; bit < 8; bit += 3) {
            QByteArray damaged = record;
            damaged[i] = char(damaged[i] ^ (1 << bit));
            ASSERT_EQ(DecodeRecoveryRecord(damaged).status, ERecordStatus::kDamaged) << i;
        }
    }
}

TEST(RecoveryRecordTest, ForeignAppendedAndNewerFilesAreRecognised) {
    const QByteArray record = EncodeRecoveryRecord(SampleState());
    EXPECT_EQ(DecodeRecoveryRecord("Windows Registry Editor Version 5.00\r\n").status,
              ERecordStatus::kDamaged);
    EXPECT_EQ(DecodeRecoveryRecord(QByteArray(4096, '\0')).status, ERecordStatus::kDamaged);
    EXPECT_EQ(DecodeRecoveryRecord(record + "x").status, ERecordStatus::kDamaged);

    // A newer version may have changed everything after the version field.
    QByteArray newer = record;
    qToLittleEndian<std::uint32_t>(2, newer.data() + 4);
    EXPECT_EQ(DecodeRecoveryRecord(newer).status, ERecordStatus::kNewer);
    EXPECT_EQ(DecodeRecoveryRecord(newer.left(8)).status, ERecordStatus::kTruncated);
    EXPECT_EQ(DecodeRecoveryRecord(newer.left(16) + "anything at all").status,
              ERecordStatus::kNewer);
    QByteArray zero = record;
    qToLittleEndian<std::uint32_t>(0, zero.data() + 4);
    EXPECT_EQ(DecodeRecoveryRecord(zero).status, ERecordStatus::kDamaged);
}

TEST(RecoveryRecordTest, ContentsThatDoNotAddUpAreRefusedDespiteTheChecksum) {
    const CRecoveryState state = SampleState();
    const QByteArray record = EncodeRecoveryRecord(state);
    const int count = CountOffset(state);
    ASSERT_EQ(Field(record, count), 5u);

    QByteArray more = record;
    qToLittleEndian<std::uint32_t>(6, more.data() + count);
    EXPECT_EQ(DecodeRecoveryRecord(Resealed(more)).status, ERecordStatus::kDamaged);
    QByteArray huge = record;
    qToLittleEndian<std::uint32_t>(0xFFFFFFFFu, huge.data() + count);
    EXPECT_EQ(DecodeRecoveryRecord(Resealed(huge)).status, ERecordStatus::kDamaged);
    QByteArray fewer = record;
    qToLittleEndian<std::uint32_t>(4, fewer.data() + count);
    EXPECT_EQ(DecodeRecoveryRecord(Resealed(fewer)).status, ERecordStatus::kDamaged);

    // The first page's flags: an unknown bit, then a blank page that claims to own a file.
    const int flags = count + 4;
    QByteArray unknown = record;
    unknown[flags] = char(0x80);
    EXPECT_EQ(DecodeRecoveryRecord(Resealed(unknown)).status, ERecordStatus::kDamaged);
    CRecoveryState blank;
    blank.pages = {{QString(), kImageTypeJpeg, false, false}};
    QByteArray owning = EncodeRecoveryRecord(blank);
    owning[CountOffset(blank) + 4] = 1;
    EXPECT_EQ(DecodeRecoveryRecord(Resealed(owning)).status, ERecordStatus::kDamaged);
    QByteArray type = record;
    qToLittleEndian<std::int32_t>(77, type.data() + flags + 1);
    EXPECT_EQ(DecodeRecoveryRecord(Resealed(type)).status, ERecordStatus::kDamaged);
}

class RecoveryRecordFileTest : public CTempHomeTest {};

TEST_F(RecoveryRecordFileTest, WrittenInTheDataFolderAndReadBack) {
    EXPECT_EQ(RecoveryRecordPath(), PathIn("session.recovery"));
    EXPECT_EQ(ReadRecoveryRecord(RecoveryRecordPath()).status, ERecordStatus::kMissing);
    const CRecoveryState state = SampleState();
    ASSERT_TRUE(WriteRecoveryRecord(RecoveryRecordPath(), state));
    EXPECT_EQ(ReadFile(RecoveryRecordPath()), EncodeRecoveryRecord(state));
    const CRecordRead read = ReadRecoveryRecord(RecoveryRecordPath());
    ASSERT_EQ(read.status, ERecordStatus::kOk);
    EXPECT_EQ(read.state, state);
    // Nothing but the record itself is left in the folder.
    EXPECT_EQ(QDir(Home()).entryList(QDir::Files), QStringList{"session.recovery"});
}

TEST_F(RecoveryRecordFileTest, AFolderInItsPlaceIsUnreadableAndAFailedWriteKeepsTheOld) {
    ASSERT_TRUE(QDir().mkpath(PathIn("session.recovery")));
    EXPECT_EQ(ReadRecoveryRecord(PathIn("session.recovery")).status, ERecordStatus::kUnreadable);
    EXPECT_FALSE(WriteRecoveryRecord(PathIn("session.recovery"), SampleState()));
    EXPECT_TRUE(QFileInfo(PathIn("session.recovery")).isDir());
}

TEST_F(RecoveryRecordFileTest, SetAsideKeepsTheBytesUnderANameThatSaysWhy) {
    const QString path = PathIn("session.recovery");
    const QByteArray damaged = EncodeRecoveryRecord(SampleState()).left(40);
    WriteFile(path, damaged);
    const QString aside = SetRecordAside(path, ERecordStatus::kTruncated);
    ASSERT_FALSE(aside.isEmpty());
    EXPECT_TRUE(aside.startsWith(path + ".damaged-")) << qPrintable(aside);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(ReadFile(aside), damaged);

    // A second one in the same second gets a name of its own.
    WriteFile(path, damaged);
    const QString second = SetRecordAside(path, ERecordStatus::kDamaged);
    EXPECT_NE(second, aside);
    EXPECT_TRUE(QFile::exists(aside));
    EXPECT_TRUE(QFile::exists(second));

    WriteFile(path, "newer");
    EXPECT_TRUE(SetRecordAside(path, ERecordStatus::kNewer).startsWith(path + ".newer-"));
}

TEST(RecoveryOwnerTest, OnlyTheVeryProcessThatWroteCountsAsRunning) {
    const CRecoveryOwner self = CurrentRecoveryOwner();
    EXPECT_EQ(self.pid, std::uint32_t(::getpid()));
    ASSERT_NE(self.startTicks, 0u);
    EXPECT_TRUE(IsOwnerRunning(self));

    // The same number with another start time is a later process that reused it.
    CRecoveryOwner reused = self;
    reused.startTicks += 1;
    EXPECT_FALSE(IsOwnerRunning(reused));
    // A process of an earlier boot is gone.
    CRecoveryOwner earlierBoot = self;
    earlierBoot.bootId = "00000000-0000-0000-0000-000000000000";
    EXPECT_FALSE(IsOwnerRunning(self.bootId.isEmpty() ? CRecoveryOwner{} : earlierBoot));
    EXPECT_FALSE(IsOwnerRunning({}));

    // A process that has ended, reaped or not.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(0);
    CRecoveryOwner ended;
    ended.pid = std::uint32_t(child);
    ended.bootId = self.bootId;
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_FALSE(IsOwnerRunning(ended));
}
