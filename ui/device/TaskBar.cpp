#include "ui/device/TaskBar.h"

#include <QLinearGradient>
#include <QPen>

#include <QPainter>
#include <QTime>
#include <QTimer>
#include <algorithm>

CTaskBar::CTaskBar(QWidget* parent) : QWidget(parent) {
    auto* clock = new QTimer(this);
    clock->setInterval(15000);
    QObject::connect(clock, &QTimer::timeout, this, [this] { update(); });
    clock->start();
}

void CTaskBar::SetTitle(const QString& title) {
    if (title == m_title)
        return;
    m_title = title;
    // Read by assistive tools as the band's text.
    setAccessibleName(title);
    update();
}

void CTaskBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    QLinearGradient band(r.topLeft(), r.bottomLeft());
    band.setColorAt(0, QColor(0x3a, 0x4c, 0x63));
    band.setColorAt(1, QColor(0x16, 0x21, 0x2e));
    p.fillRect(r, band);
    p.setRenderHint(QPainter::Antialiasing);

    const int h = r.height();
    const int pad = h / 4;
    // The device's home mark: a ring around a dot.
    const int g = h / 2;
    const QRect glyph(pad, (h - g) / 2, g, g);
    p.setPen(QPen(QColor(0xA9, 0xC8, 0xEE), std::max(1, h / 13)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(glyph.adjusted(1, 1, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xA9, 0xC8, 0xEE));
    p.drawEllipse(QRectF(glyph).adjusted(g * 0.32, g * 0.32, -g * 0.32, -g * 0.32));

    QFont font(QStringList{"Tahoma", "DejaVu Sans Condensed", "DejaVu Sans"});
    font.setPixelSize(h * 11 / 26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm"));
    const int timeWidth = p.fontMetrics().horizontalAdvance(time);
    p.drawText(QRect(r.right() - pad - timeWidth, 0, timeWidth, h), Qt::AlignVCenter, time);
    const QRect titleRect(glyph.right() + pad, 0, r.width() - glyph.right() - 3 * pad - timeWidth,
                          h);
    p.drawText(titleRect, Qt::AlignVCenter | Qt::AlignLeft,
               p.fontMetrics().elidedText(m_title, Qt::ElideRight, titleRect.width()));
}
