#pragma once

// Pictures drawn in code for the imaging tests: block pictures whose colours survive a JPEG
// round trip, EXIF orientation tags spliced into generated JPEG files, and damaged files.

#include "tests/support/TempHome.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>

#include <vector>

namespace imagingtest {

// A fresh home folder with the imaging session started for the test's duration.
class CImagingTest : public CTempHomeTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

// Distinct, well separated colours for blocks.
QRgb BlockColour(int index);

// A picture of columns x rows blocks of blockSize pixels, block (c, r) coloured
// BlockColour(r * columns + c). 16-pixel blocks keep their colour through JPEG at quality 100.
QImage BlockImage(int columns, int rows, int blockSize = 16);

// A w x h picture where every pixel has its own colour: red = x, green = y, blue = x + 7 * y.
QImage DistinctImage(int width, int height);
QRgb DistinctColour(int x, int y);

// Encodes `image` as a JPEG at quality 100 (through the program's writer) and returns the
// bytes; with orientation > 0 an EXIF block with that orientation tag follows the SOI marker.
QByteArray JpegBytes(const QImage& image, int orientation = 0, bool littleEndian = false);

// Where stored pixel (x, y) of a w x h picture appears once shown upright, per EXIF, and the
// whole stored picture shown upright.
QPoint Upright(int orientation, int x, int y, int w, int h);
QImage ExpectedUpright(const QImage& stored, int orientation);

bool WriteBytes(const QString& path, const QByteArray& data);
bool SavePng(const QImage& image, const QString& path);

// True when every channel differs by at most `tolerance`.
bool Near(QRgb a, QRgb b, int tolerance = 6);

} // namespace imagingtest
