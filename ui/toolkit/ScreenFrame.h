#pragma once

// The frame every full-screen page paints: a header band with caption, heading and a skin
// picture at the top right, and optionally a footer band above the buttons. Colours are
// process-wide and reset to their defaults when the skin is bound.

#include "ui/toolkit/SystemColours.h"

#include <QString>

#include <cstdint>

class QPainter;
class QWidget;

struct CFrameColours {
    int style = 1;
    Colour header = 0xF8F8F8;
    Colour footer = 0xF8F8F8; // also the face background of standard buttons
    Colour separator = 0xC0C0C0;
    Colour caption = 0x000000;
    Colour captionShadow = 0xC0C0C0;
    bool captionShadowOn = false;
    Colour heading = 0x3F3F3F;
    Colour headingShadow = 0xC0C0C0;
    bool headingShadowOn = false;
};

CFrameColours& FrameColours();
void ResetFrameColours();

// Footer modes that paint a footer band.
inline constexpr int kFooterNone = 0;
inline constexpr int kFooterBand = 2;
inline constexpr int kFooterBandAlt = 3;

// Unscaled sizes (doubled at high resolution).
inline constexpr int kHeaderHeight = 34;
inline constexpr int kFooterHeight = 27;
inline constexpr int kFramePictureInset = 33; // the picture sits at width - 1 - 32

// Paints the frame for `window` (its size decides the geometry). `picture` is a skin
// picture handle, 0 for none.
void DrawScreenFrame(QWidget* window, QPainter& dc, const QString& caption, const QString& heading,
                     std::int32_t picture, int footerMode);
void DrawScreenFrame(int width, int height, QPainter& dc, const QString& caption,
                     const QString& heading, std::int32_t picture, int footerMode);

// Where the header ends and the footer begins for a window of `height` pixels.
int FrameHeaderBottom();
int FrameFooterTop(int height);
