#pragma once

// One page of the session: its picture file (empty for a blank page), the thumbnail the
// screens draw, the picture type code, and the two flags that decide whether the file is
// deleted with the page.

#include "imaging/ImageType.h"
#include "imaging/PageThumb.h"

#include <QPainter>
#include <QRect>
#include <QString>

#include <cstdint>

class CPage {
public:
    // A null or empty path makes a blank page. typeCode starts as JPEG.
    explicit CPage(const QString& path = QString());
    // Deletes the file when it is a temporary copy, or when the user asked for its deletion
    // and deleteFileSetting is on; then clears the thumbnail.
    virtual ~CPage();
    CPage(const CPage&) = delete;
    CPage& operator=(const CPage&) = delete;

    // The thumbnail is wider than high.
    virtual bool IsLandscape() const;
    // The thumbnail unscaled, centred in rect moved by (dx, dy).
    virtual void DrawCentered(QPainter& target, int dx, int dy, const QRect& rect) const;
    // The thumbnail scaled to fit, centred in rect moved by (dx, dy).
    virtual void DrawFit(QPainter& target, int dx, int dy, const QRect& rect) const;

    // Remembers the box and builds the thumbnail for it; false when either size is 0 or the
    // picture cannot be decoded.
    bool BuildThumb(QPainter* referenceDC, int boxWidth, int boxHeight);
    // Builds the thumbnail again with the remembered box (after the page file was edited).
    bool RebuildThumb(QPainter* referenceDC);

    bool IsBlank() const { return path.isEmpty(); }

    QString path;
    CPageThumb thumb;
    std::int32_t boxWidth = 0;
    std::int32_t boxHeight = 0;
    std::uint32_t deleteFileRequested = 0;
    std::uint32_t isTemporaryCopy = 0;
    ImageType typeCode = kImageTypeJpeg;
    // Auto-portrait without a copy: the page is its landscape file's picture turned a quarter
    // counter-clockwise. The thumbnail and the PDF show it so; the file is never changed.
    bool turnCcw = false;
    // The DeleteFile setting as the page's owner last gave it (CPageList stamps its pages):
    // without it a file the user asked to delete stays. On by default, like the setting.
    bool deleteFileSetting = true;
};
