#include "imaging/JpegCheck.h"
#include "imaging/ImageReading.h"
#include "tests/imaging/ImagingTestUtil.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

// A TIFF structure as EXIF carries it, written entry by entry, in either byte order.
class CTiff {
public:
    explicit CTiff(bool little) : m_little(little) {
        m_bytes = little ? QByteArray("II") : QByteArray("MM");
        U16(42);
        U32(8);
    }
    CTiff& U16(int v) {
        QByteArray b(2, 0);
        b[m_little ? 0 : 1] = char(v & 0xFF);
        b[m_little ? 1 : 0] = char((v >> 8) & 0xFF);
        m_bytes += b;
        return *this;
    }
    CTiff& U32(quint32 v) {
        QByteArray b(4, 0);
        for (int i = 0; i < 4; ++i)
            b[m_little ? i : 3 - i] = char((v >> (8 * i)) & 0xFF);
        m_bytes += b;
        return *this;
    }
    // One directory entry whose value is a SHORT left-justified in its four bytes.
    CTiff& Entry(int tag, int type, quint32 count, int value) {
        return U16(tag).U16(type).U32(count).U16(value).U16(0);
    }
    qsizetype Size() const { return m_bytes.size(); }
    QByteArray Bytes() const { return m_bytes; }

private:
    bool m_little;
    QByteArray m_bytes;
};

QByteArray App1(const QByteArray& payload) {
    const int length = int(payload.size()) + 2;
    return QByteArray("\xFF\xE1", 2) + char(length >> 8) + char(length & 0xFF) + payload;
}

QByteArray Exif(const CTiff& tiff) {
    return App1(QByteArray("Exif\0\0", 6) + tiff.Bytes());
}

// IFD0 with one entry and no next directory.
CTiff OneEntry(bool little, int tag, int type, quint32 count, int value) {
    CTiff tiff(little);
    tiff.U16(1).Entry(tag, type, count, value).U32(0);
    return tiff;
}

int ReaderOrientation(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, "jpeg");
    reader.setAutoTransform(true);
    return reader.canRead() ? OrientationFromTransformation(reader.transformation()) : -1;
}

} // namespace

// The check reads the EXIF orientation from the bytes it walks, so that a page made without
// the picture reader turns exactly as the decoded picture does, for well-formed and odd
// segments alike.
TEST(JpegCheckTest, TheOrientationIsTheOneThePictureReaderTakes) {
    const QByteArray plain = imagingtest::JpegBytes(imagingtest::DistinctImage(24, 16));
    ASSERT_FALSE(plain.isEmpty());
    const auto with = [&plain](const QByteArray& segments) {
        return plain.left(2) + segments + plain.mid(2);
    };

    // IFD0 without the tag, IFD1 (after it) with it.
    CTiff second(true);
    second.U16(1).Entry(0x0100, 3, 1, 24);
    second.U32(quint32(second.Size() + 4)).U16(1).Entry(0x0112, 3, 1, 8).U32(0);
    // IFD0 pointing back at itself.
    CTiff loop(false);
    loop.U16(1).Entry(0x0100, 3, 1, 24).U32(8);
    // A directory claiming more entries than the segment holds.
    CTiff cut(false);
    cut.U16(3).Entry(0x0100, 3, 1, 24);
    // The tag twice: the first wins.
    CTiff twice(false);
    twice.U16(2).Entry(0x0112, 3, 1, 3).Entry(0x0112, 3, 1, 6).U32(0);
    // The first directory beyond the segment.
    const QByteArray farBytes = QByteArray("II") + QByteArray("\x2A\x00\x00\x10\x00\x00", 6);

    const struct {
        const char* name;
        QByteArray segments;
        int expected;
    } cases[] = {
        {"none", {}, 1},
        {"big-endian 6", Exif(OneEntry(false, 0x0112, 3, 1, 6)), 6},
        {"little-endian 5", Exif(OneEntry(true, 0x0112, 3, 1, 5)), 5},
        {"each of 1 to 8", {}, 0},
        {"value 9", Exif(OneEntry(false, 0x0112, 3, 1, 9)), 1},
        {"value 0", Exif(OneEntry(false, 0x0112, 3, 1, 0)), 1},
        {"a LONG", Exif(OneEntry(false, 0x0112, 4, 1, 6)), 1},
        {"two values", Exif(OneEntry(false, 0x0112, 3, 2, 6)), 1},
        {"in the second directory", Exif(second), 8},
        {"a directory loop", Exif(loop), 1},
        {"a cut directory", Exif(cut), 1},
        {"the tag twice", Exif(twice), 3},
        {"a directory out of the segment", App1(QByteArray("Exif\0\0", 6) + farBytes), 1},
        {"byte order unknown", App1(QByteArray("Exif\0\0XX\0*\0\0\0\x08", 14)), 1},
        {"XMP first",
         App1(QByteArray("http://ns.adobe.com/xap/1.0/\0<x/>", 33)) +
             Exif(OneEntry(false, 0x0112, 3, 1, 6)),
         1},
        {"two Exif segments",
         Exif(OneEntry(false, 0x0112, 3, 1, 3)) + Exif(OneEntry(false, 0x0112, 3, 1, 6)), 3},
        {"not Exif", App1(QByteArray("Exof\0\0MM\0*\0\0\0\x08", 14)), 1},
    };
    for (const auto& c : cases) {
        for (int value = 1; value <= 8; ++value) {
            if (c.expected != 0 && value > 1)
                break;
            const QByteArray segments =
                c.expected == 0 ? Exif(OneEntry(value % 2 == 0, 0x0112, 3, 1, value)) : c.segments;
            const int expected = c.expected == 0 ? value : c.expected;
            SCOPED_TRACE(std::string(c.name) + " " + std::to_string(value));
            const QByteArray bytes = with(segments);
            CJpegFrame frame;
            ASSERT_TRUE(CheckJpegData(reinterpret_cast<const uchar*>(bytes.constData()),
                                      bytes.size(), &frame));
            EXPECT_EQ(frame.orientation, expected);
            EXPECT_EQ(frame.orientation, ReaderOrientation(bytes));
        }
    }
}

