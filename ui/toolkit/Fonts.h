#pragma once

// The toolkit's fonts: numbered kinds map to font codes, codes to shared fonts. A font code
// holds the size in points (bits 0-5), "no font" (bit 6), bold (bit 7), italic (bit 8),
// underline (bit 9) and text turned by 90 degrees (bit 10). Fonts are sized from the emulated
// screen: 192 pixels per inch on a high-resolution screen, 96 otherwise.

#include <QFont>

class QWidget;

inline constexpr int kFontNone = 0x40;
inline constexpr int kFontBold = 0x80;
inline constexpr int kFontItalic = 0x100;
inline constexpr int kFontUnderline = 0x200;
inline constexpr int kFontRotated = 0x400;

// Font kinds by their role; the number is the kind's row in the font table. Kinds without a
// role here still have a code (EFontKind(n)).
enum EFontKind : int {
    kFontCaption = 1,
    kFontHeading = 2,
    kFontMessageBody = 3, // also the labels of page thumbnails
    kFontProgressText = 4,
    kFontProgressStats = 5,
    kFontButton = 6,
    kFontDetail = 7, // version and web address lines
    kFontMessageCheck = 9,
    kFontBigButton = 11, // captions of the main screen's big buttons
    kFontTitle = 12,     // the product name
    kFontStatus = 16,    // start-up status, the short version line
    kFontDialog = 20,
};

// The code of a kind for the current screen.
int GetFontCode(EFontKind kind);
// The same for a given resolution and screen class (6 is the square 320 x 320 class).
int FontCodeFor(EFontKind kind, bool highResolution, int screenClass);

// The shared font of a code, or null for a code without a size or with the no-font bit.
const QFont* GetFont(int code);
// The font of a code at `pixelsPerInch` (height = points x ppi / 72, truncated).
QFont MakeFont(int code, int pixelsPerInch);
// Pixels per inch of the emulated screen.
int ScreenPixelsPerInch();

// Sets the shared font on a control and repaints it.
void ApplyFont(int code, QWidget* control);

// Forgets the shared fonts (skin binding does this, so they are made for the new resolution).
void ResetFonts();
