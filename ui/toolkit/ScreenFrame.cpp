#include "ui/toolkit/ScreenFrame.h"

#include "skin/binding/SkinBinding.h"
#include "ui/toolkit/Fonts.h"

#include <QPainter>
#include <QWidget>

namespace {

void DrawLineText(QPainter& dc, const QRect& r, const QString& text, EFontKind fontKind,
                  Colour colour, bool shadowOn, Colour shadow, int flags) {
    if (text.isEmpty())
        return;
    if (const QFont* font = GetFont(GetFontCode(fontKind)))
        dc.setFont(*font);
    const QString line = dc.fontMetrics().elidedText(text, Qt::ElideRight, r.width());
    if (shadowOn) {
        const int d = ScalePixels(1);
        dc.setPen(QtColour(shadow));
        dc.drawText(r.translated(d, d), flags, line);
    }
    dc.setPen(QtColour(colour));
    dc.drawText(r, flags, line);
}

// A dashed line fading from blue at the left to red at the right.
void DrawFadingDashes(QPainter& dc, int y, int width) {
    const int s = ScalePixels(1);
    const int dash = 4 * s;
    for (int x = 0; x < width; x += 2 * dash) {
        const double t = width > 1 ? double(x) / (width - 1) : 0;
        dc.fillRect(QRect(x, y, dash, s), QColor(int(255 * t), 0, int(255 * (1 - t))));
    }
}

} // namespace

// The colour scheme belongs to one binding of the skin: a new binding starts from the defaults.
CFrameColours& FrameColours() {
    static CFrameColours colours;
    static int generation = SkinBindingGeneration();
    if (generation != SkinBindingGeneration()) {
        colours = CFrameColours{};
        generation = SkinBindingGeneration();
    }
    return colours;
}

void ResetFrameColours() {
    FrameColours() = CFrameColours{};
}

int FrameHeaderBottom() {
    return ScalePixels(kHeaderHeight);
}

int FrameFooterTop(int height) {
    return height - ScalePixels(kFooterHeight);
}

void DrawScreenFrame(QWidget* window, QPainter& dc, const QString& caption, const QString& heading,
                     std::int32_t picture, int footerMode) {
    DrawScreenFrame(window->width(), window->height(), dc, caption, heading, picture, footerMode);
}

void DrawScreenFrame(int width, int height, QPainter& dc, const QString& caption,
                     const QString& heading, std::int32_t picture, int footerMode) {
    const CFrameColours& c = FrameColours();
    const int s = ScalePixels(1);
    const int band = ScalePixels(kHeaderHeight);
    const bool footer = footerMode == kFooterBand || footerMode == kFooterBandAlt;
    const int footerTop = FrameFooterTop(height);

    dc.save();
    if (c.style == 1) {
        dc.fillRect(QRect(0, 0, width, band), QtColour(c.header));
        dc.fillRect(QRect(0, band - s, width, s), QtColour(c.separator));
        if (footer) {
            dc.fillRect(QRect(0, footerTop, width, height - footerTop), QtColour(c.footer));
            dc.fillRect(QRect(0, footerTop, width, s), QtColour(c.separator));
        }
    } else {
        DrawFadingDashes(dc, band - s, width);
        if (footer)
            DrawFadingDashes(dc, footerTop, width);
    }
    const int textLeft = ScalePixels(6);
    const int textWidth = width - ScalePixels(40) - textLeft;
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    DrawLineText(dc, QRect(textLeft, 0, textWidth, band - ScalePixels(8)), caption, kFontCaption,
                 c.caption, c.captionShadowOn, c.captionShadow, flags);
    DrawLineText(dc, QRect(textLeft, ScalePixels(18), textWidth, band - ScalePixels(18)), heading,
                 kFontHeading, c.heading, c.headingShadowOn, c.headingShadow, flags);
    dc.restore();
    if (picture)
        SkinDrawImage(dc, picture, width - ScalePixels(kFramePictureInset), s);
}
