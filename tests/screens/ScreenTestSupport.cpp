#include "tests/screens/ScreenTestSupport.h"

#include <QImage>

QString CScreenTest::Picture(const QString& name, int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QString path = PathIn(name);
    EXPECT_TRUE(image.save(path, nullptr, 100)) << path.toStdString();
    return path;
}
