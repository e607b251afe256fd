#include "pdf/GlyphlessFont.h"

#include <QtEndian>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace {

struct CCodeRange {
    std::uint16_t first;
    std::uint16_t last;
};

// The code points that get glyphs of their own (each range maps to consecutive glyphs).
constexpr std::array<CCodeRange, 9> kRanges{{
    {0x0020, 0x007E}, // Basic Latin
    {0x00A0, 0x024F}, // Latin-1, Latin Extended-A and -B
    {0x0370, 0x03FF}, // Greek
    {0x0400, 0x052F}, // Cyrillic
    {0x1E00, 0x1EFF}, // Latin Extended Additional
    {0x2000, 0x206F}, // General Punctuation
    {0x20A0, 0x20BF}, // currency signs
    {0x2100, 0x214F}, // letter-like symbols
    {0xFB00, 0xFB06}, // Latin ligatures
}};

class CBigEndian {
public:
    void U16(unsigned v) {
        m_bytes.append(char((v >> 8) & 0xFF));
        m_bytes.append(char(v & 0xFF));
    }
    void I16(int v) { U16(unsigned(std::uint16_t(std::int16_t(v)))); }
    void U32(std::uint32_t v) {
        U16(v >> 16);
        U16(v & 0xFFFF);
    }
    void Zeros(int n) { m_bytes.append(n, '\0'); }
    void Tag(const char* tag) { m_bytes.append(tag, 4); }
    void Append(const QByteArray& bytes) { m_bytes.append(bytes); }
    QByteArray& Bytes() { return m_bytes; }

private:
    QByteArray m_bytes;
};

int GlyphCount() {
    int count = 1; // .notdef
    for (const CCodeRange& r : kRanges)
        count += r.last - r.first + 1;
    return count;
}

QByteArray Head() {
    CBigEndian t;
    t.U32(0x00010000); // version
    t.U32(0x00010000); // fontRevision
    t.U32(0);          // checkSumAdjustment, set last
    t.U32(0x5F0F3CF5); // magicNumber
    t.U16(0x000B);     // flags: baseline and left side bearing at 0, integer scaling
    t.U16(1000);       // unitsPerEm
    t.Zeros(16);       // created, modified
    t.I16(0);          // xMin
    t.I16(-200);       // yMin
    t.I16(kGlyphlessAdvance);
    t.I16(800); // yMax
    t.U16(0);   // macStyle
    t.U16(3);   // lowestRecPPEM
    t.I16(2);   // fontDirectionHint
    t.I16(0);   // indexToLocFormat: short offsets
    t.I16(0);   // glyphDataFormat
    return t.Bytes();
}

QByteArray Hhea() {
    CBigEndian t;
    t.U32(0x00010000);
    t.I16(800);  // ascender
    t.I16(-200); // descender
    t.I16(0);    // lineGap
    t.U16(kGlyphlessAdvance);
    t.I16(0); // minLeftSideBearing
    t.I16(0); // minRightSideBearing
    t.I16(kGlyphlessAdvance);
    t.I16(1);    // caretSlopeRise
    t.I16(0);    // caretSlopeRun
    t.Zeros(12); // caretOffset, reserved, metricDataFormat
    t.U16(1);    // numberOfHMetrics: every glyph shares the one advance
    return t.Bytes();
}

QByteArray Maxp() {
    CBigEndian t;
    t.U32(0x00010000);
    t.U16(unsigned(GlyphCount()));
    t.Zeros(8); // points and contours, simple and composite
    t.U16(2);   // maxZones
    t.Zeros(16);
    return t.Bytes();
}

QByteArray Hmtx() {
    CBigEndian t;
    t.U16(kGlyphlessAdvance);
    t.I16(0);
    t.Zeros(2 * (GlyphCount() - 1)); // left side bearings
    return t.Bytes();
}

QByteArray Loca() {
    CBigEndian t;
    t.Zeros(2 * (GlyphCount() + 1)); // every glyph empty
    return t.Bytes();
}

