#pragma once

// The live picture of the camera screen: the latest frame fitted into the widget on black,
// with a line of status text while the camera starts or a picture is being saved. Assistive
// tools see it as an animation named "Viewfinder".

#include <QImage>
#include <QString>
#include <QWidget>

class CViewfinder : public QWidget {
public:
    explicit CViewfinder(QWidget* parent = nullptr);

    void SetFrame(const QImage& frame);
    const QImage& Frame() const { return m_frame; }
    // Shown over the picture; empty hides it.
    void SetStatus(const QString& status);
    QString Status() const { return m_status; }
    // Where the frame is drawn, in the widget's coordinates.
    QRect FrameRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_frame;
    QString m_status;
};
