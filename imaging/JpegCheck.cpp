#include "imaging/JpegCheck.h"

#include "imaging/PictureFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Frames libjpeg decodes: SOF0, 1, 2 (Huffman) and SOF9, 10 (arithmetic). Lossless and
// hierarchical frames it refuses.
bool IsReadableFrame(int marker) {
    return marker == 0xC0 || marker == 0xC1 || marker == 0xC2 || marker == 0xC9 || marker == 0xCA;
}

bool IsOtherFrame(int marker) {
    return marker >= 0xC3 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC &&
           !IsReadableFrame(marker);
}

struct CFrameState {
    bool seen = false;
    bool arithmetic = false;
    int ids[4] = {};
    int tables[4] = {};
    int h[4] = {}; // sampling factors
    int v[4] = {};
    int maxH = 1;
    int maxV = 1;
};

bool ReadFrame(const uchar* s, int length, int marker, CFrameState* state, CJpegFrame* frame) {
    if (state->seen || length < 8)
        return false;
    const int precision = s[0];
    const int height = (s[1] << 8) | s[2];
    const int width = (s[3] << 8) | s[4];
    const int count = s[5];
    if (precision != 8 || height == 0 || width == 0 || (count != 1 && count != 3 && count != 4) ||
        length != 8 + 3 * count)
        return false;
    for (int i = 0; i < count; ++i) {
        const uchar* c = s + 6 + 3 * qsizetype(i);
        const int h = c[1] >> 4;
        const int v = c[1] & 15;
        if (h < 1 || h > 4 || v < 1 || v > 4 || c[2] > 3)
            return false;
        state->ids[i] = c[0];
        state->tables[i] = c[2];
        state->h[i] = h;
        state->v[i] = v;
        state->maxH = std::max(state->maxH, h);
        state->maxV = std::max(state->maxV, v);
    }
    state->seen = true;
    state->arithmetic = marker == 0xC9 || marker == 0xCA;
    frame->width = width;
    frame->height = height;
    frame->components = count;
    frame->progressive = marker == 0xC2 || marker == 0xCA;
    return true;
}

// Marks the quantisation tables a DQT segment defines; false when it is malformed.
bool ReadQuantTables(const uchar* s, int length, bool defined[4]) {
    int p = 0;
    const int body = length - 2;
    while (p < body) {
        const int precision = s[p] >> 4;
        const int id = s[p] & 15;
        const int size = 1 + 64 * (precision ? 2 : 1);
        if (precision > 1 || id > 3 || p + size > body)
            return false;
        defined[id] = true;
        p += size;
    }
    return true;
}

// A scan must name components of the frame whose quantisation tables exist by now (the
// decoder takes a component's table when the component's first scan starts).
bool ScanIsReadable(const uchar* s, int length, const CFrameState& state, int count,
                    const bool quant[4]) {
    const int n = s[0];
    if (n < 1 || n > 4 || length != 6 + 2 * n)
        return false;
    for (int i = 0; i < n; ++i) {
        bool found = false;
        for (int c = 0; c < count; ++c)
            found = found || (state.ids[c] == s[1 + 2 * i] && quant[state.tables[c]]);
        if (!found)
            return false;
    }
    return true;
}

