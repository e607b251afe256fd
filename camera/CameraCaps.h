#pragma once

// Choosing the capture size: the requested resolution when the camera offers it, else the
// nearest size it offers.

#include <QSize>
#include <QString>

// The caps to ask the source for, given the caps it offers (GStreamer caps text) and the
// requested size. 0 x 0 asks for nothing in particular ("ANY"). Otherwise the offered size
// nearest to the request (raw pictures before JPEG-compressed ones at the same size), as raw
// or JPEG-compressed video; when the offer names no sizes, the requested size first and then
// any raw or JPEG video, so such a camera still starts when it cannot give that size.
QString ResolutionCaps(const QString& offeredCaps, const QSize& requested);

// The nearest offered size to `requested`, or `requested` itself when the offer names no
// sizes (a source that tells nothing before it runs).
QSize NearestOfferedSize(const QString& offeredCaps, const QSize& requested);