QByteArray Cmap() {
    // Format 4, one segment per range plus the closing one.
    const int segments = int(kRanges.size()) + 1;
    int searchRange = 1, selector = 0;
    while (searchRange * 2 <= segments) {
        searchRange *= 2;
        ++selector;
    }
    CBigEndian sub;
    sub.U16(4);
    sub.U16(unsigned(16 + 8 * segments));
    sub.U16(0); // language
    sub.U16(unsigned(2 * segments));
    sub.U16(unsigned(2 * searchRange));
    sub.U16(unsigned(selector));
    sub.U16(unsigned(2 * segments - 2 * searchRange));
    for (const CCodeRange& r : kRanges)
        sub.U16(r.last);
    sub.U16(0xFFFF);
    sub.U16(0); // reservedPad
    for (const CCodeRange& r : kRanges)
        sub.U16(r.first);
    sub.U16(0xFFFF);
    int glyph = 1;
    for (const CCodeRange& r : kRanges) {
        sub.U16(unsigned(glyph - r.first) & 0xFFFF);
        glyph += r.last - r.first + 1;
    }
    sub.U16(1);              // 0xFFFF + 1: .notdef
    sub.Zeros(2 * segments); // idRangeOffset
    CBigEndian t;
    t.U16(0);
    t.U16(1);
    t.U16(3); // Windows
    t.U16(1); // Unicode BMP
    t.U32(12);
    t.Append(sub.Bytes());
    return t.Bytes();
}

QByteArray Name() {
    const char* const family = "QuillmarkInvisible";
    const std::map<int, QByteArray> names{{1, family}, {2, "Regular"}, {4, family}, {6, family}};
    CBigEndian records, strings;
    auto add = [&](int platform, int encoding, int language, int id, const QByteArray& text) {
        records.U16(unsigned(platform));
        records.U16(unsigned(encoding));
        records.U16(unsigned(language));
        records.U16(unsigned(id));
        const int at = int(strings.Bytes().size());
        if (platform == 3)
            for (char c : text)
                strings.U16(unsigned(c));
        else
            strings.Append(text);
        records.U16(unsigned(strings.Bytes().size() - at));
        records.U16(unsigned(at));
    };
    for (const auto& [id, text] : names)
        add(1, 0, 0, id, text);
    for (const auto& [id, text] : names)
        add(3, 1, 0x409, id, text);
    CBigEndian t;
    t.U16(0);
    t.U16(unsigned(2 * names.size()));
    t.U16(unsigned(6 + 12 * (2 * names.size())));
    t.Append(records.Bytes());
    t.Append(strings.Bytes());
    return t.Bytes();
}

QByteArray Os2() {
    CBigEndian t;
    t.U16(3); // version
    t.I16(kGlyphlessAdvance);
    t.U16(400);        // usWeightClass
    t.U16(5);          // usWidthClass
    t.U16(0);          // fsType: installable, may be embedded
    t.Zeros(20);       // sub- and superscript sizes, strikeout, family class
    t.Zeros(10);       // panose
    t.U32(0x00000007); // ulUnicodeRange1: Latin, Latin-1, Latin Extended-A
    t.Zeros(12);
    t.Tag("QMRK");
    t.U16(0x0040); // fsSelection: regular
    t.U16(0x0020); // usFirstCharIndex
    t.U16(0xFFFF); // usLastCharIndex
    t.I16(800);    // sTypoAscender
    t.I16(-200);   // sTypoDescender
    t.I16(0);      // sTypoLineGap
    t.U16(800);    // usWinAscent
    t.U16(200);    // usWinDescent
    t.U32(1);      // ulCodePageRange1: Latin 1
    t.U32(0);
    t.I16(500); // sxHeight
    t.I16(700); // sCapHeight
    t.U16(0);   // usDefaultChar
    t.U16(0x20);
    t.U16(1);
    return t.Bytes();
}

