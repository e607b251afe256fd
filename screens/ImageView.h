#pragma once

// The picture view of the image editor. It owns the edit state (CImageEdit) and does all
// drawing, zooming, scrolling and the crop frame: the picture is fitted into the view or
// zoomed to 50, 100 or 200 % and scrolled with the view's scroll bars (arrow and page keys
// scroll too). The crop frame is drawn by dragging with the mouse or a finger, moved and
// resized by its handles, or from the keyboard (Shift+arrows size it, Ctrl+arrows move it).
// A finger pans a zoomed picture (kinetic scrolling) and works the frame where it is shown.
// The frame lives in view coordinates and follows scrolls; a crop converts it to picture
// pixels through the zoom and scroll, so what is cut is what the frame shows.

#include "imaging/ImageEdit.h"
#include "imaging/OffscreenDC.h"
#include "imaging/ViewGeometry.h"
#include "screens/CropTracker.h"
#include "screens/ScrollState.h"

#include <QAbstractScrollArea>

class CImageView : public QAbstractScrollArea, public CImageEdit {
public:
    explicit CImageView(QWidget* parent = nullptr);
    ~CImageView() override;

    // Zoom 50, 100 or 200: leaves fit mode, scrolls to the origin and drops the frame.
    void SetZoom(int percent);
    // The whole picture fitted into the view; nothing scrolls, the frame stays.
    void SetFit();

    // The crop frame in view coordinates (any direction) and whether it is shown.
    void SetViewSelection(const CSelectionRect& rect, bool shown = true);
    const CSelectionRect& ViewSelection() const { return m_tracker.Rect(); }
    const CCropTracker& Tracker() const { return m_tracker; }

    CScrollState& ScrollBars() { return m_scroll; }
    CViewGeometry Geometry() const;
    // After the result was written over the undo file, the undo file no longer holds the
    // picture before the last change.
    void ForgetUndo() { m_undoAvailable = false; }

    // The last painted back buffer, the view's size (tests and screenshots).
    QImage PaintedImage() const;
    // What assistive tools read about the view: the picture's size and the crop frame in
    // picture pixels, clipped to the picture ("Picture of 640 x 480 pixels, crop frame of 200
    // x 100 pixels from 10, 20"); empty without a picture.
    QString DescriptionText() const;

protected:
    int MinimumCropSide() const override;
    void OnContentSizeChanged() override;
    void Repaint() override;
    void OnDisplayReset() override;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateContentSize();
    void SyncSelection();
    void Describe();
    void DrawPicture(QPainter& painter);
    bool KeyboardFrame(int key, Qt::KeyboardModifiers modifiers);
    QRect Bounds() const;

    COffscreenDC m_backBuffer;
    CScrollState m_scroll;
    CCropTracker m_tracker;
    QPoint m_pressPoint;
    // The picture fitted into the view, smoothly scaled once per picture and size.
    QImage m_fitted;
    qint64 m_fittedKey = 0;
};
