#include "ocr/DrawnPicture.h"

#include "imaging/ImageDecoder.h"

#include <QTransform>

QImage DrawnPicture(const QString& path, bool turnCcw) {
    LoadedImage loaded;
    if (!LoadImageFile(path, &loaded) || !loaded.bitmap)
        return {};
    QImage grey = loaded.bitmap->ToImage().convertToFormat(QImage::Format_Grayscale8);
    loaded.Reset();
    if (turnCcw)
        grey = grey.transformed(QTransform().rotate(-90));
    return grey;
}
