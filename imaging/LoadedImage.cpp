#include "imaging/LoadedImage.h"

void LoadedImage::Reset() {
    width = 0;
    height = 0;
    bitmap.reset();
    pixels = nullptr;
}
