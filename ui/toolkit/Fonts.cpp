#include "ui/toolkit/Fonts.h"

#include "skin/binding/SkinBinding.h"

#include <QWidget>

#include <map>
#include <memory>

namespace {

// Fonts are made for the resolution of the bound skin: a new binding starts a new list.
std::map<int, std::unique_ptr<QFont>>& FontList() {
    static std::map<int, std::unique_ptr<QFont>> fonts;
    static int generation = SkinBindingGeneration();
    if (generation != SkinBindingGeneration()) {
        fonts.clear();
        generation = SkinBindingGeneration();
    }
    return fonts;
}

int BaseCode(EFontKind kind, bool hi, int screenClass) {
    const bool square = screenClass == 6;
    switch (int(kind)) {
    case kFontCaption:
    case 18: return kFontBold | 9;
    case kFontHeading: return hi ? 6 : 8;
    case kFontMessageBody: return hi ? (kFontBold | 6) : 7;
    case kFontProgressText:
    case 8:
    case kFontMessageCheck: return kFontBold | 7;
    case kFontProgressStats:
    case 14: return hi ? 5 : 7;
    case kFontButton:
    case 15: return kFontBold | 8;
    case kFontDetail:
    case 10: return hi ? 7 : 8;
    case kFontBigButton: return kFontBold | (square ? 6 : 8);
    case 13: return 6;
    case kFontStatus: return hi ? 6 : 7;
    case 19: return kFontBold | 12;
    case kFontDialog: return 8;
    case kFontTitle:
    case 17: return kFontBold | (square ? 9 : 10);
    default: return kFontBold | 10;
    }
}

} // namespace

int FontCodeFor(EFontKind kind, bool highResolution, int screenClass) {
    int code = BaseCode(kind, highResolution, screenClass);
    // The square screen is short of room: one point less, except for the kinds that carry
    // their own square-screen size.
    if (screenClass == 6 && kind != kFontBigButton && kind != kFontTitle && kind != EFontKind(17))
        code = (code & ~0x3F) | ((code & 0x3F) - 1);
    return code;
}

int GetFontCode(EFontKind kind) {
    return FontCodeFor(kind, IsHighResolution(), GetScreenClass());
}

int ScreenPixelsPerInch() {
    return IsHighResolution() ? 192 : 96;
}

QFont MakeFont(int code, int pixelsPerInch) {
    QFont font(QStringList{QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
                           QStringLiteral("DejaVu Sans")});
    font.setPixelSize(std::max(1, (code & 0x3F) * pixelsPerInch / 72));
    font.setWeight((code & kFontBold) ? QFont::Bold : QFont::Normal);
    font.setItalic(code & kFontItalic);
    font.setUnderline(code & kFontUnderline);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

const QFont* GetFont(int code) {
    if ((code & 0x3F) == 0 || (code & kFontNone))
        return nullptr;
    auto& fonts = FontList();
    auto it = fonts.find(code);
    if (it == fonts.end())
        it = fonts.emplace(code, std::make_unique<QFont>(MakeFont(code, ScreenPixelsPerInch())))
                 .first;
    return it->second.get();
}

void ApplyFont(int code, QWidget* control) {
    if (!control)
        return;
    if (const QFont* font = GetFont(code))
        control->setFont(*font);
    control->update();
}

void ResetFonts() {
    FontList().clear();
}
