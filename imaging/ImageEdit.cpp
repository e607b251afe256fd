#include "imaging/ImageEdit.h"

#include "imaging/DibBitmap.h"
#include "imaging/ImageDecoder.h"
#include "imaging/JpegWriter.h"
#include "imaging/PageFinder.h"
#include "imaging/PixelOps.h"
#include "imaging/Straighten.h"
#include "imaging/UndoFile.h"

#include "platform/Paths.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

// The pixels of the current picture as a turn or crop reads them. Sections and 32-bit device
// bitmaps are read where they stand, with the same pixel mapping as the 24-bit copy would
// give; any other bitmap is converted into `converted` first.
CPixelSource PixelsOf(const CBitmap& bitmap, CDibBitmap& converted) {
    if (bitmap.IsSection())
        return SectionSource(bitmap.Bits(), bitmap.Width(), bitmap.Height());
    const CPixelSource direct = ImageSource(bitmap.DeviceImage());
    if (direct.topLeft)
        return direct;
    if (!converted.CreateFromBitmap(&bitmap))
        return {};
    return SectionSource(converted.bits, converted.width, converted.height);
}

} // namespace

CImageEdit::CImageEdit() : m_undoPath(UndoFilePath()) {}

CImageEdit::~CImageEdit() {
    CloseOpenImage();
}

void CImageEdit::CloseOpenImage() {
    if (m_openImage)
        CloseImage(m_openImage);
    m_openImage = nullptr;
}

const QImage& CImageEdit::DisplayImage() {
    if (m_displayImage.isNull() && m_current)
        m_displayImage = m_current->ToImage();
    return m_displayImage;
}

void CImageEdit::SetCurrent(BitmapHandle bitmap) {
    m_displayImage = QImage();
    DropLook();
    m_current = std::move(bitmap);
    m_pictureWidth = m_current ? m_current->Width() : 0;
    m_pictureHeight = m_current ? m_current->Height() : 0;
}

void CImageEdit::SetSelection(const CSelectionRect& selection, bool shown) {
    m_selection = selection;
    m_selectionShown = shown;
}

void CImageEdit::ResetPicture(bool keepDisplay) {
    CloseOpenImage();
    SetCurrent(nullptr);
    m_zoomPercent = 100;
    m_fitMode = false;
    m_selectionShown = false;
    m_scrollX = 0;
    m_scrollY = 0;
    m_pointerDown = false;
    m_undoAvailable = false;
    if (!keepDisplay)
        OnDisplayReset();
}

bool CImageEdit::LoadPicture(const QString& path) {
    ResetPicture(false);
    m_sourcePath = path;
    m_openImage = OpenImage(path);
    if (!m_openImage)
        return false;
    return ShowOpenedPicture();
}

bool CImageEdit::ShowOpenedPicture() {
    QSize size;
    if (!m_openImage || !GetImageInfo(m_openImage, &size)) {
        CloseOpenImage();
        return false;
    }
    BitmapHandle rendered = RenderImage(m_openImage);
    CloseOpenImage();
    if (!rendered)
        return false;
    SetCurrent(std::move(rendered));
    OnContentSizeChanged();
    Repaint();
    return true;
}

bool CImageEdit::SaveUndoCopy() {
    if (!m_undoPath.isEmpty())
        platform::EnsureFolder(QFileInfo(m_undoPath).absolutePath());
    m_undoAvailable = SaveBitmapAsJpeg(m_undoPath, kJpegQuality, m_current.get());
    CloseOpenImage();
    DropLook();
    return m_undoAvailable;
}

void CImageEdit::DropLook() {
    m_lookBase.reset();
    m_look = ELook::Original;
}

CPageCorners CImageEdit::FindSheetCorners() const {
    return m_current ? FindPageCorners(*m_current) : CPageCorners();
}

bool CImageEdit::Straighten(const CPageCorners& corners) {
    if (!m_current || !corners.IsConvex() ||
        corners.IsWhole(m_current->Width(), m_current->Height()))
        return false;
    m_displayImage = QImage();
    SaveUndoCopy();
    BitmapHandle straightened = StraightenBitmap(*m_current, corners);
    if (!straightened)
        return false;
    SetCurrent(std::move(straightened));
    OnContentSizeChanged();
    Repaint();
    return true;
}