// The orientation tag of an APP1 segment's body, taken the way the picture reader takes it
// (so a page made from the checked bytes turns as the decoded picture does): "Exif\0\0" and
// a TIFF header, image file directories followed forward only and at most ten of them, the
// first Orientation entry (one SHORT, 1 to 8) wins. Anything else leaves the picture as stored.
int ReadExifOrientation(const uchar* s, qint64 size) {
    constexpr qint64 kHeader = 6;
    if (size < kHeader + 8 || std::memcmp(s, "Exif\0\0", kHeader) != 0)
        return 1;
    const uchar* tiff = s + kHeader;
    const qint64 length = size - kHeader;
    bool little = false;
    if (tiff[0] == 'I' && tiff[1] == 'I')
        little = true;
    else if (tiff[0] != 'M' || tiff[1] != 'M')
        return 1;
    const auto u16 = [&](qint64 at) {
        return little ? tiff[at] | (tiff[at + 1] << 8) : (tiff[at] << 8) | tiff[at + 1];
    };
    const auto u32 = [&](qint64 at) {
        return little ? quint32(u16(at)) | (quint32(u16(at + 2)) << 16)
                      : (quint32(u16(at)) << 16) | quint32(u16(at + 2));
    };
    if (u16(2) != 42)
        return 1;
    qint64 offset = u32(4);
    qint64 pos = 8;
    for (int directory = 0; directory < 10; ++directory) {
        if (offset < pos || offset + 2 > length)
            return 1;
        int entries = u16(offset);
        pos = offset + 2;
        for (; entries > 0; --entries, pos += 12) {
            if (pos + 12 > length)
                return 1;
            if (u16(pos) != 0x0112)
                continue;
            const int value = u16(pos + 8);
            return u16(pos + 2) == 3 && u32(pos + 4) == 1 && value >= 1 && value <= 8 ? value : 1;
        }
        if (pos + 4 > length)
            return 1;
        offset = u32(pos);
        pos += 4;
        if (offset == 0)
            return 1;
    }
    return 1;
}

qint64 CeilDiv(qint64 a, qint64 b) {
    return (a + b - 1) / b;
}

// The fewest bits of entropy-coded data a scan needs for its frame, from the number of 8 x 8
// blocks it codes. With Huffman coding every block of a sequential scan takes at least a DC
// code and one AC code (an end-of-block at the least), of one bit each at the shortest; the
// first DC scan of a progressive picture at least one bit per block, and each DC refinement
// exactly one. AC scans of a progressive picture may code a whole band of empty blocks in a
// few bits, and arithmetic coding has no such floor: they need nothing here.
qint64 MinimumScanBits(const uchar* s, const CFrameState& state, int count,
                       const CJpegFrame& frame) {
    if (state.arithmetic)
        return 0;
    const int n = s[0];
    const int spectralStart = s[1 + 2 * n];
    qint64 bitsPerBlock = 0;
    if (!frame.progressive)
        bitsPerBlock = 2;
    else if (spectralStart == 0)
        bitsPerBlock = 1;
    if (bitsPerBlock == 0)
        return 0;
    qint64 blocks = 0;
    if (n == 1) {
        // One component: its own blocks, without the padding of whole MCUs.
        for (int c = 0; c < count; ++c) {
            if (state.ids[c] != s[1])
                continue;
            const qint64 width = CeilDiv(qint64(frame.width) * state.h[c], state.maxH);
            const qint64 height = CeilDiv(qint64(frame.height) * state.v[c], state.maxV);
            blocks = CeilDiv(width, 8) * CeilDiv(height, 8);
            break;
        }
    } else {
        qint64 perUnit = 0;
        for (int i = 0; i < n; ++i)
            for (int c = 0; c < count; ++c)
                if (state.ids[c] == s[1 + 2 * i])
                    perUnit += qint64(state.h[c]) * state.v[c];
        blocks = CeilDiv(frame.width, 8 * qint64(state.maxH)) *
                 CeilDiv(frame.height, 8 * qint64(state.maxV)) * perUnit;
    }
    return blocks * bitsPerBlock;
}

