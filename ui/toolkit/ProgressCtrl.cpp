#include "ui/toolkit/ProgressCtrl.h"

#include "app/AppSettings.h"
#include "resources/ResourceIds.h"
#include "skin/binding/SkinBinding.h"
#include "text/Strings.h"
#include "text/TextFormat.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/ToolkitAccessibility.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace {

constexpr std::uint32_t kUnknown = 0xFFFFFFFFu;

// Milliseconds on a monotonic clock: setting the wall clock must not make estimates jump.
std::uint32_t TickCount() {
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return std::uint32_t(started.elapsed());
}

QString TimeText(std::uint16_t format, std::uint32_t ms) {
    if (ms == 0 || ms == kUnknown)
        return {};
    return LoadFormatted(format, FormatTimeSpan(ms));
}

} // namespace

CProgressCtrl::CProgressCtrl(QWidget* parent) : QWidget(parent), m_clock(TickCount) {
    m_start = m_clock();
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallToolkitAccessibility();
}

void CProgressCtrl::SetClock(std::function<std::uint32_t()> clock) {
    m_clock = std::move(clock);
    m_start = m_clock();
}

void CProgressCtrl::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    m_filled = FilledWidth();
    update();
}

void CProgressCtrl::SetRange16(std::uint32_t packed) {
    SetRange(std::int16_t(packed & 0xFFFF), std::int16_t(packed >> 16));
}

void CProgressCtrl::GetRange(int& lower, int& upper) const {
    lower = m_lower;
    upper = m_upper;
}

int CProgressCtrl::SetPos(int pos) {
    const int previous = m_pos;
    m_pos = pos;
    if (pos != previous && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, pos);
        QAccessible::updateAccessibility(&event);
    }
    const int filled = FilledWidth();
    if (filled != m_filled) {
        m_filled = filled;
        ++m_repaintRequests;
        update();
    }
    return previous;
}

int CProgressCtrl::SetStep(int step) {
    return std::exchange(m_step, step);
}

void CProgressCtrl::Restart() {
    m_start = m_clock();
}

Colour CProgressCtrl::SetBarColour(Colour colour) {
    m_rebuild = true;
    update();
    return std::exchange(m_barColour, colour);
}

Colour CProgressCtrl::SetBackgroundColour(Colour colour) {
    m_rebuild = true;
    update();
    return std::exchange(m_background, colour);
}

Colour CProgressCtrl::SetTextColour(Colour colour) {
    update();
    return std::exchange(m_textColour, colour);
}

void CProgressCtrl::ShowText(bool show) {
    m_showText = show;
    update();
}

void CProgressCtrl::SetText(const QString& text) {
    m_text = text;
    update();
}

void CProgressCtrl::SetStyle(bool gradient, bool statistics, bool totalTime) {
    if (gradient != m_gradient) {
        // Each style has its own defaults for the colours and the shadow.
        m_barColour = gradient ? 0x80FF00 : kSystemColour;
        m_background = gradient ? 0xF0F0F0 : kSystemColour;
        m_textColour = gradient ? 0xFFFFFF : kSystemColour;
        m_shadow = gradient;
        m_rebuild = true;
    }
    m_gradient = gradient;
    m_stats = statistics;
    m_totalTime = totalTime;
    update();
}

void CProgressCtrl::ApplySettings() {
    const CAppSettings& settings = AppSettings();
    SetStyle(settings.gradient != 0, settings.showStats != 0, settings.showTotalTime != 0);
}

double CProgressCtrl::Fraction() const {
    if (m_upper <= m_lower)
        return 0;
    return std::clamp(double(m_pos - m_lower) / double(m_upper - m_lower), 0.0, 1.0);
}

int CProgressCtrl::FilledWidth() const {
    return int((m_vertical ? height() : width()) * Fraction());
}

void CProgressCtrl::SetVertical(bool vertical) {
    if (vertical == m_vertical)
        return;
    m_vertical = vertical;
    m_rebuild = true;
    m_filled = FilledWidth();
    update();
}

QRect CProgressCtrl::FilledRect() const {
    const int filled = FilledWidth();
    // A vertical bar fills from the bottom up.
    return m_vertical ? QRect(0, height() - filled, width(), filled)
                      : QRect(0, 0, filled, height());
}

void CProgressCtrl::EstimateTimes(std::uint32_t& remaining, std::uint32_t& elapsed,
                                  std::uint32_t& total) const {
    remaining = elapsed = total = kUnknown;
    const std::uint32_t now = m_clock();
    if (now < m_start)
        return;
    if (m_pos == m_upper || m_pos - m_lower <= 0)
        return;
    elapsed = now - m_start;
    // Scaled in 64 bits rather than through a whole time per unit: with many units done in
    // less than a millisecond each, that would give a total below the elapsed time and a
    // remaining time that wraps round.
    const std::uint64_t scaled =
        std::uint64_t(elapsed) * std::uint64_t(m_upper - m_lower) / std::uint64_t(m_pos - m_lower);
    total = std::uint32_t(std::min<std::uint64_t>(scaled, kUnknown - 1));
    remaining = total - elapsed;
}