bool CImageEdit::Enhance(ELook look) {
    if (!m_current || look == m_look)
        return false;
    if (look == ELook::Original) {
        BitmapHandle before = std::move(m_lookBase);
        SetCurrent(std::move(before));
        m_undoAvailable = false;
        Repaint();
        return true;
    }
    BitmapHandle result = EnhanceBitmap(m_lookBase ? *m_lookBase : *m_current, look);
    if (!result)
        return false;
    BitmapHandle before = std::move(m_lookBase);
    if (!before) {
        SaveUndoCopy();
        before = std::move(m_current);
    }
    SetCurrent(std::move(result));
    m_lookBase = std::move(before);
    m_look = look;
    Repaint();
    return true;
}

bool CImageEdit::Rotate(int angle) {
    if (!m_current || (angle != 90 && angle != 180 && angle != 270))
        return false;
    m_displayImage = QImage(); // a turn holds only the copies it needs
    SaveUndoCopy();
    const int w = m_current->Width();
    const int h = m_current->Height();
    if (w == 1 || h == 1)
        return false;
    CDibBitmap converted;
    const CPixelSource source = PixelsOf(*m_current, converted);
    if (!source.topLeft)
        return false;
    CDibBitmap destination;
    const bool quarter = angle != 180;
    if (!destination.Create(quarter ? h : w, quarter ? w : h))
        return false;
    RotatePixels(source, destination.bits, angle);
    SetCurrent(destination.Detach());
    if (quarter)
        OnContentSizeChanged();
    Repaint();
    return true;
}

bool CImageEdit::Flip(bool mirrorX, bool mirrorY) {
    if (!m_current)
        return false;
    m_displayImage = QImage();
    const QImage source = m_current->ToImage();
    if (source.isNull())
        return false;
    BitmapHandle mirrored = CBitmap::FromImage(source.mirrored(mirrorX, mirrorY));
    if (!mirrored)
        return false;
    SaveUndoCopy();
    SetCurrent(std::move(mirrored));
    Repaint();
    return true;
}

bool CImageEdit::CropToSelection() {
    if (!m_current || !m_selectionShown)
        return false;
    // Drawn in any direction, and clipped to the picture: nothing outside it is ever read.
    const int w = m_current->Width();
    const int h = m_current->Height();
    const int left = std::clamp(std::min(m_selection.left, m_selection.right), 0, w);
    const int right = std::clamp(std::max(m_selection.left, m_selection.right), 0, w);
    const int top = std::clamp(std::min(m_selection.top, m_selection.bottom), 0, h);
    const int bottom = std::clamp(std::max(m_selection.top, m_selection.bottom), 0, h);
    const int cw = right - left;
    const int ch = bottom - top;
    if (cw < MinimumCropSide() || ch < MinimumCropSide() || cw <= 0 || ch <= 0)
        return false;
    m_displayImage = QImage();
    SaveUndoCopy();
    CDibBitmap converted;
    const CPixelSource source = PixelsOf(*m_current, converted);
    if (!source.topLeft)
        return false;
    CDibBitmap destination;
    if (!destination.Create(cw, ch))
        return false;
    CropPixels(source, destination.bits, left, top, cw, ch);
    SetCurrent(destination.Detach());
    OnContentSizeChanged();
    m_selectionShown = false;
    Repaint();
    return true;
}

bool CImageEdit::UndoLastChange() {
    // The undo file is decoded before anything is dropped: when it cannot be read, the
    // picture on screen stays instead of leaving an empty view.
    CloseOpenImage();
    m_openImage = OpenImage(m_undoPath);
    QSize size;
    BitmapHandle restored;
    if (m_openImage && GetImageInfo(m_openImage, &size))
        restored = RenderImage(m_openImage);
    CloseOpenImage();
    if (!restored) {
        m_undoAvailable = false;
        return false;
    }
    ResetPicture(false);
    SetCurrent(std::move(restored));
    OnContentSizeChanged();
    Repaint();
    m_undoAvailable = false;
    return true;
}

bool CImageEdit::WriteResult() {
    if (!m_current)
        return false;
    if (!m_undoPath.isEmpty())
        platform::EnsureFolder(QFileInfo(m_undoPath).absolutePath());
    m_undoAvailable = SaveBitmapAsJpeg(m_undoPath, kJpegQuality, m_current.get());
    DropLook(); // the undo file no longer holds the picture before the looks
    return m_undoAvailable;
}
