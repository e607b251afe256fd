#include "screens/StaticThumb.h"

#include "imaging/OffscreenDC.h"
#include "resources/ResourceIds.h"
#include "screens/FrameList.h"
#include "screens/PaintedControlAccessible.h"
#include "session/Page.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "ui/toolkit/Fonts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr EFontKind kLabelFontKind = kFontMessageBody;

} // namespace

CStaticThumb::CStaticThumb(QWidget* parent) : QWidget(parent) {
    InstallPaintedControlAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(LoadFormatted(ids::IDS_MAIN_PREVIEW));
    // What pressing it does, for assistive tools that read a control's help.
    setWhatsThis(LoadFormatted(ids::IDS_MAIN_PREVIEW_HINT));
    if (const QFont* font = GetFont(GetFontCode(kLabelFontKind)))
        setFont(*font);
    Describe();
}

QString CStaticThumb::ResolutionLabel(int width, int height) {
    if (width == height)
        return {};
    switch (std::max(width, height)) {
    case 1600: return LoadFormatted(ids::IDS_MAIN_RES_2MP);
    case 2048: return LoadFormatted(ids::IDS_MAIN_RES_3MP);
    case 2592: return LoadFormatted(ids::IDS_MAIN_RES_5MP);
    default: return {};
    }
}

QString CStaticThumb::SizeText(int width, int height) {
    const QString label = ResolutionLabel(width, height);
    return label.isEmpty() ? LoadFormatted(ids::IDS_MAIN_SIZE, width, height)
                           : LoadFormatted(ids::IDS_MAIN_SIZE_LABELLED, width, height, label);
}

void CStaticThumb::SetPage(CPage* page, int number, int count) {
    m_page = page;
    m_number = number;
    m_count = count;
    Describe();
    repaint();
}

void CStaticThumb::SetNumber(int number) {
    m_number = number;
    Describe();
    update();
}

void CStaticThumb::ClearPage() {
    SetPage(nullptr, 0, 0);
}

void CStaticThumb::Describe() {
    QString text;
    if (m_number > 0)
        text = m_count >= m_number ? LoadFormatted(ids::IDS_MAIN_PAGE_OF, m_number, m_count)
                                   : LoadFormatted(ids::IDS_PAGE, m_number);
    if (m_page) {
        // The plain size: the resolution label is for the eye, the numbers say it all.
        const QString size = m_page->IsBlank()
                                 ? LoadFormatted(ids::IDS_MAIN_BLANK_PAGE)
                                 : LoadFormatted(ids::IDS_MAIN_SIZE, m_page->thumb.sourceWidth,
                                                 m_page->thumb.sourceHeight);
        text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + size;
    }
    setAccessibleDescription(text.isEmpty() ? LoadFormatted(ids::IDS_MAIN_NO_PAGES) : text);
}

void CStaticThumb::Activate() {
    if (m_onActivate)
        m_onActivate();
}

void CStaticThumb::paintEvent(QPaintEvent*) {
    const QRect client = rect();
    if (client.isEmpty())
        return;
    // At the display's pixels: the page's thumbnail is made for them.
    const qreal ratio = devicePixelRatioF();
    if (m_backBuffer.size() != client.size() * ratio || m_backBuffer.devicePixelRatio() != ratio) {
        m_backBuffer = QImage(client.size() * ratio, QImage::Format_RGB32);
        m_backBuffer.setDevicePixelRatio(ratio);
    }
    {
        QPainter dc(&m_backBuffer);
        dc.fillRect(client, Qt::white);
        dc.setFont(font());
        if (m_page)
            m_page->DrawFit(dc, 0, 0, client);
        if (m_number > 0)
            DrawShadowLabel(dc, client, LoadFormatted(ids::IDS_MAIN_PAGE_NUMBER, m_number));
        // A page without a picture (a blank page) has no size to tell.
        if (m_page && m_page->thumb.sourceWidth > 0 && m_page->thumb.sourceHeight > 0) {
            const QString size = SizeText(m_page->thumb.sourceWidth, m_page->thumb.sourceHeight);
            const int textWidth = QFontMetrics(dc.font()).horizontalAdvance(size);
            DrawShadowText(dc, QPoint(client.width() - ScalePixels(3) - textWidth, ScalePixels(3)),
                           size);
        }
    }
    QPainter(this).drawImage(0, 0, m_backBuffer);
}

void CStaticThumb::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
}

void CStaticThumb::mouseReleaseEvent(QMouseEvent* event) {
    const bool tap = m_pressed && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
    m_pressed = false;
    if (tap)
        Activate();
}

void CStaticThumb::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: Activate(); return;
    default: QWidget::keyPressEvent(event);
    }
}
