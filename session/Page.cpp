#include "session/Page.h"

#include "imaging/ImageType.h"

#include <QFile>

CPage::CPage(const QString& path_) : path(path_), typeCode(kImageTypeJpeg) {}

CPage::~CPage() {
    // A blank page has no file, whatever its flags say.
    if (!path.isEmpty() && (isTemporaryCopy || (deleteFileSetting && deleteFileRequested)))
        QFile::remove(path);
    thumb.Clear();
    path.clear();
}

bool CPage::IsLandscape() const {
    return thumb.IsLandscape();
}

void CPage::DrawCentered(QPainter& target, int dx, int dy, const QRect& rect) const {
    thumb.DrawCentered(target, rect.translated(dx, dy));
}

void CPage::DrawFit(QPainter& target, int dx, int dy, const QRect& rect) const {
    thumb.DrawFit(target, rect.translated(dx, dy));
}

bool CPage::BuildThumb(QPainter* referenceDC, int boxWidth_, int boxHeight_) {
    boxWidth = boxWidth_;
    boxHeight = boxHeight_;
    if (boxWidth == 0 || boxHeight == 0)
        return false;
    return thumb.Build(path, referenceDC, boxWidth, boxHeight, turnCcw);
}

bool CPage::RebuildThumb(QPainter* referenceDC) {
    thumb.Clear();
    return BuildThumb(referenceDC, boxWidth, boxHeight);
}
