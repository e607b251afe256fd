#pragma once

// The generated test set for finding, straightening and enhancing a sheet: a page drawn in
// code (letter-like strokes in lines, rules, a heading, a coloured box) put by a known
// perspective onto a textured desk, then lit unevenly and given sensor noise.

#include "imaging/PageCorners.h"

#include <QImage>
#include <QSize>

namespace imagingtest {

struct CScanCase {
    QImage page;          // the flat drawing
    QImage photo;         // the page photographed
    CPageCorners corners; // where the page's corner pixels landed in the photo
    QString name;         // background, aspect and tilt, for failure messages
};

// Cases 0 .. kScanCaseCount - 1 differ in background (five kinds), page aspect (A4, letter,
// receipt, card, square-ish), tilt, perspective and the photo's orientation. `photoSize` is
// the long side of the photo.
inline constexpr int kScanCaseCount = 20;
CScanCase MakeScanCase(int index, int photoLongSide = 1024);

// A page of `size` with the drawing only.
QImage DrawPage(QSize size, unsigned seed);
// A desk without a sheet: background kind 0..4.
QImage DrawDesk(QSize size, int kind, unsigned seed);
// Uneven light (a gradient and a darker corner) and noise over the whole picture.
void LightAndNoise(QImage& photo, unsigned seed, double strength = 1.0);

// Mean absolute difference of the grey levels of two pictures of the same size.
double MeanGreyError(const QImage& a, const QImage& b);

} // namespace imagingtest
