#include "camera/screens/Viewfinder.h"

#include "resources/ResourceIds.h"
#include "text/Strings.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace {

QAccessibleInterface* ViewfinderAccessible(const QString&, QObject* object) {
    if (auto* viewfinder = dynamic_cast<CViewfinder*>(object))
        return new QAccessibleWidget(viewfinder, QAccessible::Animation);
    return nullptr;
}

} // namespace

CViewfinder::CViewfinder(QWidget* parent) : QWidget(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(ViewfinderAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(LoadRawString(ids::IDS_CAMERA_VIEWFINDER));
    setAccessibleDescription(LoadRawString(ids::IDS_CAMERA_VIEWFINDER_HINT));
}

void CViewfinder::SetFrame(const QImage& frame) {
    m_frame = frame;
    update();
}

void CViewfinder::SetStatus(const QString& status) {
    if (status == m_status)
        return;
    m_status = status;
    update();
}

QRect CViewfinder::FrameRect() const {
    if (m_frame.isNull())
        return {};
    QSize size = m_frame.size().scaled(this->size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void CViewfinder::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!m_frame.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(FrameRect(), m_frame);
    }
    if (!m_status.isEmpty()) {
        QFont f = font();
        f.setPixelSize(std::max(12, height() / 24));
        p.setFont(f);
        const QRect text = p.fontMetrics().boundingRect(
            rect().adjusted(8, 0, -8, 0), Qt::AlignCenter | Qt::TextWordWrap, m_status);
        const QRect band = text.adjusted(-8, -4, 8, 4);
        p.fillRect(band, QColor(0, 0, 0, 160));
        p.setPen(Qt::white);
        p.drawText(text, Qt::AlignCenter | Qt::TextWordWrap, m_status);
    }
}
