#include "imaging/OffscreenDC.h"

#include <cmath>

COffscreenDC::~COffscreenDC() {
    Release();
}

bool COffscreenDC::Create(QPainter* /*referenceDC*/, const QRect& rect, qreal ratio) {
    Release();
    if (rect.width() <= 0 || rect.height() <= 0 || !(ratio > 0))
        return false;
    const QSize pixels(int(std::ceil(rect.width() * ratio)), int(std::ceil(rect.height() * ratio)));
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    image.setDevicePixelRatio(ratio);
    m_image = std::move(image);
    m_painter = std::make_unique<QPainter>(&m_image);
    m_bounds = rect;
    m_created = true;
    return true;
}

void COffscreenDC::FlushTo(QPainter& targetDC) const {
    if (!m_created)
        return;
    targetDC.drawImage(m_bounds.topLeft(), m_image);
}

void COffscreenDC::Release() {
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_image = QImage();
    m_bounds = QRect();
    m_created = false;
}
