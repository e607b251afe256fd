#include "imaging/FitSize.h"

QSize FitSize(int sourceWidth, int sourceHeight, int boxWidth, int boxHeight) {
    if (sourceWidth <= 0 || sourceHeight <= 0)
        return {0, 0};
    const float rx = float(boxWidth) / float(sourceWidth);
    const float ry = float(boxHeight) / float(sourceHeight);
    if (!(rx < ry))
        return {static_cast<int>(float(sourceWidth) * ry), boxHeight};
    return {boxWidth, static_cast<int>(float(sourceHeight) * rx)};
}