QByteArray Post() {
    CBigEndian t;
    t.U32(0x00030000); // no glyph names
    t.U32(0);          // italicAngle
    t.I16(-100);       // underlinePosition
    t.I16(50);         // underlineThickness
    t.U32(1);          // isFixedPitch
    t.Zeros(16);
    return t.Bytes();
}

std::uint32_t CheckSum(const QByteArray& bytes) {
    std::uint32_t sum = 0;
    QByteArray padded = bytes;
    padded.append((4 - padded.size() % 4) % 4, '\0');
    for (qsizetype i = 0; i < padded.size(); i += 4)
        sum += qFromBigEndian<std::uint32_t>(padded.constData() + i);
    return sum;
}

} // namespace

QByteArray GlyphlessFontData() {
    // In tag order, as the table directory must list them. The reader of the PDF library
    // wants the hinting tables too, empty as they are here.
    const std::vector<std::pair<const char*, QByteArray>> tables{
        {"OS/2", Os2()},  {"cmap", Cmap()}, {"cvt ", {}},     {"fpgm", {}},     {"glyf", {}},
        {"head", Head()}, {"hhea", Hhea()}, {"hmtx", Hmtx()}, {"loca", Loca()}, {"maxp", Maxp()},
        {"name", Name()}, {"post", Post()}, {"prep", {}},
    };
    const int count = int(tables.size());
    int searchRange = 1, selector = 0;
    while (searchRange * 2 <= count) {
        searchRange *= 2;
        ++selector;
    }
    CBigEndian font;
    font.U32(0x00010000);
    font.U16(unsigned(count));
    font.U16(unsigned(16 * searchRange));
    font.U16(unsigned(selector));
    font.U16(unsigned(16 * count - 16 * searchRange));
    std::uint32_t offset = std::uint32_t(12 + 16 * count);
    qsizetype headAt = 0;
    for (const auto& [tag, data] : tables) {
        font.Tag(tag);
        font.U32(CheckSum(data));
        font.U32(offset);
        font.U32(std::uint32_t(data.size()));
        if (QByteArrayView(tag) == "head")
            headAt = offset;
        offset += std::uint32_t((data.size() + 3) / 4 * 4);
    }
    for (const auto& [tag, data] : tables) {
        font.Append(data);
        font.Zeros(int((4 - data.size() % 4) % 4));
    }
    QByteArray& bytes = font.Bytes();
    qToBigEndian<std::uint32_t>(0xB1B0AFBA - CheckSum(bytes), bytes.data() + headAt + 8);
    return bytes;
}

QByteArray GlyphlessToUnicodeMap() {
    QByteArray ranges;
    int count = 0;
    QByteArray map = "/CIDInit /ProcSet findresource begin\n"
                     "12 dict begin\n"
                     "begincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n"
                     "/CMapType 2 def\n"
                     "1 begincodespacerange\n"
                     "<0000> <FFFF>\n"
                     "endcodespacerange\n";
    auto flush = [&] {
        if (count == 0)
            return;
        map += QByteArray::number(count) + " beginbfrange\n" + ranges + "endbfrange\n";
        ranges.clear();
        count = 0;
    };
    constexpr int kBlock = 100; // the most entries one block may hold
    for (int high = 0; high <= 0xFF; ++high) {
        if (high >= 0xD8 && high <= 0xDF)
            continue;
        const QByteArray first = QByteArray::number(high << 8, 16).rightJustified(4, '0').toUpper();
        const QByteArray last =
            QByteArray::number((high << 8) | 0xFF, 16).rightJustified(4, '0').toUpper();
        ranges += "<" + first + "> <" + last + "> <" + first + ">\n";
        if (++count == kBlock)
            flush();
    }
    flush();
    map += "endcmap\n"
           "CMapName currentdict /CMap defineresource pop\n"
           "end\n"
           "end\n";
    return map;
}
