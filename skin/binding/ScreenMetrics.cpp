// Screen class, resolution flag and the dialog-unit metrics of the emulated device.

#include "skin/binding/SkinBinding.h"

#include "skin/binding/SkinBindingState.h"

#include "platform/Device.h"

namespace {

enum class Resolution { Unknown, Low, High };
Resolution g_resolution = Resolution::Unknown;

} // namespace

int ScreenClassForSize(int width, int height) {
    struct Entry {
        int width, height, screenClass;
    };
    static constexpr Entry kTable[] = {
        {240, 320, 1}, {320, 240, 2}, {480, 640, 3}, {640, 480, 4},  {240, 240, 5},  {320, 320, 6},
        {480, 480, 7}, {240, 400, 8}, {400, 240, 9}, {480, 800, 10}, {800, 480, 11}, {240, 440, 13},
    };
    for (const Entry& entry : kTable)
        if (entry.width == width && entry.height == height)
            return entry.screenClass;
    return 0;
}

int GetScreenClass() {
    return ScreenClassForSize(platform::GetSystemMetrics(platform::SM_CXSCREEN),
                              platform::GetSystemMetrics(platform::SM_CYSCREEN));
}

bool HighResolutionClass(int screenClass) {
    switch (screenClass) {
    case 3:
    case 4:
    case 7:
    case 10:
    case 11: return true;
    default: return false;
    }
}

bool ComputeHighResolution() {
    return HighResolutionClass(GetScreenClass());
}

SkinChoice ChooseSkin(const QSize& logical, double ratio) {
    const int screenClass = ScreenClassForSize(logical.width(), logical.height());
    SkinChoice choice = ChooseSkinPictures(HighResolutionClass(screenClass), ratio);
    choice.screenClass = screenClass;
    return choice;
}

SkinChoice ChooseSkinPictures(bool highResolution, double ratio) {
    SkinChoice choice;
    choice.highResolution = highResolution;
    // Picture pixels per logical pixel the display can show: the QVGA pictures are drawn for
    // one, the VGA pictures for two; a little rounding (1.0000001) is no finer display.
    const double layoutScale = choice.highResolution ? 2.0 : 1.0;
    const double wanted = layoutScale * (ratio > 0 ? ratio : 1.0);
    choice.vgaPictures = choice.highResolution || wanted > 1.0 + 1e-6;
    choice.pictureRatio = choice.vgaPictures && !choice.highResolution ? 2 : 1;
    return choice;
}

int SkinPictureRatio() {
    return BindingState().pictureRatio;
}

void SetHighResolution(bool high) {
    g_resolution = high ? Resolution::High : Resolution::Low;
}

bool IsHighResolution() {
    if (g_resolution == Resolution::Unknown)
        SetHighResolution(ComputeHighResolution());
    return g_resolution == Resolution::High;
}

int ScalePixels(int n) {
    return IsHighResolution() ? 2 * n : n;
}

SkinLayoutMetrics LayoutMetricsFor(bool highResolution, int screenClass) {
    if (screenClass == 6)
        return highResolution ? SkinLayoutMetrics{18, 38, 70, 8} : SkinLayoutMetrics{9, 19, 35, 8};
    return highResolution ? SkinLayoutMetrics{14, 28, 52, 8} : SkinLayoutMetrics{7, 14, 26, 8};
}

SkinLayoutMetrics GetLayoutMetrics() {
    return LayoutMetricsFor(IsHighResolution(), GetScreenClass());
}

void MapDialogRectForScreen(TesRect& rect) {
    const SkinLayoutMetrics metrics = GetLayoutMetrics();
    rect.left = rect.left * metrics.horizontalFactor / 4;
    rect.right = rect.right * metrics.horizontalFactor / 4;
    rect.top = rect.top * metrics.verticalFactor / 8;
    rect.bottom = rect.bottom * metrics.verticalFactor / 8;
}

QRect MapDialogRectForScreen(int x, int y, int cx, int cy) {
    TesRect rect{x, y, x + cx, y + cy};
    MapDialogRectForScreen(rect);
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}