// The coded data is looked at sixteen bytes at a time: the end marker, restarts, stuffed
// zeros and fill bytes are found wherever they fall against those blocks, and data cut short
// anywhere is refused.
TEST(JpegCheckTest, CodedDataIsWalkedToItsEndWhereverTheMarkersFall) {
    const QByteArray plain = imagingtest::JpegBytes(imagingtest::DistinctImage(8, 8));
    ASSERT_FALSE(plain.isEmpty());
    // Everything up to the first scan's data: the scan header's length follows its marker.
    const qsizetype sos = plain.indexOf(QByteArray("\xFF\xDA", 2));
    ASSERT_GT(sos, 0);
    const int sosLength = (uchar(plain[sos + 2]) << 8) | uchar(plain[sos + 3]);
    const QByteArray head = plain.left(sos + 2 + sosLength);

    const auto check = [](const QByteArray& bytes) {
        CJpegFrame frame;
        return CheckJpegData(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size(),
                             &frame);
    };
    ASSERT_TRUE(check(plain));
    for (int length = 1; length <= 48; ++length) {
        // Coded bytes with a stuffed zero, a restart and fill bytes at places that move
        // against the blocks as the length grows.
        QByteArray coded;
        for (int i = 0; i < length; ++i)
            coded += char(0x11 + (i * 37) % 200);
        coded.insert(length / 3, QByteArray("\xFF\x00", 2));
        coded.insert(length / 2, QByteArray("\xFF\xD3", 2));
        const QByteArray fill = length % 2 ? QByteArray("\xFF\xFF", 2) : QByteArray();
        SCOPED_TRACE(length);
        EXPECT_TRUE(check(head + coded + fill + QByteArray("\xFF\xD9", 2)));
        EXPECT_TRUE(check(head + coded + QByteArray("\xFF\xD5\xFF\xD9", 4)));
        EXPECT_FALSE(check(head + coded + fill + QByteArray("\xFF", 1)));
        EXPECT_FALSE(check(head + coded + QByteArray("\xFF\x00", 2)));
        // A marker that belongs in no coded data ends the scan, and the walk refuses it.
        EXPECT_FALSE(
            check(head + coded + QByteArray("\xFF\xD8", 2) + coded + QByteArray("\xFF\xD9", 2)));
    }
}
