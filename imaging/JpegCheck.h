#pragma once

// Checking a JPEG file without decoding its pixels: the markers are walked from the start of
// the image to its end, the frame header is read and the entropy-coded data is skipped. What
// passes is a file the decoder takes whole, short of damage inside the coded data (which it
// steps over, as it does when it decodes).

#include <QString>
#include <QtGlobal>

struct CJpegFrame {
    int width = 0; // as stored, before any EXIF orientation
    int height = 0;
    int components = 0; // 1 grey, 3 colour, 4 CMYK
    bool progressive = false;
    // EXIF orientation, 1 to 8, read as the picture reader reads it: from the first APP1
    // segment before the first scan, when it is an Exif one; 1 when there is none.
    int orientation = 1;
};

// True for a JPEG with exactly one frame of a kind the decoder reads (baseline, extended or
// progressive, Huffman or arithmetic coded), 8-bit samples, a non-zero size, 1, 3 or 4
// components with sampling factors 1 to 4 and quantisation tables defined before the first
// scan, scans that name only the frame's components and hold at least the data their blocks
// need (a header that claims a picture far larger than its data is refused), and data
// complete up to the end-of-image marker. `frame` (may be null) receives what the frame header
// says.
bool CheckJpegData(const uchar* data, qint64 size, CJpegFrame* frame);
// The same for a file (only a regular file is read), through a memory map where possible.
bool CheckJpegFile(const QString& path, CJpegFrame* frame);
