#pragma once

// The four corner handles of the straighten screen over the picture, which is fitted into the
// control and centred. A handle is dragged with the mouse or a finger (the nearest one within
// reach of the press), with a magnifier showing the picture under the finger; from the
// keyboard Tab and Shift+Tab pick a handle and the arrow keys move it by one screen pixel (ten
// with Shift). Corners are kept inside the picture and always in picture pixel coordinates.

#include "imaging/PageCorners.h"
#include "screens/Magnifier.h"

#include <QImage>
#include <QWidget>

class CCornerEditor : public QWidget {
public:
    explicit CCornerEditor(QWidget* parent = nullptr);

    // The picture shown (its pixels are the picture's); corners are clamped to it.
    void SetPicture(const QImage& picture);
    void SetCorners(const CPageCorners& corners);
    const CPageCorners& Corners() const { return m_corners; }

    // The handle Tab and the arrow keys act on, 0..3 in the corners' order.
    int CurrentCorner() const { return m_current; }
    void SetCurrentCorner(int index);
    bool IsDragging() const { return m_dragging; }

    // Where the picture is drawn and the mapping between picture and control coordinates.
    QRectF PictureRect() const;
    double Scale() const;
    QPointF ToView(QPointF picturePoint) const;
    QPointF ToPicture(QPointF viewPoint) const;
    int HandleSide() const { return m_handleSide; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MoveCorner(int index, QPointF picturePoint);
    void UpdateDescription();

    QImage m_picture;
    CPageCorners m_corners;
    int m_current = 0;
    bool m_dragging = false;
    QPointF m_finger;
    int m_handleSide;
    CMagnifier m_magnifier;
};