// Skips entropy-coded data from `pos`: it runs until a marker other than a stuffed zero, a
// fill byte or a restart. The position of that marker's 0xFF, or -1 when the data is cut.
// Nearly every 0xFF in the data is a stuffed zero: sixteen bytes at a time are looked at for
// an 0xFF followed by anything else, so the common case costs no branch per 0xFF.
qint64 SkipCodedData(const uchar* data, qint64 size, qint64 pos) {
    using CBytes = uchar __attribute__((vector_size(16)));
    using CMask = signed char __attribute__((vector_size(16)));
    while (pos + 17 <= size) {
        CBytes here;
        CBytes next;
        std::memcpy(&here, data + pos, sizeof here);
        std::memcpy(&next, data + pos + 1, sizeof next);
        const CMask odd = (here == 0xFF) & (next != 0);
        quint64 low = 0;
        quint64 high = 0;
        std::memcpy(&low, &odd, sizeof low);
        std::memcpy(&high, reinterpret_cast<const char*>(&odd) + sizeof low, sizeof high);
        if ((low | high) == 0) {
            pos += 16;
            continue;
        }
        const auto firstByte = [](quint64 mask) {
            return (std::endian::native == std::endian::little ? std::countr_zero(mask)
                                                               : std::countl_zero(mask)) /
                   8;
        };
        pos += low != 0 ? firstByte(low) : 8 + firstByte(high);
        const uchar marker = data[pos + 1];
        if (marker >= 0xD0 && marker <= 0xD7)
            pos += 2;
        else if (marker == 0xFF)
            ++pos;
        else
            return pos;
    }
    for (;;) {
        const void* hit = pos < size ? std::memchr(data + pos, 0xFF, size_t(size - pos)) : nullptr;
        if (!hit)
            return -1;
        pos = static_cast<const uchar*>(hit) - data;
        if (pos + 1 >= size)
            return -1;
        const uchar next = data[pos + 1];
        if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
            pos += 2;
            continue;
        }
        if (next == 0xFF) {
            ++pos;
            continue;
        }
        return pos;
    }
}

} // namespace

bool CheckJpegData(const uchar* data, qint64 size, CJpegFrame* frame) {
    CJpegFrame own;
    CJpegFrame* out = frame ? frame : &own;
    *out = CJpegFrame();
    if (!data || size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return false;
    CFrameState state;
    bool quant[4] = {};
    bool scanned = false;
    bool app1 = false;
    qint64 pos = 2;
    while (pos < size) {
        if (data[pos] != 0xFF)
            return false;
        while (pos < size && data[pos] == 0xFF)
            ++pos; // fill bytes before a marker
        if (pos >= size)
            return false;
        const int marker = data[pos++];
        if (marker == 0xD9)
            return scanned;
        if (marker == 0xD8 || marker == 0x00)
            return false;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (pos + 2 > size)
            return false;
        const int length = (data[pos] << 8) | data[pos + 1];
        if (length < 2 || pos + length > size)
            return false;
        const uchar* segment = data + pos + 2;
        if (IsReadableFrame(marker)) {
            if (!ReadFrame(segment, length, marker, &state, out))
                return false;
        } else if (IsOtherFrame(marker)) {
            return false;
        } else if (marker == 0xE1 && !app1 && !scanned) {
            app1 = true;
            out->orientation = ReadExifOrientation(segment, length - 2);
        } else if (marker == 0xDB) {
            if (!ReadQuantTables(segment, length, quant))
                return false;
        } else if (marker == 0xDA) {
            if (!state.seen || length < 3 ||
                !ScanIsReadable(segment, length, state, out->components, quant))
                return false;
            scanned = true;
            const qint64 start = pos + length;
            pos = SkipCodedData(data, size, start);
            if (pos < 0)
                return false;
            // A frame larger than its data: the decoder would make up the rest of the
            // picture, as for a cut file.
            if ((pos - start) * 8 < MinimumScanBits(segment, state, out->components, *out))
                return false;
            continue;
        }
        pos += length;
    }
    return false;
}

bool CheckJpegFile(const QString& path, CJpegFrame* frame) {
    CPictureFile file(path);
    qint64 size = 0;
    const uchar* data = file.Bytes(&size);
    if (!data) {
        if (frame)
            *frame = CJpegFrame();
        return false;
    }
    return CheckJpegData(data, size, frame);
}
