#pragma once

// The edit state of the editor's picture view and its edit operations: turn, mirror, crop,
// straighten, document looks, one level of undo through the undo file, and writing the result. The
// editor's view (CImageView) inherits it and adds drawing, scrolling, zoom and the selection tool
// through the display hooks below. Every operation returns true when the picture changed.

#include "imaging/Bitmap.h"
#include "imaging/Enhance.h"
#include "imaging/PageCorners.h"

#include <QImage>
#include <QString>

#include <cstdint>

class CImageObject;

// The crop rectangle as the user drew it, in picture pixel coordinates; left may exceed
// right and top bottom (drawn from bottom-right to top-left).
struct CSelectionRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class CImageEdit {
public:
    CImageEdit();
    virtual ~CImageEdit();
    CImageEdit(const CImageEdit&) = delete;
    CImageEdit& operator=(const CImageEdit&) = delete;

    // Drops everything, then opens and shows the picture file. False when it cannot be.
    bool LoadPicture(const QString& path);
    // Renders the open image into the current picture and closes it; false (image closed)
    // on any failure.
    bool ShowOpenedPicture();
    // 180, 90 (a quarter turn counter-clockwise) or 270 (clockwise); other angles give false.
    bool Rotate(int angle);
    // mirrorX: left-right; mirrorY: top-bottom.
    bool Flip(bool mirrorX, bool mirrorY);
    // Cuts the picture to the shown selection, clipped to the picture. Nothing happens (false,
    // no undo copy) when the clipped selection is narrower or lower than MinimumCropSide().
    bool CropToSelection();
    // The sheet's corners in the current picture as found by FindPageCorners (the whole
    // picture's corners when there is no sheet): where the corner handles start.
    CPageCorners FindSheetCorners() const;
    // Warps the picture so that the sheet between the corners (picture pixel coordinates)
    // fills an upright rectangle of the sheet's proportions. Nothing happens (false, no undo
    // copy) when the corners are not a convex quadrilateral or are the whole picture's.
    bool Straighten(const CPageCorners& corners);
    // Gives the picture a document look. Looks tried one after another all start from the
    // picture as it was before the first of them (one undo copy for the run), so they never
    // pile up; Original takes the look back exactly and uses up the undo. Any other change
    // ends the run. False when the look is the one shown or the picture cannot be made.
    bool Enhance(ELook look);
    // The look shown since the last other change; Original when none.
    ELook CurrentLook() const { return m_look; }
    // Restores the picture from the undo file; the undo is then used up. When the undo file
    // cannot be decoded the current picture stays and the result is false.
    bool UndoLastChange();
    // Writes the current picture to the undo file (JPEG, quality 100), which the editor then
    // moves over the page file. Reports the real result; undo is offered only after a good
    // write.
    bool WriteResult();
    // Closes the open image, drops the picture and resets zoom, fit mode, selection, scroll
    // positions, pointer state and undo; unless keepDisplay, also tells the display.
    void ResetPicture(bool keepDisplay);

    void SetSelection(const CSelectionRect& selection, bool shown = true);
    const CSelectionRect& Selection() const { return m_selection; }
    bool SelectionShown() const { return m_selectionShown; }

    bool UndoAvailable() const { return m_undoAvailable; }
    const QString& SourcePath() const { return m_sourcePath; }
    const QString& UndoPath() const { return m_undoPath; }
    // Tests and the benchmarks point the undo file elsewhere.
    void SetUndoPath(const QString& path) { m_undoPath = path; }
    const CBitmap* Current() const { return m_current.get(); }
    // The current picture in the screen's format for painting; made once per picture (a
    // device bitmap is shared, a section converted). Null image without a picture.
    const QImage& DisplayImage();
    bool HasPicture() const { return m_current != nullptr; }
    int PictureWidth() const { return m_pictureWidth; }
    int PictureHeight() const { return m_pictureHeight; }

    int ZoomPercent() const { return m_zoomPercent; }
    bool FitMode() const { return m_fitMode; }

protected:
    // The undo copy made before every change: writes the current picture to the undo file and
    // closes any open image. Undo is offered only when the write succeeded, so a failed write
    // never brings back an older picture.
    virtual bool SaveUndoCopy();
    // Smallest crop side in pixels (30; the view doubles it on a high-resolution screen).
    virtual int MinimumCropSide() const { return 30; }
    // Display hooks for the view: the picture size changed (scrolls to the origin too), the
    // view should repaint, and the full reset of ResetPicture(false).
    virtual void OnContentSizeChanged() {}
    virtual void Repaint() {}
    virtual void OnDisplayReset() {}

    // Replaces the current picture (the old one is deleted) and records its size.
    void SetCurrent(BitmapHandle bitmap);
    void CloseOpenImage();

    QString m_sourcePath;
    QString m_undoPath;
    BitmapHandle m_current;
    CImageObject* m_openImage = nullptr;
    std::int32_t m_pictureWidth = 0;
    std::int32_t m_pictureHeight = 0;
    bool m_undoAvailable = false;
    CSelectionRect m_selection;
    bool m_selectionShown = false;
    int m_zoomPercent = 100;
    bool m_fitMode = false;
    int m_scrollX = 0;
    int m_scrollY = 0;
    bool m_pointerDown = false;

private:
    // Ends a run of looks: the picture before the looks is no longer needed.
    void DropLook();

    BitmapHandle m_lookBase; // the picture before the current run of looks
    ELook m_look = ELook::Original;
    QImage m_displayImage; // cache of DisplayImage(), dropped whenever the picture changes
};
