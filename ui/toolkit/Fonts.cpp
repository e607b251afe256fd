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

int BaseCode(int kind, bool hi, int screenClass) {
    const bool square = screenClass == 6;
    switch (kind) {
    case 1:
    case 18: return kFontBold | 9;
    case 2: return hi ? 6 : 8;
    case 3: return hi ? (kFontBold | 6) : 7;
    case 4:
    case 8:
    case 9: return kFontBold | 7;
    case 5:
    case 14: return hi ? 5 : 7;
    case 6:
    case 15: return kFontBold | 8;
    case 7:
    case 10: return hi ? 7 : 8;
    case 11: return kFontBold | (square ? 6 : 8);
    case 13: return 6;
    case 16: return hi ? 6 : 7;
    case 19: return kFontBold | 12;
    case 20: return 8;
    case 12:
    case 17: return kFontBold | (square ? 9 : 10);
    default: return kFontBold | 10;
    }
}

} // namespace

int FontCodeFor(int kind, bool highResolution, int screenClass) {
    int code = BaseCode(kind, highResolution, screenClass);
    // The square screen is short of room: one point less, except for the kinds that carry
    // their own square-screen size.
    if (screenClass == 6 && kind != 11 && kind != 12 && kind != 17)
        code = (code & ~0x3F) | ((code & 0x3F) - 1);
    return code;
}

int GetFontCode(int kind) {
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