QString CProgressCtrl::BarText() const {
    if (!m_text.isEmpty())
        return m_text;
    return QStringLiteral("%1%").arg(int(Fraction() * 100));
}

QString CProgressCtrl::RightText() const {
    std::uint32_t remaining, elapsed, total;
    EstimateTimes(remaining, elapsed, total);
    return TimeText(ids::IDS_LEFT, remaining);
}

QString CProgressCtrl::LeftText() const {
    std::uint32_t remaining, elapsed, total;
    EstimateTimes(remaining, elapsed, total);
    return m_totalTime ? TimeText(ids::IDS_TOTAL, total) : TimeText(ids::IDS_PASSED, elapsed);
}

QColor CProgressCtrl::Resolve(Colour colour, Colour systemValue) const {
    return QtColour(colour == kSystemColour ? systemValue : colour);
}

void CProgressCtrl::BuildPictures() {
    const QSize s = size();
    m_filledPicture = QImage(s, QImage::Format_RGB32);
    m_emptyPicture = QImage(s, QImage::Format_RGB32);
    const QColor bar = Resolve(m_barColour, GetSysColour(COLOR_HIGHLIGHT));
    const QColor back = Resolve(m_background, GetSysColour(COLOR_WINDOW));
    const QRect r(QPoint(0, 0), s);
    if (m_gradient) {
        // Glass: the colour washed towards white in the upper half, full below the middle.
        auto glass = [&](QImage& picture, const QColor& colour) {
            QPainter p(&picture);
            // Across the bar: top to bottom on a horizontal one, left to right on a vertical one.
            QLinearGradient g(r.topLeft(), m_vertical ? r.topRight() : r.bottomLeft());
            g.setColorAt(0.0, QColor(255, 255, 255));
            g.setColorAt(0.45, colour.lighter(135));
            g.setColorAt(0.5, colour);
            g.setColorAt(1.0, colour.darker(115));
            p.fillRect(r, g);
        };
        glass(m_emptyPicture, back);
        glass(m_filledPicture, bar);
    } else {
        m_emptyPicture.fill(back);
        m_filledPicture.fill(back);
        QPainter(&m_filledPicture).fillRect(r.adjusted(1, 1, -1, -1), bar);
    }
    m_rebuild = false;
}

void CProgressCtrl::resizeEvent(QResizeEvent*) {
    m_rebuild = true;
    m_filled = FilledWidth();
}

void CProgressCtrl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_upper <= m_lower) {
        p.fillRect(rect(), Resolve(m_background, GetSysColour(COLOR_WINDOW)));
        return;
    }
    if (m_rebuild || m_filledPicture.size() != size())
        BuildPictures();
    m_filled = FilledWidth();
    const QRect filled = FilledRect();
    const QRect empty = m_vertical ? QRect(0, 0, width(), height() - filled.height())
                                   : QRect(filled.width(), 0, width() - filled.width(), height());
    p.drawImage(filled, m_filledPicture, filled);
    p.drawImage(empty, m_emptyPicture, empty);

    const QRect textRect =
        m_gradient ? rect().adjusted(ScalePixels(3), 0, -ScalePixels(3), 0) : rect();
    const QColor textColour = Resolve(
        m_textColour, m_background == kSystemColour ? GetSysColour(COLOR_WINDOW) : m_background);
    const QColor shadow = QtColour(m_shadowColour);
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    if (m_showText) {
        if (const QFont* font = GetFont(GetFontCode(kFontProgressText)))
            p.setFont(*font);
        const QString text = BarText();
        if (m_shadow) {
            p.setPen(shadow);
            p.drawText(textRect.translated(1, 1), flags, text);
        }
        p.setPen(textColour);
        p.drawText(textRect, flags, text);
    }
    if (m_stats) {
        if (const QFont* font = GetFont(GetFontCode(kFontProgressStats)))
            p.setFont(*font);
        const int inset = m_gradient ? 2 : 1;
        const QRect statsRect = rect().adjusted(inset, 0, -inset, 0);
        const struct {
            QString text;
            int align;
        } sides[] = {{RightText(), Qt::AlignRight}, {LeftText(), Qt::AlignLeft}};
        for (const auto& side : sides) {
            if (side.text.isEmpty())
                continue;
            const int f = side.align | Qt::AlignVCenter | Qt::TextSingleLine;
            if (m_shadow) {
                p.setPen(QtColour(m_statsShadowColour));
                p.drawText(statsRect.translated(1, 1), f, side.text);
            }
            p.setPen(textColour);
            p.drawText(statsRect, f, side.text);
        }
    }
}
